// The network check, the firewall reading, the camera watch and its metrics, case by case without a network.

#include "cameras/udpcammanager.h"
#include "doctor/diagnosis.h"
#include "doctor/fixtext.h"
#include "doctor/pathprober.h"
#include "hostpolicy/hostfacts.h"
#include "platform/networkfacts.h"
#include "report/reportjson.h"
#include "watch/watch.h"
#include "watch/watchmetrics.h"

#include <atomic>

#include <QtTest>

#include <cstring>

namespace {

const quint32 Lab0 = 0x0A0A0101, Lab1 = 0x0A0A0201; // 10.10.1.1/24 MTU 1500, 10.10.2.1/24 MTU 9000

// Up at 1 Gb/s, no reverse-path filtering.
AdapterFacts adapter(const char *name, quint32 ip, quint32 mask, quint32 mtu) {
    AdapterFacts a;
    a.adapter = {{}, {}, {}, ip, mask, mtu};
    a.rpFilterAll = a.rpFilterInterface = 0, a.up = 1, a.speedMbps = 1000, std::strcpy(a.adapter.name, name);
    return a;
}

NetworkFacts labFacts() {
    NetworkFacts f;
    f.adapters << adapter("lab0", Lab0, 0xFFFFFF00, 1500) << adapter("lab1", Lab1, 0xFFFFFF00, 9000);
    f.receiveBufferMax = 4 * 1024 * 1024, f.firewall.state = FirewallFacts::Open, f.linuxCommands = true;
    return f;
}

// A camera on lab0 (or lab1 when its address is in 10.10.2.0/24) whose index is its position.
SeenCamera cam(quint32 ip, quint32 mac, quint32 serial, quint32 protocol = 0) {
    SeenCamera c;
    const bool second = (ip & 0xFFFFFF00) == (Lab1 & 0xFFFFFF00);
    c.info.protocol = protocol, c.info.cameraIp = ip, c.info.macLow = mac, c.info.serialNumber = serial;
    c.info.adapterIp = second ? Lab1 : Lab0, c.info.adapterMask = 0xFFFFFF00;
    c.name = QStringLiteral("C%1").arg(ip & 0xFF), c.row = 0, c.info.adapterMtu = second ? 9000 : 1500;
    return c;
}

// A camera changed in one respect.
const auto hidden = [](SeenCamera c) { return c.name.clear(), c.row = -1, c; };
const auto mute = [](SeenCamera c) { return c.channelAnswered = false, c; };
const auto fast = [](SeenCamera c) { return c.info.link10G = 1, c; };
const auto via = [](SeenCamera c, quint32 ip, quint32 mask = 0xFFFFFF00) {
    return c.info.adapterIp = ip, c.info.adapterMask = mask, c;
};
const auto pathTo = [](SeenCamera c, quint32 needed, quint32 largest,
                       PathResult::State state = PathResult::Probed) {
    return c.path = {state, needed, largest}, c;
};
// The cameras as listed: each one's index is its position, hidden ones keep -1.
template <class... T> QList<SeenCamera> on(T... c) {
    QList<SeenCamera> cams{c...};
    for (int i = 0; i < cams.size(); ++i)
        if (cams[i].row >= 0) cams[i].row = i;
    return cams;
}

// "code:severity:adapter:cameras" for each finding, space-separated; cameras by their positions.
QString summary(const QList<Finding> &findings, const QList<SeenCamera> &cameras) {
    QStringList out;
    for (const Finding &f : findings) {
        QStringList cams;
        for (const CameraRef &who : f.cameras) {
            int i = 0;
            while (i < cameras.size() && !(cameras.at(i).ref() == who))
                ++i;
            cams << QString::number(i);
        }
        out << QStringLiteral("%1:%2:%3:%4").arg(f.code, severityName(f.severity), f.adapter, cams.join(','));
    }
    return out.join(' ');
}

// Each finding's text and command lines, a blank line after each.
QString everything(const QList<Finding> &findings) {
    QString all;
    for (const Finding &f : findings)
        all += f.text + '\n' + commandLineFixes(f.fixes).join('\n') + "\n\n";
    return all;
}

// Changes lab facts: all of them, lab0's and lab1's.
using Tweak = std::function<void(NetworkFacts &, AdapterFacts &, AdapterFacts &)>;
const Tweak none = [](auto &, auto &, auto &) {};
const auto Blocks = FirewallFacts::Blocks;
// ufw or firewalld keeps the replies from lab0 and from lab2 and lab3 (further adapters the list does not
// hold), lab3 in lab0's zone.
Tweak blockedBy(FirewallFacts::Manager manager) {
    return [manager](NetworkFacts &f, auto &, auto &) {
        f.firewall.state = Blocks, f.firewall.manager = manager;
        f.firewall.adapters = QStringList{"lab0", "lab2", "lab3"};
        f.firewall.zones = QStringList{"public", "work", "public"};
    };
}
// Windows' firewall keeps the replies out in its public profile: by the inbound rule `rule`, or ("") by
// blocking all inbound traffic.
Tweak windowsBlocks(const char *rule, const char *program = "") {
    return [=](NetworkFacts &f, auto &, auto &) {
        f.firewall.state = Blocks, f.firewall.profiles = QStringList{"public"}, f.firewall.program = program;
        f.firewall.blockingRule = rule, f.firewall.blocksAll = !*rule;
    };
}

struct CheckRow {
    const char *name;
    QList<SeenCamera> cameras;
    const char *want;
    const char *mentions = ""; // pieces of text or fix that must be there, split at '|'
    Tweak tweak = none;
    quint32 datagramSize = 0;
    const char *adapter = "lab0";
};

const quint32 A = 0x0A0A0114, B = 0x0A0A0115, C = 0x0A0A0116, D = 0x0A0A0117; // 10.10.1.20 .. 23
const quint32 Away = 0x0A140007, Away2 = 0x0A140008;                          // 10.20.0.7, .8
const quint32 J = 0x0A0A021E;                                                 // 10.10.2.30

QList<CheckRow> checkRows() {
    const Tweak unknown = [](NetworkFacts &f, auto &, auto &) {
        for (AdapterFacts &a : f.adapters)
            a.rpFilterAll = a.rpFilterInterface = a.up = a.speedMbps = -1;
        f.receiveBufferMax = -1, f.firewall.state = FirewallFacts::Unknown;
    };
    return {
        {"every group of a shared value", on(cam(A, 1, 5), cam(B, 2, 5), cam(C, 3, 5), cam(D, 3, 6)),
         "duplicate-mac:problem:lab0:2,3 duplicate-serial:problem:lab0:0,1,2", "3 cameras share the serial"},
        {"hidden; across adapters; silent channel, not without one",
         on(mute(cam(A, 1, 10)), mute(hidden(cam(A, 2, 11))), cam(J, 3, 10)),
         "duplicate-ip:problem:lab0:0,1 duplicate-serial:problem::0,2 silent-channel:problem:lab0:0",
         "unlisted|#0 \"C20\" at 10.10.1.20|ip route get 10.10.1.20", none, 0, "*ALL*"},
        {"MTU too small, Advanced left alone", on(cam(A, 1, 10), cam(B, 2, 11, 1), cam(C, 3, 12)),
         "datagram-size:problem:lab0:0,2", "sudo ip link set dev lab0 mtu 2920", none, 2920},
        {"jumbo adapter, standard datagrams", on(cam(J, 1, 10)), "datagram-size:problem:lab1:0",
         "sudo ip link set dev lab1 mtu 1500", none, 1448, "lab1"},
        {"address no adapter accounts for", on(via(cam(A, 1, 10), 0x0A0B0001)),
         "datagram-size:problem:10.11.0.1:0 outside-subnet:problem:10.11.0.1:0 no-cameras:warning:lab0:",
         "Set the MTU (jumbo packet size) of the adapter of 10.11.0.1 to 2920", none, 2920},
        {"path narrower than the datagrams: exactly as wide as smaller ones, narrower than all",
         on(pathTo(cam(J, 1, 10), 8680, 2920), pathTo(cam(J + 1, 2, 11), 8680, 1000)),
         "path-mtu:problem:lab1:0 path-mtu:problem:lab1:1",
         "at most 2920 bytes, but its datagrams need 8680|between lab1 and 10.10.2.30|--datagram-size 2920|"
         "at most 1000 bytes|(MTU 9000 on each of them)\n\n",
         none, 8680, "lab1"},
        {"path: wide enough, no echo, Advanced, or the adapter already too small",
         on(pathTo(cam(J, 1, 10), 8680, 8680), pathTo(cam(J + 1, 2, 11), 8680, 0, PathResult::NoEcho),
            pathTo(cam(J + 2, 3, 12, 1), 8680, 1500), pathTo(cam(A, 4, 13), 8680, 1500)),
         "datagram-size:problem:lab0:3", "", none, 8680, "*ALL*"},
        {"outside: own free addresses", on(cam(Away, 1, 10), cam(0x0A0A0102, 2, 11), cam(Away2, 3, 12)),
         "outside-subnet:problem:lab0:0 outside-subnet:problem:lab0:2",
         "10.20.0.7 10.10.1.3 255.255.255.0 --adapter lab0\n|10.20.0.8 10.10.1.4 255.255.255.0"},
        {"a /30: its one host, then none",
         on(via(cam(Away, 1, 10), Lab0, 0xFFFFFFFC), via(cam(Away2, 2, 11), Lab0, 0xFFFFFFFC)),
         "outside-subnet:problem:lab0:0 outside-subnet:problem:lab0:1",
         "10.20.0.7 10.10.1.2 255.255.255.252|Widen the subnet of lab0",
         [](auto &, auto &a, auto &) { a.adapter.mask = 0xFFFFFFFC; }},
        {"strict filter, all; slow link; receive buffer capped", on(cam(A, 1, 10)),
         "rp-filter:problem:lab0: link:problem:lab0:0 receive-buffer:warning::",
         "net.ipv4.conf.all.rp_filter=2|100 Mb/s|about 416 cameras",
         [](auto &f, auto &a, auto &) { a.rpFilterAll = 1, a.speedMbps = 100, f.receiveBufferMax = 212992; }},
        {"firewalld, each zone", on(cam(A, 1, 10)), "firewall:problem:: no-cameras:warning:lab1:",
         "zone public, work lets|--permanent --zone=public --add-port=45056-45255/udp && sudo firewall-cmd "
         "--reload\n|--zone=work --add-port|--zone=trusted --change-interface=lab0",
         blockedBy(FirewallFacts::Firewalld), 0, "*ALL*"},
        {"shared subnet, not with an adapter without an address", on(cam(A, 1, 10)),
         "shared-subnet:problem:lab0:", "lab0 (10.10.1.1/24) and lab2 (10.10.1.9/32)",
         [](auto &f, auto &, auto &) {
             f.adapters << adapter("lab2", 0x0A0A0109, 0xFFFFFFFF, 1500) << adapter("lab3", 0, 0, 1500);
         }},
        {"a VLAN down, its name quoted", on(), "rp-filter:problem:lab'0.7: link:problem:lab'0.7:",
         "sudo sysctl -w 'net.ipv4.conf.lab'\\''0/7.rp_filter=2'|sudo ip link set dev 'lab'\\''0.7' up",
         [](auto &, auto &a, auto &) {
             std::strcpy(a.adapter.name, "lab'0.7"), a.rpFilterInterface = 1, a.up = 0;
         },
         0, "lab'0.7"},
        {"loose filter on either side wins; 10G camera behind 10G", on(fast(cam(A, 1, 10))), "", "",
         [](auto &, auto &a, auto &) { a.rpFilterAll = 2, a.rpFilterInterface = 1, a.speedMbps = 10000; }},
        {"10G camera behind 1G; a receive buffer cap of 0", on(cam(A, 1, 10), fast(cam(B, 2, 11))),
         "link:warning:lab0:1 receive-buffer:warning::", "rmem_max is 0 bytes",
         [](auto &f, auto &, auto &) { f.receiveBufferMax = 0; }},
        {"all adapters: a link of unknown speed behind a camera, a slow one behind none", on(cam(A, 1, 10)),
         "no-cameras:warning:lab1:", "Nothing answered on lab1 (10.10.2.0/24).|(--wait 10000)",
         [](auto &, auto &a, auto &b) { a.speedMbps = 0, b.speedMbps = 100; }, 0, "*ALL*"},
        {"driver drops jumbo frames, not behind Advanced cameras; few receive buffers, however many offered",
         on(cam(J, 1, 10), cam(A, 2, 11, 1)), "jumbo-packet:problem:lab1:0 receive-buffers:warning:lab1:",
         "\"*JumboPacket\" -RegistryValue 9014|need 8694|\"*ReceiveBuffers\" -RegistryValue 2048",
         [](auto &, auto &a, auto &b) {
             a.jumboPacketBytes = b.jumboPacketBytes = 1514, b.displayName = "Ethernet 2",
             b.receiveBuffers = 1023;
             b.receiveBuffersMax = 0; // a driver that names no largest value
         },
         8680, "*ALL*"},
        {"ufw blocks another adapter; driver settings that fit or cannot grow", on(cam(J, 1, 10)), "", "",
         [](auto &f, auto &a, auto &b) {
             blockedBy(FirewallFacts::Ufw)(f, a, b);
             b.jumboPacketBytes = 8694, b.receiveBuffers = b.receiveBuffersMax = 512,
             b.interruptModeration = 1;
         },
         8680, "lab1"},
        {"driver settings of the adapters with cameras, all scanned", on(cam(J, 1, 10)),
         "receive-buffers:warning:lab1: interrupt-moderation:warning:lab1: no-cameras:warning:lab0:",
         "-Name 'Cam''s $1' -RegistryKeyword \"*ReceiveBuffers\" -RegistryValue 4096|"
         "\"*InterruptModeration\" -RegistryValue 1",
         [](auto &, auto &a, auto &b) {
             a.jumboPacketBytes = 1514, a.receiveBuffers = b.receiveBuffers = 256, a.interruptModeration = 0;
             b.jumboPacketBytes = 9014, b.receiveBuffersMax = 4096, b.interruptModeration = 0,
             b.displayName = "Cam's $1";
         },
         8680, "*ALL*"},
        {"Windows firewall: a blocking rule goes first", on(), "firewall:problem:: no-cameras:warning:lab0:",
         "set rule name=\"varnix-scan.exe\" dir=in new enable=no\n|\\V\\varnix.exe\" enable=yes\n|"
         "\\V\\varnix-scan.exe\" enable=yes\n(in a command prompt run as administrator)\n\n",
         windowsBlocks("varnix-scan.exe", "C:\\V\\varnix-scan.exe")},
        {"Windows firewall: a rule netsh cannot name", on(), "firewall:problem:: no-cameras:warning:lab0:",
         "Disable-NetFirewallRule -DisplayName '50% \"off\"'\n|(Disable-NetFirewallRule in PowerShell)",
         windowsBlocks("50% \"off\"")},
        {"Windows firewall blocking all inbound traffic", on(), "firewall:problem:: no-cameras:warning:lab0:",
         "all incoming traffic (public profile)|Set-NetFirewallProfile -Name public -AllowInboundRules True",
         windowsBlocks("")},
        {"Public network of the adapter, by its index", on(cam(A, 1, 10)), "network-profile:problem:lab0:0",
         "Set-NetConnectionProfile -InterfaceIndex 7 -NetworkCategory Private",
         [](auto &, auto &a, auto &) { a.networkCategory = 0, a.interfaceIndex = 7; }},
        {"all adapters: the Public one with cameras, by name, not the empty one", on(cam(A, 1, 10)),
         "network-profile:problem:lab0:0 no-cameras:warning:lab1:",
         "-InterfaceAlias \"C net\" -NetworkCategory Private",
         [](auto &, auto &a, auto &b) { a.networkCategory = b.networkCategory = 0, a.displayName = "C net"; },
         0, "*ALL*"},
        {"unknown facts say nothing", on(cam(A, 1, 10), cam(J, 2, 11)), "", "", unknown, 0, ""},
    };
}

// nft's rule set: an input chain that drops all but, with `rule`, what lab0 receives.
std::string dropping(const char *rule = "") {
    return QString(R"({"nftables": [{"chain": {"family": "inet", "table": "filter", "name": "input",
        "type": "filter", "hook": "input", "prio": 0, "policy": "drop"}}%1]})")
        .arg(rule)
        .toStdString();
}
const char *byName = R"(, {"rule": {"family": "inet", "table": "filter", "chain": "input", "expr": [
    {"match": {"op": "==", "left": {"meta": {"key": "iifname"}}, "right": "lab0"}}, {"accept": null}]}})";

