#include "udpinterface.h"

#include "addresses.h"
#include "bytes.h"
#include "cameradialect.h"
#include "datagrams.h"

UdpInterface::UdpInterface(QObject *parent, DatagramNetwork *network)
    : QObject(parent), port((network ? network : &systemNetwork())->createPort(this)) {
    connect(port, &DatagramPort::received, this, &UdpInterface::handleDatagram);
}

UdpInterface::~UdpInterface() = default;

void UdpInterface::setCamera(const UdpCamInfo &info, int index) {
    camInfo = info;
    this->index = index;
    port->bind(camInfo.adapterIp, 0, PortUse::Channel);
    // Without a bound port the first send still picks a local address, so the channel stays usable.
    active = true;
}

void UdpInterface::send(const QByteArray &datagram, bool toSubnetBroadcast) {
    const quint32 to = toSubnetBroadcast ? (camInfo.adapterIp & camInfo.adapterMask) | ~camInfo.adapterMask
                                         : camInfo.cameraIp;
    port->send(datagram, to, quint16(camInfo.cameraPort));
}

quint16 UdpInterface::localPort() const {
    return port->localPort();
}

QString UdpInterface::cameraIpText() const {
    return ipToText(camInfo.cameraIp);
}

ClipInfo *UdpInterface::clip(int i) const {
    return i >= 0 && i < clips.size() ? clips.at(i) : nullptr;
}

void UdpInterface::handleDatagram(const QByteArray &datagram, quint32 senderIp) {
    if (!active || senderIp != camInfo.cameraIp) return;
    const int what = dialectOf(camInfo).take(*this, datagram);
    if (what != CameraDialect::NoChange) emit cameraStatusChanged(index, what);
}
