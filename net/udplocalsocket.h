#pragma once

#include <QHostAddress>
#include <QUdpSocket>

// One discovery socket on one local IPv4 address.
class UdpLocalSocket : public QUdpSocket {
public:
    UdpLocalSocket(const QHostAddress &address, const QHostAddress &netmask, quint32 mtu,
                   QObject *parent = nullptr);
    ~UdpLocalSocket() override;

    quint16 port = 0; // last port tried; after a successful bind, the bound port
    quint32 mtu = 0;
    QHostAddress address;
    QHostAddress netmask;
};
