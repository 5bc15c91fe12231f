// varnix-scan without a network: refused arguments and the texts of the doctor and the watch.

#include "report/doctortext.h"
#include "watchreport.h"

#include "net/camrecord.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

// As root on Linux the scanner runs in a network namespace of its own, with no link to send on.
static void startScanner(QProcess &scan, const QStringList &arguments) {
#ifdef Q_OS_LINUX
    if (geteuid() == 0) {
        scan.start("unshare", QStringList{"--net", VARNIX_SCAN_PATH} + arguments);
        return;
    }
#endif
    scan.start(VARNIX_SCAN_PATH, arguments);
}

class ScanTool : public QObject {
    Q_OBJECT
private slots:
    void badArgumentsExitWith2_data() {
        // Rows split at ';'; arguments split at '|', then after '>' the part of the message that names the
        // refusal. None of these reaches a socket.
        QTest::addColumn<QString>("row");
        const QString rows =
            "--frobnicate>unknown argument;--wait>needs a value;--wait|-1>--wait;"
            "--datagram-size|1501>--datagram-size;--wait|5|--wait|6>--wait is given more than once;"
            "--csv|--json>--csv goes with a scan only;--adapter|>--adapter;"
            "--adapter|no-such-adapter-42|--wait|0>unknown adapter;"
            "--set-address|10.0.0.5|10.0.0.6>--set-address;"
            "--set-address|10.0.0.5|0.0.0.0|255.255.255.0>0.0.0.0;"
            "--set-address|10.0.0.5|10.0.0.6|0.0.0.0>0.0.0.0;--list-adapters|--wait|5>--list-adapters;"
            "--list-adapters|--set-address|1.2.3.4|1.2.3.5|255.0.0.0>cannot be combined;"
            "--doctor|--watch>cannot be combined;"
            "--doctor|--rescan|1000>--watch only;--duration|1000>--watch only;"
            "--metrics-file|m.prom>--watch only;--watch|--metrics-file=>needs a path;"
            "--wait-for-adapter>--watch only;--watch|--duration|100>unknown adapter;"
            "--doctor|--adapter|no-such-adapter-42>unknown adapter;"
            "--set-address|1.2.3.4|1.2.3.5|255.0.0.0|--datagram-size|1448>--datagram-size;"
            // The new address is judged as the window's dialog judges it, and each of the three addresses
            // is read strictly: a slip of the hand is refused, never read as some other address.
            "--set-address|10.77.1.21|10.77.1.50|255.0.255.0>ones followed by zeros;"
            "--set-address|10.99.1.13:80|10.99.1.50|255.255.255.0>camera address \"10.99.1.13:80\";"
            "--set-address|10.99.1.13|10.99.1.50.7|255.255.255.0>new address \"10.99.1.50.7\" is not;"
            "--set-address|10.99.1.13|10.99.1.50|255.255.255.0x>mask \"255.255.255.0x\" is not";
        for (const QString &row : rows.split(';'))
            QTest::newRow(qPrintable(row)) << row;
    }
    void badArgumentsExitWith2() {
        QFETCH(QString, row);
        QTemporaryDir config;
        QProcess scan;
        scan.setEnvironment(QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + config.path());
        QStringList arguments = row.section('>', 0, 0).split('|');
        // Should a row be taken, an unknown adapter still stops it before any socket opens.
        if (!arguments.contains("--adapter"))
            arguments = QStringList{"--adapter", "no-such-adapter-42"} + arguments;
        startScanner(scan, arguments);
        QVERIFY(scan.waitForFinished(10000));
        const QString err = scan.readAllStandardError();
        QVERIFY2(scan.exitStatus() == QProcess::NormalExit && scan.exitCode() == 2, qPrintable(row));
        QVERIFY2(scan.readAllStandardOutput().isEmpty() && err.contains(row.section('>', 1)),
                 qPrintable(err));
        QVERIFY(QDir(config.path()).isEmpty()); // the settings are never written
    }

