#include "netfacts.h"

#include "addresses.h"
#include "platform/networkfacts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>

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

// Whether a match applies to a camera's UDP reply to the first discovery port: surely, surely not, or
// it depends on what cannot be judged from here (addresses, rates, iptables matches).
enum class Match { No, Maybe, Yes };

Match sure(bool applies) {
    return applies ? Match::Yes : Match::No;
}

Match matchReply(const QJsonObject &match, const QStringList &interfaces) {
    const QString op = match.value(QLatin1String("op")).toString();
    const bool negated = op == QLatin1String("!=");
    const QJsonObject left = match.value(QLatin1String("left")).toObject();
    const QJsonValue right = match.value(QLatin1String("right"));
    if (left.contains(QLatin1String("payload"))) {
        const QJsonObject p = left.value(QLatin1String("payload")).toObject();
        const QString protocol = p.value(QLatin1String("protocol")).toString();
        const QString field = p.value(QLatin1String("field")).toString();
        if (protocol == QLatin1String("udp") || protocol == QLatin1String("th")) {
            if (field == QLatin1String("dport")) return sure(holdsPort(right, DiscoveryFirstPort) != negated);
            return Match::Maybe;
        }
        if (protocol == QLatin1String("ip") && field == QLatin1String("protocol"))
            return sure(holdsText(right, QStringLiteral("udp")) != negated);
        // Addresses and other header fields cannot be judged from here; other protocols never match UDP.
        return protocol == QLatin1String("ip") || protocol == QLatin1String("ether") ? Match::Maybe
                                                                                     : Match::No;
    }
    if (left.contains(QLatin1String("meta"))) {
        const QString key =
            left.value(QLatin1String("meta")).toObject().value(QLatin1String("key")).toString();
        if (key == QLatin1String("l4proto")) return sure(holdsText(right, QStringLiteral("udp")) != negated);
        if (key == QLatin1String("iif") || key == QLatin1String("iifname")) {
            int held = 0;
            for (const QString &name : interfaces)
                held += holdsText(right, name) != negated;
            return held == 0 ? Match::No : held == interfaces.size() ? Match::Yes : Match::Maybe;
        }
        return Match::Maybe;
    }
    if (left.contains(QLatin1String("ct"))) {
        const QString key = left.value(QLatin1String("ct")).toObject().value(QLatin1String("key")).toString();
        // A reply to a broadcast is new to connection tracking: it comes from an address the request
        // never went to.
        if (key == QLatin1String("state")) return sure(holdsText(right, QStringLiteral("new")) != negated);
        // Nor is it translated: a rule for NAT'ed traffic does not let it in.
        if (key == QLatin1String("status")) return sure(negated);
        return Match::Maybe;
    }
    return Match::Maybe;
}

// Where a camera's reply may end up after a chain: a set of these.
enum Outcome { Accepted = 1, Dropped = 2, FellThrough = 4 };

class Ruleset {
public:
    QMap<QString, Chain> chains;

