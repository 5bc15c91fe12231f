#include "udpenumerator.h"

#include "adapters.h"
#include "addresses.h"
#include "bytes.h"
#include "datagrams.h"
#include "receivebuffer.h"
#include "udplocalsocket.h"

#include <QNetworkAddressEntry>
#include <QNetworkInterface>
#include <QVariant>

namespace {
constexpr int DiscoveryBufferBytes = 2048;
constexpr int MaxShadowed = 256;
} // namespace

UdpEnumerator::UdpEnumerator(QObject *parent) : QObject(parent) {}

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

void UdpEnumerator::takeReply(const QByteArray &reply, quint32 senderIp, const ReceivingAdapter &at) {
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
                          ? advancedRecordFromReply(reply, senderIp, at, &record)
                          : standardRecordFromReply(reply, senderIp, at, &record);
    if (!made) return;
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

void UdpEnumerator::closeAll() {
    ++generation_;
    shadowed_.clear();
    impossible_.clear();
    for (UdpLocalSocket *socket : qAsConst(sockets)) {
        socket->disconnect(this);
        if (draining_) {
            // A receiver re-opened discovery from inside a socket's readyRead: that socket's
            // own code is still on the stack, so it may only go once control is back in the loop.
            socket->close();
            socket->deleteLater();
        } else {
            delete socket;
        }
    }
    sockets.clear();
    answeredRound_.clear();
    qDeleteAll(detected);
    detected.clear();
}

bool UdpEnumerator::bindFrom(UdpLocalSocket *socket, quint16 &port) {
    for (int tries = 0; tries < Proto::DiscoveryBindTries; ++tries) {
        socket->port = port;
        if (socket->bind(socket->address, port, QAbstractSocket::DefaultForPlatform)) {
            socket->port = socket->localPort(); // differs from `port` only when the walk wrapped to 0
            return true;
        }
        ++port; // wraps from 65535 to 0
    }
    return false;
}

void UdpEnumerator::adopt(UdpLocalSocket *socket) {
    socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, SocketReceiveBufferBytes);
    sockets.append(socket);
    connect(socket, &QUdpSocket::readyRead, this, &UdpEnumerator::OnProcessBroadcast);
}

void UdpEnumerator::open(const QHostAddress &address, const QHostAddress &netmask, quint16 basePort) {
    closeAll();
    accepting = true;
    // An adapter whose address did not parse has nothing to listen on; its value would bind the
    // broadcast address instead.
    if (address.toIPv4Address() == UnparsedIp) return;
    auto *socket = new UdpLocalSocket(address, netmask, mtuForAddress(address.toIPv4Address()));
    quint16 port = basePort;
    if (bindFrom(socket, port))
        adopt(socket);
    else
        delete socket;
}

void UdpEnumerator::openAll(quint16 basePort) {
    closeAll();
    quint16 port = basePort; // shared by all addresses: each starts where the previous one bound
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            const QHostAddress ip = entry.ip();
            if (ip.isLoopback()) continue;
            // For an address without a broadcast address (point to point, a /32) the toolkit reports the
            // address itself.
            const QHostAddress broadcast = entry.broadcast();
            if (ip.protocol() != QAbstractSocket::IPv4Protocol || broadcast.isNull() || broadcast == ip)
                continue;
            auto *socket = new UdpLocalSocket(ip, entry.netmask(), mtuForAddress(ip.toIPv4Address()));
            if (bindFrom(socket, port))
                adopt(socket);
            else
                delete socket;
        }
    }
    accepting = true;
}

void UdpEnumerator::broadcast(quint16 port, const char *data, int length) {
    for (UdpLocalSocket *socket : qAsConst(sockets))
        socket->writeDatagram(data, length, QHostAddress(QHostAddress::Broadcast), port);
}

void UdpEnumerator::discoverAdvanced() {
    for (UdpLocalSocket *socket : qAsConst(sockets)) {
        const QByteArray request = advDiscover(socket->port);
        socket->writeDatagram(request, QHostAddress(QHostAddress::Broadcast), Proto::AdvDiscoverPort);
    }
}

void UdpEnumerator::OnProcessBroadcast() {
    QByteArray buffer(DiscoveryBufferBytes, '\0');
    const quint64 generation = generation_;
    const bool outerDrain = !draining_;
    draining_ = true;
    // Each socket is drained on its own readyRead. Draining a quiet socket from another socket's
    // signal would leave it with a readyRead and nothing to read, and Qt would then never signal it
    // again: the cameras behind that adapter would be lost. A direct call drains every socket.
    const QObject *origin = sender();
    const QList<UdpLocalSocket *> listening = sockets;
    for (UdpLocalSocket *socket : listening) {
        if (generation != generation_) break;
        if (origin && origin != socket) continue;
        const ReceivingAdapter at{socket->address.toIPv4Address(), socket->netmask.toIPv4Address(),
                                  socket->mtu};
        readPendingDatagrams(
            *socket, buffer, [&] { return generation == generation_; },
            [&](const QByteArray &reply, quint32 senderIp) { takeReply(reply, senderIp, at); });
    }
    if (outerDrain) draining_ = false;
}
