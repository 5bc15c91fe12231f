#include "hostfacts.h"

#include "net/addresses.h"
#include "platform/networkfacts.h"

#include <algorithm>
#include <string>

NetworkFacts gatherNetworkFacts(const QList<NetAdapterInfo> &adapters, platform::NetworkFactSource &source) {
    NetworkFacts facts;
#ifdef Q_OS_LINUX
    facts.linuxCommands = true;
#endif
    QStringList names;
    for (const NetAdapterInfo &a : adapters) {
        const platform::InterfaceFacts f = source.interfaceFacts(std::string(a.name));
        AdapterFacts af;
        af.adapter = a;
        af.rpFilterAll = f.rpFilterAll;
        af.rpFilterInterface = f.rpFilterInterface;
        af.up = f.up;
        af.speedMbps = f.speedMbps;
        af.jumboPacketBytes = f.jumboPacketBytes;
        af.receiveBuffers = f.receiveBuffers;
        af.receiveBuffersMax = f.receiveBuffersMax;
        af.interruptModeration = f.interruptModeration;
        af.displayName = QString::fromStdString(f.displayName);
        af.interfaceIndex = f.interfaceIndex;
        af.networkCategory = f.networkCategory;
        facts.adapters.append(af);
        names.append(QString::fromLocal8Bit(a.name));
        // Each fact once, in the order first met, with the adapters it could not be read for.
        for (const std::string &what : f.unreadable) {
            const QString fact = QString::fromStdString(what);
            auto it = std::find_if(facts.unreadable.begin(), facts.unreadable.end(),
                                   [&](const UnreadableFact &u) { return u.fact == fact; });
            if (it == facts.unreadable.end())
                it = facts.unreadable.insert(facts.unreadable.end(), {fact, {}});
            it->adapters << (af.displayName.isEmpty() ? names.last() : af.displayName);
        }
    }
    facts.receiveBufferMax = source.receiveBufferMax();
    // Where ufw or firewalld is active, their own view decides, and their commands fix it.
    std::string answer;
    if (source.ufwStatus(answer))
        facts.firewall = judgeUfw(QString::fromStdString(answer), names, DiscoveryFirstPort);
    if (facts.firewall.manager == FirewallFacts::Nft && source.firewalldState(answer) &&
        QString::fromStdString(answer).trimmed() == QLatin1String("running")) {
        facts.firewall.manager = FirewallFacts::Firewalld;
        facts.firewall.state = FirewallFacts::Open;
        for (const QString &name : qAsConst(names)) {
            std::string listing;
            if (!source.firewalldZone(name.toStdString(), listing)) continue;
            const QString zone = QString::fromStdString(listing);
            if (firewalldZoneAdmits(zone, DiscoveryFirstPort)) continue;
            facts.firewall.state = FirewallFacts::Blocks;
            facts.firewall.adapters << name;
            facts.firewall.zones << firewalldZoneName(zone);
        }
    }
    std::string ruleset;
    if (facts.firewall.manager == FirewallFacts::Nft) {
        if (source.firewallRuleset(ruleset))
            facts.firewall = judgeFirewall(QByteArray::fromStdString(ruleset), names, DiscoveryFirstPort);
        else
            facts.firewall.unreadable = source.firewallRefused();
    }
    if (facts.firewall.unreadable) facts.unreadable << UnreadableFact{QStringLiteral("firewall"), {}};
    return facts;
}

QString adapterName(const AdapterFacts &a) {
    return QString::fromLocal8Bit(a.adapter.name);
}

bool hasAddress(const AdapterFacts &a) {
    return a.adapter.ip != NoIp && a.adapter.ip != UnparsedIp;
}

const AdapterFacts *adapterOf(const NetworkFacts &facts, const UdpCamInfo &info) {
    for (const AdapterFacts &a : facts.adapters) {
        if (hasAddress(a) && a.adapter.ip == info.adapterIp) return &a;
    }
    // An adapter without a mask has no subnet, rather than one that holds every address.
    for (const AdapterFacts &a : facts.adapters) {
        if (hasAddress(a) && a.adapter.mask != 0 &&
            (a.adapter.ip & a.adapter.mask) == (info.adapterIp & a.adapter.mask))
            return &a;
    }
    return nullptr;
}

QStringList unreadableNames(const QList<UnreadableFact> &facts) {
    QStringList out;
    for (const UnreadableFact &u : facts)
        out << (u.adapters.isEmpty()
                    ? u.fact
                    : QStringLiteral("%1 of %2").arg(u.fact, u.adapters.join(QLatin1String(", "))));
    return out;
}
