#include "diagnosis.h"

#include "firewallcheck.h"
#include "modelnames.h"

#include "net/addresses.h"
#include "net/receivebuffer.h"

#include <QRegularExpression>
#include <QSet>
#include <QVector>

#include <functional>

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
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._:@%+=-]+$"));
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
    const QString who = c.index >= 0 ? QStringLiteral("#%1").arg(c.index) : QStringLiteral("unlisted");
    const QString name = c.name.isEmpty() ? modelName(c.info) : QStringLiteral("\"%1\"").arg(c.name);
    return QStringLiteral("%1 %2 at %3").arg(who, name, ipToText(c.info.cameraIp));
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

// Groups of two or more cameras sharing a value, in the order of their first member.
void duplicates(const QList<SeenCamera> &cameras, const NetworkFacts &facts, const char *code,
                const std::function<bool(const UdpCamInfo &, const UdpCamInfo &)> &same, const QString &what,
                const std::function<QString(const UdpCamInfo &)> &value, const QStringList &fix,
                QList<Finding> &out) {
    QVector<bool> grouped(cameras.size(), false);
    for (int i = 0; i < cameras.size(); ++i) {
        if (grouped[i]) continue;
        QList<int> group{i};
        for (int j = i + 1; j < cameras.size(); ++j) {
            if (!grouped[j] && same(cameras.at(i).info, cameras.at(j).info)) group << j;
        }
        if (group.size() < 2) continue;
        QSet<QString> adapters;
        for (int k : group) {
            grouped[k] = true;
            adapters.insert(adapterLabel(facts, cameras.at(k).info));
        }
        const QString text = QStringLiteral("%1 cameras share the %2 %3: %4.")
                                 .arg(group.size())
                                 .arg(what, value(cameras.at(i).info), describeAll(cameras, group));
        out << finding(code, Severity::Problem, adapters.size() == 1 ? *adapters.begin() : QString(), group,
                       text, fix);
    }
}

quint32 freeAddress(quint32 adapterIp, quint32 mask, const QSet<quint32> &taken) {
    const quint32 hosts = ~mask;
    if (hosts < 3) return 0; // a /31 or /32 has no address to spare
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

} // namespace