struct FakeFacts : platform::NetworkFactSource {
    platform::InterfaceFacts lab0, other;
    long long rmem = -1;
    bool hasNft = false, refused = false;
    std::string json;
    QByteArray ufw, firewalld, zone; // null: not installed
    static bool give(const QByteArray &text, std::string &out) {
        return !text.isNull() && (out = text.toStdString(), true);
    }
    bool ufwStatus(std::string &out) override { return give(ufw, out); }
    bool firewalldState(std::string &out) override { return give(firewalld, out); }
    bool firewalldZone(const std::string &name, std::string &out) override {
        return give(zone.isNull() ? zone : QString(zone).arg(name.c_str()).toUtf8(), out);
    }
    platform::InterfaceFacts interfaceFacts(const std::string &n) override {
        return n == "lab0" ? lab0 : other;
    }
    long long receiveBufferMax() override { return rmem; }
    bool firewallRuleset(std::string &out) override { return (out = json), hasNft; }
    bool firewallRefused() override { return refused; }
};

// Watch helpers: a listed camera with what its replies have told so far.
WatchedCamera listed(int index, quint32 ip, quint32 serial, quint32 status = 0, const char *name = nullptr,
                     bool responding = true) {
    WatchedCamera w;
    w.seen = cam(ip, ip & 0xFF, serial), w.seen.row = index, w.seen.name = name ? QString(name) : QString();
    w.nameKnown = name != nullptr, w.status = status, w.statusKnown = status != 0, w.responding = responding;
    return w;
}

