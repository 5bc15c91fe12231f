#include "netfacts.h"

#include "platform/networkfacts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <algorithm>
#include <string>

namespace {

constexpr int MaxJumpDepth = 8;

struct Chain {
    QString family, table, name;
    QString hook, policy;
    QList<QJsonArray> rules; // the "expr" list of each rule, in order
};

QString chainKey(const QString &family, const QString &table, const QString &name) {
    return family + QLatin1Char(' ') + table + QLatin1Char(' ') + name;
}

// True when `value` (a number, a {"range": [a, b]}, or a {"set": [...]} / array of them) holds `port`.
bool holdsPort(const QJsonValue &value, int port) {
    if (value.isDouble()) return value.toInt() == port;
    if (value.isArray()) {
        for (const QJsonValue &v : value.toArray())
            if (holdsPort(v, port)) return true;
        return false;
    }
    const QJsonObject o = value.toObject();
    if (o.contains(QLatin1String("range"))) {
        const QJsonArray r = o.value(QLatin1String("range")).toArray();
        return r.size() == 2 && r.at(0).toInt() <= port && port <= r.at(1).toInt();
    }
    if (o.contains(QLatin1String("set"))) return holdsPort(o.value(QLatin1String("set")), port);
    return false;
}

bool holdsText(const QJsonValue &value, const QString &text) {
    if (value.isString()) return value.toString() == text;
    if (value.isArray()) {
        for (const QJsonValue &v : value.toArray())
            if (holdsText(v, text)) return true;
        return false;
    }
    const QJsonObject o = value.toObject();
    return o.contains(QLatin1String("set")) && holdsText(o.value(QLatin1String("set")), text);
}

// Can a match let a camera's UDP reply to the first discovery port through?
bool matchAdmitsReply(const QJsonObject &match, const QStringList &interfaces) {
    const QString op = match.value(QLatin1String("op")).toString();
    const bool negated = op == QLatin1String("!=");
    const QJsonObject left = match.value(QLatin1String("left")).toObject();
    const QJsonValue right = match.value(QLatin1String("right"));
    if (left.contains(QLatin1String("payload"))) {
        const QJsonObject p = left.value(QLatin1String("payload")).toObject();
        const QString protocol = p.value(QLatin1String("protocol")).toString();
        const QString field = p.value(QLatin1String("field")).toString();
        if (protocol == QLatin1String("udp") || protocol == QLatin1String("th")) {
            if (field == QLatin1String("dport")) return holdsPort(right, DiscoveryFirstPort) != negated;
            return true;
        }
        if ((protocol == QLatin1String("ip") || protocol == QLatin1String("ip6")) &&
            field == QLatin1String("protocol"))
            return holdsText(right, QStringLiteral("udp")) != negated;
        // Addresses and other header fields cannot be judged from here; other protocols never match UDP.
        return protocol == QLatin1String("ip") || protocol == QLatin1String("ether");
    }
    if (left.contains(QLatin1String("meta"))) {
        const QString key =
            left.value(QLatin1String("meta")).toObject().value(QLatin1String("key")).toString();
        if (key == QLatin1String("l4proto")) return holdsText(right, QStringLiteral("udp")) != negated;
        if (key == QLatin1String("iif") || key == QLatin1String("iifname")) {
            bool any = false;
            for (const QString &name : interfaces)
                any = any || holdsText(right, name);
            return any != negated;
        }
        return true;
    }
    if (left.contains(QLatin1String("ct"))) {
        const QString key = left.value(QLatin1String("ct")).toObject().value(QLatin1String("key")).toString();
        // A reply to a broadcast is new to connection tracking: it comes from an address the request
        // never went to.
        if (key == QLatin1String("state")) return holdsText(right, QStringLiteral("new")) != negated;
        return true;
    }
    return true;
}

class Ruleset {
public:
    QMap<QString, Chain> chains;

