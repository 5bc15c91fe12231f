#include "udpinterface.h"

#include "addresses.h"
#include "bytes.h"
#include "cameradialect.h"
#include "datagrams.h"

#include <QSet>

namespace {
// Trim positions arrive as absolute frame positions; the clip dialog wants them relative to the
// clip's first frame, inside the clip.
void normaliseTrim(ClipInfo &c, int entrySize) {
    if (entrySize <= 48) {
        c.firstFrame = 0;
        c.trimStart = 0;
        c.trimEnd = quint32(c.frameCount) - 1;
        return;
    }
    if (c.frameCount == 0) c.frameCount = 1;
    const quint64 n = c.frameCount;
    const quint32 n32 = quint32(n);
    const quint32 start = quint32(c.trimStart - c.firstFrame + n32);
    const quint32 end = quint32(n32 - c.firstFrame + c.trimEnd);
    c.trimStart = quint32(start % n);
    c.trimEnd = quint32(end % n);
    if (c.trimStart == c.trimEnd) c.trimEnd = quint32(n - 1);
}
} // namespace

UdpInterface::UdpInterface(QObject *parent, DatagramNetwork *network)
    : QObject(parent), port((network ? network : &systemNetwork())->createPort(this)) {
    connect(port, &DatagramPort::received, this, &UdpInterface::handleDatagram);
}

UdpInterface::~UdpInterface() {
    qDeleteAll(clips);
}

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

bool UdpInterface::mergeClipList(const QByteArray &datagram) {
    const ByteReader r(datagram);
    if (r.size() < Proto::ClipListHeaderLength) return false;
    const int clipTotal = r.u16(8);
    const int entryCount = r.u16(10);
    const int entrySize = clipEntrySize(camInfo.cameraType);
    if (r.size() < Proto::ClipListHeaderLength + entryCount * entrySize) return false;

    if (clipTotal == 0) {
        const bool had = !clips.isEmpty();
        qDeleteAll(clips);
        clips.clear();
        return had;
    }
    if (clips.size() > clipTotal) {
        while (clips.size() > clipTotal)
            delete clips.takeLast();
        return true;
    }

    // Clip numbers are 16 bits and each is stored once, so the list never exceeds 65536 entries
    // whatever a camera sends.
    QSet<quint16> stored;
    for (const ClipInfo *c : qAsConst(clips))
        stored.insert(c->clipNumber);
    const int before = clips.size();
    for (int e = 0; e < entryCount; ++e) {
        const QByteArray entry = datagram.mid(Proto::ClipListHeaderLength + e * entrySize, entrySize);
        const quint16 number = ByteReader(entry).u16(44);
        if (stored.contains(number)) continue;
        ClipInfo c = ClipInfo::fromEntry(entry);
        normaliseTrim(c, entrySize);
        clips.append(new ClipInfo(c));
        stored.insert(number);
    }
    // A long list arrives in several datagrams; it is announced once, when it is complete.
    return clips.size() != before && clips.size() == clipTotal;
}

void UdpInterface::handleDatagram(const QByteArray &datagram, quint32 senderIp) {
    if (!active || senderIp != camInfo.cameraIp) return;
    const int what = dialectOf(camInfo).take(*this, datagram);
    if (what != CameraDialect::NoChange) emit cameraStatusChanged(index, what);
}
