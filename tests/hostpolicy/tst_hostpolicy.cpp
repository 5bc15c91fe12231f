// The packet filters' verdict on a camera's reply, from what nft and Windows report.

#include "hostpolicy/firewall.h"

#include <QtTest>

namespace {

const quint16 Port = 45056;
const auto Open = FirewallFacts::Open, Blocks = FirewallFacts::Blocks;

// nft's JSON with one table "filter" of `family` holding an input chain with `policy` and `rules`
// (each a JSON array of expressions), and a regular chain "allow" with `allowRules`.
QByteArray ruleset(const char *policy, const QStringList &rules, const QStringList &allowRules = {},
                   const char *family = "inet") {
    QString items = QStringLiteral(R"({"metainfo": {"json_schema_version": 1}},
      {"table": {"family": "%1", "name": "filter"}},
      {"chain": {"family": "%1", "table": "filter", "name": "input", "type": "filter", "hook": "input",
                 "prio": 0, "policy": "%2"}},
      {"chain": {"family": "%1", "table": "filter", "name": "allow"}})")
                        .arg(family, policy);
    for (const auto &chain : {qMakePair(QString("input"), rules), qMakePair(QString("allow"), allowRules)})
        for (const QString &r : chain.second)
            items += QStringLiteral(
                         R"(, {"rule": {"family": "%1", "table": "filter", "chain": "%2", "expr": %3}})")
                         .arg(family, chain.first, r);
    return QStringLiteral(R"({"nftables": [%1]})").arg(items).toUtf8();
}

// A rule: `left` `op` `right`, then `verdict`.
QString match(const QString &left, const char *right, const char *op = "==", const char *verdict = "accept") {
    return QStringLiteral(R"([{"match": {"op": "%1", "left": %2, "right": %3}}, {"%4": null}])")
        .arg(op, left, right, verdict);
}
// A packet's field, and a fact of its journey (meta) or connection (ct), as a rule's left side.
QString payload(const char *protocol, const char *field) {
    return QStringLiteral(R"({"payload": {"protocol": "%1", "field": "%2"}})").arg(protocol, field);
}
QString key(const char *of, const char *key) {
    return QStringLiteral(R"({"%1": {"key": "%2"}})").arg(of, key);
}
const QString dport = payload("udp", "dport");
const QString established = match(key("ct", "state"), R"(["established", "related"])", "in");

// Windows' firewall answer for the scanner: per profile (domain, private, public) '0' off, '1' on, 'A' on
// and letting inbound traffic in by default, 'B' on and blocking all inbound traffic; the current
// profiles; the rules.
QByteArray windowsFirewall(const char *profiles, int current, const QStringList &rules) {
    QStringList list;
    for (int i = 0; i < 3; ++i)
        list << QStringLiteral(
                    R"({"type": %1, "enabled": %2, "blockAllInbound": %3, "defaultInbound": "%4"})")
                    .arg(QString::number(1 << i), profiles[i] == '0' ? "false" : "true",
                         profiles[i] == 'B' ? "true" : "false", profiles[i] == 'A' ? "allow" : "block");
    return QStringLiteral(R"({"windowsFirewall": {"program": "C:\\Varnix\\varnix-scan.exe",
                            "currentProfiles": %1, "profiles": [%2], "rules": [%3]}})")
        .arg(QString::number(current), list.join(','), rules.join(','))
        .toUtf8();
}
QString rule(const char *action, const char *application, const char *ports = "*", int profiles = 7,
             int protocol = 17, const char *enabled = "true", const char *service = "") {
    return QStringLiteral(R"({"name": "%1", "enabled": %2, "action": "%1", "protocol": %3,
                             "application": "%4", "service": "%5", "localPorts": "%6", "profiles": %7})")
        .arg(action, enabled, QString::number(protocol), application, service, ports,
             QString::number(profiles));
}

} // namespace