QString events(const QList<WatchEvent> &list) {
    QStringList out;
    for (const WatchEvent &e : list) {
        QString s = watchEventName(e.kind) + QStringLiteral(" #%1").arg(e.camera.row);
        if (e.kind == WatchEvent::Status)
            s += QStringLiteral(" %1>%2").arg(e.hadBefore ? e.before : -1).arg(e.after);
        if (e.kind == WatchEvent::Name) s += QStringLiteral(" %1").arg(e.nameAfter);
        if (e.kind == WatchEvent::ConflictRaised) s += QStringLiteral(" raised ") + e.conflict.code;
        if (e.kind == WatchEvent::ConflictCleared) s += QStringLiteral(" cleared ") + e.conflict.code;
        if (e.kind == WatchEvent::Missing || e.kind == WatchEvent::Moved) s += ' ' + e.line.expected.name;
        out << s;
    }
    return out.join(", ");
}

// The sample lines of the families named in `want`, in the order written; HELP and TYPE must come
// first and each family's samples together.
QStringList samples(const QByteArray &text, const QStringList &want) {
    QSet<QString> families, typed, done;
    for (const QString &w : want)
        families << w.section(QRegularExpression("[{ ]"), 0, 0);
    QStringList out;
    QString current;
    for (const QString &line : QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith("# TYPE ")) typed << line.section(' ', 2, 2);
        if (line.startsWith('#')) continue;
        const QString family = line.section(QRegularExpression("[{ ]"), 0, 0);
        if (family != current) {
            if (done.contains(family) || !typed.contains(family)) return {"out of place: " + line};
            done << current;
            current = family;
        }
        if (families.contains(family)) out << line;
    }
    return out;
}

