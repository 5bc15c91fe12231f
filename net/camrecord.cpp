#include "camrecord.h"

#include "addresses.h"
#include "bytes.h"
#include "datagrams.h"

#include <QHashFunctions>

#include <cstring>

bool sameIp(const UdpCamInfo &a, const UdpCamInfo &b) {
    return a.cameraIp == b.cameraIp;
}

bool sameMac(const UdpCamInfo &a, const UdpCamInfo &b) {
    return a.macLow == b.macLow && a.macHigh == b.macHigh;
}

bool sameSerial(const UdpCamInfo &a, const UdpCamInfo &b) {
    return a.serialNumber == b.serialNumber;
}

bool sameCamera(const UdpCamInfo &a, const UdpCamInfo &b) {
    const bool macs = (a.macLow || a.macHigh) && (b.macLow || b.macHigh);
    const bool serials = a.serialNumber && b.serialNumber;
    return (macs || serials) && (!macs || sameMac(a, b)) && (!serials || sameSerial(a, b));
}

QString cameraIdentity(const UdpCamInfo &c) {
    return QString::number(c.serialNumber) + QLatin1Char('/') + macToText(c.macLow, c.macHigh);
}

QString CameraId::text() const {
    return QString::number(serial) + QLatin1Char('/') + macToText(macLow, macHigh) + QLatin1Char('@') +
           ipToText(adapterIp);
}

