#include "diagnosis.h"

#include "cameras/conflicts.h"
#include "cameras/modelnames.h"
#include "firewallcheck.h"
#include "shelldialects.h"

#include "net/addresses.h"
#include "net/receivebuffer.h"
#include "platform/networkcategory.h"

#include <QRegularExpression>
#include <QSet>

namespace {

constexpr quint32 GigabitMbps = 1000;
constexpr quint32 TenGigabitMbps = 10000;
constexpr quint32 StandardMtu = 1500;
// Kernel memory one queued discovery reply costs (measured on small datagrams), and the replies a
// Standard camera sends to one discovery (it answers on both ports).
constexpr qint64 BytesPerQueuedReply = 512;
constexpr qint64 RepliesPerCamera = 2;
// How far the search for a free address goes in a large subnet.
constexpr quint32 MaxAddressesTried = 65536;
// A driver's frame limit counts the Ethernet header, which the MTU leaves out; 9014 is the jumbo setting
// drivers offer most widely.
constexpr quint32 EthernetHeaderBytes = 14;
constexpr quint32 CommonJumboFrame = 9014;
// Fewer receive descriptors than this overflow during one image burst of a fast camera; asked for when
// the driver does not say how many it offers.
constexpr quint32 FewReceiveBuffers = 1024;
constexpr int ProposedReceiveBuffers = 2048;
// A discovery wait that hears a camera still starting up.
constexpr int LongerWaitMs = 10000;

int prefixLength(quint32 mask) {
    int n = 0;
    while (n < 32 && (mask & (0x80000000u >> n)))
        ++n;
    return n;
}

QString subnetText(quint32 ip, quint32 mask) {
    return QStringLiteral("%1/%2").arg(ipToText(ip & mask)).arg(prefixLength(mask));
}

QString adapterLabel(const NetworkFacts &facts, const UdpCamInfo &info) {
    const AdapterFacts *a = adapterOf(facts, info);
    return a ? adapterName(*a) : ipToText(info.adapterIp);
}

QString describe(const SeenCamera &c) {
    const QString who = c.listed() ? QStringLiteral("#%1").arg(c.row) : FindingTexts::tr("unlisted");
    const QString name =
        c.name.isEmpty() ? modelName(c.info) : QStringLiteral("\"%1\"").arg(visibleText(c.name));
    return FindingTexts::tr("%1 %2 at %3").arg(who, name, ipToText(c.info.cameraIp));
}

QString describeAll(const QList<SeenCamera> &cameras, const QList<int> &which) {
    QStringList parts;
    for (int i : which)
        parts << describe(cameras.at(i));
    return parts.join(QLatin1String(", "));
}

// What every check reads.
struct Scene {
    const NetworkFacts &facts;
    const QList<SeenCamera> &cameras;
    quint32 datagramSize;
    QString adapter; // the adapter scanned ("" or "*ALL*" for all)
};

// `cameras` are positions in the scene's cameras (none without a scene).
Finding finding(const Scene *s, const char *code, Severity severity, const QString &adapter,
                const QList<int> &cameras, const QString &text, const QList<Fix> &fixes) {
    Finding f;
    f.code = QLatin1String(code);
    f.severity = severity;
    f.adapter = adapter;
    if (s) f.cameras = cameraRefs(s->cameras, cameras);
    f.text = text;
    f.fixes = fixes;
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

bool chosen(const AdapterFacts &a, const QString &adapter) {
    return hasAddress(a) && (namesAllAdapters(adapter) || adapterName(a) == adapter);
}

QList<int> camerasOn(const NetworkFacts &facts, const QList<SeenCamera> &cameras, const AdapterFacts &a) {
    QList<int> on;
    for (int i = 0; i < cameras.size(); ++i) {
        if (adapterOf(facts, cameras.at(i).info) == &a) on << i;
    }
    return on;
}

// --- Conflicts among the cameras, one finding per group

// What a finding about a shared value calls it and suggests.
struct SharedValueText {
    const char *code;
    const char *text; // "%1 cameras share the <value> %2: %3."
    QString (*value)(const UdpCamInfo &);
    Fix fix;
};

Fix readdress() {
    Fix f;
    f.kind = Fix::ReaddressCameras;
    return f;
}

SharedValueText sharedValueText(ConflictKind kind) {
    switch (kind) {
    case ConflictKind::SameIp:
        return {"duplicate-ip", QT_TRANSLATE_NOOP("FindingTexts", "%1 cameras share the IP address %2: %3."),
                [](const UdpCamInfo &c) { return ipToText(c.cameraIp); }, readdress()};
    case ConflictKind::SameMac:
        return {"duplicate-mac",
                QT_TRANSLATE_NOOP("FindingTexts", "%1 cameras share the MAC address %2: %3."),
                [](const UdpCamInfo &c) { return macToText(c.macLow, c.macHigh); },
                Fix::advice(FindingTexts::tr("A MAC address must be unique on a network: keep one of these "
                                             "cameras on this network and have "
                                             "the others' MAC addresses corrected by the manufacturer"))};
    default:
        return {"duplicate-serial",
                QT_TRANSLATE_NOOP("FindingTexts", "%1 cameras share the serial number %2: %3."), serialText,
                Fix::advice(FindingTexts::tr("A serial number names one camera: the others carry a copied "
                                             "configuration; have it corrected "
                                             "by the manufacturer"))};
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
    return finding(&s, t.code, Severity::Problem, adapters.size() == 1 ? *adapters.begin() : QString(),
                   g.cameras, text, {t.fix});
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
    QList<Fix> fix;
    if (s.facts.linuxCommands && adapterOf(s.facts, first))
        fix << Fix::shell(ShellDialect::Posix, words("sudo ip link set dev")
                                                   << value(name) << word(QStringLiteral("mtu"))
                                                   << word(QString::number(needed)));
    else
        fix << Fix::advice(FindingTexts::tr("Set the MTU (jumbo packet size) of the adapter of %1 to %2")
                               .arg(name)
                               .arg(needed));
    Fix other;
    other.kind = Fix::ChooseDatagramSize; // any other than the one checked
    fix << other;
    return finding(&s, "datagram-size", Severity::Problem, name, g.cameras, text, fix);
}

// `taken` holds the addresses in use, and the ones proposed so far so that no two cameras get the same.
Finding outsideSubnetFinding(const Scene &s, int i, QSet<quint32> &taken) {
    const SeenCamera &c = s.cameras.at(i);
    const QString adapter = adapterLabel(s.facts, c.info);
    const QString text =
        FindingTexts::tr("Camera %1 is outside the subnet %2 of %3: it is reached only through a host "
                         "route, and not at all with strict reverse-path filtering.")
            .arg(describe(c), subnetText(c.info.adapterIp, c.info.adapterMask), adapter);
    QList<Fix> fix;
    const quint32 proposed = freeAddress(c.info.adapterIp, c.info.adapterMask, taken);
    if (proposed != 0) {
        taken.insert(proposed);
        Fix move;
        move.kind = Fix::MoveCamera;
        move.camera = c.info.cameraIp, move.address = proposed, move.mask = c.info.adapterMask;
        move.adapter = adapter;
        fix << move;
    } else {
        fix << Fix::advice(
            FindingTexts::tr("Widen the subnet of %1: it has no free address for the camera").arg(adapter));
    }
    Finding f = finding(&s, "outside-subnet", Severity::Problem, adapter, {i}, text, fix);
    f.proposedAddress = proposed;
    return f;
}

// --- The other checks: each adds what it finds

void silentChannels(const Scene &s, QList<Finding> &out) {
    for (int i = 0; i < s.cameras.size(); ++i) {
        const SeenCamera &c = s.cameras.at(i);
        if (!c.listed() || c.channelAnswered) continue;
        const QString via = adapterLabel(s.facts, c.info);
        QList<Fix> fix;
        if (s.facts.linuxCommands) {
            Fix route;
            route.kind = Fix::CheckRoute;
            route.camera = c.info.cameraIp, route.adapter = via;
            fix << route;
        }
        fix << Fix::advice(FindingTexts::tr("Let UDP from %1 in: firewalls on this machine and on the way "
                                            "must pass the camera's replies")
                               .arg(ipToText(c.info.cameraIp)));
        out << finding(&s, "silent-channel", Severity::Problem, via, {i},
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
        QList<Fix> fix;
        const auto loose = [](const QString &key) {
            return Fix::shell(ShellDialect::Posix, words("sudo sysctl -w")
                                                       << value(key + QLatin1String("=2")));
        };
        if (a.rpFilterInterface == 1) fix << loose(sysctlInterfaceKey(name, "rp_filter"));
        if (a.rpFilterAll == 1) fix << loose(sysctlInterfaceKey(QStringLiteral("all"), "rp_filter"));
        fix << Fix::advice(FindingTexts::tr(
            "(loose mode, 2, keeps the protection; add the same settings under /etc/sysctl.d/ "
            "to keep them)"));
        out << finding(
            &s, "rp-filter", Severity::Problem, name, {},
            FindingTexts::tr("Strict reverse-path filtering on %1 drops the replies of cameras outside "
                             "%2 before Varnix sees them.")
                .arg(name, subnetText(a.adapter.ip, a.adapter.mask)),
            fix);
    }
}

// The name a user knows the adapter by (Windows' connection name), or its system name.
QString shownName(const AdapterFacts &a) {
    return a.displayName.isEmpty() ? adapterName(a) : a.displayName;
}

Fix setAdvancedProperty(const AdapterFacts &a, const char *keyword, int setting) {
    return Fix::shell(ShellDialect::PowerShell,
                      words("Set-NetAdapterAdvancedProperty -Name")
                          << value(shownName(a)) << word(QStringLiteral("-RegistryKeyword"))
                          << value(QLatin1String(keyword)) << word(QStringLiteral("-RegistryValue"))
                          << word(QString::number(setting)));
}

Fix asAdministrator(ShellDialect dialect, bool adapterRestarts) {
    Fix f;
    f.kind = Fix::AsAdministrator;
    f.command.dialect = dialect;
    f.adapterRestarts = adapterRestarts;
    return f;
}

// The adapters a driver setting matters on: the one scanned, or with all adapters scanned those with
// cameras behind them (of the given protocol, or any when it is -1).
QList<const AdapterFacts *> settingAdapters(const Scene &s, int protocol = -1) {
    const bool all = namesAllAdapters(s.adapter);
    QList<const AdapterFacts *> out;
    for (const AdapterFacts &a : s.facts.adapters) {
        if (!chosen(a, s.adapter)) continue;
        bool cameras = false;
        for (int i : camerasOn(s.facts, s.cameras, a))
            cameras = cameras || protocol < 0 || s.cameras.at(i).info.protocol == quint32(protocol);
        if (!all || cameras) out << &a;
    }
    return out;
}

// The MTU may allow the datagrams while the driver still drops every frame longer than its setting.
void jumboPackets(const Scene &s, QList<Finding> &out) {
    if (!s.datagramSize) return;
    const quint32 needed = s.datagramSize + EthernetHeaderBytes;
    for (const AdapterFacts *a : settingAdapters(s, 0)) {
        if (quint32(a->jumboPacketBytes) >= needed) continue; // an unknown setting (-1) reads as the largest
        const quint32 value = needed <= CommonJumboFrame ? CommonJumboFrame : needed;
        out << finding(
            &s, "jumbo-packet", Severity::Problem, adapterName(*a), camerasOn(s.facts, s.cameras, *a),
            FindingTexts::tr("The driver of %1 passes frames of up to %2 bytes (*JumboPacket): the "
                             "cameras' %3-byte datagrams need %4, and every image datagram is dropped.")
                .arg(shownName(*a))
                .arg(a->jumboPacketBytes)
                .arg(s.datagramSize)
                .arg(needed),
            {setAdvancedProperty(*a, "*JumboPacket", int(value)),
             asAdministrator(ShellDialect::PowerShell, true)});
    }
}

void receiveBuffers(const Scene &s, QList<Finding> &out) {
    for (const AdapterFacts *a : settingAdapters(s)) {
        // Not known (-1) reads as more than enough.
        if (quint32(a->receiveBuffers) >= FewReceiveBuffers) continue;
        const int value = a->receiveBuffersMax > 0 ? a->receiveBuffersMax : ProposedReceiveBuffers;
        // Nothing to propose when the driver offers no more than it has.
        if (value <= a->receiveBuffers) continue;
        out << finding(
            &s, "receive-buffers", Severity::Warning, adapterName(*a), {},
            FindingTexts::tr("The driver of %1 keeps %2 receive buffers (*ReceiveBuffers): an image "
                             "burst overflows them and datagrams are lost.")
                .arg(shownName(*a))
                .arg(a->receiveBuffers),
            {setAdvancedProperty(*a, "*ReceiveBuffers", value),
             asAdministrator(ShellDialect::PowerShell, true)});
    }
}

// Moderation trades a little latency for far fewer interrupts; without it a camera's stream of
// datagrams interrupts the processor for each one, and it falls behind emptying the receive buffers.
void interruptModeration(const Scene &s, QList<Finding> &out) {
    for (const AdapterFacts *a : settingAdapters(s)) {
        if (a->interruptModeration != 0) continue;
        out << finding(
            &s, "interrupt-moderation", Severity::Warning, adapterName(*a), {},
            FindingTexts::tr("Interrupt moderation is off on %1 (*InterruptModeration): every datagram "
                             "interrupts the processor, which falls behind during an image transfer.")
                .arg(shownName(*a)),
            {setAdvancedProperty(*a, "*InterruptModeration", 1),
             asAdministrator(ShellDialect::PowerShell, true)});
    }
}

// Windows Defender Firewall: a rule that allows the program, since the discovery port is picked from a
// range when the program starts. A blocking rule wins over it and has to go first.
Finding windowsFirewallFinding(const FirewallFacts &f) {
    const QString profiles = f.profiles.join(QLatin1String(", "));
    const QString program = f.program.isEmpty() ? QStringLiteral("Varnix") : f.program;
    QString text;
    QList<Fix> fix;
    bool powerShell = false; // the rule is disabled in PowerShell rather than a command prompt
    if (!f.blockingRule.isEmpty()) {
        text = FindingTexts::tr(
                   "The firewall rule \"%1\" blocks UDP to %2 (%3 profile), whatever other rules allow: "
                   "the cameras' replies never arrive.")
                   .arg(f.blockingRule, program, profiles);
        // netsh cannot be given a name with a double quote or a percent sign; PowerShell can.
        if (netshCanQuote(f.blockingRule)) {
            fix << Fix::shell(ShellDialect::Netsh, words("netsh advfirewall firewall set rule name=")
                                                       << value(f.blockingRule)
                                                       << words("dir=in new enable=no"));
        } else {
            fix << Fix::shell(ShellDialect::PowerShell, words("Disable-NetFirewallRule -DisplayName")
                                                            << value(f.blockingRule));
            powerShell = true;
        }
    } else if (f.blocksAll) {
        text = FindingTexts::tr(
                   "Windows Defender Firewall blocks all incoming traffic (%1 profile): the cameras' "
                   "replies never arrive.")
                   .arg(profiles);
    } else {
        text = FindingTexts::tr(
                   "Windows Defender Firewall (%1 profile) has no inbound rule letting UDP reach %2: the "
                   "cameras' replies never arrive.")
                   .arg(profiles, program);
    }
    if (f.blocksAll) {
        for (const QString &p : f.profiles)
            fix << Fix::shell(ShellDialect::PowerShell, words("Set-NetFirewallProfile -Name")
                                                            << word(p) << words("-AllowInboundRules True"));
    }
    QStringList programs{f.program};
    // The scanner's folder holds the window's program too, which needs the same rule.
    const int slash = f.program.lastIndexOf(QLatin1Char('\\'));
    if (f.program.mid(slash + 1).compare(QLatin1String("varnix-scan.exe"), Qt::CaseInsensitive) == 0)
        programs.prepend(f.program.left(slash + 1) + QLatin1String("varnix.exe"));
    for (const QString &p : qAsConst(programs)) {
        if (!p.isEmpty())
            fix << Fix::shell(ShellDialect::Netsh, words("netsh advfirewall firewall add rule name=")
                                                       << value(QStringLiteral("Varnix"))
                                                       << words("dir=in action=allow protocol=UDP program=")
                                                       << value(p) << word(QStringLiteral("enable=yes")));
    }
    fix << asAdministrator(ShellDialect::Netsh, false);
    if (powerShell) fix << Fix::advice(FindingTexts::tr("(Disable-NetFirewallRule in PowerShell)"));
    return finding(nullptr, "firewall", Severity::Problem, QString(), {}, text, fix);
}

void firewallBlocks(const Scene &s, QList<Finding> &out) {
    const FirewallFacts &firewall = s.facts.firewall;
    // Windows' answer names its profiles; every other answer is judged by the Linux rule owners.
    if (!firewall.profiles.isEmpty()) {
        if (firewall.state == FirewallFacts::Blocks) out << windowsFirewallFinding(firewall);
        return;
    }
    out << firewallFindings(s.facts, s.adapter);
}

// A camera network has no gateway or domain to recognise it by, so Windows files it as Public, the
// category its firewall trusts least: discovery replies are dropped there unless a rule lets them in.
void publicNetworks(const Scene &s, QList<Finding> &out) {
    for (const AdapterFacts *a : settingAdapters(s)) {
        if (a->networkCategory != platform::PublicCategory) continue;
        const QList<CommandWord> which =
            a->interfaceIndex > 0
                ? QList<CommandWord>{word(QStringLiteral("-InterfaceIndex")),
                                     word(QString::number(a->interfaceIndex))}
                : QList<CommandWord>{word(QStringLiteral("-InterfaceAlias")), value(shownName(*a))};
        out << finding(
            &s, "network-profile", Severity::Problem, adapterName(*a), camerasOn(s.facts, s.cameras, *a),
            FindingTexts::tr("Windows counts the network of %1 as Public and trusts it least: its "
                             "firewall may drop the cameras' discovery replies there.")
                .arg(shownName(*a)),
            {Fix::shell(ShellDialect::PowerShell, words("Set-NetConnectionProfile")
                                                      << which << words("-NetworkCategory Private")),
             Fix::advice(FindingTexts::tr("(in PowerShell run as administrator)"))});
    }
}

void narrowPaths(const Scene &s, QList<Finding> &out) {
    out << pathFindings(s.facts, s.cameras, s.datagramSize);
}

void sharedSubnets(const Scene &s, QList<Finding> &out) {
    Fix separate;
    separate.kind = Fix::SeparateSubnets;
    const QList<AdapterFacts> &all = s.facts.adapters;
    for (int i = 0; i < all.size(); ++i) {
        for (int j = i + 1; j < all.size(); ++j) {
            const AdapterFacts &a = all.at(i), &b = all.at(j);
            // An adapter without an address has no subnet to share.
            if (!hasAddress(a) || !hasAddress(b) || !(chosen(a, s.adapter) || chosen(b, s.adapter))) continue;
            const quint32 common = a.adapter.mask & b.adapter.mask;
            if ((a.adapter.ip & common) != (b.adapter.ip & common)) continue;
            out << finding(
                &s, "shared-subnet", Severity::Problem, adapterName(a), {},
                FindingTexts::tr("%1 (%2/%3) and %4 (%5/%6) share one subnet: a request to a camera "
                                 "leaves through one of them only, and replies may come back through the "
                                 "other.")
                    .arg(adapterName(a), ipToText(a.adapter.ip))
                    .arg(prefixLength(a.adapter.mask))
                    .arg(adapterName(b), ipToText(b.adapter.ip))
                    .arg(prefixLength(b.adapter.mask)),
                {separate});
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
            QList<Fix> fix;
            if (s.facts.linuxCommands)
                fix << Fix::shell(ShellDialect::Posix, words("sudo ip link set dev")
                                                           << value(name) << word("up"));
            fix << Fix::advice(FindingTexts::tr("Check the cable, the switch port and the camera's power"));
            out << finding(&s, "link", Severity::Problem, name, on,
                           FindingTexts::tr("%1 is down: nothing behind it can answer.").arg(name), fix);
            continue;
        }
        if (a.speedMbps <= 0 || on.isEmpty()) continue;
        const QList<Fix> check =
            s.facts.linuxCommands
                ? QList<Fix>{Fix::shell(ShellDialect::Posix, {word("ethtool"), value(name)})}
                : QList<Fix>();
        if (quint32(a.speedMbps) < GigabitMbps) {
            out << finding(&s, "link", Severity::Problem, name, on,
                           FindingTexts::tr("%1 links at %2 Mb/s; cameras need 1 Gb/s or more.")
                               .arg(name)
                               .arg(a.speedMbps),
                           QList<Fix>{Fix::advice(FindingTexts::tr(
                               "Check the cable (all four pairs), the switch port and auto-negotiation"))} +
                               check);
            continue;
        }
        QList<int> fast;
        for (int i : on) {
            if (s.cameras.at(i).info.link10G != 0) fast << i;
        }
        if (!fast.isEmpty() && quint32(a.speedMbps) < TenGigabitMbps)
            out << finding(&s, "link", Severity::Warning, name, fast,
                           FindingTexts::tr("%1 links at %2 Mb/s, slower than the 10G cameras behind it: %3.")
                               .arg(name)
                               .arg(a.speedMbps)
                               .arg(describeAll(s.cameras, fast)),
                           QList<Fix>{Fix::advice(
                               FindingTexts::tr("Connect them through a 10 Gb/s adapter and switch"))} +
                               check);
    }
}

void receiveBuffer(const Scene &s, QList<Finding> &out) {
    const qint64 cap = s.facts.receiveBufferMax;
    if (cap < 0 || cap >= SocketReceiveBufferBytes) return;
    out << finding(
        &s, "receive-buffer", Severity::Warning, QString(), {},
        FindingTexts::tr("net.core.rmem_max is %1 bytes, below the %2 the discovery and camera sockets "
                         "ask for: a discovery burst from more than about %3 cameras on one adapter "
                         "overflows and cameras are missed.")
            .arg(cap)
            .arg(SocketReceiveBufferBytes)
            .arg(camerasFittingBuffer(cap)),
        {Fix::shell(ShellDialect::Posix,
                    words("sudo sysctl -w")
                        << value(QStringLiteral("net.core.rmem_max=%1").arg(SocketReceiveBufferBytes)))});
}

void emptyAdapters(const Scene &s, QList<Finding> &out) {
    Fix longer;
    longer.kind = Fix::ListenLonger;
    longer.waitMs = LongerWaitMs;
    for (const AdapterFacts &a : s.facts.adapters) {
        if (!chosen(a, s.adapter) || a.up == 0 || !camerasOn(s.facts, s.cameras, a).isEmpty()) continue;
        const QString name = adapterName(a);
        out << finding(&s, "no-cameras", Severity::Warning, name, {},
                       FindingTexts::tr("Nothing answered on %1 (%2).")
                           .arg(name, subnetText(a.adapter.ip, a.adapter.mask)),
                       {longer});
    }
}

} // namespace

QList<CameraRef> cameraRefs(const QList<SeenCamera> &all, const QList<int> &positions) {
    QList<CameraRef> refs;
    for (int i : positions)
        refs << all.at(i).ref();
    return refs;
}

QString severityName(Severity severity) {
    return severity == Severity::Problem ? QStringLiteral("problem") : QStringLiteral("warning");
}

QString findingCode(ConflictKind kind) {
    switch (kind) {
    case ConflictKind::JumboAdapter:
    case ConflictKind::DatagramOverMtu:
        return QStringLiteral("datagram-size");
    case ConflictKind::SameIp:
    case ConflictKind::SameMac:
    case ConflictKind::SameSerial:
        return QLatin1String(sharedValueText(kind).code);
    case ConflictKind::OutsideSubnet:
        return QStringLiteral("outside-subnet");
    case ConflictKind::None:
        break;
    }
    return QString();
}

QString findingTitle(const QString &code) {
    if (code == QLatin1String("duplicate-ip")) return FindingTexts::tr("Cameras share an IP address");
    if (code == QLatin1String("duplicate-mac")) return FindingTexts::tr("Cameras share a MAC address");
    if (code == QLatin1String("duplicate-serial")) return FindingTexts::tr("Cameras share a serial number");
    if (code == QLatin1String("datagram-size"))
        return FindingTexts::tr("Datagram size and adapter MTU do not match");
    if (code == QLatin1String("outside-subnet"))
        return FindingTexts::tr("Camera outside the adapter's subnet");
    if (code == QLatin1String("silent-channel")) return FindingTexts::tr("Camera does not answer requests");
    if (code == QLatin1String("rp-filter")) return FindingTexts::tr("Strict reverse-path filtering");
    if (code == QLatin1String("firewall")) return FindingTexts::tr("Firewall blocks the cameras' replies");
    if (code == QLatin1String("shared-subnet")) return FindingTexts::tr("Adapters share a subnet");
    if (code == QLatin1String("link")) return FindingTexts::tr("Network link");
    if (code == QLatin1String("receive-buffer")) return FindingTexts::tr("Receive buffer too small");
    if (code == QLatin1String("no-cameras")) return FindingTexts::tr("No camera answered on an adapter");
    if (code == QLatin1String("path-mtu")) return FindingTexts::tr("The path to a camera is too narrow");
    if (code == QLatin1String("jumbo-packet")) return FindingTexts::tr("Jumbo packet setting of the adapter");
    if (code == QLatin1String("receive-buffers")) return FindingTexts::tr("Receive buffers of the adapter");
    if (code == QLatin1String("interrupt-moderation"))
        return FindingTexts::tr("Interrupt moderation of the adapter");
    if (code == QLatin1String("network-profile")) return FindingTexts::tr("Adapter on a Public network");
    if (code == QLatin1String("impossible-source"))
        return FindingTexts::tr("Answers from impossible addresses");
    if (code == QLatin1String("missing-camera")) return FindingTexts::tr("Expected camera missing");
    if (code == QLatin1String("moved-camera")) return FindingTexts::tr("Expected camera moved");
    if (code == QLatin1String("unexpected-camera"))
        return FindingTexts::tr("Camera not in the expected line");
    return code;
}

QList<Finding> impossibleSourceFindings(const QList<quint32> &senders) {
    if (senders.isEmpty()) return {};
    QStringList addresses;
    for (quint32 ip : senders)
        addresses << ipToText(ip);
    Finding f;
    f.code = QStringLiteral("impossible-source");
    f.severity = Severity::Warning;
    f.text =
        FindingTexts::tr("Something on the link answers discovery from addresses no camera can have (%1); "
                         "it is not listed and nothing is sent to it.")
            .arg(addresses.join(QLatin1String(", ")));
    f.fixes << Fix::advice(
        FindingTexts::tr("Find the device that answers from these addresses and correct its address."));
    return {f};
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
    // The checks after the cameras' conflicts, in the order their findings are listed.
    using Check = void (*)(const Scene &, QList<Finding> &);
    const Check checks[] = {
        narrowPaths, silentChannels, strictReversePath, firewallBlocks,      publicNetworks, sharedSubnets,
        links,       jumboPackets,   receiveBuffers,    interruptModeration, receiveBuffer,  emptyAdapters};
    for (Check check : checks)
        check(s, out);
    return out;
}
