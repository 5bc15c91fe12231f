// The expected line: which files are read as a line and why the others are refused, and how the cameras
// heard stand against the line.
#include "doctor/fixtext.h"
#include "golden.h"
#include "report/expectedline.h"
#include "report/linereport.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {
// What a line holds, camera by camera, or why it is refused.
QString outcome(const LineProblem &problem, const ExpectedLine &line) {
    QStringList cameras;
    for (const LineCamera &c : line.cameras)
        cameras << QString("%1/%2/%3/%4/%5")
                       .arg(macToText(quint32(c.mac), quint32(c.mac >> 32)), c.serial, c.name,
                            c.ip ? ipToText(c.ip) : "-", c.adapterIp ? ipToText(c.adapterIp) : "-");
    return problem.fault != LineProblem::None ? lineProblemText(problem) : cameras.join(' ');
}

// Cameras as MAC/SERIAL/NAME/IP/ADAPTER: 00:0c:9c:00:00:MAC at 10.1.1.IP through the adapter 10.1.0.ADAPTER
// (0: not known).
QList<LineCamera> cameras(const QString &text) {
    QList<LineCamera> list;
    for (const QString &camera : text.split(' ')) {
        const QStringList f = camera.split('/');
        const uint ip = f[3].toUInt(), adapter = f[4].toUInt();
        list.append({0x000C9C000000ull | f[0].toUInt(), f[1], f[2], ip ? 0x0A010100u | ip : NoIp,
                     adapter ? 0x0A010000u | adapter : NoIp});
    }
    return list;
}
} // namespace