QString who(quint32 ip, quint32 serial = 10) {
    return QString::asprintf("serial=\"00-0000-%04u\",mac=\"00:00:00:00:00:%02x\"", serial, ip & 0xFF);
}

} // namespace

class Diagnosis : public QObject {
    Q_OBJECT
private slots:
    void findings_data() {
        QTest::addColumn<int>("row");
        const QList<CheckRow> rows = checkRows();
        for (int i = 0; i < rows.size(); ++i)
            QTest::newRow(rows.at(i).name) << i;
    }
    void findings() {
        QFETCH(int, row);
        const CheckRow r = checkRows().at(row);
        NetworkFacts facts = labFacts();
        r.tweak(facts, facts.adapters[0], facts.adapters[1]);
        const QList<Finding> got = diagnose(facts, r.cameras, r.datagramSize, r.adapter);
        QCOMPARE(summary(got, r.cameras), QString(r.want));
        for (const QString &piece : QString(r.mentions).split('|'))
            QVERIFY2(everything(got).contains(piece), qPrintable(everything(got)));
        // A code no check gives has no heading.
        QCOMPARE(findingTitle("no-such-check"), QString("no-such-check"));
    }

    void pathSearchAndTargets() {
        // The path passes packets up to `limit` bytes (0: the camera answers no echo); `lost` echoes of
        // the first probes vanish on the way. Past 1500 the search halves the gap between the largest size
        // that passed and the smallest that failed, and stops when it closes.
        const struct {
            qint64 needed, limit, lost, largest, probes;
        } rows[] = {
            {8680, 9000, 0, 8680, 1},  {8680, 9000, 1, 8680, 2}, {8680, 1500, 0, 1500, 10},
            {8680, 4000, 0, 3967, 10}, {2920, 1000, 0, 994, 10}, {1510, 1505, 0, 1505, 7},
            {8680, 0, 0, 0, 3},        {8680, 576, 0, 576, 10},
        };
        for (const auto &row : rows) {
            PathSearch search(row.needed);
            qint64 lost = row.lost;
            while (const quint32 size = search.next())
                search.record(size <= row.limit && lost-- <= 0);
            const PathResult r = search.result();
            QVERIFY2(r.state == (row.limit ? PathResult::Probed : PathResult::NoEcho) &&
                         r.needed == row.needed && r.largestPassed == row.largest &&
                         search.probes() == row.probes,
                     qPrintable(QString::number(row.limit)));
        }
        // One echo path per address, none to an Advanced camera; an adapter address no interface holds
        // leaves the way out to the system's routes.
        const QList<PathTarget> t = pathTargets(
            {cam(0, 4, 4), cam(B, 3, 3, AdvancedDialect), via(cam(A, 1, 1), 0xC0000201), cam(A, 2, 2)});
        QVERIFY(t.size() == 1 && t[0].camera == 2 && t[0].cameraIp == A && t[0].sourceIp == 0xC0000201 &&
                t[0].interfaceIndex == 0);
    }

