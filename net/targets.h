#pragma once

// Addresses asked for cameras by unicast, beside the broadcast: a camera behind a router, which no
// broadcast reaches, answers a discovery request sent to its own address. The command line's
// --target, the window's camera addresses and the stored setting are read alike.
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Why an entry is refused. Anything but None refuses the whole list, so that nothing is sent.
enum class TargetFault {
    None,
    Unreadable,       // not an address of four numbers 0-255, nor one with "/" and a prefix length
    BadPrefix,        // the prefix length is not a number from 0 to 32
    RangeTooLarge,    // a range of more than MaxTargetRange addresses
    TooManyAddresses, // all entries together more than MaxTargets addresses
    ThisNetwork,      // 0.x.x.x, 0.0.0.0 among them
    AllOnes,          // 255.255.255.255
    Loopback,         // 127/8
    Multicast,        // 224/4
    Reserved,         // 240/4
    NetworkAddress,   // given alone: the network address of one of this computer's subnets
    BroadcastAddress, // given alone: the broadcast address of one of this computer's subnets
    OwnAddress,       // given alone: this computer's own address
};

// A range holds at most a /22; so do all entries together, so that one round of requests to them
// stays within the pace of the discovery rounds.
constexpr int MaxTargetRange = 1024;
constexpr int MaxTargets = 1024;

// One of this computer's addresses with its mask: where an address alone is known to be a subnet's
// network or broadcast address rather than a host.
struct LocalSubnet {
    quint32 ip = 0;
    quint32 mask = 0;
};

struct TargetList {
    QList<quint32> addresses; // the unicast addresses to ask, in the order given, each once
    TargetFault fault = TargetFault::None;
    QString entry; // the refused entry as given, blanks around it taken off
};

// Each value is a comma-separated list of entries, ADDRESS or ADDRESS/PREFIX: an option given several
// times, the window's lines, the setting. Blank entries are skipped. A range stands for its hosts
// (a /31 for both its addresses), without this computer's own addresses and its subnets' network and
// broadcast addresses; ADDRESS may have host bits set ("10.1.2.7/24" is 10.1.2.0/24).
TargetList parseTargets(const QStringList &values, const QList<LocalSubnet> &local);
// The reason for a refusal, in English; translated in the context "Targets". Null for None.
const char *targetRefusalText(TargetFault fault);

// One round of requests to the targets goes out in batches: each address of a batch gets the three
// discovery requests back to back, as the broadcast does, and batches follow one another every
// TargetBatchMs. An address has the same place in every round, so that its requests are a round
// apart, as the broadcast's are; a round to MaxTargets addresses is over in a sixth of a second.
struct TargetBatch {
    int atMs = 0;  // after the round's start
    int first = 0; // index into the target addresses
    int count = 0;
};
constexpr int TargetBatchSize = 32;
constexpr int TargetBatchMs = 5;
QList<TargetBatch> targetRoundSchedule(int addressCount);