class HostPolicy : public QObject {
    Q_OBJECT
private slots:
    void nft_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("want");
        const QString jump = R"([{"jump": {"target": "allow"}}])";
        const QString reject =
            R"([{"counter": null}, {"reject": {"type": "icmpx", "expr": "admin-prohibited"}}])";
        // The input chain jumps to "allow", which jumps through c1 .. c<levels>; the last accepts the port.
        const auto nested = [&](int levels) {
            QString chains;
            for (int i = 1; i <= levels; ++i)
                chains += QString(R"(, {"chain": {"family": "inet", "table": "filter", "name": "c%1"}},
                    {"rule": {"family": "inet", "table": "filter", "chain": "c%1", "expr": %2}})")
                              .arg(i)
                              .arg(i < levels ? QString(R"([{"jump": {"target": "c%1"}}])").arg(i + 1)
                                              : match(dport, "45056"));
            QByteArray json = ruleset("drop", {jump}, {R"([{"jump": {"target": "c1"}}])"});
            return json.insert(json.size() - 2, chains.toUtf8());
        };
        const struct {
            const char *name;
            QByteArray json;
            FirewallFacts::State want;
        } rows[] = {
            {"not nft's output", "nonsense", FirewallFacts::Unknown},
            {"drop policy in an IPv6-only table", ruleset("drop", {}, {}, "ip6"), Open},
            {"a set holding the port", ruleset("drop", {match(dport, R"({"set": [22, 45056]})")}), Open},
            {"other ports", ruleset("drop", {match(dport, R"({"set": [1028, {"range": [1029, 45055]}]})")}),
             Blocks},
            {"the port, but dropped", ruleset("drop", {match(dport, "45056", "==", "drop")}), Blocks},
            {"a jump to a chain that drops all", ruleset("accept", {jump}, {R"([{"drop": null}])"}), Blocks},
            {"jumps nested deep", nested(7), Open},
            {"jumps nested deeper than followed", nested(8), Blocks},
            {"new UDP from anywhere",
             ruleset("drop",
                     {R"([{"match": {"op": "==", "left": {"meta": {"key": "l4proto"}}, "right": "udp"}},
                      {"match": {"op": "in", "left": {"ct": {"key": "state"}}, "right": ["new", "established"]}},
                      {"counter": {"packets": 0, "bytes": 0}}, {"accept": null}])"}),
             Open},
            {"TCP only", ruleset("drop", {match(payload("tcp", "dport"), "45056")}), Blocks},
            // firewalld's shape: an accepting input chain that ends in a reject after the zone's chain.
            {"reject after the zone", ruleset("accept", {established, jump, reject}), Blocks},
            {"reject after a zone that opens the port",
             ruleset("accept", {established, jump, reject}, {match(dport, R"({"range": [45000, 45056]})")}),
             Open},
            {"all but TCP dropped",
             ruleset("accept", {match(payload("ip", "protocol"), R"("tcp")", "!=", "drop")}), Blocks},
            {"NAT'ed traffic only",
             ruleset("accept", {match(key("ct", "status"), R"("dnat")", "in"), reject}), Blocks},
            {"a drop on the camera adapter",
             ruleset("accept", {match(key("meta", "iifname"), R"("lab0")", "==", "drop")}), Blocks},
            {"a drop that may not apply",
             ruleset("accept", {match(payload("ip", "saddr"), R"("10.0.0.9")", "==", "drop")}), Open},
            {"an accept that may apply",
             ruleset("drop", {match(payload("ether", "saddr"), R"("0:1:2:3:4:5")")}), Open},
            // ufw's shape: a chain returns for local addresses (an iptables match) before its drop.
            {"return before a drop",
             ruleset("drop", {jump, match(dport, "45056")},
                     {R"([{"xt": {"type": "match", "name": "addrtype"}}, {"return": null}])",
                      R"([{"drop": null}])"}),
             Open},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.json << int(row.want);
    }
    // The chain that drops them is named; an open rule set names none.
    void nft() {
        QFETCH(QByteArray, json);
        QFETCH(int, want);
        const FirewallFacts got = judgeFirewall(json, {"lab0"}, Port);
        QCOMPARE(int(got.state), want);
        QCOMPARE(got.chain, QString(want == Blocks ? "inet filter input" : ""));
    }

    void windows_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("want"); // state, then the blocking profiles and rule
        const char *scan = R"(C:\\Varnix\\varnix-scan.exe)", *other = R"(C:\\Other\\other.exe)";
        const struct {
            const char *name, *profiles; // no profiles: the system refused
            int current;
            QStringList rules;
            const char *want; // state, then the blocking profiles and rule
        } rows[] = {
            {"the system refused", nullptr, 0, {}, "unknown unreadable"},
            {"all profiles off", "000", 4, {}, "open"},
            {"spelt otherwise", "111", 4, {rule("allow", R"(c:\\VARNIX\\Varnix-Scan.exe)")}, "open"},
            {"another program", "111", 4, {rule("allow", other)}, "blocks public"},
            {"every program, the port range", "111", 4, {rule("allow", "", "137, 45000-45056")}, "open"},
            {"other ports", "111", 4, {rule("allow", "", "80,443,RPC-EPMap,1-45056-46000")}, "blocks public"},
            {"a service", "111", 4, {rule("allow", "", "*", 7, 17, "true", "Dhcp")}, "blocks public"},
            {"private profile only", "111", 6, {rule("allow", scan, "*", 2)}, "blocks public"},
            {"a disabled rule", "111", 4, {rule("allow", scan, "*", 7, 17, "false")}, "blocks public"},
            {"TCP only", "111", 4, {rule("allow", scan, "*", 7, 6)}, "blocks public"},
            {"any protocol", "111", 4, {rule("allow", scan, "45056-46000", 7, 256)}, "open"},
            {"block rule wins", "111", 4, {rule("allow", scan), rule("block", scan)}, "blocks public block"},
            {"blocking all inbound traffic", "11B", 4, {rule("allow", scan)}, "blocks public all"},
            {"letting inbound traffic in", "11A", 4, {}, "open"},
            {"no current profile: all", "110", 0, {rule("allow", scan, "*", 4)}, "blocks domain private"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name)
                << (row.profiles
                        ? windowsFirewall(row.profiles, row.current, row.rules)
                        : R"j({"windowsFirewall": {"program": "x", "error": "rules (0x80004001)"}})j")
                << QString(row.want);
    }
    void windows() {
        QFETCH(QByteArray, json);
        QFETCH(QString, want);
        const FirewallFacts f = judgeFirewall(json, {"lab0"}, Port);
        QStringList got{QStringList{"unknown", "open", "blocks"}.at(f.state)};
        got << f.profiles;
        if (!f.blockingRule.isEmpty()) got << f.blockingRule;
        if (f.blocksAll) got << "all";
        if (f.unreadable) got << "unreadable";
        QCOMPARE(got.join(' '), want);
    }
};

QTEST_GUILESS_MAIN(HostPolicy)
#include "tst_hostpolicy.moc"
