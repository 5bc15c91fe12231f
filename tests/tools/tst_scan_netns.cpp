// varnix-scan against simulated cameras in network namespaces (tests/netlab.sh): a mixed network
// of both dialects on two links (MTU 1500 and 9000), a camera outside the adapter's subnet, a
// shared serial number and an Advanced camera with clips.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

// lab0: 10.10.1.1/24, MTU 1500. Camera B sits outside that subnet and shares B's serial with C.
const char *const lab0Cameras = R"([
 {"dialect": "standard", "model": 19, "variant": 0, "options": "WK", "serial": 42,
  "firmware": [5, 2], "mac": "00:0c:9c:81:f2:a7", "ip": "10.10.1.20", "mask": "255.255.255.0",
  "name": "Std-A", "status": 3},
 {"dialect": "standard", "model": 10, "variant": 2, "serial": 777, "firmware": [1, 0],
  "mac": "00:0c:9c:00:00:0b", "ip": "10.20.0.7", "mask": "255.255.255.0", "name": "Std-B",
  "status": 8}
])";

// lab1: 10.10.2.1/24, MTU 9000.
const char *const lab1Cameras = R"([
 {"dialect": "advanced", "model": 4, "serial": 777, "firmware": 66051, "link": 31,
  "mac": "00:0c:9c:00:00:0c", "ip": "10.10.2.30", "name": "Adv-C",
  "clips": [
   {"clipNumber": 0, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024,
    "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
   {"clipNumber": 1, "frameCount": 300, "frameRate": 999.9, "width": 640, "height": 480,
    "firstFrame": 0, "trimStart": 0, "trimEnd": 299}]},
 {"dialect": "standard", "model": 5, "variant": 0, "serial": 1234567890, "firmware": [3, 14],
  "mac": "00:0c:9c:00:00:0d", "ip": "10.10.2.40", "mask": "255.255.0.0", "name": "Std-D",
  "status": 2}
])";

const char *const storedSettings = "[Settings]\nNetAdapter=lab1\nJumboPacket=0\n";

// Every run of the tool inside the lab; each leaves TAG.out, TAG.err and TAG.rc behind.
const char *const driver = R"(#!/bin/bash
cd "$OUT" || exit 3
run() { local tag=$1; shift; "$SCAN" "$@" >"$tag.out" 2>"$tag.err"; echo $? >"$tag.rc"; }
run all --adapter '*ALL*' --datagram-size optimal --json
run lab1 --adapter lab1 --datagram-size 1448 --json --wait 1500
run stored --json --wait 1500
run text --adapter lab0 --datagram-size 2920
run missing --set-address 10.10.1.21 10.10.1.51 255.255.255.0 --adapter lab0 --wait 1500
run move --set-address 10.10.1.20 10.10.1.50 255.255.255.0 --adapter lab0 --json
exit 0
)";

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class ScanNetns : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyRunEndedAsExpected_data();
    void everyRunEndedAsExpected();
    void adaptersAreListed();
    void camerasAreIndexedInDiscoveryOrder();
    void cameraFields_data();
    void cameraFields();
    void clipsOfTheAdvancedCamera();
    void conflictFollowsTheDatagramSize();
    void storedSettingsChooseAdapterAndSizeAndStayUntouched();
    void textTableMarksTheOutsideCameraAndWarns();
    void setAddressMovesTheCamera();

private:
    QJsonObject json(const QString &tag) const;
    QJsonObject cameraAt(const QString &tag, const QString &ip) const;
    QString file(const QString &name) const { return QDir(out_.path()).filePath(name); }

    QTemporaryDir out_;
    QTemporaryDir config_;
};

void ScanNetns::initTestCase() {
    if (geteuid() != 0) QSKIP("needs root for network namespaces");
    QVERIFY(out_.isValid() && config_.isValid());
    QVERIFY(writeFile(file("lab0.json"), lab0Cameras));
    QVERIFY(writeFile(file("lab1.json"), lab1Cameras));
    QVERIFY(writeFile(file("driver.sh"), driver));
    QVERIFY(QDir(config_.path()).mkpath(QStringLiteral("Halvorn")));
    QVERIFY(writeFile(config_.path() + QStringLiteral("/Halvorn/Tovek.conf"), storedSettings));

    QProcess lab;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    env.insert(QStringLiteral("OUT"), out_.path());
    env.insert(QStringLiteral("SCAN"), QStringLiteral(VARNIX_SCAN_PATH));
    lab.setProcessEnvironment(env);
    lab.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lab.start(QStringLiteral("bash"),
              {QStringLiteral(NETLAB_PATH), QStringLiteral("--camsim"), QStringLiteral(VARNIX_CAMSIM_PATH),
               QStringLiteral("--logdir"), out_.path(), QStringLiteral("--link"),
               QStringLiteral("lab0:1500:10.10.1.1/24:") + file("lab0.json"), QStringLiteral("--link"),
               QStringLiteral("lab1:9000:10.10.2.1/24:") + file("lab1.json"), QStringLiteral("--extra-ip"),
               QStringLiteral("lab0:10.10.1.50/24"), QStringLiteral("--"), QStringLiteral("bash"),
               file("driver.sh")});
    QVERIFY(lab.waitForFinished(120000));
    if (lab.exitCode() == 77) QSKIP("network namespaces are not available");
    QCOMPARE(lab.exitCode(), 0);
}

