#pragma once

#include "adapters.h"

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
    int jumboPacket = -1;
    int receiveBuffers = -1;
    int receiveBuffersMax = -1;
    int interruptModeration = -1;
    QString displayName; // the name the system shows the user, when it has one besides the adapter name
};

// Whether the packet filter lets the cameras' discovery replies in.
struct FirewallFacts {
    enum State { Unknown, Open, Blocks };
    State state = Unknown;
    QString chain; // "inet filter input": the first input chain that drops them
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
constexpr quint16 DiscoveryFirstPort = 45056;
constexpr quint16 DiscoveryLastPort = 45056 + 199;

// Reads nft's JSON rule set: an input chain of the ip or inet family that drops by policy blocks the
// replies unless one of its rules (or a chain it jumps to) accepts UDP to the first discovery port.
// A rule that matches on something unknown still counts as accepting, so that an unusual rule set
// does not raise a false alarm; one limited to other interfaces (`interfaces` are the camera
// adapters), to loopback, to another protocol or to established traffic does not.
// Windows' answer ({"windowsFirewall": ...}) is judged per active profile: it blocks when the profile
// blocks all inbound traffic, when an inbound rule blocks UDP to the program, or when no rule allows it
// and the profile's default is to block; an error in the answer leaves it unknown and unreadable.
FirewallFacts judgeFirewall(const QByteArray &json, const QStringList &interfaces);

// Asks the platform about every adapter, the receive buffer cap and the firewall.
NetworkFacts gatherNetworkFacts(const QList<NetAdapterInfo> &adapters, platform::NetworkFactSource &source);