    void proberRunsCamerasAtOnceAndCancels() {
        // The first camera's path passes everything, the others' 1500 bytes; every echo takes 50 ms.
        PathProber prober;
        static std::atomic<int> echoes{0};
        prober.setEcho([](const PathTarget &t, int size, int) {
            ++echoes, QThread::msleep(50);
            return t.cameraIp == A || size <= 1500 ? platform::EchoResult::Answered
                                                   : platform::EchoResult::NoAnswer;
        });
        const QList<PathTarget> targets{{0, A, Lab0, 0}, {1, B, Lab0, 0}, {2, C, Lab0, 0}, {3, D, Lab0, 0}};
        QSignalSpy finished(&prober, &PathProber::finished), progress(&prober, &PathProber::progress);
        prober.start(targets, 8680);
        QVERIFY(finished.wait(5000));
        QVERIFY(!finished.last().first().toBool() && progress.first() == QVariantList({0, 40}) &&
                progress.at(1) == QVariantList({1, 40}) && progress.last() == QVariantList({40, 40}));
        QVERIFY(prober.results().value(0).largestPassed == 8680 &&
                prober.results().value(3).largestPassed == 1500);

        // Cancelled: said at once, and nothing the run had sent or still sends arrives, not in the next run.
        prober.start(targets, 8680);
        QThread::msleep(100);
        prober.cancel();
        QVERIFY(finished.last().first().toBool() && !prober.isRunning());
        const int steps = progress.count(), ends = finished.count(), sent = echoes;
        QTest::qWait(400);
        // The workers stop too: at most the probe each was about to send.
        QVERIFY(progress.count() == steps && finished.count() == ends && echoes <= sent + 4);
        prober.start(targets, 8680);
        QThread::msleep(100);
        prober.start(targets.mid(0, 1), 2920);
        QVERIFY(finished.wait(5000));
        QVERIFY(!finished.last().first().toBool() && progress.last() == QVariantList({10, 10}));
        QCOMPARE(prober.results().keys(), QList<int>{0});
        // At most 32 cameras at once, however many cores the machine has.
        std::atomic<int> busy{0}, most{0};
        prober.setEcho([&](const PathTarget &, int, int) {
            for (int n = ++busy, m = most; n > m && !most.compare_exchange_weak(m, n);) {
            }
            QThread::msleep(500);
            return --busy, platform::EchoResult::Answered;
        });
        const QVector<PathTarget> many(40, targets[0]);
        prober.start(QList<PathTarget>(many.begin(), many.end()), 8680);
        QVERIFY(finished.wait(5000) && most == 32);
    }