QJsonObject ScanNetns::json(const QString &tag) const {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(readFile(file(tag + ".out")), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("%s.out: %s", qPrintable(tag), qPrintable(error.errorString()));
    return doc.object();
}

QJsonObject ScanNetns::cameraAt(const QString &tag, const QString &ip) const {
    for (const QJsonValue &v : json(tag).value(QLatin1String("cameras")).toArray()) {
        if (v.toObject().value(QLatin1String("ip")).toString() == ip) return v.toObject();
    }
    return {};
}

void ScanNetns::everyRunEndedAsExpected_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("rc");
    QTest::newRow("scan of all adapters") << "all" << 0;
    QTest::newRow("scan of one adapter") << "lab1" << 0;
    QTest::newRow("scan with stored settings") << "stored" << 0;
    QTest::newRow("text scan") << "text" << 0;
    QTest::newRow("set-address to a camera that is not there") << "missing" << 1;
    QTest::newRow("set-address that moves a camera") << "move" << 0;
}

void ScanNetns::everyRunEndedAsExpected() {
    QFETCH(QString, tag);
    QFETCH(int, rc);
    QCOMPARE(readFile(file(tag + ".rc")).trimmed().toInt(), rc);
}

void ScanNetns::adaptersAreListed() {
    QHash<QString, QJsonObject> byName;
    for (const QJsonValue &v : json("all").value(QLatin1String("adapters")).toArray())
        byName.insert(v.toObject().value(QLatin1String("name")).toString(), v.toObject());
    QVERIFY(byName.contains("lab0") && byName.contains("lab1"));
    QCOMPARE(byName["lab0"].value("ip").toString(), QStringLiteral("10.10.1.1"));
    QCOMPARE(byName["lab0"].value("mask").toString(), QStringLiteral("255.255.255.0"));
    QCOMPARE(byName["lab0"].value("mtu").toInt(), 1500);
    QCOMPARE(byName["lab1"].value("ip").toString(), QStringLiteral("10.10.2.1"));
    QCOMPARE(byName["lab1"].value("mtu").toInt(), 9000);
    QCOMPARE(byName["lab1"].value("mac").toString().size(), 17);
    QCOMPARE(json("all").value("adapter").toString(), QStringLiteral("*ALL*"));
}

void ScanNetns::camerasAreIndexedInDiscoveryOrder() {
    const QJsonArray cameras = json("all").value(QLatin1String("cameras")).toArray();
    QCOMPARE(cameras.size(), 4);
    for (int i = 0; i < cameras.size(); ++i)
        QCOMPARE(cameras.at(i).toObject().value("index").toInt(), i);
}