    bool accepts(const Chain &chain, const QStringList &interfaces, int depth) const {
        for (const QJsonArray &expr : chain.rules) {
            bool admits = true;
            QString verdict, target;
            for (const QJsonValue &e : expr) {
                const QJsonObject o = e.toObject();
                if (o.contains(QLatin1String("match")))
                    admits =
                        admits && matchAdmitsReply(o.value(QLatin1String("match")).toObject(), interfaces);
                else if (o.contains(QLatin1String("accept")))
                    verdict = QStringLiteral("accept");
                else if (o.contains(QLatin1String("jump")) || o.contains(QLatin1String("goto"))) {
                    const QJsonObject j = o.value(o.contains(QLatin1String("jump")) ? QLatin1String("jump")
                                                                                    : QLatin1String("goto"))
                                              .toObject();
                    verdict = QStringLiteral("jump");
                    target = j.value(QLatin1String("target")).toString();
                }
            }
            if (!admits) continue;
            if (verdict == QLatin1String("accept")) return true;
            if (verdict == QLatin1String("jump") && depth < MaxJumpDepth) {
                const auto it = chains.constFind(chainKey(chain.family, chain.table, target));
                if (it != chains.constEnd() && accepts(*it, interfaces, depth + 1)) return true;
            }
        }
        return false;
    }
};

// "*" or nothing is every port; otherwise numbers and ranges ("45056-45255") separated by commas.
// Keywords (RPC, Teredo, ...) name ports of other services.
bool windowsPortsHold(const QString &ports, int port) {
    if (ports.isEmpty() || ports == QLatin1String("*")) return true;
    for (const QString &item : ports.split(QLatin1Char(','))) {
        const QStringList ends = item.trimmed().split(QLatin1Char('-'));
        bool okLow = false, okHigh = false;
        const int low = ends.first().toInt(&okLow), high = ends.last().toInt(&okHigh);
        if (ends.size() <= 2 && okLow && okHigh && low <= port && port <= high) return true;
    }
    return false;
}

QString windowsProfileName(int type) {
    switch (type) {
    case 1:
        return QStringLiteral("domain");
    case 2:
        return QStringLiteral("private");
    default:
        return QStringLiteral("public");
    }
}

FirewallFacts judgeWindowsFirewall(const QJsonObject &w) {
    FirewallFacts facts;
    facts.program = w.value(QLatin1String("program")).toString();
    if (w.contains(QLatin1String("error")) || !w.value(QLatin1String("profiles")).isArray()) {
        facts.unreadable = true;
        return facts;
    }
    // A rule for every program (no program, no service) or for this one, on the first discovery port.
    const auto concerns = [&](const QJsonObject &rule, int type) {
        const QString application = rule.value(QLatin1String("application")).toString();
        const bool program = application.isEmpty()
                                 ? rule.value(QLatin1String("service")).toString().isEmpty()
                                 : application.compare(facts.program, Qt::CaseInsensitive) == 0;
        const int protocol = rule.value(QLatin1String("protocol")).toInt();
        return program && rule.value(QLatin1String("enabled")).toBool() &&
               (rule.value(QLatin1String("profiles")).toInt() & type) &&
               (protocol == 17 || protocol == 256) &&
               windowsPortsHold(rule.value(QLatin1String("localPorts")).toString(), DiscoveryFirstPort);
    };
    const int current = w.value(QLatin1String("currentProfiles")).toInt();
    const QJsonArray rules = w.value(QLatin1String("rules")).toArray();
    facts.state = FirewallFacts::Open;
    for (const QJsonValue &p : w.value(QLatin1String("profiles")).toArray()) {
        const QJsonObject profile = p.toObject();
        const int type = profile.value(QLatin1String("type")).toInt();
        // The profiles of the networks the machine is on now; all of them when it does not say.
        if (!profile.value(QLatin1String("enabled")).toBool() || (current != 0 && !(current & type)))
            continue;
        bool allowed = profile.value(QLatin1String("defaultInbound")).toString() == QLatin1String("allow");
        QString blockedBy;
        for (const QJsonValue &r : rules) {
            const QJsonObject rule = r.toObject();
            if (!concerns(rule, type)) continue;
            if (rule.value(QLatin1String("action")).toString() == QLatin1String("allow"))
                allowed = true;
            else if (blockedBy.isEmpty())
                blockedBy = rule.value(QLatin1String("name")).toString();
        }
        const bool blocksAll = profile.value(QLatin1String("blockAllInbound")).toBool();
        if (allowed && blockedBy.isEmpty() && !blocksAll) continue;
        facts.state = FirewallFacts::Blocks;
        facts.profiles << windowsProfileName(type);
        facts.blocksAll = facts.blocksAll || blocksAll;
        if (facts.blockingRule.isEmpty()) facts.blockingRule = blockedBy;
    }
    return facts;
}

} // namespace

