#include "udpinterface.h"

#include "addresses.h"
#include "bytes.h"
#include "datagrams.h"
#include "receivebuffer.h"

#include "platform/socketroute.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QMutex>
#include <QNetworkAddressEntry>
#include <QNetworkInterface>
#include <QPointer>
#include <QSet>
#include <QUdpSocket>
#include <QVariant>

namespace {
constexpr int ChannelBufferBytes = 4096;

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
} // namespace

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

UdpInterface::UdpInterface(QObject *parent) : QObject(parent) {
    socket = new QUdpSocket(this);
    connect(socket, &QUdpSocket::readyRead, this, &UdpInterface::processUDP);
    rxBuffer.resize(ChannelBufferBytes);
    rxBuffer.fill('\0');
}

UdpInterface::~UdpInterface() {
    qDeleteAll(clips);
}

void UdpInterface::setCamera(const UdpCamInfo &info, int index) {
    camInfo = info;
    this->index = index;
    // A port of its own: with sharing allowed the system may give one port to two channels, and one of
    // the two cameras' replies would reach the other's channel only.
    if (socket->bind(QHostAddress(camInfo.adapterIp), 0, QAbstractSocket::DontShareAddress)) {
        socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, SocketReceiveBufferBytes);
        // The camera answered on the link of its adapter, so every request goes out there: with two
        // adapters on one subnet the routing table alone would send it out of the first one. When the
        // system refuses, or no interface has the address (index 0 pins nothing), requests follow the
        // routing table as before.
        platform::pinSendInterface(socket->socketDescriptor(), unsigned(interfaceIndexOf(camInfo.adapterIp)));
    }
    // Without a bound socket the first send still picks a local address, so the channel stays usable.
    active = true;
}

void UdpInterface::send(const char *data, int length, bool toSubnetBroadcast) {
    if (!socket) return;
    const quint32 to = toSubnetBroadcast ? (camInfo.adapterIp & camInfo.adapterMask) | ~camInfo.adapterMask
                                         : camInfo.cameraIp;
    socket->writeDatagram(data, length, QHostAddress(to), quint16(camInfo.cameraPort));
}

quint16 UdpInterface::localPort() const {
    return socket ? socket->localPort() : 0;
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
    // A datagram too short for its magic, opcode or reply code reads as zeros there, which none of them is.
    const ByteReader r(datagram);
    if (isAdvanced(camInfo)) {
        const quint32 magic = r.u32(0);
        if (magic == Proto::AdvCommand) {
            if (r.u8(4) != Proto::AdvNameReplyCode) return;
            cameraName = QString::fromLatin1(r.cString(Proto::AdvNameOffset, Proto::MaxNameBytes));
            nameAnswered = true;
            emit cameraStatusChanged(index, NameChanged);
        } else if (magic == Proto::AdvClipList) {
            if (mergeClipList(datagram)) emit cameraStatusChanged(index, ClipsChanged);
        }
        return;
    }

    switch (r.u8(3)) {
    case Proto::OpName:
        cameraName = QString::fromLatin1(r.cString(8, Proto::MaxNameBytes));
        nameAnswered = true;
        emit cameraStatusChanged(index, NameChanged);
        break;
    case Proto::OpStatus:
        if (r.size() < Proto::StdStatusReplyLength) return;
        status = r.u32(12);
        statusKnown = true;
        unansweredPolls = 0;
        emit cameraStatusChanged(index, StatusChanged);
        break;
    case Proto::OpReadings:
        emit cameraStatusChanged(index, ReadingsArrived);
        break;
    case Proto::OpOptions:
        if (r.size() < Proto::StdStatusReplyLength) return;
        camInfo.options |= optionBits(r.u8(15), r.u8(14));
        optionsAnswered = true;
        emit cameraStatusChanged(index, OptionsChanged);
        break;
    default:
        break;
    }
}

void UdpInterface::processUDP() {
    if (!socket) return;
    // A receiver of cameraStatusChanged may destroy this channel (a list rebuild).
    const QPointer<UdpInterface> self(this);
    readPendingDatagrams(
        *socket, rxBuffer, [&self] { return !self.isNull(); },
        [this](const QByteArray &datagram, quint32 senderIp) { handleDatagram(datagram, senderIp); });
}