void ScanNetns::cameraFields_data() {
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QJsonValue>("want");
    const auto row = [](const char *ip, const char *field, const QJsonValue &want) {
        QTest::addRow("%s %s", ip, field) << QString::fromLatin1(ip) << QString::fromLatin1(field) << want;
    };
    // Standard camera in the adapter's subnet, named after its option reply.
    row("10.10.1.20", "name", "Std-A");
    row("10.10.1.20", "title", "Std-A");
    row("10.10.1.20", "model", "Karvelo WKJet4");
    row("10.10.1.20", "serial", "00-0000-0042");
    row("10.10.1.20", "firmware", "5.2.0");
    row("10.10.1.20", "protocol", "Standard");
    row("10.10.1.20", "mask", "255.255.255.0");
    row("10.10.1.20", "mac", "00:0c:9c:81:f2:a7");
    row("10.10.1.20", "port", 1029);
    row("10.10.1.20", "adapterIp", "10.10.1.1");
    row("10.10.1.20", "adapterMask", "255.255.255.0");
    row("10.10.1.20", "adapterMtu", 1500);
    row("10.10.1.20", "link", "1G");
    row("10.10.1.20", "status", 3);
    row("10.10.1.20", "statusText", "Waiting for trigger");
    row("10.10.1.20", "inAdapterSubnet", true);
    row("10.10.1.20", "options", 8);
    row("10.10.1.20", "cameraType", 19);
    row("10.10.1.20", "sensorType", 0);
    // Standard camera outside the adapter's subnet.
    row("10.20.0.7", "model", "Brisquet J4-S2");
    row("10.20.0.7", "port", 1028);
    row("10.20.0.7", "adapterIp", "10.10.1.1");
    row("10.20.0.7", "inAdapterSubnet", false);
    row("10.20.0.7", "status", 8);
    row("10.20.0.7", "statusText", "SD/SSD Transfer");
    row("10.20.0.7", "serial", "00-0000-0777");
    row("10.20.0.7", "firmware", "1.0.0");
    // Advanced camera on the jumbo link: never polled, so its status stays 0.
    row("10.10.2.30", "name", "Adv-C");
    row("10.10.2.30", "model", "Tavolin Mini M-200");
    row("10.10.2.30", "firmware", "0001.02.03");
    row("10.10.2.30", "serial", "00-0000-0777");
    row("10.10.2.30", "protocol", "Advanced");
    row("10.10.2.30", "mask", "255.255.255.0");
    row("10.10.2.30", "mac", "00:0c:9c:00:00:0c");
    row("10.10.2.30", "port", 9000);
    row("10.10.2.30", "adapterIp", "10.10.2.1");
    row("10.10.2.30", "adapterMtu", 9000);
    row("10.10.2.30", "link", "10G");
    row("10.10.2.30", "status", 0);
    row("10.10.2.30", "statusText", "Idle");
    row("10.10.2.30", "inAdapterSubnet", true);
    row("10.10.2.30", "cameraType", 48);
    // Standard camera on the jumbo link with its own, wider mask.
    row("10.10.2.40", "model", "Brisquet E2");
    row("10.10.2.40", "firmware", "3.14");
    row("10.10.2.40", "serial", "12-3456-7890");
    row("10.10.2.40", "mask", "255.255.0.0");
    row("10.10.2.40", "status", 2);
    row("10.10.2.40", "statusText", "Live");
    row("10.10.2.40", "adapterMtu", 9000);
    row("10.10.2.40", "clips", QJsonArray());
}

void ScanNetns::cameraFields() {
    QFETCH(QString, ip);
    QFETCH(QString, field);
    QFETCH(QJsonValue, want);
    const QJsonObject camera = cameraAt("all", ip);
    QVERIFY2(!camera.isEmpty(), qPrintable(ip));
    QVERIFY2(camera.contains(field), qPrintable(field));
    QCOMPARE(camera.value(field), want);
}

void ScanNetns::clipsOfTheAdvancedCamera() {
    const QJsonArray clips = cameraAt("all", "10.10.2.30").value("clips").toArray();
    QCOMPARE(clips.size(), 2);
    const QJsonObject first = clips.at(0).toObject();
    QCOMPARE(first.value("clipNumber").toInt(), 0);
    QCOMPARE(first.value("frameCount").toInt(), 1000);
    QCOMPARE(first.value("frameRate").toDouble(), 500.0);
    QCOMPARE(first.value("width").toInt(), 1280);
    QCOMPARE(first.value("height").toInt(), 1024);
    QCOMPARE(first.value("firstFrame").toInt(), 900);
    // Trim positions are made relative to the clip's first frame.
    QCOMPARE(first.value("trimStart").toInt(), 50);
    QCOMPARE(first.value("trimEnd").toInt(), 200);
    QCOMPARE(first.value("summary").toString(),
             QStringLiteral("Clip 1: 1000 frames - 2.000 s | Trim: 50 (0.100 s) to 200 (0.400 s) "
                            "- 0.302 s | 1280x1024 @ 500 fps"));
    const QJsonObject second = clips.at(1).toObject();
    QCOMPARE(second.value("clipNumber").toInt(), 1);
    QCOMPARE(float(second.value("frameRate").toDouble()), 999.9f);
    QCOMPARE(second.value("summary").toString(),
             QStringLiteral("Clip 2: 300 frames - 0.300 s | Trim: 0 (0.000 s) to 299 (0.299 s) - "
                            "0.300 s | 640x480 @ 999 fps"));
}