    // Every outcome the reply may meet. A rule whose matches cannot be judged both applies and does
    // not, so that an unusual rule set neither raises a false alarm nor hides a sure drop.
    int walk(const Chain &chain, const QStringList &interfaces, int depth) const {
        int rest = FellThrough; // what the rules after the current one lead to
        for (int i = chain.rules.size() - 1; i >= 0; --i) {
            Match applies = Match::Yes;
            QString verdict, target;
            for (const QJsonValue &e : chain.rules.at(i)) {
                const QJsonObject o = e.toObject();
                if (o.contains(QLatin1String("match"))) {
                    applies =
                        qMin(applies, matchReply(o.value(QLatin1String("match")).toObject(), interfaces));
                    continue;
                }
                bool known = o.contains(QLatin1String("counter")) || o.contains(QLatin1String("log"));
                for (const char *word : {"accept", "drop", "reject", "return", "jump", "goto"}) {
                    if (!o.contains(QLatin1String(word))) continue;
                    verdict = QLatin1String(word);
                    target = o.value(verdict).toObject().value(QLatin1String("target")).toString();
                    known = true;
                }
                if (!known) applies = qMin(applies, Match::Maybe);
            }
            if (applies == Match::No || verdict.isEmpty()) continue;
            int taken = FellThrough;
            if (verdict == QLatin1String("accept"))
                taken = Accepted;
            else if (verdict == QLatin1String("drop") || verdict == QLatin1String("reject"))
                taken = Dropped; // a reject ending a chain whose policy accepts blocks like a drop policy
            else if (verdict != QLatin1String("return") && depth < MaxJumpDepth) {
                const auto it = chains.constFind(chainKey(chain.family, chain.table, target));
                taken = it == chains.constEnd() ? FellThrough : walk(*it, interfaces, depth + 1);
                // After a jump this chain carries on; after a goto the chain that called it does.
                if (verdict == QLatin1String("jump") && (taken & FellThrough))
                    taken = (taken & ~FellThrough) | rest;
            } else if (verdict != QLatin1String("return")) {
                taken = rest;
            }
            rest = applies == Match::Yes ? taken : taken | rest;
        }
        return rest;
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
        if (!ipv4 || chain.hook != QLatin1String("input")) continue;
        int outcomes = set.walk(chain, interfaces, 0);
        if (outcomes & FellThrough)
            outcomes =
                (outcomes & ~FellThrough) | (chain.policy == QLatin1String("drop") ? Dropped : Accepted);
        if (outcomes != Dropped) continue;
        facts.state = FirewallFacts::Blocks;
        facts.chain = key;
        break;
    }
    return facts;
}

namespace {

// "45056:45255/udp", "22,80/tcp", "45056", "Anywhere": does a ufw rule's target take UDP to the port?
bool ufwTargetHolds(const QString &target, int port) {
    if (target == QLatin1String("Anywhere")) return true;
    static const QRegularExpression form(QStringLiteral("^([0-9,:]+)(?:/(\\w+))?$"));
    const QRegularExpressionMatch m = form.match(target);
    if (!m.hasMatch() || (!m.captured(2).isEmpty() && m.captured(2) != QLatin1String("udp"))) return false;
    for (const QString &part : m.captured(1).split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char(':'));
        if (ends.first().toInt() <= port && port <= ends.last().toInt()) return true;
    }
    return false;
}

} // namespace

FirewallFacts judgeUfw(const QString &status, const QStringList &interfaces) {
    FirewallFacts facts;
    if (!status.contains(
            QRegularExpression(QStringLiteral("^Status: active$"), QRegularExpression::MultilineOption)))
        return facts;
    const QRegularExpressionMatch policy =
        QRegularExpression(QStringLiteral("^Default: (\\w+) \\(incoming\\)"),
                           QRegularExpression::MultilineOption)
            .match(status);
    if (!policy.hasMatch()) return facts;
    facts.manager = FirewallFacts::Ufw;
    facts.state = FirewallFacts::Open;
    // The rules in ufw's order, first match wins: TARGET[ on IFACE]  ACTION[ IN]  FROM.
    struct Rule {
        QString target, interface, action, from;
    };
    QList<Rule> rules;
    bool table = false;
    for (const QString &line : status.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("--"))) {
            table = true;
            continue;
        }
        const QStringList columns = line.trimmed().split(QRegularExpression(QStringLiteral("\\s{2,}")));
        if (!table || columns.size() < 3 || line.contains(QLatin1String("(v6)"))) continue;
        Rule r;
        r.target = columns.at(0).section(QLatin1String(" on "), 0, 0);
        r.interface = columns.at(0).section(QLatin1String(" on "), 1);
        r.action = columns.at(1);
        r.from = columns.at(2);
        if (r.action.endsWith(QLatin1String(" OUT")) || r.action.endsWith(QLatin1String(" FWD"))) continue;
        rules << r;
    }
    for (const QString &name : interfaces) {
        bool admitted = policy.captured(1) == QLatin1String("allow");
        for (const Rule &r : qAsConst(rules)) {
            if ((!r.interface.isEmpty() && r.interface != name) ||
                !ufwTargetHolds(r.target, DiscoveryFirstPort))
                continue;
            // A rule limited to some senders may or may not cover the cameras: it is not held against them.
            if (r.action.startsWith(QLatin1String("ALLOW"))) {
                admitted = true;
                break;
            }
            if (r.from == QLatin1String("Anywhere")) {
                admitted = false;
                break;
            }
        }
        if (!admitted) facts.adapters << name;
    }
    if (!facts.adapters.isEmpty()) facts.state = FirewallFacts::Blocks;
    return facts;
}

