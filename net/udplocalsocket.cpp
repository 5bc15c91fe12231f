#include "udplocalsocket.h"

UdpLocalSocket::UdpLocalSocket(const QHostAddress &address, const QHostAddress &netmask, quint32 mtu,
                               QObject *parent)
    : QUdpSocket(parent), port(0), mtu(mtu), address(address), netmask(netmask) {}

UdpLocalSocket::~UdpLocalSocket() = default;
