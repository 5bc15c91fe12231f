#include "addressplan.h"

#include "net/addresses.h"
#include "platform/echoprobe.h"

#include <QSet>

namespace {

bool outside(const UdpCamInfo &c) {
    return c.adapterIp != NoIp && !inAdapterSubnet(c);
}

// The cameras that must move: all outside their subnet; of those sharing an address on one adapter,
// all but the keeper.
QList<int> camerasToMove(const QList<CameraSnapshot> &cameras) {
    QList<int> moving;
    for (int i = 0; i < cameras.size(); ++i) {
        const UdpCamInfo &c = cameras.at(i).info;
        // No subnet to place it in; or behind a router, where the command does not reach.
        if (c.adapterIp == NoIp || isRouted(c)) continue;
        if (outside(c)) {
            moving << i;
            continue;
        }
        int keeper = -1;
        for (int j = 0; j < cameras.size(); ++j) {
            const UdpCamInfo &o = cameras.at(j).info;
            if (o.cameraIp != c.cameraIp || o.adapterIp != c.adapterIp || outside(o)) continue;
            if (keeper < 0 || (cameras.at(j).listed() && !cameras.at(keeper).listed())) keeper = j;
        }
        if (keeper != i) moving << i;
    }
    return moving;
}

quint32 freeAddress(quint32 adapterIp, quint32 mask, quint32 firstIp, const QSet<quint32> &used) {
    const quint32 network = adapterIp & mask, broadcast = network | ~mask;
    if (broadcast - network < 2) return NoIp;
    const quint32 lowest = network + 1, highest = broadcast - 1;
    const quint32 start =
        (firstIp & mask) == network && firstIp >= lowest && firstIp <= highest ? firstIp : lowest;
    quint32 ip = start;
    do {
        if (!used.contains(ip) && judgeCameraAddress(ip, mask, adapterIp) == AddressVerdict::Usable)
            return ip;
        ip = ip == highest ? lowest : ip + 1;
    } while (ip != start);
    return NoIp;
}

} // namespace

QList<AddressMove> planAddresses(const QList<CameraSnapshot> &cameras, quint32 firstIp,
                                 const QList<quint32> &inUse) {
    QSet<quint32> used(inUse.begin(), inUse.end());
    for (const CameraSnapshot &c : cameras) {
        used << c.info.cameraIp << c.info.adapterIp;
    }
    QList<AddressMove> moves;
    for (int i : camerasToMove(cameras)) {
        const UdpCamInfo &c = cameras.at(i).info;
        AddressMove move{cameraRef(c), freeAddress(c.adapterIp, c.adapterMask, firstIp, used), c.adapterMask};
        if (move.ip != NoIp) used << move.ip;
        moves << move;
    }
    return moves;
}

QList<AddressMove> planAddressesProbed(const QList<CameraSnapshot> &cameras, quint32 firstIp,
                                       QList<quint32> &inUse,
                                       const std::function<bool(quint32, quint32)> &answers) {
    QSet<quint32> asked; // each address is asked once: a silent one stays free
    for (;;) {
        const QList<AddressMove> moves = planAddresses(cameras, firstIp, inUse);
        bool taken = false;
        for (const AddressMove &move : moves) {
            if (move.ip == NoIp || asked.contains(move.ip)) continue;
            asked << move.ip;
            if (answers(move.ip, move.camera.id.adapterIp)) {
                inUse << move.ip;
                taken = true;
            }
        }
        if (!taken) return moves;
    }
}

bool answersAt(const UdpCamInfo &camera, quint32 ip, const QList<UdpCamInfo> &found) {
    for (const UdpCamInfo &f : found) {
        if (f.cameraIp == ip && sameMac(f, camera)) return true;
    }
    return false;
}

bool addressAnswers(quint32 ip, quint32 adapterIp) {
    // A silent address costs this long; a host on the camera's segment answers within a millisecond.
    constexpr int ProbeMs = 300;
    constexpr int ProbeBytes = platform::EchoHeaderBytes + 32;
    return platform::echoUnfragmented(ip, adapterIp, 0, ProbeBytes, ProbeMs) ==
               platform::EchoResult::Answered ||
           platform::answeredArp(ip, adapterIp);
}
