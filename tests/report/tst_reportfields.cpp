// Every text, JSON, CSV, table and metric written about a camera, byte for byte against files kept beside
// this test. VARNIX_WRITE_GOLDEN=1 writes them anew from the running code.

#include "cameras/conflicts.h"
#include "cameras/udpcammanager.h"
#include "dialogs/assignaddressesdlg.h"
#include "dialogs/caminfodlg.h"
#include "doctor/addressplan.h"
#include "doctor/networkcheck.h"
#include "golden.h"
#include "net/udpinterface.h"
#include "report/cameralist.h"
#include "report/doctortext.h"
#include "report/reportjson.h"
#include "report/texttables.h"
#include "tools/scan/watchreport.h"
#include "watch/watch.h"
#include "watch/watchmetrics.h"

#include <QJsonDocument>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <functional>

namespace {

const quint32 Lab0 = 0x0A0A0101, Lab1 = 0x0A0A0201, Mask = 0xFFFFFF00; // 10.10.1.1/24, 10.10.2.1/24

AdapterFacts adapter(const char *name, quint32 ip, quint32 mtu) {
    AdapterFacts a;
    a.adapter = {{}, {}, {}, ip, Mask, mtu};
    std::strcpy(a.adapter.name, name), std::strcpy(a.adapter.macText, "02:00:00:00:00:01");
    a.rpFilterAll = a.rpFilterInterface = 0, a.up = 1, a.speedMbps = 1000;
    return a;
}

// Record fields: protocol, model, variant, options, serial, firmware (2), IP, mask, MAC low and high, port,
// adapter IP, mask, reserved, MTU, 10G.
struct Cam {
    UdpCamInfo info;
    const char *name;
    quint32 status;
    bool statusReplied, nameAnswered;
};
const Cam cams[] = {
    // Named with a comma and quotes, a status it knows, 10G.
    {{0, 10, 4, 8, 42, 3, 7, 0x0A0A0114, Mask, 0x9C81F2A7, 0xC, 1029, Lab0, Mask, 0, 1500, 1},
     "Bay 1, \"east\"",
     2,
     true,
     true},
    // Advanced, named like a formula, with clips.
    {{1, 40, 0, 0, 77, 5, 1, 0x0A0A0115, Mask, 0x9C81F2A8, 0xC, 45611, Lab0, Mask, 0, 1500, 0},
     "=HYPERLINK(\"x\")",
     4,
     false,
     true},
    // Unnamed and silent: no status known.
    {{0, 12, 0, 0, 0, 0, 0, 0x0A0A0116, Mask, 0x9C81F2A9, 0xC, 1029, Lab0, Mask, 0, 1500, 0},
     "",
     0,
     false,
     false},
    // A control character in its name, a status code no camera defines, outside its adapter's subnet, the
    // serial number of the first.
    {{0, 10, 4, 0, 42, 3, 7, 0x0A140005, 0xFFFF0000, 0x9C81F2AA, 0xC, 1029, Lab0, Mask, 0, 1500, 0},
     "Line\x1b[2\n",
     77,
     true,
     true},
    // On the jumbo adapter with standard datagrams.
    {{0, 25, 4, 0, 51, 3, 7, 0x0A0A021E, Mask, 0x9C81F2AB, 0xC, 1029, Lab1, Mask, 0, 9000, 0},
     "Lab 2 \u00e9 \u65e5\u672c",
     1,
     true,
     true},
};
// Heard at the first camera's address with another MAC address: it has no row.
const UdpCamInfo shadowed{0,          10,  4,    0,    99,   3, 7,    0x0A0A0114, Mask,
                          0x11223344, 0xC, 1029, Lab0, Mask, 0, 1500, 0};

ClipInfo clip(quint16 number, quint64 frames, float rate) {
    ClipInfo c;
    c.clipNumber = number, c.frameCount = frames, c.frameRate = rate, c.width = 1280, c.height = 800;
    c.firstFrame = 3, c.trimStart = 1, c.trimEnd = quint32(frames - 2);
    return c;
}

struct Scene {
    UdpCamManager manager;
    NetworkFacts facts;
    QList<NetAdapterInfo> adapters;
    QList<SeenCamera> seen;
    QList<Finding> findings;
    Scene() {
        facts.adapters << adapter("lab0", Lab0, 1500) << adapter("lab1", Lab1, 9000);
        facts.receiveBufferMax = 4 << 20, facts.firewall.state = FirewallFacts::Open,
        facts.linuxCommands = true;
        for (const AdapterFacts &a : facts.adapters)
            adapters << a.adapter;
        for (const Cam &c : cams) {
            auto *channel = new UdpInterface(&manager);
            channel->camInfo = c.info, channel->index = manager.cameras.size(), channel->cameraName = c.name;
            channel->status = c.status, channel->statusKnown = c.statusReplied;
            channel->nameAnswered = channel->optionsAnswered = c.nameAnswered;
            manager.cameras << channel;
        }
        manager.cameras[1]->clips << new ClipInfo(clip(1, 1000, 1000.5f))
                                  << new ClipInfo(clip(2, 5, INFINITY));
        seen = seenCameras(manager);
        SeenCamera hidden;
        hidden.info = shadowed;
        seen << hidden;
        seen[0].path = {PathResult::Probed, 1476, 1476};
        seen[1].path.state = PathResult::NoEcho;
        findings = diagnose(facts, seen, 1448, AllAdaptersName);
        orderFindings(findings);
    }
};

QByteArray json(const QJsonObject &o) {
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

// The outputs by file name; each writes every camera of the scene that it shows.
using Output = std::function<QByteArray(Scene &)>;
const QList<QPair<const char *, Output>> outputs = {
    {"camera.json",
     [](Scene &s) {
         QByteArray out;
         for (int i = 0; i < s.manager.cameraCount(); ++i)
             out += json(cameraJson(*s.manager.camera(i), i));
         return out;
     }},
    {"scan.json", [](Scene &s) { return json(scanReportJson(s.adapters[0], s.adapters, s.manager, 1448)); }},
    {"doctor.json",
     [](Scene &s) { return json(doctorReportJson(AllAdaptersName, s.facts, s.seen, s.findings)); }},
    {"list.csv", [](Scene &s) { return csvText(cameraListRows(s.manager, 1448)); }},
    {"list.tsv", [](Scene &s) { return tabSeparatedText(cameraListRows(s.manager, 1448)).toUtf8(); }},
    {"scan-table.txt",
     [](Scene &s) {
         return (cameraTable(listedSnapshots(s.manager)) + cameraTable(listedSnapshots(s.manager), 3))
             .toUtf8();
     }},
    {"doctor.txt",
     [](Scene &s) {
         QString out;
         for (const SeenCamera &c : s.seen)
             out += cameraIdentityText(c) + '\n';
         for (const Finding &f : s.findings)
             out += findingText(f, s.seen);
         return (out + pathNotes(s.seen) + findingsSummary(s.findings)).toUtf8();
     }},
    {"metrics.prom",
     [](Scene &s) {
         CameraWatch watch(s.facts, 1448);
         ExpectedLine line; // the first camera, and one that never answers
         readExpectedLine("{\"cameras\": [{\"mac\": \"00:0c:9c:81:f2:a7\"}, {\"mac\": \"02:00:00:00:00:09\", "
                          "\"name\": \"Bay \\\"9\\\"\", \"ip\": \"10.10.1.99\"}]}",
                          &line);
         watch.expect(line);
         QList<WatchedCamera> now;
         for (int i = 0; i < s.manager.cameraCount(); ++i) {
             const UdpInterface *channel = s.manager.camera(i);
             WatchedCamera w;
             w.seen = s.seen[i], w.status = channel->status, w.clipCount = channel->clips.size();
             w.nameKnown = w.optionsKnown = channel->nameAnswered, w.statusKnown = channel->statusKnown;
             w.clipsKnown = isAdvanced(channel->camInfo), w.responding = i != 2;
             now << w;
         }
         const QDateTime t(QDate(2026, 12, 6), QTime(19, 0, 1, 5), Qt::UTC);
         watch.update(now, t, true);
         return watchMetricsText(watch.snapshot(), s.facts, AllAdaptersName, t.addSecs(2));
     }},
    {"events.txt",
     [](Scene &s) {
         // Each kind of watch event as --watch prints it, text then JSON; a name with control characters.
         WatchEvent e;
         e.when = QDateTime(QDate(2026, 12, 6), QTime(19, 0, 1, 5), Qt::UTC);
         e.conflict = s.findings[0], e.conflictCameras = s.seen, e.nameBefore = "Bay 1";
         e.line.expected = {0x02000000000A, "00-0000-0042", "Bay \"9\"", 0x0A0A0163, Lab1};
         e.line.heard = {0x02000000000A, {}, {}, 0x0A0A0114, Lab0};
         QByteArray out = findingsSummary({}).toUtf8();
         // kind, camera, an earlier value, before, after
         const std::tuple<WatchEvent::Kind, int, bool, qint64, qint64> rows[] = {
             {WatchEvent::Found, 0, false, 0, 0},
             {WatchEvent::Name, 3, true, 0, 0},
             {WatchEvent::Status, 0, false, 0, 2},
             {WatchEvent::Status, 3, true, 1, 0xFFFFFFFF},
             {WatchEvent::Options, 0, true, 0, 8},
             {WatchEvent::Clips, 1, false, 0, 3},
             {WatchEvent::ConflictRaised, 0, false, 0, 0},
             {WatchEvent::ConflictCleared, 0, false, 0, 0},
             {WatchEvent::NotResponding, 2, false, 0, 0},
             {WatchEvent::Responding, 2, false, 0, 0},
             {WatchEvent::Lost, 5, false, 0, 0},
             {WatchEvent::Address, 0, false, 0x0A0A0120, 0x0A0A0114},
             {WatchEvent::AdapterDown, 0, false, Lab0, 0},
             {WatchEvent::AdapterUp, 0, false, 0, Lab0},
             {WatchEvent::AdapterAddress, 0, false, Lab0, 0x0A0A0102},
             {WatchEvent::Missing, 0, false, 0, 0},
             {WatchEvent::Moved, 0, false, 0, 0}};
         for (const auto &[kind, camera, hadBefore, before, after] : rows) {
             std::tie(e.kind, e.hadBefore, e.before, e.after) = std::tie(kind, hadBefore, before, after);
             e.camera = s.seen[camera], e.nameAfter = e.camera.name,
             e.line.moves = MovedAddress | MovedAdapter;
             e.adapter = kind >= WatchEvent::AdapterDown && kind <= WatchEvent::AdapterAddress ? "lab0" : "";
             out += watchEventText(e).toUtf8() + '\n' +
                    QJsonDocument(watchEventJson(e)).toJson(QJsonDocument::Compact) + '\n';
         }
         return out;
     }},
    {"info.txt",
     [](Scene &s) {
         QString out;
         for (const UdpInterface *channel : s.manager.cameras) {
             for (const auto &row : CamInfoDlg::rows(cameraSnapshot(*channel, channel->index)))
                 out += row.first + '|' + row.second + '\n';
             out += CamInfoDlg::detailsText(cameraSnapshot(*channel, channel->index));
         }
         return out.toUtf8();
     }},
    {"plan.txt",
     [](Scene &s) {
         const QList<CameraSnapshot> heard(s.seen.begin(), s.seen.end());
         QList<AddressMove> moves = planAddresses(heard, 0x0A0A0164);
         moves << AddressMove{heard[2].ref(), NoIp, Mask} << AddressMove{heard[4].ref(), 0x0A0A0205, Mask};
         QString dialog = AssignAddressesDlg::columnHeadings().join('|') + '\n';
         QList<QStringList> planned{planHeadings(false)}, applied{planHeadings(true)};
         QByteArray lines;
         for (int i = 0; i < moves.size(); ++i) {
             const AddressMove &m = moves[i];
             dialog += AssignAddressesDlg::lineTexts(*cameraNamed(heard, m.camera), m).join('|') + '\n';
             const PlanLine line{*cameraNamed(heard, m.camera), m, i != 1, i == 0};
             planned << planCells(line, false), applied << planCells(line, true);
             lines += json(planLineJson(line, false)) + json(planLineJson(line, true));
         }
         return dialog.toUtf8() + alignedTable(planned).toUtf8() + alignedTable(applied).toUtf8() + lines;
     }},
};

} // namespace

class ReportFields : public QObject {
    Q_OBJECT
private slots:
    void sameBytesAsBefore_data() {
        QTest::addColumn<int>("output");
        for (int i = 0; i < outputs.size(); ++i)
            QTest::newRow(outputs[i].first) << i;
    }
    void sameBytesAsBefore() {
        QFETCH(int, output);
        Scene scene;
        compareWithGolden(outputs[output].first, outputs[output].second(scene));
    }