    void gatheredFromThePlatform() {
        FakeFacts fake;
        fake.lab0.rpFilterAll = 1, fake.lab0.rpFilterInterface = 2, fake.lab0.up = 0,
        fake.lab0.speedMbps = 100;
        fake.lab0.jumboPacketBytes = 9014, fake.lab0.receiveBuffers = 512, fake.lab0.interruptModeration = 0;
        fake.rmem = 0, fake.hasNft = true, fake.other.up = 1; // a cap of 0 is a cap, not unknown
        fake.json = dropping(byName); // open: the rule names an adapter of this machine
        QList<NetAdapterInfo> adapters{labFacts().adapters[0].adapter, labFacts().adapters[1].adapter};
        std::strcpy(adapters[0].description, "NIC");
        const NetworkFacts facts = gatherNetworkFacts(adapters, fake); // the rest is seen in the report below
        QVERIFY(facts.adapters[0].rpFilterAll == 1 && facts.adapters[0].rpFilterInterface == 2);
        // As the report writes them: null where the system said nothing, a switched-off setting as false.
        const QJsonObject report = doctorReportJson("lab0", facts, {}, {});
        QJsonArray got{report["adapter"], report["receiveBufferMax"], report["firewall"],
                       report["firewallManager"], report["unreadable"]};
        for (const QJsonValue a : report["adapters"].toArray())
            for (const char *key : {"description", "rpFilter", "up", "speedMbps", "jumboPacket",
                                    "receiveBuffers", "interruptModeration"})
                got << a[key];
        QCOMPARE(
            QJsonDocument(got).toJson(QJsonDocument::Compact).constData(),
            R"(["lab0",0,"open","nft",[],"NIC",2,false,100,9014,512,false,"",null,true,null,null,null,null])");
        std::strcpy(adapters[0].name, "eth9");
        QCOMPARE(gatherNetworkFacts(adapters, fake).firewall.state, FirewallFacts::Blocks);
        fake.hasNft = false;
        QCOMPARE(gatherNetworkFacts(adapters, fake).firewall.state, FirewallFacts::Unknown);
        QVERIFY(gatherNetworkFacts(adapters, fake).unreadable.isEmpty()); // no packet filter to read
        fake.refused = true;                                              // one this user may not read
        QCOMPARE(unreadableNames(gatherNetworkFacts(adapters, fake).unreadable), QStringList("firewall"));
        // What the system refused is said once per fact, naming the adapters by the name users know.
        std::strcpy(adapters[0].name, "lab0");
        fake.hasNft = true, fake.json = R"({"windowsFirewall": {"program": "x"}})";
        fake.lab0.unreadable = fake.other.unreadable = {"adapter settings"},
        fake.other.displayName = "Ethernet 2";
        QCOMPARE(unreadableNames(gatherNetworkFacts(adapters, fake).unreadable),
                 QStringList({"adapter settings of lab0, Ethernet 2", "firewall"}));
    }

    void firewallFrontEnds() {
        // ufw's and firewalld's own words, cut to the lines read; the nft rule set under them drops all.
        const auto ufw = [](const char *policy, const char *rules) {
            return QString("Status: active\nDefault: %1 (incoming)\n--\n%2\n").arg(policy, rules).toUtf8();
        };
        // firewalld's zone listing; a null one: firewalld is installed but not running.
        const auto zone = [](const char *target, const char *services, const char *ports,
                             const char *rich = "") {
            return QString(
                       "public (active)\n  target: %1\n  interfaces: %2\n  services: %3\n  ports: %4\n"
                       "  forward-ports: \n\tport=80:proto=udp:toport=45056:toaddr=\n  rich rules: \n\t%5\n")
                .arg(target, "%1", services, ports, rich)
                .toUtf8();
        };
        // Each row's name starts with the front end it asks.
        const struct {
            const char *name;
            QByteArray out;
            const char *blocked; // adapters, or "nft" when the rule set decides
        } rows[] = {
            {"ufw all traffic on one adapter", ufw("deny", "Anywhere on lab1  ALLOW IN  Anywhere"), "lab0"},
            {"ufw port open everywhere, both protocols", ufw("reject", "45000:46000  ALLOW IN  Anywhere"),
             ""},
            {"ufw deny rule comes first",
             ufw("deny", "45056/udp  DENY IN  Anywhere\n45056:45255/udp  ALLOW IN  Anywhere"), "lab0 lab1"},
            {"ufw rule for some senders", ufw("deny", "45056,45100/udp  ALLOW IN  10.10.0.0/16"), ""},
            {"ufw TCP only", ufw("deny", "45056:45255/tcp  ALLOW IN  Anywhere"), "lab0 lab1"},
            {"ufw allows by default, denies another port", ufw("allow", "22/udp  DENY IN  Anywhere"), ""},
            {"firewalld, usual services", zone("default", "dhcpv6-client ssh", ""), "lab0 lab1"},
            {"firewalld, port open", zone("default", "ssh", "22/tcp 45056/udp"), ""},
            {"firewalld, a rich rule", zone("default", "ssh", "", "rule family=\"ipv4\" accept"), ""},
            {"firewalld, accepting zone", zone("ACCEPT", "", ""), ""},
            {"firewalld, a service of one's own", zone("%%REJECT%%", "ssh cameras", ""), ""},
            {"firewalld not running: nft decides", QByteArray(), "nft"},
        };
        const QList<NetAdapterInfo> adapters{labFacts().adapters[0].adapter, labFacts().adapters[1].adapter};
        for (const auto &row : rows) {
            FakeFacts fake;
            const auto tool =
                QByteArray(row.name).startsWith("ufw") ? FirewallFacts::Ufw : FirewallFacts::Firewalld;
            fake.hasNft = true, fake.json = dropping();
            if (tool == FirewallFacts::Ufw)
                fake.ufw = row.out;
            else // a zone that would block, should a stopped firewalld be asked
                fake.firewalld = row.out.isNull() ? "not running\n" : "running\n",
                fake.zone = row.out.isNull() ? zone("default", "", "") : row.out;
            const FirewallFacts got = gatherNetworkFacts(adapters, fake).firewall;
            const bool nft = QByteArray(row.blocked) == "nft";
            const QString blocked = nft ? "nft" : got.adapters.join(' ');
            QVERIFY2(got.manager == (nft ? FirewallFacts::Nft : tool) && blocked == row.blocked &&
                         got.state == (*row.blocked ? FirewallFacts::Blocks : FirewallFacts::Open),
                     qPrintable(QString("%1: %2 blocks \"%3\"").arg(row.name).arg(got.manager).arg(blocked)));
            if (tool == FirewallFacts::Firewalld && got.state == FirewallFacts::Blocks && !nft)
                QCOMPARE(got.zones, QStringList({"public", "public"}));
        }
    }

