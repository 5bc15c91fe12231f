#pragma once

// What the host's packet filter does to a camera's UDP reply to a local port, judged from what the
// system reports: nft's rule set, ufw's and firewalld's own listings, Windows Defender Firewall's rules.
// Pure functions; the platform reads the reports, the checks word the findings.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whether the packet filter lets the cameras' discovery replies in.
struct FirewallFacts {
    enum State { Unknown, Open, Blocks };
    // Who owns the rules: a rule added behind ufw's or firewalld's back goes at their next reload.
    enum Manager { Nft, Ufw, Firewalld };
    State state = Unknown;
    QString chain; // nft: "inet filter input", the first input chain that drops them
    Manager manager = Nft;
    QStringList adapters; // ufw, firewalld: the adapters whose replies it blocks
    QStringList zones;    // firewalld: the zone of each of those adapters

    // Whether it blocks the replies on `adapter` ("" or "*ALL*": on any adapter).
    bool blocks(const QString &adapter) const {
        const bool any = adapter.isEmpty() || adapter == QLatin1String("*ALL*");
        return state == Blocks && (manager == Nft || any || adapters.contains(adapter));
    }
    // Windows Defender Firewall: the program the inbound rules were read for, the active profiles that
    // keep its UDP out, the inbound rule that blocks it (it wins over any rule that allows) and whether
    // such a profile blocks all inbound traffic whatever the rules say.
    QString program;
    QStringList profiles;
    QString blockingRule;
    bool blocksAll = false;
    bool unreadable = false; // the system did not let this program read it
};

// Reads nft's JSON rule set: an input chain of the ip or inet family blocks the replies when every way
// through it (and the chains it jumps to) ends in a drop or reject, or in its drop policy, before
// anything accepts UDP to the port. A rule that matches on something unknown may
// accept, so that an unusual rule set does not raise a false alarm, and drops only if it surely
// applies; one limited to other interfaces (`interfaces` are the camera adapters), to loopback, to
// another protocol or to established traffic does not apply.
// Windows' answer ({"windowsFirewall": ...}) is judged per active profile: it blocks when the profile
// blocks all inbound traffic, when an inbound rule blocks UDP to the program, or when no rule allows it
// and the profile's default is to block; an error in the answer leaves it unknown and unreadable.
FirewallFacts judgeFirewall(const QByteArray &json, const QStringList &interfaces, quint16 port);

// ufw's `status verbose`: Unknown unless it is active; else whether each of `interfaces` takes UDP to
// the port, by the first rule that covers it or the default incoming policy.
FirewallFacts judgeUfw(const QString &status, const QStringList &interfaces, quint16 port);
// firewalld's `--list-all` of one zone: false when the zone lets nothing to the port
// in (its target is not ACCEPT, and no port, protocol, rich rule or uncommon service may).
bool firewalldZoneAdmits(const QString &listing, quint16 port);
// The zone's name in such a listing ("public" from "public (default, active)").
QString firewalldZoneName(const QString &listing);
