#include "udpenumerator.h"

#include "adapters.h"
#include "addresses.h"
#include "bytes.h"
#include "datagrams.h"

namespace {
constexpr int MaxShadowed = 256;
constexpr quint32 LimitedBroadcastIp = 0xFFFFFFFFu; // every host on the link
} // namespace

UdpEnumerator::UdpEnumerator(QObject *parent, DatagramNetwork *network)
    : QObject(parent), network_(network ? *network : systemNetwork()) {}

UdpEnumerator::~UdpEnumerator() {
    closeAll();
}

void UdpEnumerator::keepShadowed(const UdpCamInfo &record) {
    // Enough to name any real conflict; a flood of made-up replies must not grow the list for ever.
    if (shadowed_.size() >= MaxShadowed) return;
    for (const UdpCamInfo *info : qAsConst(detected)) {
        if (info->cameraIp == record.cameraIp && sameMac(*info, record)) return;
    }
    for (const UdpCamInfo &info : qAsConst(shadowed_)) {
        if (info.cameraIp == record.cameraIp && sameMac(info, record)) return;
    }
    shadowed_.append(record);
}

void UdpEnumerator::takeReply(const QByteArray &reply, quint32 senderIp, const LocalAddress &at) {
    if (!accepting) return;
    if (!canBeCameraSource(senderIp, at.ip, at.mask)) {
        if (impossible_.size() < MaxShadowed && !impossible_.contains(senderIp)) impossible_.append(senderIp);
        return;
    }
    const UdpCamInfo *known = nullptr;
    for (const UdpCamInfo *info : qAsConst(detected)) {
        if (info->cameraIp == senderIp) known = info;
    }
    UdpCamInfo record;
    const bool made = ByteReader(reply).u32(0) == Proto::AdvDiscoverReply
                          ? advancedRecordFromReply(reply, senderIp, {at.ip, at.mask, at.mtu}, &record)
                          : standardRecordFromReply(reply, senderIp, {at.ip, at.mask, at.mtu}, &record);
    if (!made) return;
    // Found through a gateway: the answer to a request sent to the camera's own address across a router.
    if (const quint32 via = routed_.value(senderIp); via != 0 && !inAdapterSubnet(record))
        record.routedVia = via;
    // A camera answers both discovery requests, every round of them, and may be reached through
    // several adapters; only its first reply is announced. Another MAC address at the same address is
    // another camera.
    if (known && sameMac(*known, record)) {
        answeredRound_[known] = round_;
        emit cameraSeenAgain(known);
        return;
    }
    if (known) {
        keepShadowed(record);
        return;
    }
    auto *info = new UdpCamInfo(record);
    detected.append(info);
    answeredRound_[info] = round_;
    emit cameraDetected(info);
}

void UdpEnumerator::forget(const UdpCamInfo &camera) {
    for (int i = 0; i < detected.size(); ++i) {
        UdpCamInfo *info = detected.at(i);
        if (info->cameraIp == camera.cameraIp && sameMac(*info, camera)) {
            answeredRound_.remove(info);
            delete detected.takeAt(i);
            return;
        }
    }
}

bool UdpEnumerator::latestRoundAnswered() const {
    for (const UdpCamInfo *info : qAsConst(detected)) {
        if (answeredRound_.value(info, -1) != round_) return false;
    }
    return true;
}

DatagramPort *UdpEnumerator::portOn(quint32 ip) const {
    for (const DiscoverySocket &s : sockets) {
        if (s.local.ip == ip) return s.port;
    }
    return nullptr;
}

void UdpEnumerator::closeAll() {
    shadowed_.clear();
    impossible_.clear();
    for (const DiscoverySocket &s : qAsConst(sockets)) {
        s.port->disconnect(this);
        s.port->close();
        // A receiver re-opened discovery from inside a port's delivery: that port's own code is still
        // on the stack, so it may only go once control is back in the loop.
        if (draining_)
            s.port->deleteLater();
        else
            delete s.port;
    }
    sockets.clear();
    targets_.clear();
    routed_.clear();
    answeredRound_.clear();
    qDeleteAll(detected);
    detected.clear();
}

void UdpEnumerator::listenOn(const LocalAddress &local, quint16 &port) {
    DatagramPort *socket = network_.createPort(this);
    for (int tries = 0; tries < Proto::DiscoveryBindTries; ++tries) {
        if (socket->bind(local.ip, port, PortUse::Discovery)) {
            sockets.append({socket, local});
            connect(socket, &DatagramPort::received, this, [this, local](const QByteArray &d, quint32 from) {
                const bool outer = !draining_;
                draining_ = true;
                takeReply(d, from, local);
                if (outer) draining_ = false;
            });
            return;
        }
        ++port; // wraps from 65535 to 0
    }
    delete socket;
}

void UdpEnumerator::open(quint32 ip, quint32 mask, quint16 basePort) {
    closeAll();
    accepting = true;
    // An adapter whose address did not parse has nothing to listen on; its value would bind the
    // broadcast address instead.
    if (ip == UnparsedIp) return;
    quint16 port = basePort;
    listenOn({ip, mask, (ip & mask) | ~mask, network_.mtuOf(ip)}, port);
    routeTargets();
}

void UdpEnumerator::openAll(quint16 basePort) {
    closeAll();
    quint16 port = basePort; // shared by all addresses: each starts where the previous one bound
    const QList<LocalAddress> addresses = network_.localAddresses();
    for (const LocalAddress &local : addresses)
        listenOn(local, port);
    accepting = true;
    routeTargets();
}

void UdpEnumerator::setTargets(const QList<quint32> &addresses) {
    targetAddresses_ = addresses;
    if (!sockets.isEmpty()) routeTargets();
}

void UdpEnumerator::routeTargets() {
    targets_.clear();
    routed_.clear();
    for (const quint32 ip : qAsConst(targetAddresses_)) {
        platform::HostRoute route;
        if (network_.routeTo(ip, route) != platform::RouteAnswer::Routed || route.local) continue;
        DatagramPort *port = portOn(route.source);
        if (!port) continue;
        targets_.append({ip, port});
        if (route.gateway != 0) routed_.insert(ip, route.gateway);
    }
}

void UdpEnumerator::discoverTargets(int first, int count) {
    const QByteArray discover = opDiscover();
    for (int i = qMax(first, 0); i < qMin(first + count, int(targets_.size())); ++i) {
        const Target &t = targets_.at(i);
        t.port->send(discover, t.ip, Proto::StdDiscoverPortA);
        t.port->send(discover, t.ip, Proto::StdDiscoverPortB);
        t.port->send(advDiscover(t.port->localPort()), t.ip, Proto::AdvDiscoverPort);
    }
}

void UdpEnumerator::broadcast(quint16 port, const QByteArray &datagram) {
    for (const DiscoverySocket &s : qAsConst(sockets))
        s.port->send(datagram, LimitedBroadcastIp, port);
}

void UdpEnumerator::discoverAdvanced() {
    for (const DiscoverySocket &s : qAsConst(sockets))
        s.port->send(advDiscover(s.port->localPort()), LimitedBroadcastIp, Proto::AdvDiscoverPort);
}
