#include "diagnosis.h"

#include "conflicts.h"
#include "firewallcheck.h"
#include "modelnames.h"

#include "net/addresses.h"
#include "net/receivebuffer.h"

#include <QRegularExpression>
#include <QSet>

namespace {

constexpr quint32 NoAddress = 0xFFFFFFFFu;
constexpr quint32 GigabitMbps = 1000;
constexpr quint32 TenGigabitMbps = 10000;
constexpr quint32 StandardMtu = 1500;
// Kernel memory one queued discovery reply costs (measured on small datagrams), and the replies a
// Standard camera sends to one discovery (it answers on both ports).
constexpr qint64 BytesPerQueuedReply = 512;
constexpr qint64 RepliesPerCamera = 2;
// How far the search for a free address goes in a large subnet.
constexpr quint32 MaxAddressesTried = 65536;

QString quoted(const QString &word) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._:@%+=/-]+$"));
    if (plain.match(word).hasMatch()) return word;
    QString inner = word;
    inner.replace(QLatin1String("'"), QLatin1String("'\\''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

int prefixLength(quint32 mask) {
    int n = 0;
    while (n < 32 && (mask & (0x80000000u >> n)))
        ++n;
    return n;
}

QString subnetText(quint32 ip, quint32 mask) {
    return QStringLiteral("%1/%2").arg(ipToText(ip & mask)).arg(prefixLength(mask));
}

QString adapterName(const AdapterFacts &a) {
    return QString::fromLocal8Bit(a.adapter.name);
}

bool hasAddress(const AdapterFacts &a) {
    return a.adapter.ip != 0 && a.adapter.ip != NoAddress;
}

// The adapter a camera answered through: the one with that address, or else (a further address of an
// adapter, which the inventory does not list) the first whose subnet holds it.
const AdapterFacts *adapterOf(const NetworkFacts &facts, const UdpCamInfo &info) {
    for (const AdapterFacts &a : facts.adapters) {
        if (hasAddress(a) && a.adapter.ip == info.adapterIp) return &a;
    }
    for (const AdapterFacts &a : facts.adapters) {
        if (hasAddress(a) && (a.adapter.ip & a.adapter.mask) == (info.adapterIp & a.adapter.mask)) return &a;
    }
    return nullptr;
}

QString adapterLabel(const NetworkFacts &facts, const UdpCamInfo &info) {
    const AdapterFacts *a = adapterOf(facts, info);
    return a ? adapterName(*a) : ipToText(info.adapterIp);
}

QString describe(const SeenCamera &c) {
    const QString who = c.index >= 0 ? QStringLiteral("#%1").arg(c.index) : FindingTexts::tr("unlisted");
    const QString name = c.name.isEmpty() ? modelName(c.info) : QStringLiteral("\"%1\"").arg(c.name);
    return FindingTexts::tr("%1 %2 at %3").arg(who, name, ipToText(c.info.cameraIp));
}

QString describeAll(const QList<SeenCamera> &cameras, const QList<int> &which) {
    QStringList parts;
    for (int i : which)
        parts << describe(cameras.at(i));
    return parts.join(QLatin1String(", "));
}

// The sysctl key of an interface: a dot in its name (a VLAN) is written as a slash.
QString sysctlName(const QString &interface) {
    QString key = interface;
    key.replace(QLatin1Char('.'), QLatin1Char('/'));
    return key;
}

Finding finding(const char *code, Severity severity, const QString &adapter, const QList<int> &cameras,
                const QString &text, const QStringList &fix) {
    Finding f;
    f.code = QLatin1String(code);
    f.severity = severity;
    f.adapter = adapter;
    f.cameras = cameras;
    f.text = text;
    f.fix = fix;
    return f;
}

quint32 freeAddress(quint32 adapterIp, quint32 mask, const QSet<quint32> &taken) {
    // Neither the network address (host part 0) nor the broadcast address (host part `hosts`); a /31 or
    // /32 has nothing to spare.
    const quint32 hosts = ~mask;
    const quint32 network = adapterIp & mask;
    for (quint32 n = 1; n < hosts && n <= MaxAddressesTried; ++n) {
        if (!taken.contains(network + n)) return network + n;
    }
    return 0;
}

QString setAddressCommand(quint32 cameraIp, quint32 ip, quint32 mask, const QString &adapter) {
    return QStringLiteral("varnix-scan --set-address %1 %2 %3 --adapter %4")
        .arg(ipToText(cameraIp), ipToText(ip), ipToText(mask), quoted(adapter));
}

bool chosen(const AdapterFacts &a, const QString &adapter) {
    return hasAddress(a) &&
           (adapter.isEmpty() || adapter == QLatin1String("*ALL*") || adapterName(a) == adapter);
}

QList<int> camerasOn(const NetworkFacts &facts, const QList<SeenCamera> &cameras, const AdapterFacts &a) {
    QList<int> on;
    for (int i = 0; i < cameras.size(); ++i) {
        if (adapterOf(facts, cameras.at(i).info) == &a) on << i;
    }
    return on;
}

// What every check reads.
struct Scene {
    const NetworkFacts &facts;
    const QList<SeenCamera> &cameras;
    quint32 datagramSize;
    QString adapter; // the adapter scanned ("" or "*ALL*" for all)
};

// --- Conflicts among the cameras, one finding per group

// What a finding about a shared value calls it and suggests.
struct SharedValueText {
    const char *code;
    const char *text; // "%1 cameras share the <value> %2: %3."
    QString (*value)(const UdpCamInfo &);
    const char *fix;
};

SharedValueText sharedValueText(ConflictKind kind) {
    switch (kind) {
    case ConflictKind::SameIp:
        return {"duplicate-ip", QT_TRANSLATE_NOOP("FindingTexts", "%1 cameras share the IP address %2: %3."),
                [](const UdpCamInfo &c) { return ipToText(c.cameraIp); },
                QT_TRANSLATE_NOOP("FindingTexts",
                                  "Give all but one of them a new address: connect one at a time and run "
                                  "varnix-scan --set-address CAMERA_IP NEW_IP MASK")};
    case ConflictKind::SameMac:
        return {
            "duplicate-mac", QT_TRANSLATE_NOOP("FindingTexts", "%1 cameras share the MAC address %2: %3."),
            [](const UdpCamInfo &c) { return macToText(c.macLow, c.macHigh); },
            QT_TRANSLATE_NOOP("FindingTexts", "A MAC address must be unique on a network: keep one of these "
                                              "cameras on this network and have "
                                              "the others' MAC addresses corrected by the manufacturer")};
    default:
        return {"duplicate-serial",
                QT_TRANSLATE_NOOP("FindingTexts", "%1 cameras share the serial number %2: %3."), serialText,
                QT_TRANSLATE_NOOP("FindingTexts",
                                  "A serial number names one camera: the others carry a copied "
                                  "configuration; have it corrected "
                                  "by the manufacturer")};
    }
}

Finding sharedValueFinding(const Scene &s, const ConflictGroup &g) {
    const SharedValueText t = sharedValueText(g.kind);
    QSet<QString> adapters;
    for (int k : g.cameras)
        adapters.insert(adapterLabel(s.facts, s.cameras.at(k).info));
    const QString text =
        FindingTexts::tr(t.text)
            .arg(g.cameras.size())
            .arg(t.value(s.cameras.at(g.cameras.first()).info), describeAll(s.cameras, g.cameras));
    // A group that spans adapters concerns none of them alone.
    return finding(t.code, Severity::Problem, adapters.size() == 1 ? *adapters.begin() : QString(), g.cameras,
                   text, {FindingTexts::tr(t.fix)});
}

Finding datagramSizeFinding(const Scene &s, const ConflictGroup &g) {
    const UdpCamInfo &first = s.cameras.at(g.cameras.first()).info;
    const QString name = adapterLabel(s.facts, first);
    const bool jumbo = g.kind == ConflictKind::JumboAdapter;
    const quint32 needed = jumbo ? StandardMtu : s.datagramSize;
    const QString text =
        jumbo ? FindingTexts::tr(
                    "%1 uses jumbo frames (MTU %2) while the cameras send standard %3-byte datagrams: "
                    "%4.")
                    .arg(name)
                    .arg(first.adapterMtu)
                    .arg(s.datagramSize)
                    .arg(describeAll(s.cameras, g.cameras))
              : FindingTexts::tr(
                    "%1 has MTU %2, too small for the cameras' %3-byte datagrams (it needs MTU %4 or "
                    "more): %5.")
                    .arg(name)
                    .arg(first.adapterMtu)
                    .arg(s.datagramSize)
                    .arg(needed)
                    .arg(describeAll(s.cameras, g.cameras));
    QStringList fix;
    if (s.facts.linuxCommands && adapterOf(s.facts, first))
        fix << QStringLiteral("sudo ip link set dev %1 mtu %2").arg(quoted(name)).arg(needed);
    else
        fix << FindingTexts::tr("Set the MTU (jumbo packet size) of the adapter of %1 to %2")
                   .arg(name)
                   .arg(needed);
    fix << FindingTexts::tr("or, if the cameras use another datagram size, pass it with --datagram-size");
    return finding("datagram-size", Severity::Problem, name, g.cameras, text, fix);
}

// `taken` holds the addresses in use, and the ones proposed so far so that no two cameras get the same.
Finding outsideSubnetFinding(const Scene &s, int i, QSet<quint32> &taken) {
    const SeenCamera &c = s.cameras.at(i);
    const QString adapter = adapterLabel(s.facts, c.info);
    const QString text =
        FindingTexts::tr("Camera %1 is outside the subnet %2 of %3: it is reached only through a host "
                         "route, and not at all with strict reverse-path filtering.")
            .arg(describe(c), subnetText(c.info.adapterIp, c.info.adapterMask), adapter);
    QStringList fix;
    const quint32 proposed = freeAddress(c.info.adapterIp, c.info.adapterMask, taken);
    if (proposed != 0) {
        taken.insert(proposed);
        fix << setAddressCommand(c.info.cameraIp, proposed, c.info.adapterMask, adapter);
    } else {
        fix << FindingTexts::tr("Widen the subnet of %1: it has no free address for the camera").arg(adapter);
    }
    Finding f = finding("outside-subnet", Severity::Problem, adapter, {i}, text, fix);
    f.proposedAddress = proposed;
    return f;
}

// --- The other checks: each adds what it finds

void silentChannels(const Scene &s, QList<Finding> &out) {
    for (int i = 0; i < s.cameras.size(); ++i) {
        const SeenCamera &c = s.cameras.at(i);
        if (c.index < 0 || c.channelAnswered) continue;
        const QString via = adapterLabel(s.facts, c.info);
        QStringList fix;
        if (s.facts.linuxCommands)
            fix << FindingTexts::tr("ip route get %1   (must leave through %2)")
                       .arg(ipToText(c.info.cameraIp), via);
        fix << FindingTexts::tr(
                   "Let UDP from %1 in: firewalls on this machine and on the way must pass the camera's "
                   "replies")
                   .arg(ipToText(c.info.cameraIp));
        out << finding("silent-channel", Severity::Problem, via, {i},
                       FindingTexts::tr("Camera %1 answered discovery but none of its name, option or status "
                                        "requests: the unicast path to it is broken.")
                           .arg(describe(c)),
                       fix);
    }
}

void strictReversePath(const Scene &s, QList<Finding> &out) {
    for (const AdapterFacts &a : s.facts.adapters) {
        if (!chosen(a, s.adapter) || qMax(a.rpFilterAll, a.rpFilterInterface) != 1) continue;
        const QString name = adapterName(a);
        QStringList fix;
        if (a.rpFilterInterface == 1)
            fix << QStringLiteral("sudo sysctl -w %1")
                       .arg(quoted(QStringLiteral("net.ipv4.conf.%1.rp_filter=2").arg(sysctlName(name))));
        if (a.rpFilterAll == 1) fix << QStringLiteral("sudo sysctl -w net.ipv4.conf.all.rp_filter=2");
        fix << FindingTexts::tr(
            "(loose mode, 2, keeps the protection; add the same settings under /etc/sysctl.d/ "
            "to keep them)");
        out << finding(
            "rp-filter", Severity::Problem, name, {},
            FindingTexts::tr("Strict reverse-path filtering on %1 drops the replies of cameras outside "
                             "%2 before Varnix sees them.")
                .arg(name, subnetText(a.adapter.ip, a.adapter.mask)),
            fix);
    }
}

void firewallBlocks(const Scene &s, QList<Finding> &out) {
    out << firewallFindings(s.facts, s.adapter);
}

void sharedSubnets(const Scene &s, QList<Finding> &out) {
    const QList<AdapterFacts> &all = s.facts.adapters;
    for (int i = 0; i < all.size(); ++i) {
        for (int j = i + 1; j < all.size(); ++j) {
            const AdapterFacts &a = all.at(i), &b = all.at(j);
            // An adapter without an address has no subnet to share.
            if (!hasAddress(a) || !hasAddress(b) || !(chosen(a, s.adapter) || chosen(b, s.adapter))) continue;
            const quint32 common = a.adapter.mask & b.adapter.mask;
            if ((a.adapter.ip & common) != (b.adapter.ip & common)) continue;
            out << finding(
                "shared-subnet", Severity::Problem, adapterName(a), {},
                FindingTexts::tr("%1 (%2/%3) and %4 (%5/%6) share one subnet: a request to a camera "
                                 "leaves through one of them only, and replies may come back through the "
                                 "other.")
                    .arg(adapterName(a), ipToText(a.adapter.ip))
                    .arg(prefixLength(a.adapter.mask))
                    .arg(adapterName(b), ipToText(b.adapter.ip))
                    .arg(prefixLength(b.adapter.mask)),
                {FindingTexts::tr("Give each camera adapter a subnet of its own and move its cameras "
                                  "into it (varnix-scan --set-address)")});
        }
    }
}

// A link that is down, slower than a camera needs, or slower than the 10G cameras behind it.
void links(const Scene &s, QList<Finding> &out) {
    for (const AdapterFacts &a : s.facts.adapters) {
        if (!chosen(a, s.adapter)) continue;
        const QString name = adapterName(a);
        const QList<int> on = camerasOn(s.facts, s.cameras, a);
        if (a.up == 0) {
            QStringList fix;
            if (s.facts.linuxCommands) fix << QStringLiteral("sudo ip link set dev %1 up").arg(quoted(name));
            fix << FindingTexts::tr("Check the cable, the switch port and the camera's power");
            out << finding("link", Severity::Problem, name, on,
                           FindingTexts::tr("%1 is down: nothing behind it can answer.").arg(name), fix);
            continue;
        }
        if (a.speedMbps <= 0 || on.isEmpty()) continue;
        const QStringList check = s.facts.linuxCommands
                                      ? QStringList{QStringLiteral("ethtool %1").arg(quoted(name))}
                                      : QStringList();
        if (quint32(a.speedMbps) < GigabitMbps) {
            out << finding("link", Severity::Problem, name, on,
                           FindingTexts::tr("%1 links at %2 Mb/s; cameras need 1 Gb/s or more.")
                               .arg(name)
                               .arg(a.speedMbps),
                           QStringList{FindingTexts::tr(
                               "Check the cable (all four pairs), the switch port and auto-negotiation")} +
                               check);
            continue;
        }
        QList<int> fast;
        for (int i : on) {
            if (s.cameras.at(i).info.link10G != 0) fast << i;
        }
        if (!fast.isEmpty() && quint32(a.speedMbps) < TenGigabitMbps)
            out << finding(
                "link", Severity::Warning, name, fast,
                FindingTexts::tr("%1 links at %2 Mb/s, slower than the 10G cameras behind it: %3.")
                    .arg(name)
                    .arg(a.speedMbps)
                    .arg(describeAll(s.cameras, fast)),
                QStringList{FindingTexts::tr("Connect them through a 10 Gb/s adapter and switch")} + check);
    }
}

void receiveBuffer(const Scene &s, QList<Finding> &out) {
    const qint64 cap = s.facts.receiveBufferMax;
    if (cap < 0 || cap >= SocketReceiveBufferBytes) return;
    out << finding(
        "receive-buffer", Severity::Warning, QString(), {},
        FindingTexts::tr("net.core.rmem_max is %1 bytes, below the %2 the discovery and camera sockets "
                         "ask for: a discovery burst from more than about %3 cameras on one adapter "
                         "overflows and cameras are missed.")
            .arg(cap)
            .arg(SocketReceiveBufferBytes)
            .arg(camerasFittingBuffer(cap)),
        {QStringLiteral("sudo sysctl -w net.core.rmem_max=%1").arg(SocketReceiveBufferBytes)});
}

void emptyAdapters(const Scene &s, QList<Finding> &out) {
    for (const AdapterFacts &a : s.facts.adapters) {
        if (!chosen(a, s.adapter) || a.up == 0 || !camerasOn(s.facts, s.cameras, a).isEmpty()) continue;
        const QString name = adapterName(a);
        out << finding(
            "no-cameras", Severity::Warning, name, {},
            FindingTexts::tr("Nothing answered on %1 (%2).")
                .arg(name, subnetText(a.adapter.ip, a.adapter.mask)),
            {FindingTexts::tr("Check the cameras' power and cables, or listen longer (--wait 10000)")});
    }
}

} // namespace

QString severityName(Severity severity) {
    return severity == Severity::Problem ? QStringLiteral("problem") : QStringLiteral("warning");
}

QString findingTitle(const QString &code) {
    static const struct {
        const char *code, *title;
    } titles[] = {
        {"duplicate-ip", QT_TRANSLATE_NOOP("FindingTexts", "Cameras share an IP address")},
        {"duplicate-mac", QT_TRANSLATE_NOOP("FindingTexts", "Cameras share a MAC address")},
        {"duplicate-serial", QT_TRANSLATE_NOOP("FindingTexts", "Cameras share a serial number")},
        {"datagram-size", QT_TRANSLATE_NOOP("FindingTexts", "Datagram size and adapter MTU do not match")},
        {"outside-subnet", QT_TRANSLATE_NOOP("FindingTexts", "Camera outside the adapter's subnet")},
        {"silent-channel", QT_TRANSLATE_NOOP("FindingTexts", "Camera does not answer requests")},
        {"rp-filter", QT_TRANSLATE_NOOP("FindingTexts", "Strict reverse-path filtering")},
        {"firewall", QT_TRANSLATE_NOOP("FindingTexts", "Firewall blocks the cameras' replies")},
        {"shared-subnet", QT_TRANSLATE_NOOP("FindingTexts", "Adapters share a subnet")},
        {"link", QT_TRANSLATE_NOOP("FindingTexts", "Network link")},
        {"receive-buffer", QT_TRANSLATE_NOOP("FindingTexts", "Receive buffer too small")},
        {"no-cameras", QT_TRANSLATE_NOOP("FindingTexts", "No camera answered on an adapter")},
        {"path-mtu", QT_TRANSLATE_NOOP("FindingTexts", "The path to a camera is too narrow")},
        {"jumbo-packet", QT_TRANSLATE_NOOP("FindingTexts", "Jumbo packet setting of the adapter")},
        {"receive-buffers", QT_TRANSLATE_NOOP("FindingTexts", "Receive buffers of the adapter")},
        {"interrupt-moderation", QT_TRANSLATE_NOOP("FindingTexts", "Interrupt moderation of the adapter")},
    };
    for (const auto &t : titles) {
        if (code == QLatin1String(t.code)) return FindingTexts::tr(t.title);
    }
    return code;
}

QString findingCamera(const SeenCamera &camera) {
    return describe(camera);
}

QString findingAdapter(const NetworkFacts &facts, const UdpCamInfo &info) {
    return adapterLabel(facts, info);
}

int camerasFittingBuffer(qint64 capBytes) {
    // The kernel doubles what a socket is granted to account for its own overhead.
    const qint64 granted = 2 * qMin<qint64>(capBytes, SocketReceiveBufferBytes);
    return int(granted / (BytesPerQueuedReply * RepliesPerCamera));
}

QList<Finding> cameraFindings(const NetworkFacts &facts, const QList<SeenCamera> &cameras,
                              quint32 datagramSize) {
    const Scene s{facts, cameras, datagramSize, QString()};
    QList<UdpCamInfo> records;
    QSet<quint32> taken;
    for (const SeenCamera &c : cameras) {
        records << c.info;
        taken.insert(c.info.cameraIp);
    }
    for (const AdapterFacts &a : facts.adapters)
        taken.insert(a.adapter.ip);
    QList<Finding> out;
    for (const ConflictGroup &g : conflictGroups(records, datagramSize)) {
        switch (g.kind) {
        case ConflictKind::JumboAdapter:
        case ConflictKind::DatagramOverMtu:
            out << datagramSizeFinding(s, g);
            break;
        case ConflictKind::OutsideSubnet:
            out << outsideSubnetFinding(s, g.cameras.first(), taken);
            break;
        default:
            out << sharedValueFinding(s, g);
        }
    }
    return out;
}

QList<Finding> diagnose(const NetworkFacts &facts, const QList<SeenCamera> &cameras, quint32 datagramSize,
                        const QString &adapter) {
    const Scene s{facts, cameras, datagramSize, adapter};
    QList<Finding> out = cameraFindings(facts, cameras, datagramSize);
    out << pathFindings(facts, cameras, datagramSize);
    // The checks after the cameras' conflicts, in the order their findings are listed.
    using Check = void (*)(const Scene &, QList<Finding> &);
    const Check checks[] = {silentChannels, strictReversePath, firewallBlocks, sharedSubnets,
                            links,          receiveBuffer,     emptyAdapters};
    for (Check check : checks)
        check(s, out);
    return out;
}
