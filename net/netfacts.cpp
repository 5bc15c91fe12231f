#include "netfacts.h"

#include "platform/networkfacts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

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

} // namespace

FirewallFacts judgeFirewall(const QByteArray &nftJson, const QStringList &interfaces) {
    FirewallFacts facts;
    const QJsonDocument doc = QJsonDocument::fromJson(nftJson);
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
    for (const NetAdapterInfo &a : adapters) {
        const platform::InterfaceFacts f = source.interfaceFacts(std::string(a.name));
        AdapterFacts af;
        af.adapter = a;
        af.rpFilterAll = f.rpFilterAll;
        af.rpFilterInterface = f.rpFilterInterface;
        af.up = f.up;
        af.speedMbps = f.speedMbps;
        facts.adapters.append(af);
        names.append(QString::fromLocal8Bit(a.name));
    }
    facts.receiveBufferMax = source.receiveBufferMax();
    std::string ruleset;
    if (source.firewallRuleset(ruleset))
        facts.firewall = judgeFirewall(QByteArray::fromStdString(ruleset), names);
    return facts;
}