QString severityName(Severity severity) {
    return severity == Severity::Problem ? QStringLiteral("problem") : QStringLiteral("warning");
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
    QList<Finding> out;
    duplicates(
        cameras, facts, "duplicate-ip", sameIp, QStringLiteral("IP address"),
        [](const UdpCamInfo &c) { return ipToText(c.cameraIp); },
        {QStringLiteral("Give all but one of them a new address: connect one at a time and run "
                        "varnix-scan --set-address CAMERA_IP NEW_IP MASK")},
        out);
    duplicates(
        cameras, facts, "duplicate-mac", sameMac, QStringLiteral("MAC address"),
        [](const UdpCamInfo &c) { return macToText(c.macLow, c.macHigh); },
        {QStringLiteral("A MAC address must be unique on a network: keep one of these cameras on this "
                        "network and have the others' MAC addresses corrected by the manufacturer")},
        out);
    duplicates(
        cameras, facts, "duplicate-serial", sameSerial, QStringLiteral("serial number"),
        [](const UdpCamInfo &c) { return serialText(c); },
        {QStringLiteral("A serial number names one camera: the others carry a copied configuration; "
                        "have it corrected by the manufacturer")},
        out);

    // Advanced cameras choose their own datagram size; only Standard ones are compared.
    // Grouped by the local address the cameras answered on, which need not be an adapter's first one.
    QList<quint32> receivers;
    for (const SeenCamera &c : cameras) {
        if (!receivers.contains(c.info.adapterIp)) receivers << c.info.adapterIp;
    }
    if (datagramSize >= 1) {
        for (quint32 receiver : qAsConst(receivers)) {
            for (int kind = 1; kind <= 2; ++kind) {
                QList<int> affected;
                for (int i = 0; i < cameras.size(); ++i) {
                    const UdpCamInfo &info = cameras.at(i).info;
                    if (info.adapterIp == receiver && info.protocol == 0 &&
                        jumboMismatch(info, datagramSize) == kind)
                        affected << i;
                }
                if (affected.isEmpty()) continue;
                const QString name = adapterLabel(facts, cameras.at(affected.first()).info);
                const quint32 mtu = cameras.at(affected.first()).info.adapterMtu;
                const quint32 needed = kind == 1 ? StandardMtu : datagramSize;
                const QString text =
                    kind == 1
                        ? QStringLiteral("%1 uses jumbo frames (MTU %2) while the cameras send standard "
                                         "%3-byte datagrams: %4.")
                              .arg(name)
                              .arg(mtu)
                              .arg(datagramSize)
                              .arg(describeAll(cameras, affected))
                        : QStringLiteral("%1 has MTU %2, too small for the cameras' %3-byte datagrams "
                                         "(it needs MTU %4 or more): %5.")
                              .arg(name)
                              .arg(mtu)
                              .arg(datagramSize)
                              .arg(needed)
                              .arg(describeAll(cameras, affected));
                QStringList fix;
                if (facts.linuxCommands && adapterOf(facts, cameras.at(affected.first()).info))
                    fix << QStringLiteral("sudo ip link set dev %1 mtu %2").arg(quoted(name)).arg(needed);
                else
                    fix << QStringLiteral("Set the MTU (jumbo packet size) of the adapter of %1 to %2")
                               .arg(name)
                               .arg(needed);
                fix << QStringLiteral(
                    "or, if the cameras use another datagram size, pass it with --datagram-size");
                out << finding("datagram-size", Severity::Problem, name, affected, text, fix);
            }
        }
    }

    QSet<quint32> taken;
    for (const SeenCamera &c : cameras)
        taken.insert(c.info.cameraIp);
    for (const AdapterFacts &a : facts.adapters)
        taken.insert(a.adapter.ip);
    for (int i = 0; i < cameras.size(); ++i) {
        const UdpCamInfo &info = cameras.at(i).info;
        if (info.cameraIp == 0 || info.adapterIp == 0 || inAdapterSubnet(info)) continue;
        const QString adapter = adapterLabel(facts, info);
        const QString text =
            QStringLiteral("Camera %1 is outside the subnet %2 of %3: it is reached only "
                           "through a host route, and not at all with strict reverse-path "
                           "filtering.")
                .arg(describe(cameras.at(i)), subnetText(info.adapterIp, info.adapterMask), adapter);
        QStringList fix;
        const quint32 proposed = freeAddress(info.adapterIp, info.adapterMask, taken);
        if (proposed != 0) {
            taken.insert(proposed);
            fix << setAddressCommand(info.cameraIp, proposed, info.adapterMask, adapter);
        } else {
            fix << QStringLiteral("Widen the subnet of %1: it has no free address for the camera")
                       .arg(adapter);
        }
        out << finding("outside-subnet", Severity::Problem, adapter, {i}, text, fix);
    }
    return out;
}