    void watchEvents() {
        CameraWatch watch(labFacts(), 0);
        const auto step = [&](const QList<WatchedCamera> &listing, bool complete = false) {
            return events(watch.update(listing, QDateTime::fromMSecsSinceEpoch(0, Qt::UTC), complete));
        };
        // Found; a fresh channel's empty name and zero status are not changes.
        QCOMPARE(step({listed(0, A, 10)}), QString("found #0"));
        QCOMPARE(step({listed(0, A, 10, 1, "Cam A")}), QString("name #0 Cam A, status #0 -1>1"));
        QCOMPARE(step({listed(0, A, 10, 3, "Cam A")}), QString("status #0 1>3"));
        // A rediscovery's fresh channel knows nothing, then tells the same again: no event.
        WatchedCamera told = listed(0, A, 10, 3, "Cam A");
        told.optionsKnown = told.clipsKnown = true, told.seen.info.options = 8, told.clipCount = 2;
        QCOMPARE(step({told}), QString("options #0, clips #0"));
        QCOMPARE(step({listed(0, A, 10)}), QString());
        QCOMPARE(step({told}), QString());
        // A second camera with the same serial number raises the conflict.
        QCOMPARE(step({listed(1, B, 10)}), QString("found #1, conflict #0 raised duplicate-serial"));
        // A complete listing without camera A: lost, and the conflict goes with it.
        QCOMPARE(step({listed(0, B, 10)}, true), QString("lost #0, conflict #0 cleared duplicate-serial"));
        // Found again later: the same camera, with what it told before; only what differs is said.
        QCOMPARE(step({listed(1, A, 10, 3, "Cam A")}),
                 QString("found #1, conflict #0 raised duplicate-serial"));
        QCOMPARE(step({listed(1, A, 10, 3, "Cam B")}), QString("name #1 Cam B")); // renamed
    }

    void respondingFollowsTheManager() {
        // Listings of camera A as the manager shows it: "up" or "down" as it judges the camera, "new-"
        // for the fresh channel of a rediscovery that has had no status reply yet, "gone" for a
        // complete listing without it. One event string per listing.
        const struct {
            const char *name, *listings, *want;
        } rows[] = {
            {"stops answering: said once, and once when it answers again", "up down down down up up",
             "found #0, status #0 -1>1|not-responding #0|||responding #0|"},
            {"never answered a status: responding comes before its first status", "new-up new-down new-up up",
             "found #0|not-responding #0||responding #0, status #0 -1>1"},
            {"rediscovered while silent: only a status on the new channel brings it back",
             "up down new-up new-down new-up up",
             "found #0, status #0 -1>1|not-responding #0||||responding #0"},
            {"lost while silent, found again: answering until its polls say otherwise",
             "up down gone up down",
             "found #0, status #0 -1>1|not-responding #0|lost #0|found #0|not-responding #0"},
        };
        const QDateTime t0 = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
        for (const auto &row : rows) {
            CameraWatch watch(labFacts(), 0);
            QStringList got;
            for (const QString &l : QString(row.listings).split(' ')) {
                const WatchedCamera a =
                    listed(0, A, 10, l.startsWith("new-") ? 0 : 1, nullptr, l.endsWith("up"));
                got << events(l == "gone" ? watch.update({}, t0, true) : watch.update({a}, t0, false));
            }
            QCOMPARE(got.join('|'), QString(row.want));
        }
    }

