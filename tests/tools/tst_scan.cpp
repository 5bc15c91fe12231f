// varnix-scan without a network: argument handling and the plain clip summary.

#include "scanoptions.h"
#include "scanreport.h"

#include "net/camrecord.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class ScanTool : public QObject {
    Q_OBJECT
private slots:
    void badArgumentsExitWith2_data();
    void badArgumentsExitWith2();
    void helpPrintsUsage();
    void optionsAreRead_data();
    void optionsAreRead();
    void clipSummary_data();
    void clipSummary();
};

void ScanTool::badArgumentsExitWith2_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "unknown argument";
    QTest::newRow("stray word") << QStringList{"eth0"} << "unknown argument";
    QTest::newRow("wait without value") << QStringList{"--wait"} << "needs a value";
    QTest::newRow("negative wait") << QStringList{"--wait", "-1"} << "--wait";
    QTest::newRow("wait not a number") << QStringList{"--wait", "3s"} << "--wait";
    QTest::newRow("datagram size not in the list")
        << QStringList{"--datagram-size", "1500"} << "--datagram-size";
    QTest::newRow("datagram size empty") << QStringList{"--datagram-size="} << "--datagram-size";
    QTest::newRow("empty adapter") << QStringList{"--adapter", ""} << "--adapter";
    QTest::newRow("unknown adapter") << QStringList{"--adapter", "no-such-adapter-42", "--wait", "0"}
                                     << "unknown adapter";
    QTest::newRow("set-address short")
        << QStringList{"--set-address", "10.0.0.5", "10.0.0.6"} << "--set-address";
    QTest::newRow("camera address does not parse")
        << QStringList{"--set-address", "10.0.0", "10.0.0.6", "255.255.255.0"} << "10.0.0";
    QTest::newRow("new address does not parse")
        << QStringList{"--set-address", "10.0.0.5", "10.0.0.256", "255.255.255.0"} << "10.0.0.256";
    QTest::newRow("new address 0") << QStringList{"--set-address", "10.0.0.5", "0.0.0.0", "255.255.255.0"}
                                   << "0.0.0.0";
    QTest::newRow("new mask does not parse")
        << QStringList{"--set-address", "10.0.0.5", "10.0.0.6", "mask"} << "mask";
    QTest::newRow("new mask 0") << QStringList{"--set-address", "10.0.0.5", "10.0.0.6", "0.0.0.0"}
                                << "0.0.0.0";
    QTest::newRow("list with a wait") << QStringList{"--list-adapters", "--wait", "5"} << "--list-adapters";
    QTest::newRow("list and set-address")
        << QStringList{"--list-adapters", "--set-address", "1.2.3.4", "1.2.3.5", "255.0.0.0"}
        << "cannot be combined";
    QTest::newRow("set-address with a datagram size")
        << QStringList{"--set-address", "1.2.3.4", "1.2.3.5", "255.0.0.0", "--datagram-size", "1448"}
        << "--datagram-size";
}