    // A rescan that loses a camera renumbers the rows after it. What was found before names cameras, not
    // rows: each resolves to the row that holds that very camera now, or to none; a clone (another's MAC
    // address and serial number, at another address) is told apart from the original.
    void findingsAndConflictsOutliveARescan() {
        Scene s;
        auto *clone = new UdpInterface(&s.manager);
        clone->camInfo = cams[1].info, clone->camInfo.cameraIp = 0x0A0A0117, clone->index = 5;
        s.manager.cameras << clone;
        QList<CameraRef> named;
        for (const CameraConflict &c : findCameraConflicts(s.manager, 1448))
            named << c.cameras;
        for (const Finding &f : diagnose(s.facts, seenCameras(s.manager) << s.seen.last(), 1448, "lab0"))
            named << f.cameras;
        s.manager.rediscover(nullptr); // listens nowhere: nothing is sent
        for (int i = 1; i < s.manager.cameraCount(); ++i)
            s.manager.OnCameraSeenAgain(&s.manager.camera(i)->camInfo);
        s.manager.forgetUnseen();
        QCOMPARE(s.manager.cameraCount(), 5);
        QStringList rows;
        for (const CameraRef &who : named) {
            const UdpInterface *channel = s.manager.channelOf(who.id, who.ip);
            const bool gone = who.ip == cams[0].info.cameraIp; // the first camera and the one behind it
            QVERIFY(gone ? !channel : channel && cameraRef(channel->camInfo) == who);
            rows << QString::number(s.manager.rowOf(who.id, who.ip));
        }
        QCOMPARE(rows.join(' '), QString("-1 2 0 4 3 -1 -1 0 4 -1 2 0 4 3 2 1 4 -1"));
        QCOMPARE(s.manager.rowOf(cameraId(cams[1].info), clone->camInfo.cameraIp), 4);
        QCOMPARE(s.manager.rowOf(cameraId(cams[1].info)), 0);
    }
};

QTEST_MAIN(ReportFields)
#include "tst_reportfields.moc"