    void doctorAndWatchTexts() {
        // Record fields: protocol, model, variant, options, serial, firmware (2), IP, mask, MAC low and high.
        SeenCamera a, b;
        a.info = {0, 0, 0, 0, 42, 0, 0, 0x0A0A0114, 0, 0x9C81F2A7, 0x000C}, a.row = 0, a.name = "Bay 1";
        // One hidden behind the first: no index, no name yet.
        b.info.cameraIp = 0x0A0A0114;
        Finding f{
            "duplicate-ip",     Severity::Problem,     "lab0",
            {a.ref(), b.ref()}, "2 cameras share ...", {Fix::advice("run this"), Fix::advice("or that")}};
        QCOMPARE(findingText(f, {a, b}),
                 QString("PROBLEM duplicate-ip (lab0)\n  2 cameras share ...\n"
                         "  camera #0 10.10.1.20 00:0c:9c:81:f2:a7 00-0000-0042 \"Bay 1\"\n"
                         "  camera unlisted 10.10.1.20 00:00:00:00:00:00 00-0000-0000\n"
                         "  fix:\n    run this\n    or that\n"));
        QCOMPARE(findingsSummary({}), QString("No problem found.\n"));
        f.severity = Severity::Warning;
        QCOMPARE(findingsSummary({f, f}), QString("0 problem(s), 2 warning(s).\n"));

        WatchEvent e;
        e.when = QDateTime(QDate(2026, 12, 6), QTime(19, 0, 1, 5), Qt::UTC);
        e.camera = a;
        const QString id =
            "2026-12-06T19:00:01.005Z %1 #0 10.10.1.20 00:0c:9c:81:f2:a7 00-0000-0042 \"Bay 1\"";
        // (kind, a value before?, before, after, text)
        const std::tuple<WatchEvent::Kind, bool, qint64, qint64, QString> rows[] = {
            {WatchEvent::Status, false, 0, 2, id.arg("status") + ": - -> Live (2)"},
            {WatchEvent::Status, true, 1, 2, id.arg("status") + ": Idle (1) -> Live (2)"},
            {WatchEvent::Status, true, 0, 0xFFFFFFFF,
             id.arg("status") + ": Unknown status (0) -> Unknown status "
                                "(4294967295)"},
            {WatchEvent::Options, true, 0, 8, id.arg("options") + ": 0x00000000 -> 0x00000008"},
            {WatchEvent::Clips, false, 0, 3, id.arg("clips") + ": - -> 3 clip(s)"},
            {WatchEvent::Lost, false, 0, 0, id.arg("lost")},
            {WatchEvent::Address, false, 0x0A0A0120, 0x0A0A0114,
             id.arg("address") + ": 10.10.1.32 -> 10.10.1.20"},
            {WatchEvent::AdapterAddress, false, 0x0A0A0101, 0x0A0A0102,
             "2026-12-06T19:00:01.005Z adapter-address lab0: 10.10.1.1 -> 10.10.1.2"},
            {WatchEvent::AdapterDown, false, 0x0A0A0101, 0,
             "2026-12-06T19:00:01.005Z adapter-down lab0: 10.10.1.1 -> -"}};
        e.adapter = "lab0";
        for (const auto &[kind, hadBefore, before, after, text] : rows) {
            std::tie(e.kind, e.hadBefore, e.before, e.after) = std::tie(kind, hadBefore, before, after);
            QCOMPARE(watchEventText(e), text);
        }
        e.adapter.clear();
        // What a camera names itself never splits the line nor reaches the terminal as a control.
        e.camera.name = "Bay\x1b[31m\n2\a";
        std::tie(e.kind, e.hadBefore, e.nameBefore, e.nameAfter) =
            std::make_tuple(WatchEvent::Name, true, QString("Bay 1"), e.camera.name);
        const QString shown = "\"Bay\\x1b[31m\\n2\\x07\"";
        QCOMPARE(watchEventText(e), id.arg("name").replace("\"Bay 1\"", shown) + ": \"Bay 1\" -> " + shown);
        QVERIFY(findingText(f, {e.camera, b}).contains(shown + '\n'));
        e.camera = a;
        e.kind = WatchEvent::ConflictCleared;
        e.conflict = f;
        e.conflictCameras = {a, b};
        QCOMPARE(watchEventText(e),
                 QString("2026-12-06T19:00:01.005Z conflict cleared duplicate-ip: 2 cameras share "
                         "... [#0 10.10.1.20 00:0c:9c:81:f2:a7 00-0000-0042 \"Bay 1\"; unlisted "
                         "10.10.1.20 00:00:00:00:00:00 00-0000-0000]"));
        QCOMPARE(watchEventJson(e).value("cameras").toArray().size(), 2);
    }
};

QTEST_GUILESS_MAIN(ScanTool)
#include "tst_scan.moc"
