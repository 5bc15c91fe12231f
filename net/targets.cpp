#include "targets.h"

#include "addresses.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// What no range and no address alone may be, whatever this computer's subnets: judged by the first
// byte, which a /22 or a longer prefix shares with all its addresses.
TargetFault kindFault(quint32 ip) {
    const quint32 top = ip >> 24;
    if (top == 0) return TargetFault::ThisNetwork;
    if (ip == 0xFFFFFFFFu) return TargetFault::AllOnes;
    if (top == 127) return TargetFault::Loopback;
    if (top >= 224 && top <= 239) return TargetFault::Multicast;
    if (top >= 240) return TargetFault::Reserved;
    return TargetFault::None;
}

// An address this computer's own subnets say is not a camera's: its own, or a subnet's network or
// broadcast address (a /31 or /32 has none).
TargetFault localFault(quint32 ip, const QList<LocalSubnet> &local) {
    for (const LocalSubnet &s : local) {
        if (ip == s.ip) return TargetFault::OwnAddress;
        const quint32 host = ~s.mask;
        if (host <= 1 || (ip & s.mask) != (s.ip & s.mask)) continue;
        if ((ip & host) == 0) return TargetFault::NetworkAddress;
        if ((ip & host) == host) return TargetFault::BroadcastAddress;
    }
    return TargetFault::None;
}

// The addresses of one entry into `out`; a fault when the entry is refused.
TargetFault readEntry(const QString &entry, const QList<LocalSubnet> &local, QList<quint32> *out) {
    const int slash = entry.indexOf(QLatin1Char('/'));
    quint32 ip = 0;
    if (!parseStrictIp(slash < 0 ? entry : entry.left(slash), &ip)) return TargetFault::Unreadable;
    int prefix = 32;
    if (slash >= 0) {
        const QString digits = entry.mid(slash + 1);
        bool number = !digits.isEmpty() && digits.size() <= 2;
        for (const QChar c : digits)
            number = number && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        prefix = digits.toInt();
        if (!number || prefix > 32) return TargetFault::BadPrefix;
        if ((quint64(1) << (32 - prefix)) > quint64(MaxTargetRange)) return TargetFault::RangeTooLarge;
    }
    if (const TargetFault kind = kindFault(ip); kind != TargetFault::None) return kind;
    if (prefix == 32) {
        const TargetFault fault = localFault(ip, local);
        if (fault == TargetFault::None) out->append(ip);
        return fault;
    }
    const quint32 mask = ~quint32(0) << (32 - prefix);
    const quint32 first = ip & mask, last = first | ~mask;
    const quint32 skip = prefix < 31 ? 1 : 0;
    for (quint32 a = first + skip; a <= last - skip; ++a) {
        if (localFault(a, local) == TargetFault::None) out->append(a);
    }
    return TargetFault::None;
}

} // namespace

TargetList parseTargets(const QStringList &values, const QList<LocalSubnet> &local) {
    TargetList list;
    QSet<quint32> seen;
    for (const QString &value : values) {
        for (const QString &part : value.split(QLatin1Char(','))) {
            const QString entry = part.trimmed();
            if (entry.isEmpty()) continue;
            QList<quint32> addresses;
            list.fault = readEntry(entry, local, &addresses);
            for (const quint32 a : qAsConst(addresses)) {
                if (seen.contains(a)) continue;
                if (list.addresses.size() == MaxTargets) {
                    list.fault = TargetFault::TooManyAddresses;
                    break;
                }
                seen.insert(a);
                list.addresses.append(a);
            }
            if (list.fault != TargetFault::None) {
                list.entry = entry;
                list.addresses.clear();
                return list;
            }
        }
    }
    return list;
}

const char *targetRefusalText(TargetFault fault) {
    switch (fault) {
    case TargetFault::Unreadable:
        return QT_TRANSLATE_NOOP("Targets", "This is not an address: four numbers from 0 to 255 separated by "
                                            "dots, optionally followed by a slash and a prefix length.");
    case TargetFault::BadPrefix:
        return QT_TRANSLATE_NOOP("Targets",
                                 "The prefix length after the slash must be a number from 0 to 32.");
    case TargetFault::RangeTooLarge:
        return QT_TRANSLATE_NOOP("Targets", "A range may hold at most 1024 addresses (a /22): give a longer "
                                            "prefix, or several ranges.");
    case TargetFault::TooManyAddresses:
        return QT_TRANSLATE_NOOP("Targets", "All camera addresses together may hold at most 1024 addresses.");
    case TargetFault::ThisNetwork:
        return QT_TRANSLATE_NOOP("Targets", "Addresses 0.x.x.x (0.0.0.0 among them) are no destination.");
    case TargetFault::AllOnes:
        return QT_TRANSLATE_NOOP("Targets", "255.255.255.255 is the broadcast, which goes out anyway.");
    case TargetFault::Loopback:
        return QT_TRANSLATE_NOOP("Targets", "Loopback addresses (127.x.x.x) lead back to this computer, not "
                                            "to a camera.");
    case TargetFault::Multicast:
        return QT_TRANSLATE_NOOP("Targets", "Multicast addresses (224.x.x.x to 239.x.x.x) are no camera's "
                                            "address.");
    case TargetFault::Reserved:
        return QT_TRANSLATE_NOOP("Targets", "Reserved addresses (240.x.x.x and above) are no camera's "
                                            "address.");
    case TargetFault::NetworkAddress:
        return QT_TRANSLATE_NOOP("Targets", "This is the network address of a subnet of this computer; no "
                                            "camera answers there.");
    case TargetFault::BroadcastAddress:
        return QT_TRANSLATE_NOOP("Targets", "This is the broadcast address of a subnet of this computer, "
                                            "which the broadcast reaches anyway.");
    case TargetFault::OwnAddress:
        return QT_TRANSLATE_NOOP("Targets", "This computer itself has this address.");
    case TargetFault::None:
        break;
    }
    return nullptr;
}

QList<TargetBatch> targetRoundSchedule(int addressCount) {
    QList<TargetBatch> batches;
    for (int first = 0, at = 0; first < addressCount; first += TargetBatchSize, at += TargetBatchMs)
        batches.append({at, first, qMin(TargetBatchSize, addressCount - first)});
    return batches;
}