QString firewalldZoneName(const QString &listing) {
    return listing.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), 0, 0).trimmed();
}

bool firewalldZoneAdmits(const QString &listing) {
    QMap<QString, QString> field;
    // Rich rules (and forwarded ports) are listed under their heading, one a line, indented by a tab.
    QString heading;
    bool richRules = false;
    for (const QString &line : listing.split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (line.startsWith(QLatin1Char('\t')))
            richRules = richRules || (heading == QLatin1String("rich rules") && !line.trimmed().isEmpty());
        else if (line.startsWith(QLatin1String("  ")) && colon > 0)
            field.insert(heading = line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    if (!field.contains(QStringLiteral("target")))
        return true; // not a zone listing: nothing to hold against it
    if (field.value(QStringLiteral("target")) == QLatin1String("ACCEPT")) return true;
    for (const QString &port :
         field.value(QStringLiteral("ports")).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList range = port.section(QLatin1Char('/'), 0, 0).split(QLatin1Char('-'));
        if (port.endsWith(QLatin1String("/udp")) && range.first().toInt() <= DiscoveryFirstPort &&
            DiscoveryFirstPort <= range.last().toInt())
            return true;
    }
    if (field.value(QStringLiteral("protocols")).split(QLatin1Char(' ')).contains(QStringLiteral("udp")))
        return true;
    // Rich rules and services of one's own may open the port; only the usual services are known not to.
    if (richRules) return true;
    static const QStringList common = {
        QStringLiteral("ssh"),          QStringLiteral("dhcpv6-client"), QStringLiteral("mdns"),
        QStringLiteral("samba-client"), QStringLiteral("cockpit"),       QStringLiteral("dhcp"),
        QStringLiteral("dns"),          QStringLiteral("http"),          QStringLiteral("https"),
        QStringLiteral("ipp-client"),   QStringLiteral("ntp"),           QStringLiteral("kdeconnect")};
    for (const QString &service :
         field.value(QStringLiteral("services")).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (!common.contains(service)) return true;
    return false;
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
        af.jumboPacketBytes = f.jumboPacketBytes;
        af.receiveBuffers = f.receiveBuffers;
        af.receiveBuffersMax = f.receiveBuffersMax;
        af.interruptModeration = f.interruptModeration;
        af.displayName = QString::fromStdString(f.displayName);
        af.interfaceIndex = f.interfaceIndex;
        af.networkCategory = f.networkCategory;
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
    // Where ufw or firewalld is active, their own view decides, and their commands fix it.
    std::string answer;
    if (source.ufwStatus(answer)) facts.firewall = judgeUfw(QString::fromStdString(answer), names);
    if (facts.firewall.manager == FirewallFacts::Nft && source.firewalldState(answer) &&
        QString::fromStdString(answer).trimmed() == QLatin1String("running")) {
        facts.firewall.manager = FirewallFacts::Firewalld;
        facts.firewall.state = FirewallFacts::Open;
        for (const QString &name : qAsConst(names)) {
            std::string listing;
            if (!source.firewalldZone(name.toStdString(), listing)) continue;
            const QString zone = QString::fromStdString(listing);
            if (firewalldZoneAdmits(zone)) continue;
            facts.firewall.state = FirewallFacts::Blocks;
            facts.firewall.adapters << name;
            facts.firewall.zones << firewalldZoneName(zone);
        }
    }
    std::string ruleset;
    if (facts.firewall.manager == FirewallFacts::Nft) {
        if (source.firewallRuleset(ruleset))
            facts.firewall = judgeFirewall(QByteArray::fromStdString(ruleset), names);
        else
            facts.firewall.unreadable = source.firewallRefused();
    }
    if (facts.firewall.unreadable) facts.unreadable << QStringLiteral("firewall");
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