void ScanNetns::conflictFollowsTheDatagramSize() {
    // Optimal: only the serial number shared across the two links is a conflict.
    const QJsonObject all = json("all").value("conflict").toObject();
    QCOMPARE(all.value("code").toInt(), 5);
    QCOMPARE(all.value("text").toString(),
             QStringLiteral("More than one camera have the same Serial Number."));

    // 1448 on the jumbo link: the Standard camera there conflicts, the Advanced one never does.
    const QJsonObject lab1 = json("lab1");
    QCOMPARE(lab1.value("cameras").toArray().size(), 2);
    QCOMPARE(lab1.value("conflict").toObject().value("code").toInt(), 1);
}

void ScanNetns::storedSettingsChooseAdapterAndSizeAndStayUntouched() {
    const QJsonObject stored = json("stored");
    QCOMPARE(stored.value("adapter").toString(), QStringLiteral("lab1"));
    QCOMPARE(stored.value("cameras").toArray().size(), 2);
    QCOMPARE(stored.value("conflict").toObject().value("code").toInt(), 1);
    QCOMPARE(readFile(config_.path() + QStringLiteral("/Halvorn/Tovek.conf")), QByteArray(storedSettings));
    QCOMPARE(QDir(config_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("Halvorn")});
    QCOMPARE(QDir(config_.path() + "/Halvorn").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("Tovek.conf")});
}

void ScanNetns::textTableMarksTheOutsideCameraAndWarns() {
    const QStringList lines = QString::fromLocal8Bit(readFile(file("text.out"))).split('\n');
    QVERIFY(lines.value(0).startsWith(QLatin1String("Adapter: lab0 (10.10.1.1 / 255.255.255.0, MTU 1500)")));
    const int header = lines.indexOf(QRegularExpression("^#\\s+Name\\s+Model\\s+IP\\s+Link.*Subnet$"));
    QVERIFY(header > 0);
    QStringList rows = lines.mid(header + 1, 2);
    std::sort(rows.begin(), rows.end(), [](const QString &a, const QString &b) {
        return a.contains("10.10.1.20") && !b.contains("10.10.1.20");
    });
    QVERIFY2(rows.at(0).contains(QRegularExpression(
                 "Std-A\\s+Karvelo WKJet4\\s+10\\.10\\.1\\.20\\s+1G\\s+Waiting for trigger\\s+"
                 "00-0000-0042\\s+5\\.2\\.0\\s+00:0c:9c:81:f2:a7\\s+Standard\\s+10\\.10\\.1\\.1\\s+1500$")),
             qPrintable(rows.at(0)));
    QVERIFY2(rows.at(1).contains(QRegularExpression("Std-B\\s+Brisquet J4-S2\\s+10\\.20\\.0\\.7\\s.*\\s!$")),
             qPrintable(rows.at(1)));
    // Columns line up: every row's model starts where the header's does.
    const int modelColumn = lines.at(header).indexOf(QLatin1String("Model"));
    for (const QString &row : rows)
        QVERIFY(row.indexOf(QLatin1String("Karvelo")) == modelColumn ||
                row.indexOf(QLatin1String("Brisquet")) == modelColumn);
    QVERIFY(lines.contains(
        QStringLiteral("Warning: Jumbo datagram size is disabled on network adapter and enabled on cameras. "
                       "Cameras may not work properly.")));
}

void ScanNetns::setAddressMovesTheCamera() {
    const QJsonObject move = json("move");
    QCOMPARE(move.value("sent").toBool(), true);
    QCOMPARE(move.value("answered").toBool(), true);
    QCOMPARE(move.value("newIp").toString(), QStringLiteral("10.10.1.50"));
    QCOMPARE(move.value("newMask").toString(), QStringLiteral("255.255.255.0"));
    QCOMPARE(move.value("camera").toObject().value("ip").toString(), QStringLiteral("10.10.1.20"));
    const QJsonObject answer = move.value("answer").toObject();
    QCOMPARE(answer.value("ip").toString(), QStringLiteral("10.10.1.50"));
    QCOMPARE(answer.value("mac").toString(), QStringLiteral("00:0c:9c:81:f2:a7"));

    // The request went out as a directed broadcast carrying the camera's MAC.
    int requests = 0;
    for (const QByteArray &line : readFile(file("lab0.camlog.jsonl")).split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry.value("hex").toString().startsWith(QLatin1String("0100081718000000"))) {
            ++requests;
            QCOMPARE(entry.value("dst").toString(), QStringLiteral("10.10.1.255"));
            QCOMPARE(entry.value("hex").toString(),
                     QStringLiteral("010008171800000032010a0a00ffffffa7f2819c0c000000"));
        }
    }
    QVERIFY(requests >= 1);
    QVERIFY(readFile(file("missing.err")).contains("no camera answers from 10.10.1.21"));
}

QTEST_GUILESS_MAIN(ScanNetns)
#include "tst_scan_netns.moc"
