#include "conflicts.h"

#include "udpcammanager.h"

#include "net/addresses.h"
#include "net/udpinterface.h"

#include <QCoreApplication>
#include <QMap>
#include <QPair>
#include <iterator>

quint32 datagramSizeFor(int jumboPacket) {
    if (jumboPacket < 0 || jumboPacket >= DatagramSizeCount) return 0; // -1: not known
    return datagramSizes[jumboPacket];
}

namespace {

// The values no two cameras may share, in the order the window tests a pair; `value` names the one shared.
struct SharedValue {
    ConflictKind kind;
    bool (*same)(const UdpCamInfo &, const UdpCamInfo &);
    quint64 (*value)(const UdpCamInfo &);
};
const SharedValue sharedValues[] = {
    {ConflictKind::SameIp, sameIp, [](const UdpCamInfo &c) -> quint64 { return c.cameraIp; }},
    {ConflictKind::SameMac, sameMac, [](const UdpCamInfo &c) { return quint64(c.macHigh) << 32 | c.macLow; }},
    {ConflictKind::SameSerial, sameSerial, [](const UdpCamInfo &c) -> quint64 { return c.serialNumber; }},
};
constexpr ConflictKind datagramSizeKinds[] = {ConflictKind::JumboAdapter, ConflictKind::DatagramOverMtu};

ConflictKind datagramMismatch(const UdpCamInfo &c, quint32 datagramSize) {
    // Advanced cameras choose their own datagram size; only Standard ones are compared, with a size given.
    const int mismatch = datagramSize && isStandard(c) ? jumboMismatch(c, datagramSize) : 0;
    return mismatch == 1   ? ConflictKind::JumboAdapter
           : mismatch == 2 ? ConflictKind::DatagramOverMtu
                           : ConflictKind::None;
}

void addShared(const QList<UdpCamInfo> &cameras, const SharedValue &shared, QList<ConflictGroup> &out) {
    QVector<bool> grouped(cameras.size(), false);
    for (int i = 0; i < cameras.size(); ++i) {
        if (grouped[i]) continue;
        ConflictGroup g{shared.kind, {i}};
        for (int j = i + 1; j < cameras.size(); ++j) {
            if (grouped[j] || !shared.same(cameras.at(i), cameras.at(j))) continue;
            g.cameras << j;
            grouped[j] = true;
        }
        if (g.cameras.size() > 1) out << g;
    }
}

// Grouped by the local address the cameras answered on, which need not be an adapter's first one.
void addDatagramSizes(const QList<UdpCamInfo> &cameras, quint32 datagramSize, QList<ConflictGroup> &out) {
    QList<quint32> receivers;
    for (const UdpCamInfo &c : cameras) {
        if (!receivers.contains(c.adapterIp)) receivers << c.adapterIp;
    }
    for (quint32 receiver : qAsConst(receivers)) {
        for (ConflictKind kind : datagramSizeKinds) {
            ConflictGroup g{kind, {}};
            for (int i = 0; i < cameras.size(); ++i) {
                const UdpCamInfo &c = cameras.at(i);
                if (c.adapterIp == receiver && datagramMismatch(c, datagramSize) == kind) g.cameras << i;
            }
            if (!g.cameras.isEmpty()) out << g;
        }
    }
}

} // namespace

QList<ConflictGroup> conflictGroups(const QList<UdpCamInfo> &cameras, quint32 datagramSize) {
    QList<ConflictGroup> out;
    for (const SharedValue &shared : sharedValues)
        addShared(cameras, shared, out);
    addDatagramSizes(cameras, datagramSize, out);
    for (int i = 0; i < cameras.size(); ++i) {
        const UdpCamInfo &c = cameras.at(i);
        // A camera behind a router is outside the subnet by design, and reached through the gateway.
        if (c.cameraIp != 0 && c.adapterIp != 0 && !inAdapterSubnet(c) && !isRouted(c))
            out << ConflictGroup{ConflictKind::OutsideSubnet, {i}};
    }
    return out;
}

QList<CameraConflict> findCameraConflicts(const QList<UdpCamInfo> &cameras, quint32 datagramSize) {
    QMap<QPair<ConflictKind, int>, int> groupOf; // (kind, camera) -> the group it is in
    const QList<ConflictGroup> groups = conflictGroups(cameras, datagramSize);
    for (int g = 0; g < groups.size(); ++g) {
        for (int i : groups.at(g).cameras)
            groupOf.insert({groups.at(g).kind, i}, g);
    }
    const auto firstShared = [&groupOf](int i, int j) -> const SharedValue * {
        for (const SharedValue &shared : sharedValues) {
            const int g = groupOf.value({shared.kind, i}, -1);
            if (g >= 0 && g == groupOf.value({shared.kind, j}, -1)) return &shared;
        }
        return nullptr;
    };
    QList<CameraConflict> found;
    const auto add = [&found, &cameras](ConflictKind kind, quint64 value, int i) {
        const ConflictKey key{kind, value};
        const CameraRef who = cameraRef(cameras.at(i));
        for (CameraConflict &c : found) {
            if (!(c.key == key)) continue;
            if (!c.cameras.contains(who)) c.cameras.append(who);
            return;
        }
        found.append({kind, {who}, key});
    };
    for (int i = 0; i < cameras.size(); ++i) {
        for (ConflictKind kind : datagramSizeKinds) {
            if (groupOf.contains({kind, i})) add(kind, cameras.at(i).cameraIp, i);
        }
        // A pair is met once, from its first camera; both go into the conflict.
        for (int j = i + 1; j < cameras.size(); ++j) {
            const SharedValue *shared = firstShared(i, j);
            if (!shared) continue;
            add(shared->kind, shared->value(cameras.at(i)), i);
            add(shared->kind, shared->value(cameras.at(i)), j);
        }
    }
    return found;
}

QList<CameraConflict> findCameraConflicts(const UdpCamManager &manager, quint32 datagramSize) {
    // A camera heard behind a listed one's address has no row but is as much in conflict: it comes after
    // the listed ones.
    QList<UdpCamInfo> records;
    for (const UdpInterface *channel : manager.cameras)
        records << channel->camInfo;
    return findCameraConflicts(records + manager.shadowedCameras(), datagramSize);
}

ConflictKind findCameraConflict(const UdpCamManager &manager, quint32 datagramSize) {
    const QList<CameraConflict> all = findCameraConflicts(manager, datagramSize);
    return all.isEmpty() ? ConflictKind::None : all.first().kind;
}

QString conflictText(ConflictKind kind) {
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("MainWindow", "Jumbo datagram size is enabled on network adapter and "
                                        "disabled on cameras. Cameras may not work properly."),
        QT_TRANSLATE_NOOP("MainWindow", "Jumbo datagram size is disabled on network adapter and "
                                        "enabled on cameras. Cameras may not work properly."),
        QT_TRANSLATE_NOOP("MainWindow",
                          "More than one camera have the same IP address. Right click and select "
                          "'Edit IP Address...' to change IP address."),
        QT_TRANSLATE_NOOP("MainWindow", "More than one camera have the same MAC address."),
        QT_TRANSLATE_NOOP("MainWindow", "More than one camera have the same Serial Number."),
    };
    // The warning codes count from 1.
    if (kind < ConflictKind::JumboAdapter || kind > ConflictKind::SameSerial) return QString();
    return QCoreApplication::translate("MainWindow", texts[int(kind) - 1]);
}
