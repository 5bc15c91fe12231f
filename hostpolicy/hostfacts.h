#pragma once

#include "net/adapters.h"
#include "net/camrecord.h"
#include "net/datagrams.h"

#include "hostpolicy/firewall.h"
#include "platform/networkfacts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One adapter with what the system says about its link and its reverse-path filter.
struct AdapterFacts {
    NetAdapterInfo adapter;
    int rpFilterAll = platform::NotTold;
    int rpFilterInterface = platform::NotTold;
    int up = platform::NotTold;
    int speedMbps = platform::NotTold;
    // The driver's advanced properties (Windows): *JumboPacket, *ReceiveBuffers and the largest the
    // driver offers, *InterruptModeration.
    int jumboPacketBytes = platform::NotTold;
    int receiveBuffers = platform::NotTold;
    int receiveBuffersMax = platform::NotTold;
    int interruptModeration = platform::NotTold;
    QString displayName; // the name the system shows the user, when it has one besides the adapter name
    int interfaceIndex = platform::NotTold;
    // Windows: the category of its network (platform::NetworkCategory).
    int networkCategory = platform::NotTold;
};

// Something the system did not let this program read ("adapter settings", "firewall"), and the adapters
// it could not be read for, by the names users know.
struct UnreadableFact {
    QString fact;
    QStringList adapters;
};

struct NetworkFacts {
    QList<AdapterFacts> adapters;
    qint64 receiveBufferMax = -1; // bytes; -1 unknown
    FirewallFacts firewall;
    bool linuxCommands = false; // fixes are given as Linux commands (ip, sysctl, nft)
    // Facts the system did not let this program read: the checks that need them say nothing, and the
    // report says so once.
    QList<UnreadableFact> unreadable;
};

// The first and last local port the discovery sockets try.
constexpr quint16 DiscoveryFirstPort = Proto::DiscoveryBasePort;
constexpr quint16 DiscoveryLastPort = Proto::DiscoveryBasePort + Proto::DiscoveryBindTries - 1;

// The unreadable facts as the command line and the report name them ("adapter settings of eth0, eth1").
QStringList unreadableNames(const QList<UnreadableFact> &facts);

// The adapter's name as the inventory lists it.
QString adapterName(const AdapterFacts &adapter);
// Whether the adapter has an address a camera can answer to.
bool hasAddress(const AdapterFacts &adapter);
// The adapter a camera answered through: the one with that address, or else (a further address of an
// adapter, which the inventory does not list) the first whose subnet holds it. Null when none does.
const AdapterFacts *adapterOf(const NetworkFacts &facts, const UdpCamInfo &info);

// Asks the platform about every adapter, the receive buffer cap and the firewall.
NetworkFacts gatherNetworkFacts(const QList<NetAdapterInfo> &adapters, platform::NetworkFactSource &source);