class ExpectedLineTest : public QObject {
    Q_OBJECT
private slots:
    void filesAreReadOrRefusedWithTheReason_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("want");
        const auto row = [](const QString &tag, const QByteArray &json, const QString &want) {
            QTest::newRow(qPrintable(tag)) << json << want;
        };
        row("saved scan",
            R"({"adapter": "lab0", "adapters": [], "conflict": null, "cameras": [{"index": 0, "mac":
            "00:0c:9c:81:f2:a7", "serial": "00-0000-0042", "name": "Bay 1", "ip": "10.10.1.20", "adapterIp":
            "10.10.1.1", "model": "Karvelo W4", "status": 2}]})",
            "00:0c:9c:81:f2:a7/00-0000-0042/Bay 1/10.10.1.20/10.10.1.1");
        row("by hand", R"({"cameras": [{"mac": "00-0C-9C-00-00-0B", "name": "Spare"}, {"mac": "000c9c00000c",
            "serial": 777}, {"mac": "00:0c:9c:00:00:0d", "serial": null, "ip": null, "adapterIp": "10.1.0.1"}]})",
            "00:0c:9c:00:00:0b//Spare/-/- 00:0c:9c:00:00:0c/777//-/- 00:0c:9c:00:00:0d///-/10.1.0.1");
        row("not JSON", "{\"cameras\": [\n  {\"mac\": \"\xc3\xa9\", x}]}",
            "this is not JSON: unterminated object at line 2, column 17");
        for (const char *json :
             {R"([{"mac": "00:0c:9c:00:00:01"}])", R"({"cameras": {"mac": "00:0c:9c:00:00:01"}})"})
            row(json, json, "this is not a camera list: it is no JSON object with a \"cameras\" array");
        row("no cameras", R"({"cameras": []})", "the camera list has no cameras");
        const QByteArray first = R"({"cameras": [{"mac": "00:0c:9c:00:00:01"}, )";
        row("not a camera", first + "7]}", "entry 2 of \"cameras\" is not a camera (a JSON object)");
        row("no mac", first + R"({"name": "A", "ip": "10.1.1.2"}]})",
            "entry 2 of \"cameras\" has no \"mac\"");
        row("null mac", first + R"({"mac": null}]})", "entry 2 of \"cameras\" has no \"mac\"");
        row("same mac", first + R"({"mac": "00:0c:9c:00:00:02"}, {"mac": "00-0C-9C-00-00-01"}]})",
            "entries 1 and 3 of \"cameras\" have the same MAC 00:0c:9c:00:00:01");
        // KEY=VALUE in the second camera, and the reason shows the value.
        const char *const malformed =
            R"(mac="00:0c:9c:00:00";mac="00:0c:9c:00:00:0g";mac="01:00:5e:00:00:01";mac="ff:ff:ff:ff:ff:ff";)"
            R"(mac="00:00:00:00:00:00";mac="00:0c:9c:00:0:001";mac="00_0c_9c_00_00_01";mac="00:0c:9c:00:00:02:";)"
            R"(mac="000c9c00000";mac=12;serial="SN-42";serial=-1;serial=1.5;serial="12345678901234567890";)"
            R"(serial=true;name=7;ip="10.1.2";adapterIp="10.1.2.3 ")";
        for (const QString &field : QString(malformed).split(';')) {
            const QString key = field.section('=', 0, 0), value = field.section('=', 1);
            QJsonObject second{{"mac", "00:0c:9c:00:00:02"}};
            second[key] = QJsonDocument::fromJson(("[" + value + "]").toUtf8()).array()[0];
            row(field, first + QJsonDocument(second).toJson() + "]}",
                QString("entry 2 of \"cameras\" has a malformed \"%1\": %2")
                    .arg(key, QString(value).remove('"')));
        }
    }
    void filesAreReadOrRefusedWithTheReason() {
        QFETCH(QByteArray, json);
        QFETCH(QString, want);
        ExpectedLine line;
        QCOMPARE(outcome(readExpectedLine(json, &line), line), want);
    }

    void onlyARegularFileOfSensibleSizeIsRead() {
        QTemporaryDir dir;
        QFile big(dir.filePath("big")), good(dir.filePath("good"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(MaxLineBytes + 1) &&
                good.open(QIODevice::WriteOnly) &&
                good.write(R"({"cameras": [{"mac": "00:0c:9c:00:00:01"}]})") > 0 && good.flush());
        QStringList got;
        ExpectedLine line;
        for (const QString &path :
             {dir.filePath("none"), dir.path(), QString("/dev/zero"), big.fileName(), good.fileName()})
            got << outcome(loadExpectedLine(path, &line), line);
        QCOMPARE(
            got.join('|'),
            "there is no such file|this is not a regular file|this is not a regular file|the file is too "
            "large to be a camera list (more than 16 MiB)|00:0c:9c:00:00:01///-/-");
    }

    void heardCamerasStandAgainstTheLine() {
        // The line's cameras at 10.1.1.x through the adapter 10.1.0.1; 4 and 6 by hand without adapter
        // or address.
        const ExpectedLine line{cameras("1/00-0000-0042/A/20/1 2/43/B/21/1 3//C/22/1 4/45/D/23/0 5/46/E/24/1 "
                                        "6//F/0/0 8/48/H/26/1 9/49/I/29/1")};
        // A through a second adapter first, then where the line has it (its serial number written
        // otherwise); B at another address; C through another adapter, its serial number now known;
        // D through another adapter, which its line entry does not name; a stranger with E's MAC; F
        // somewhere; G twice, not in the line; H elsewhere through another adapter; I silent.
        const QList<LineCamera> heard = cameras("1/42//20/2 1/42/A/20/1 2/43/B2/31/1 3/99/C/22/2 4/45//23/2 "
                                                "5/49//24/1 6///50/1 7/47/G/27/1 7/47/G/27/2 8/48/H/36/2");
        const LineStanding standing = compareLine(line, heard);
        // The JSON with the cameras' MAC addresses by their last digit and their addresses by the last
        // number.
        const QString json = QString(QJsonDocument(expectedLineJson(standing)).toJson(QJsonDocument::Compact))
                                 .remove("00:0c:9c:00:00:0")
                                 .remove(QRegularExpression("10\\.1\\.[01]\\."));
        compareWithGolden("line-standing.json", json.toUtf8() + '\n');
        // Each flagged entry names the other camera; the moves say what moved.
        QVERIFY(standing.missing[0].heard.serial == "49" && standing.unexpected[0].expected.name == "E" &&
                standing.moved[0].moves == MovedAddress &&
                standing.moved[2].moves == (MovedAddress | MovedAdapter));
        QVERIFY(!standing.asExpected() &&
                compareLine({{line.cameras[0], line.cameras[5]}}, {heard[1], heard[6]}).asExpected());
    }

    // What the scan prints and the doctor finds, each camera named: a camera moved on its adapter is
    // moved back by a set-address (unless another camera took its address), one moved to another
    // adapter is plugged back, a missing one waited for longer. Through one adapter only the line's
    // cameras behind it or behind none are judged.
    void lineReportsAndFindings() {
        const ExpectedLine line{
            cameras("1/42/A/20/1 2/43/B/21/1 3//C/22/1 5/46/E/24/1 9/49/I/29/1 4/45/D/23/2 6/46/F/26/1")};
        const QList<LineCamera> heard =
            cameras("1/42/A/20/1 2/43/B/31/1 3//C/22/2 5/99//25/1 7/47/G/26/1 6/46/F/29/1");
        NetworkFacts facts;
        for (const char *name : {"lab0", "lab1"}) {
            AdapterFacts a;
            a.adapter.ip = 0x0A010000u + quint32(facts.adapters.size() + 1), a.adapter.mask = 0xFFFF0000;
            std::strcpy(a.adapter.name, name);
            facts.adapters << a;
        }
        QList<SeenCamera> seen;
        for (const LineCamera &h : heard) {
            SeenCamera c;
            c.info.macLow = quint32(h.mac), c.info.macHigh = quint32(h.mac >> 32), c.info.cameraIp = h.ip;
            c.info.adapterIp = h.adapterIp, c.info.adapterMask = c.info.cameraMask = 0xFFFF0000;
            c.info.serialNumber = h.serial.toUInt(), c.name = h.name, c.row = int(seen.size());
            seen << c;
        }
        const LineStanding standing =
            compareLine(lineBehind(line, facts.adapters[0].adapter), lineCameras(seen));
        QString got = lineStandingText(standing);
        for (const Finding &f : lineFindings(standing, facts, seen)) {
            QStringList fixes = commandLineFixes(f.fixes), absent; // absent: the line's cameras not heard
            for (const AbsentCamera &a : f.absent)
                absent << a.name + '@' + ipToText(a.ip) + '/' + ipToText(a.adapterIp);
            got += QString("%1 %2 %3 cameras %4+%5: %6\n")
                       .arg(f.code, severityName(f.severity), f.adapter)
                       .arg(f.cameras.size())
                       .arg(absent.join(','), fixes.join(" / "));
        }
        compareWithGolden("line.txt", got.remove("00:0c:9c:00:00:0").remove("10.1.").toUtf8());
    }
};

QTEST_GUILESS_MAIN(ExpectedLineTest)
#include "tst_expectedline.moc"