    // The expected line in the watch: each camera of it has its value from the first write on, 1 only
    // while it is listed where the line has it. One not heard when the first discovery is judged is
    // missing, said once; one heard elsewhere is moved, said when it is found there; one lost is said
    // lost, not missing again. Listings: "a" camera A where the line has it, "b" camera A at another
    // address, "-" none; "!" a completed discovery.
    void watchJudgesTheLine() {
        ExpectedLine line;
        QCOMPARE(
            readExpectedLine(R"({"cameras": [{"mac": "00:00:00:00:00:14", "ip": "10.10.1.20", "name": "A"},
                                     {"mac": "00:00:00:00:00:99", "name": "X"}]})",
                             &line)
                .fault,
            LineProblem::None);
        WatchedCamera elsewhere = listed(0, A, 10);
        elsewhere.seen.info.cameraIp = B;
        const struct {
            const char *listings, *want;
        } rows[] = {
            {"a - a! -! a!", "found #0||missing #-1 X|lost #0|found #0 / 00,10,10,10,00,10"},
            {"b b! a! -", "found #0, moved #0 A|missing #-1 X|address #0| / 00,00,00,10,10"},
            {"- - a! -! b!", "||found #0, missing #-1 X|lost #0|found #0, moved #0 A / 00,00,00,10,00,00"},
        };
        for (const auto &row : rows) {
            CameraWatch watch(labFacts(), 0);
            watch.expect(line);
            QStringList got, values;
            const auto present = [&watch] {
                QString v;
                for (const auto &expected : watch.snapshot().expected)
                    v += expected.second ? '1' : '0';
                return v;
            };
            values << present();
            for (const QString &l : QString(row.listings).split(' ')) {
                QList<WatchedCamera> now;
                if (l.startsWith('a')) now << listed(0, A, 10);
                if (l.startsWith('b')) now << elsewhere;
                got << events(watch.update(now, QDateTime::fromMSecsSinceEpoch(0, Qt::UTC), l.endsWith('!')));
                values << present();
            }
            QCOMPARE(got.join('|') + " / " + values.join(','), QString(row.want));
        }
    }

    void metricsFollowTheWatch() {
        const WatchedCamera a = listed(0, A, 10, 2, "Cam"), b = listed(0, B, 10, 2, "Cam");
        WatchedCamera advanced = listed(0, J, 11, 0, "a\"b\\c\nd"), further = a, twin = b;
        advanced.seen.info.protocol = advanced.seen.info.link10G = 1, twin.seen.info.cameraIp = A;
        further.seen = via(a.seen, 0x0A0A0263);
        using Steps = QList<QPair<QList<WatchedCamera>, bool>>; // listing, complete
        // The samples split at '|', @A and @J for the labels naming the camera; a family named without a
        // sample must have none.
        const struct {
            const char *name;
            Steps steps;
            const char *want, *adapter = "*ALL*";
        } rows[] = {
            {"lost: still shown, as gone",
             {{{a}, false}, {{}, true}},
             R"(varnix_camera_up{@A} 0|varnix_camera_responding{@A} 0|varnix_camera_status{@A} 2|)"
             R"(varnix_adapter_cameras{adapter="lab0"} 0|varnix_adapter_cameras{adapter="lab1"} 0)"},
            {"lost and found again: one series, up and answering",
             {{{a}, true}, {{}, true}, {{a}, false}},
             R"(varnix_camera_up{@A} 1|varnix_camera_responding{@A} 1|varnix_camera_status{@A} 2|)"
             R"(varnix_camera_link_speed_bytes{@A} 125000000|varnix_events_total{event="found"} 2|)"
             R"(varnix_events_total{event="name"} 1|varnix_events_total{event="status"} 1|)"
             R"(varnix_events_total{event="options"} 0|varnix_events_total{event="clips"} 0|)"
             R"(varnix_events_total{event="conflict"} 0|varnix_events_total{event="not-responding"} 0|)"
             R"(varnix_events_total{event="responding"} 0|varnix_events_total{event="lost"} 1|)"
             R"(varnix_events_total{event="address"} 0|varnix_events_total{event="adapter-down"} 0|)"
             R"(varnix_events_total{event="adapter-up"} 0|varnix_events_total{event="adapter-address"} 0|)"
             R"(varnix_events_total{event="missing"} 0|varnix_events_total{event="moved"} 0|)"
             R"(varnix_last_discovery_timestamp_seconds 0.000|varnix_metrics_written_timestamp_seconds 1.500)"},
            {"behind an adapter's further address, that adapter watched",
             {{{further}, false}},
             R"(varnix_adapter_cameras{adapter="lab1"} 1)",
             "lab1"},
            {"Advanced: no poll verdict, 10G, the name escaped",
             {{{advanced}, false}},
             "varnix_camera_info{@J,ip=\"10.10.2.30\",name=\"a\\\"b\\\\c\\nd\",model=\"Unknown "
             "N/A\",adapter=\"lab1\","
             R"(protocol="Advanced"} 1|varnix_camera_responding|varnix_camera_link_speed_bytes{@J} 1250000000|)"
             R"(varnix_adapter_cameras{adapter="lab0"} 0|varnix_adapter_cameras{adapter="lab1"} 1)"},
            {"two cameras share address and serial number: by code",
             {{{a, twin}, false}},
             R"(varnix_conflict{code="duplicate-ip"} 1|varnix_conflict{code="duplicate-serial"} 1)"},
            {"a conflict raised and cleared stays, at 0",
             {{{a, b}, false}, {{a}, true}},
             R"(varnix_conflict{code="duplicate-serial"} 0)"},
        };
        NetworkFacts facts = labFacts(); // and, first, an adapter without an address: never counted
        facts.adapters.prepend(adapter("lab3", 0, 0, 1500));
        for (const auto &row : rows) {
            CameraWatch watch(labFacts(), 0);
            for (const auto &step : row.steps)
                watch.update(step.first, QDateTime::fromMSecsSinceEpoch(0, Qt::UTC), step.second);
            const QStringList want =
                QString(row.want).replace("@A", who(A)).replace("@J", who(J, 11)).split('|');
            const QStringList got = samples(watchMetricsText(watch.snapshot(), facts, row.adapter,
                                                             QDateTime::fromMSecsSinceEpoch(1500, Qt::UTC)),
                                            want);
            QVERIFY2(got == want.filter(" "),
                     qPrintable(QString("%1: got\n%2").arg(row.name, got.join('\n'))));
        }
    }
};

QTEST_GUILESS_MAIN(Diagnosis)
#include "tst_diagnosis.moc"
