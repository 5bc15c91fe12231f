#include "datagramport.h"

#include "adapters.h"
#include "receivebuffer.h"

#include "platform/socketroute.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QMutex>
#include <QNetworkAddressEntry>
#include <QNetworkInterface>
#include <QPointer>
#include <QUdpSocket>
#include <QVariant>

namespace {
int lookUpInterfaceIndex(quint32 ip) {
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && entry.ip().toIPv4Address() == ip)
                return interface.index();
        }
    }
    return 0;
}

// A datagram port on a socket of the system.
class SocketPort : public DatagramPort {
public:
    explicit SocketPort(QObject *parent) : DatagramPort(parent), socket_(new QUdpSocket(this)) {
        connect(socket_, &QUdpSocket::readyRead, this, [this] { drain(); });
    }

    bool bind(quint32 ip, quint16 port, PortUse use) override {
        // A channel's port is its own: with sharing allowed the system may give one port to two
        // channels, and one of the two cameras' replies would reach the other's channel only.
        const auto mode =
            use == PortUse::Channel ? QAbstractSocket::DontShareAddress : QAbstractSocket::DefaultForPlatform;
        if (!socket_->bind(QHostAddress(ip), port, mode)) return false;
        buffer_ = QByteArray(use == PortUse::Channel ? 4096 : 2048, '\0');
        setReceiveBufferBytes(SocketReceiveBufferBytes);
        // The camera answered on the link of its adapter, so every request goes out there: with two
        // adapters on one subnet the routing table alone would send it out of the first one. When the
        // system refuses, or no interface has the address (index 0 pins nothing), requests follow the
        // routing table as before.
        if (use == PortUse::Channel)
            platform::pinSendInterface(socket_->socketDescriptor(), unsigned(interfaceIndexOf(ip)));
        return true;
    }
    void close() override { socket_->close(); }
    quint16 localPort() const override { return socket_->localPort(); }
    void send(const QByteArray &datagram, quint32 ip, quint16 port) override {
        socket_->writeDatagram(datagram, QHostAddress(ip), port);
    }
    void setReceiveBufferBytes(int bytes) override {
        socket_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, bytes);
    }
    qint64 receiveBufferBytes() const override {
        return socket_->socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toLongLong();
    }

private:
    void drain() {
        // A receiver may close this port or destroy it with its owner (a list rebuild, a re-opened
        // discovery): the loop stops before the next read.
        const QPointer<SocketPort> self(this);
        readPendingDatagrams(
            *socket_, buffer_,
            [&self] { return !self.isNull() && self->socket_->state() == QAbstractSocket::BoundState; },
            [this](const QByteArray &datagram, quint32 senderIp) { emit received(datagram, senderIp); });
    }

    QUdpSocket *socket_;
    QByteArray buffer_ = QByteArray(4096, '\0');
};

class SystemNetwork : public DatagramNetwork {
public:
    DatagramPort *createPort(QObject *parent) override { return new SocketPort(parent); }
    QList<LocalAddress> localAddresses() const override {
        QList<LocalAddress> out;
        const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
        for (const QNetworkInterface &interface : interfaces) {
            const QList<QNetworkAddressEntry> entries = interface.addressEntries();
            for (const QNetworkAddressEntry &entry : entries) {
                const QHostAddress ip = entry.ip();
                if (ip.isLoopback()) continue;
                // For an address without a broadcast address (point to point, a /32) the toolkit reports
                // the address itself.
                const QHostAddress broadcast = entry.broadcast();
                if (ip.protocol() != QAbstractSocket::IPv4Protocol || broadcast.isNull() || broadcast == ip)
                    continue;
                out.append({ip.toIPv4Address(), entry.netmask().toIPv4Address(), broadcast.toIPv4Address(),
                            mtuOf(ip.toIPv4Address())});
            }
        }
        return out;
    }
    quint32 mtuOf(quint32 ip) const override { return mtuForAddress(ip); }
    platform::RouteAnswer routeTo(quint32 destination, platform::HostRoute &out) override {
        return platform::systemRoutes().routeTo(destination, out);
    }
};
} // namespace

DatagramNetwork &systemNetwork() {
    static SystemNetwork network;
    return network;
}

// Listing the interfaces takes milliseconds on some systems, and hundreds of cameras are opened at
// once through the same few adapters: an answer is reused for a second.
int interfaceIndexOf(quint32 ip) {
    constexpr qint64 ReuseMs = 1000;
    static QMutex guard;
    static QHash<quint32, int> known;
    static QElapsedTimer age;
    const QMutexLocker lock(&guard);
    if (!age.isValid() || age.elapsed() > ReuseMs) {
        known.clear();
        age.start();
    }
    const auto it = known.constFind(ip);
    if (it != known.constEnd()) return *it;
    const int index = lookUpInterfaceIndex(ip);
    known.insert(ip, index);
    return index;
}