void ScanTool::badArgumentsExitWith2() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    // None of these reaches discovery: they are refused before any socket exists.
    QTemporaryDir config;
    QProcess scan;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    scan.setProcessEnvironment(env);
    scan.start(QStringLiteral(VARNIX_SCAN_PATH), args);
    QVERIFY(scan.waitForFinished(10000));
    QCOMPARE(scan.exitStatus(), QProcess::NormalExit);
    QCOMPARE(scan.exitCode(), 2);
    QVERIFY(scan.readAllStandardOutput().isEmpty());
    const QString err = QString::fromLocal8Bit(scan.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
    QVERIFY(QDir(config.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void ScanTool::helpPrintsUsage() {
    QProcess scan;
    scan.start(QStringLiteral(VARNIX_SCAN_PATH), {QStringLiteral("--help")});
    QVERIFY(scan.waitForFinished(10000));
    QCOMPARE(scan.exitCode(), 0);
    const QString out = QString::fromLocal8Bit(scan.readAllStandardOutput());
    QVERIFY(out.startsWith(QLatin1String("Usage:")));
    QVERIFY(out.contains(QLatin1String("--set-address CAMERA_IP NEW_IP NEW_MASK")));
}

void ScanTool::optionsAreRead_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("adapter");
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<int>("jumboPacket");
    QTest::addColumn<bool>("json");
    QTest::newRow("defaults") << QStringList{} << int(ScanOptions::Scan) << QString() << 3500 << -1 << false;
    QTest::newRow("all given") << QStringList{"--adapter",       "lab0", "--wait", "0",
                                              "--datagram-size", "8680", "--json"}
                               << int(ScanOptions::Scan) << "lab0" << 0 << 5 << true;
    QTest::newRow("equals forms") << QStringList{"--adapter=*ALL*", "--wait=1200", "--datagram-size=1448"}
                                  << int(ScanOptions::Scan) << "*ALL*" << 1200 << 0 << false;
    QTest::newRow("optimal") << QStringList{"--datagram-size", "Optimal"} << int(ScanOptions::Scan)
                             << QString() << 3500 << -1 << false;
    QTest::newRow("list") << QStringList{"--json", "--list-adapters"} << int(ScanOptions::ListAdapters)
                          << QString() << 3500 << -1 << true;
    QTest::newRow("set address") << QStringList{"--set-address", "10.0.0.5",  "10.0.0.6",
                                                "255.255.0.0",   "--adapter", "lab0"}
                                 << int(ScanOptions::SetAddress) << "lab0" << 3500 << -1 << false;
}

void ScanTool::optionsAreRead() {
    QFETCH(QStringList, args);
    QFETCH(int, mode);
    QFETCH(QString, adapter);
    QFETCH(int, waitMs);
    QFETCH(int, jumboPacket);
    QFETCH(bool, json);
    ScanOptions o;
    QString error;
    QVERIFY2(parseScanOptions(args, &o, &error), qPrintable(error));
    QCOMPARE(int(o.mode), mode);
    QCOMPARE(o.adapterGiven, !adapter.isEmpty());
    QCOMPARE(o.adapter, adapter);
    QCOMPARE(o.waitMs, waitMs);
    QCOMPARE(o.jumboPacket, jumboPacket);
    QCOMPARE(o.json, json);
    if (o.mode == ScanOptions::SetAddress) {
        QCOMPARE(o.cameraIp, 0x0A000005u);
        QCOMPARE(o.newIp, 0x0A000006u);
        QCOMPARE(o.newMask, 0xFFFF0000u);
    }
}

void ScanTool::clipSummary_data() {
    QTest::addColumn<quint16>("number");
    QTest::addColumn<quint64>("frames");
    QTest::addColumn<float>("rate");
    QTest::addColumn<quint32>("trimStart");
    QTest::addColumn<quint32>("trimEnd");
    QTest::addColumn<QString>("summary");
    QTest::newRow("whole clip")
        << quint16(0) << quint64(1000) << 500.0f << 0u << 999u
        << "Clip 1: 1000 frames - 2.000 s | Trim: 0 (0.000 s) to 999 (1.998 s) - 2.000 s | "
           "1280x1024 @ 500 fps";
    QTest::newRow("fractional rate is truncated for the format line")
        << quint16(4) << quint64(300) << 999.9f << 0u << 299u
        << "Clip 5: 300 frames - 0.300 s | Trim: 0 (0.000 s) to 299 (0.299 s) - 0.300 s | "
           "1280x1024 @ 999 fps";
    QTest::newRow("no frame rate gives zero seconds")
        << quint16(65535) << quint64(10) << 0.0f << 2u << 5u
        << "Clip 65536: 10 frames - 0.000 s | Trim: 2 (0.000 s) to 5 (0.000 s) - 0.000 s | "
           "1280x1024 @ 0 fps";
    QTest::newRow("trim end before start wraps in 32 bits")
        << quint16(1) << quint64(100) << 1.0f << 10u << 4u
        << "Clip 2: 100 frames - 100.000 s | Trim: 10 (10.000 s) to 4 (4.000 s) - 4294967296.000 s"
           " | 1280x1024 @ 1 fps";
    QTest::newRow("count above 32 bits")
        << quint16(0) << quint64(5000000000ull) << 1000.0f << 0u << 0u
        << "Clip 1: 5000000000 frames - 5000000.000 s | Trim: 0 (0.000 s) to 0 (0.000 s) - "
           "0.001 s | 1280x1024 @ 1000 fps";
}

void ScanTool::clipSummary() {
    QFETCH(quint16, number);
    QFETCH(quint64, frames);
    QFETCH(float, rate);
    QFETCH(quint32, trimStart);
    QFETCH(quint32, trimEnd);
    QFETCH(QString, summary);
    ClipInfo clip;
    clip.clipNumber = number;
    clip.frameCount = frames;
    clip.frameRate = rate;
    clip.width = 1280;
    clip.height = 1024;
    clip.trimStart = trimStart;
    clip.trimEnd = trimEnd;
    QCOMPARE(plainClipSummary(clip), summary);
}

QTEST_GUILESS_MAIN(ScanTool)
#include "tst_scan.moc"