CameraId cameraId(const UdpCamInfo &c) {
    return {c.macHigh, c.macLow, c.adapterIp, c.serialNumber};
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
size_t qHash(const CameraId &id, size_t seed) {
#else
uint qHash(const CameraId &id, uint seed) {
#endif
    return ::qHash((quint64(id.macHigh) << 32 | id.macLow) ^ (quint64(id.adapterIp) << 32 | id.serial), seed);
}

CameraRef cameraRef(const UdpCamInfo &c) {
    return {cameraId(c), c.cameraIp};
}

bool inAdapterSubnet(const UdpCamInfo &a) {
    // A camera that reports the adapter's own address is a conflict, not a neighbour.
    if (a.cameraIp == 0 || a.adapterIp == 0 || a.cameraIp == a.adapterIp) return false;
    return (a.cameraIp & a.adapterMask) == (a.adapterIp & a.adapterMask);
}

void normaliseModelCode(quint32 &code, quint32 &variant) {
    const quint32 v = variant;
    auto set = [&](quint32 c, quint32 s) {
        code = c;
        variant = s;
    };
    switch (code) {
    case 10:
        if (v <= 4)
            set(10, v);
        else if (v <= 6)
            set(9, v - 4);
        else if (v <= 9)
            set(22, v - 6);
        else
            set(24, v - 9);
        break;
    case 19:
        if (v <= 3)
            set(19, v);
        else if (v == 4)
            set(18, 3);
        else if (v == 11)
            set(18, 4);
        else if (v == 12)
            set(25, 4);
        else if (v <= 7)
            set(23, v - 4);
        else
            set(25, v - 7);
        break;
    case 27: {
        static const quint32 codes[] = {38, 42, 43, 45};
        if (v >= 4 && v <= 7) set(codes[v - 4], 0);
        break;
    }
    case 28:
        if (v <= 3)
            set(28, v);
        else if (v == 8)
            set(33, 0);
        else if (v >= 9 && v <= 11)
            set(40, v - 8);
        else
            set(32, v - 3);
        break;
    case 30:
        if (v == 6) set(36, 0);
        break;
    case 31: {
        static const quint32 codes[] = {34, 35, 37, 41, 44, 59};
        if (v >= 5 && v <= 10) set(codes[v - 5], 0);
        break;
    }
    default:
        break;
    }
}

void advancedModelCode(quint32 r, quint32 &code, quint32 &variant) {
    static const quint32 codes[] = {46, 47, 55, 51, 48, 49, 50, 52, 53, 54, 57};
    variant = 0;
    if (r < sizeof(codes) / sizeof(codes[0])) {
        code = codes[r];
        if (r == 3) variant = 10;
    } else {
        code = r;
    }
}

quint32 standardCameraPort(quint32 cameraType) {
    if (cameraType >= 12 && cameraType <= 17) return 1027;
    switch (cameraType) {
    case 9:
    case 10:
    case 11:
    case 21:
    case 22:
    case 24:
    case 26:
        return 1028;
    default:
        return 1029;
    }
}

quint32 optionBits(quint8 c1, quint8 c2) {
    switch (c1) {
    case 'W':
        return c2 == 'K' ? 0x8 : c2 == 'R' ? 0x2 : 0;
    case 'S':
        return 0x4000;
    case 'L':
        return 0x200;
    case 'G':
        return c2 == 'x' ? 0 : 0x800;
    default:
        return 0;
    }
}

namespace {

UdpCamInfo recordAt(quint32 senderIp, const ReceivingAdapter &at) {
    UdpCamInfo r;
    r.adapterIp = at.ip;
    r.adapterMask = at.mask;
    r.adapterMtu = at.mtu;
    r.cameraIp = senderIp;
    return r;
}

} // namespace

bool standardRecordFromReply(const QByteArray &reply, quint32 senderIp, const ReceivingAdapter &at,
                             UdpCamInfo *out) {
    // A truncated reply would become a camera with a zero MAC and serial and raise false conflicts.
    if (!out || reply.size() < Proto::StdDiscoverReplyLength || quint8(reply[0]) != 0) return false;
    const ByteReader r(reply);
    UdpCamInfo c = recordAt(senderIp, at);
    c.cameraType = r.u32(8);
    c.serialNumber = r.u32(16);
    c.firmwareVersion = r.u32(20);
    c.firmwareRevision = r.u32(24);
    c.sensorType = r.u16(30);
    c.macHigh = r.u32(36);
    c.macLow = r.u32(40);
    c.cameraMask = r.u32(48);
    normaliseModelCode(c.cameraType, c.sensorType);
    c.cameraPort = standardCameraPort(c.cameraType);
    *out = c;
    return true;
}

bool advancedRecordFromReply(const QByteArray &reply, quint32 senderIp, const ReceivingAdapter &at,
                             UdpCamInfo *out) {
    const ByteReader r(reply);
    if (!out || reply.size() < Proto::AdvDiscoverReplyLength || r.u32(0) != Proto::AdvDiscoverReply)
        return false;
    UdpCamInfo c = recordAt(senderIp, at);
    c.protocol = AdvancedDialect;
    c.cameraMask = at.mask; // the reply carries no mask
    c.firmwareVersion = r.u32(16);
    c.firmwareRevision = c.firmwareVersion;
    c.serialNumber = r.u32(20);
    advancedModelCode(r.u16(28), c.cameraType, c.sensorType);
    // The MAC travels in transmission order, not little-endian.
    c.macHigh = quint32(r.u8(36)) << 8 | r.u8(37);
    c.macLow = quint32(r.u8(38)) << 24 | quint32(r.u8(39)) << 16 | quint32(r.u8(40)) << 8 | r.u8(41);
    c.link10G = (r.u8(54) & 0x70) == 0x10 ? 1 : 0;
    c.cameraPort = Proto::AdvCameraPort;
    *out = c;
    return true;
}

ClipInfo ClipInfo::fromEntry(const QByteArray &entry) {
    ClipInfo c;
    const int n = qMin(int(entry.size()), Size);
    std::memcpy(c.raw.data(), entry.constData(), size_t(n));
    const ByteReader r(c.raw); // zero-padded, so fields past a short entry read as 0
    c.frameCount = r.u64(8);
    const quint32 rateBits = r.u32(28);
    std::memcpy(&c.frameRate, &rateBits, sizeof c.frameRate);
    c.width = r.u16(40);
    c.height = r.u16(42);
    c.clipNumber = r.u16(44);
    c.firstFrame = r.u32(48);
    c.trimStart = r.u32(52);
    c.trimEnd = r.u32(56);
    return c;
}

int clipEntrySize(quint32 cameraType) {
    if (cameraType == 46 || cameraType == 47) return 48;
    if (cameraType == 55) return 64;
    return 128;
}

QString visibleText(const QString &text) {
    QString out;
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control) {
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1String("\\t");
        } else {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        }
    }
    return out;
}