FirewallFacts judgeFirewall(const QByteArray &json, const QStringList &interfaces) {
    FirewallFacts facts;
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    if (doc.object().value(QLatin1String("windowsFirewall")).isObject())
        return judgeWindowsFirewall(doc.object().value(QLatin1String("windowsFirewall")).toObject());
    const QJsonArray items = doc.object().value(QLatin1String("nftables")).toArray();
    if (!doc.isObject() || !doc.object().contains(QLatin1String("nftables"))) return facts;

    Ruleset set;
    QList<QString> order;
    for (const QJsonValue &item : items) {
        const QJsonObject o = item.toObject();
        if (o.contains(QLatin1String("chain"))) {
            const QJsonObject c = o.value(QLatin1String("chain")).toObject();
            Chain chain;
            chain.family = c.value(QLatin1String("family")).toString();
            chain.table = c.value(QLatin1String("table")).toString();
            chain.name = c.value(QLatin1String("name")).toString();
            chain.hook = c.value(QLatin1String("hook")).toString();
            chain.policy = c.value(QLatin1String("policy")).toString();
            const QString key = chainKey(chain.family, chain.table, chain.name);
            set.chains.insert(key, chain);
            order.append(key);
        } else if (o.contains(QLatin1String("rule"))) {
            const QJsonObject r = o.value(QLatin1String("rule")).toObject();
            const QString key = chainKey(r.value(QLatin1String("family")).toString(),
                                         r.value(QLatin1String("table")).toString(),
                                         r.value(QLatin1String("chain")).toString());
            auto it = set.chains.find(key);
            if (it != set.chains.end()) it->rules.append(r.value(QLatin1String("expr")).toArray());
        }
    }

    facts.state = FirewallFacts::Open;
    for (const QString &key : order) {
        const Chain &chain = set.chains[key];
        const bool ipv4 = chain.family == QLatin1String("ip") || chain.family == QLatin1String("inet");
        if (!ipv4 || chain.hook != QLatin1String("input") || chain.policy != QLatin1String("drop")) continue;
        if (set.accepts(chain, interfaces, 0)) continue;
        facts.state = FirewallFacts::Blocks;
        facts.chain = key;
        break;
    }
    return facts;
}

NetworkFacts gatherNetworkFacts(const QList<NetAdapterInfo> &adapters, platform::NetworkFactSource &source) {
    NetworkFacts facts;
#ifdef Q_OS_LINUX
    facts.linuxCommands = true;
#endif
    QStringList names;
    // What could not be read, with the adapters it could not be read for, in the order first met.
    QList<QPair<QString, QStringList>> unreadable;
    for (const NetAdapterInfo &a : adapters) {
        const platform::InterfaceFacts f = source.interfaceFacts(std::string(a.name));
        AdapterFacts af;
        af.adapter = a;
        af.rpFilterAll = f.rpFilterAll;
        af.rpFilterInterface = f.rpFilterInterface;
        af.up = f.up;
        af.speedMbps = f.speedMbps;
        af.jumboPacket = f.jumboPacket;
        af.receiveBuffers = f.receiveBuffers;
        af.receiveBuffersMax = f.receiveBuffersMax;
        af.interruptModeration = f.interruptModeration;
        af.displayName = QString::fromStdString(f.displayName);
        facts.adapters.append(af);
        names.append(QString::fromLocal8Bit(a.name));
        for (const std::string &what : f.unreadable) {
            const QString fact = QString::fromStdString(what);
            auto it = std::find_if(unreadable.begin(), unreadable.end(),
                                   [&](const auto &u) { return u.first == fact; });
            if (it == unreadable.end()) it = unreadable.insert(unreadable.end(), {fact, {}});
            it->second << (af.displayName.isEmpty() ? names.last() : af.displayName);
        }
    }
    for (const auto &u : qAsConst(unreadable))
        facts.unreadable << QStringLiteral("%1 of %2").arg(u.first, u.second.join(QLatin1String(", ")));
    facts.receiveBufferMax = source.receiveBufferMax();
    std::string ruleset;
    if (source.firewallRuleset(ruleset))
        facts.firewall = judgeFirewall(QByteArray::fromStdString(ruleset), names);
    if (facts.firewall.unreadable) facts.unreadable << QStringLiteral("firewall");
    return facts;
}