QList<Finding> diagnose(const NetworkFacts &facts, const QList<SeenCamera> &cameras, quint32 datagramSize,
                        const QString &adapter) {
    QList<Finding> out = cameraFindings(facts, cameras, datagramSize);
    out << pathFindings(facts, cameras, datagramSize);

    for (int i = 0; i < cameras.size(); ++i) {
        const SeenCamera &c = cameras.at(i);
        if (c.index < 0 || c.channelAnswered) continue;
        const QString via = adapterLabel(facts, c.info);
        QStringList fix;
        if (facts.linuxCommands)
            fix << QStringLiteral("ip route get %1   (must leave through %2)")
                       .arg(ipToText(c.info.cameraIp), via);
        fix << QStringLiteral("Let UDP from %1 in: firewalls on this machine and on the way must pass the "
                              "camera's replies")
                   .arg(ipToText(c.info.cameraIp));
        out << finding("silent-channel", Severity::Problem, via, {i},
                       QStringLiteral("Camera %1 answered discovery but none of its name, option or status "
                                      "requests: the unicast path to it is broken.")
                           .arg(describe(c)),
                       fix);
    }

    for (const AdapterFacts &a : facts.adapters) {
        if (!chosen(a, adapter)) continue;
        const int effective = qMax(a.rpFilterAll, a.rpFilterInterface);
        if (effective != 1) continue;
        const QString name = adapterName(a);
        QStringList fix;
        if (a.rpFilterInterface == 1)
            fix << QStringLiteral("sudo sysctl -w net.ipv4.conf.%1.rp_filter=2").arg(sysctlName(name));
        if (a.rpFilterAll == 1) fix << QStringLiteral("sudo sysctl -w net.ipv4.conf.all.rp_filter=2");
        fix << QStringLiteral(
            "(loose mode, 2, keeps the protection; add the same settings under /etc/sysctl.d/ "
            "to keep them)");
        out << finding(
            "rp-filter", Severity::Problem, name, {},
            QStringLiteral("Strict reverse-path filtering on %1 drops the replies of cameras outside "
                           "%2 before Varnix sees them.")
                .arg(name, subnetText(a.adapter.ip, a.adapter.mask)),
            fix);
    }

    out << firewallFindings(facts, adapter);

    for (int i = 0; i < facts.adapters.size(); ++i) {
        for (int j = i + 1; j < facts.adapters.size(); ++j) {
            const AdapterFacts &a = facts.adapters.at(i), &b = facts.adapters.at(j);
            if (!hasAddress(a) || !hasAddress(b) || !(chosen(a, adapter) || chosen(b, adapter))) continue;
            const quint32 common = a.adapter.mask & b.adapter.mask;
            if ((a.adapter.ip & common) != (b.adapter.ip & common)) continue;
            out << finding(
                "shared-subnet", Severity::Problem, adapterName(a), {},
                QStringLiteral("%1 (%2/%3) and %4 (%5/%6) share one subnet: a request to a camera leaves "
                               "through one of them only, and replies may come back through the other.")
                    .arg(adapterName(a), ipToText(a.adapter.ip))
                    .arg(prefixLength(a.adapter.mask))
                    .arg(adapterName(b), ipToText(b.adapter.ip))
                    .arg(prefixLength(b.adapter.mask)),
                {QStringLiteral("Give each camera adapter a subnet of its own and move its cameras into it "
                                "(varnix-scan --set-address)")});
        }
    }

    for (const AdapterFacts &a : facts.adapters) {
        if (!chosen(a, adapter)) continue;
        const QString name = adapterName(a);
        const QList<int> on = camerasOn(facts, cameras, a);
        if (a.up == 0) {
            QStringList fix;
            if (facts.linuxCommands) fix << QStringLiteral("sudo ip link set dev %1 up").arg(quoted(name));
            fix << QStringLiteral("Check the cable, the switch port and the camera's power");
            out << finding("link", Severity::Problem, name, on,
                           QStringLiteral("%1 is down: nothing behind it can answer.").arg(name), fix);
            continue;
        }
        if (a.speedMbps <= 0 || on.isEmpty()) continue;
        const QStringList check =
            facts.linuxCommands ? QStringList{QStringLiteral("ethtool %1").arg(quoted(name))} : QStringList();
        if (quint32(a.speedMbps) < GigabitMbps) {
            out << finding("link", Severity::Problem, name, on,
                           QStringLiteral("%1 links at %2 Mb/s; cameras need 1 Gb/s or more.")
                               .arg(name)
                               .arg(a.speedMbps),
                           QStringList{QStringLiteral("Check the cable (all four pairs), the switch port and "
                                                      "auto-negotiation")} +
                               check);
            continue;
        }
        QList<int> fast;
        for (int i : on) {
            if (cameras.at(i).info.link10G != 0) fast << i;
        }
        if (!fast.isEmpty() && quint32(a.speedMbps) < TenGigabitMbps)
            out << finding("link", Severity::Warning, name, fast,
                           QStringLiteral("%1 links at %2 Mb/s, slower than the 10G cameras behind it: %3.")
                               .arg(name)
                               .arg(a.speedMbps)
                               .arg(describeAll(cameras, fast)),
                           QStringList{QStringLiteral("Connect them through a 10 Gb/s adapter and switch")} +
                               check);
    }

    if (facts.receiveBufferMax >= 0 && facts.receiveBufferMax < SocketReceiveBufferBytes) {
        out << finding(
            "receive-buffer", Severity::Warning, QString(), {},
            QStringLiteral("net.core.rmem_max is %1 bytes, below the %2 the discovery and camera "
                           "sockets ask for: a discovery burst from more than about %3 cameras on one "
                           "adapter overflows and cameras are missed.")
                .arg(facts.receiveBufferMax)
                .arg(SocketReceiveBufferBytes)
                .arg(camerasFittingBuffer(facts.receiveBufferMax)),
            {QStringLiteral("sudo sysctl -w net.core.rmem_max=%1").arg(SocketReceiveBufferBytes)});
    }

    for (const AdapterFacts &a : facts.adapters) {
        if (!chosen(a, adapter) || a.up == 0 || !camerasOn(facts, cameras, a).isEmpty()) continue;
        const QString name = adapterName(a);
        out << finding(
            "no-cameras", Severity::Warning, name, {},
            QStringLiteral("Nothing answered on %1 (%2).")
                .arg(name, subnetText(a.adapter.ip, a.adapter.mask)),
            {QStringLiteral("Check the cameras' power and cables, or listen longer (--wait 10000)")});
    }
    return out;
}
