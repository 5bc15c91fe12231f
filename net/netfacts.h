#pragma once

#include "adapters.h"
#include "camrecord.h"
#include "datagrams.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace platform {
class NetworkFactSource;
}

// One adapter with what the system says about its link and its reverse-path filter; -1 is unknown.
struct AdapterFacts {
    NetAdapterInfo adapter;
    int rpFilterAll = -1;
    int rpFilterInterface = -1;
    int up = -1;
    int speedMbps = -1;
    // The driver's advanced properties (Windows): *JumboPacket, *ReceiveBuffers and the largest the
    // driver offers, *InterruptModeration.
    int jumboPacketBytes = -1;
    int receiveBuffers = -1;
    int receiveBuffersMax = -1;
    int interruptModeration = -1;
    QString displayName; // the name the system shows the user, when it has one besides the adapter name
    int interfaceIndex = -1;
    int networkCategory = -1; // Windows: the category of its network (platform::NetworkCategory)
};

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
        const bool any = namesAllAdapters(adapter);
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

struct NetworkFacts {
    QList<AdapterFacts> adapters;
    qint64 receiveBufferMax = -1; // bytes; -1 unknown
    FirewallFacts firewall;
    bool linuxCommands = false; // fixes are given as Linux commands (ip, sysctl, nft)
    // Facts the system did not let this program read ("firewall", "link state of NAME"): the checks that
    // need them say nothing, and the report says so once.
    QStringList unreadable;
};

// The first and last local port the discovery sockets try.
constexpr quint16 DiscoveryFirstPort = Proto::DiscoveryBasePort;
constexpr quint16 DiscoveryLastPort = Proto::DiscoveryBasePort + Proto::DiscoveryBindTries - 1;

// Reads nft's JSON rule set: an input chain of the ip or inet family blocks the replies when every way
// through it (and the chains it jumps to) ends in a drop or reject, or in its drop policy, before
// anything accepts UDP to the first discovery port. A rule that matches on something unknown may
// accept, so that an unusual rule set does not raise a false alarm, and drops only if it surely
// applies; one limited to other interfaces (`interfaces` are the camera adapters), to loopback, to
// another protocol or to established traffic does not apply.
// Windows' answer ({"windowsFirewall": ...}) is judged per active profile: it blocks when the profile
// blocks all inbound traffic, when an inbound rule blocks UDP to the program, or when no rule allows it
// and the profile's default is to block; an error in the answer leaves it unknown and unreadable.
FirewallFacts judgeFirewall(const QByteArray &json, const QStringList &interfaces);

// ufw's `status verbose`: Unknown unless it is active; else whether each of `interfaces` takes UDP to
// the first discovery port, by the first rule that covers it or the default incoming policy.
FirewallFacts judgeUfw(const QString &status, const QStringList &interfaces);
// firewalld's `--list-all` of one zone: false when the zone lets nothing to the first discovery port
// in (its target is not ACCEPT, and no port, protocol, rich rule or uncommon service may).
bool firewalldZoneAdmits(const QString &listing);
// The zone's name in such a listing ("public" from "public (default, active)").
QString firewalldZoneName(const QString &listing);

// The adapter's name as the inventory lists it.
QString adapterName(const AdapterFacts &adapter);
// Whether the adapter has an address a camera can answer to.
bool hasAddress(const AdapterFacts &adapter);
// The adapter a camera answered through: the one with that address, or else (a further address of an
// adapter, which the inventory does not list) the first whose subnet holds it. Null when none does.
const AdapterFacts *adapterOf(const NetworkFacts &facts, const UdpCamInfo &info);

// Asks the platform about every adapter, the receive buffer cap and the firewall.
NetworkFacts gatherNetworkFacts(const QList<NetAdapterInfo> &adapters, platform::NetworkFactSource &source);
