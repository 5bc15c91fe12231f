#pragma once

#include "platform/routelookup.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QtGlobal>

// What a port is for: a discovery port walks the ports from a base and may share one with another
// program, a camera's channel has a port of its own and sends out of its adapter's link.
enum class PortUse { Discovery, Channel };

// One UDP endpoint on a local IPv4 address, through which the discovery and the camera channels
// send and receive.
class DatagramPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Binds to `ip` and `port` (0: any free one); false when that port is taken or the address is
    // not local. A port that is not bound still sends, from an address and port the system picks.
    virtual bool bind(quint32 ip, quint16 port, PortUse use) = 0;
    // Unbinds; nothing is received afterwards, and the port number is free again.
    virtual void close() = 0;
    // The bound port; 0 when not bound.
    virtual quint16 localPort() const = 0;
    virtual void send(const QByteArray &datagram, quint32 ip, quint16 port) = 0;
    // How much the system keeps waiting for the program; what it grants may differ.
    virtual void setReceiveBufferBytes(int bytes) = 0;
    virtual qint64 receiveBufferBytes() const = 0;

signals:
    // One datagram, exactly its bytes, with its sender's IPv4 address. A receiver may close or
    // destroy the port, or its owner; nothing more is then delivered.
    void received(const QByteArray &datagram, quint32 senderIp);
};

// A local IPv4 address that can reach cameras by broadcast.
struct LocalAddress {
    quint32 ip = 0;
    quint32 mask = 0;
    quint32 broadcast = 0;
    quint32 mtu = 0;
};

// What the program sees of the network: the ports it may bind and the local addresses it listens on.
class DatagramNetwork {
public:
    virtual ~DatagramNetwork() = default;
    // A new port, not yet bound, owned by `parent`.
    virtual DatagramPort *createPort(QObject *parent) = 0;
    // Every local IPv4 address with a broadcast address of its own (no loopback, no point to point),
    // in the system's order.
    virtual QList<LocalAddress> localAddresses() const = 0;
    // The MTU of the adapter that has `ip`; 1500 when none has it.
    virtual quint32 mtuOf(quint32 ip) const = 0;
    // What the routing table says about a datagram to `destination`: the local address it leaves
    // from and the gateway it goes through.
    virtual platform::RouteAnswer routeTo(quint32 destination, platform::HostRoute &out) = 0;
};

// The system's sockets and addresses.
DatagramNetwork &systemNetwork();

// The index of the interface that holds the local address `ip`; 0 when none does.
int interfaceIndexOf(quint32 ip);
