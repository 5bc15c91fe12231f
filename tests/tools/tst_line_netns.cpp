// The expected line in the namespace lab: a scan saved as the line, then one camera silent, one at
// another address with the same MAC address and one new camera, each named as what it is in the scan's
// text and JSON, the doctor's findings and the watch's events and metrics; the line restored is as
// expected, and files that are no line are refused before anything is sent.
#include "labtest.h"

#include <QtTest>

namespace {
// Bay 3 answers at .23, later at .33 (the same camera); Spare comes later. Replies are dropped by source.
const char *const cameras = R"([{"model": 19, "serial": 21, "mac": "02:00:00:41:00:21", "ip": "10.77.1.21",
  "name": "Bay 1"}, {"model": 19, "serial": 22, "mac": "02:00:00:41:00:22", "ip": "10.77.1.22", "name": "Bay 2"},
 {"model": 19, "serial": 23, "mac": "02:00:00:41:00:23", "ip": "10.77.1.23", "name": "Bay 3"},
 {"model": 19, "serial": 23, "mac": "02:00:00:41:00:23", "ip": "10.77.1.33", "name": "Bay 3"},
 {"dialect": "advanced", "model": 4, "serial": 44, "mac": "02:00:00:41:00:44", "ip": "10.77.1.44", "name":
  "Spare"}])";
const char *const driver = R"sh(nf() { ip netns exec "$(camns lab0)" nft "$@"; }
nf add table inet vx '{ set b { type ipv4_addr; }; chain o { type filter hook output priority 0; ip saddr @b drop; }; }'
drop() { nf add element inet vx b "{ $1 }"; }; pass() { nf delete element inet vx b "{ $1 }"; }
drop 10.77.1.33; drop 10.77.1.44; run saved --adapter lab0 --json
drop 10.77.1.22; drop 10.77.1.23; pass 10.77.1.33; pass 10.77.1.44
s=$(date +%s%N); run text --adapter lab0 --expect saved.out; echo $((($(date +%s%N) - s) / 1000000)) >text.ms
run json --adapter lab0 --expect saved.out --json
run doctor --doctor --adapter lab0 --expect saved.out --json
run watch --watch --adapter lab0 --expect saved.out --json --duration 5000 --metrics-file m.prom
drop 10.77.1.33; drop 10.77.1.44; pass 10.77.1.22; pass 10.77.1.23; run restored --adapter lab0 --expect saved.out
echo '{"cameras": [' >bad.json; run bad --adapter lab0 --expect bad.json; run none --expect none.json --doctor)sh";

QString names(const QJsonValue &list, const char *extra = nullptr) {
    QStringList out;
    for (const QJsonValue &c : list.toArray())
        out << c["name"].toString() + (extra ? ' ' + c[extra].toString() : QString());
    return out.join(',');
}
} // namespace

class LineNetns : public QObject {
    Q_OBJECT
    Lab lab;

private slots:
    void missingMovedAndUnexpectedNamed() {
        RUN_LAB(lab, {"--link", lab.link("lab0", 1500, "10.77.1.1/24", cameras)}, driver);
        QStringList rcs;
        for (const char *run : {"saved", "text", "json", "doctor", "watch", "restored", "bad", "none"})
            rcs << lab.read(QString(run) + ".rc").trimmed();
        QCOMPARE(rcs.join(' '), QString("0 1 1 1 0 0 2 2"));
        // The scan waits for the missing camera until its deadline, then names each camera.
        const QByteArray text = lab.read("text.out");
        QVERIFY2(lab.read("text.ms").toInt() > 3000 &&
                     text.contains(
                         "\nExpected line: 1 of 3 camera(s) present, 1 missing, 1 moved, 1 unexpected.\n"
                         "  present    \"Bay 1\" 02:00:00:41:00:21 at 10.77.1.21\n"
                         "  missing    \"Bay 2\" 02:00:00:41:00:22 at 10.77.1.22\n"
                         "  moved      \"Bay 3\" 02:00:00:41:00:23 at 10.77.1.33, expected at 10.77.1.23\n"
                         "  unexpected \"Spare\" 02:00:00:41:00:44 at 10.77.1.44\n"),
                 text.constData());
        const QJsonObject expected = lab.json("json")["expected"].toObject();
        QCOMPARE(names(expected["present"]) + '|' + names(expected["missing"], "ip") + '|' +
                     names(expected["moved"], "expectedIp") + '|' + names(expected["unexpected"], "ip"),
                 QString("Bay 1|Bay 2 10.77.1.22|Bay 3 10.77.1.23|Spare 10.77.1.44"));
        QStringList findings; // the fixes' advice is the report tests' business, the command is not
        for (const QJsonValue &f : lab.json("doctor")["findings"].toArray())
            if (f["code"].toString().endsWith("-camera"))
                findings << f["code"].toString() + ' ' + names(f["cameras"]) + ' ' + f["fix"][0].toString();
        QVERIFY2(findings.size() == 3 && findings[0].startsWith("missing-camera Bay 2 ") &&
                     findings[1] == "moved-camera Bay 3 varnix-scan --set-address 10.77.1.33 10.77.1.23 "
                                    "255.255.255.0 --adapter lab0" &&
                     findings[2].startsWith("unexpected-camera Spare "),
                 qPrintable(findings.join('\n')));
        QStringList events;
        for (const QByteArray &line : lab.read("watch.out").split('\n')) {
            const QJsonObject e = QJsonDocument::fromJson(line).object();
            if (e["event"] == "missing" || e["event"] == "moved")
                events << e["event"].toString() + ' ' + e["camera"]["name"].toString();
        }
        QCOMPARE(events.join(", "), QString("moved Bay 3, missing Bay 2"));
        const QByteArray metrics = lab.read("m.prom");
        for (const char *series :
             {"{mac=\"02:00:00:41:00:21\",serial=\"00-0000-0021\",name=\"Bay 1\",expected_ip="
              "\"10.77.1.21\"} 1",
              "name=\"Bay 2\",expected_ip=\"10.77.1.22\"} 0", "name=\"Bay 3\",expected_ip=\"10.77.1.23\"} 0"})
            QVERIFY2(metrics.contains(series), series);
        QVERIFY(
            lab.read("restored.out").contains("3 of 3 camera(s) present, 0 missing, 0 moved, 0 unexpected") &&
            lab.read("bad.err").contains("--expect bad.json: this is not JSON") &&
            lab.read("none.err").contains("--expect none.json: there is no such file"));
    }
};

QTEST_GUILESS_MAIN(LineNetns)
#include "tst_line_netns.moc"
