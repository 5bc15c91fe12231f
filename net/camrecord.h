#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The two dialects cameras speak; a record's `protocol` holds one of these values.
enum CamDialect : quint32 { StandardDialect = 0, AdvancedDialect = 1 };

// The camera record built from a discovery reply and copied whole into each camera channel.
// Nineteen unsigned fields, all zero in a new record.
struct UdpCamInfo {
    quint32 protocol = StandardDialect; // a CamDialect
    quint32 cameraType = 0;
    quint32 sensorType = 0;
    quint32 options = 0;
    quint32 serialNumber = 0;
    quint32 firmwareVersion = 0;
    quint32 firmwareRevision = 0;
    quint32 cameraIp = 0;
    quint32 cameraMask = 0;
    quint32 macLow = 0;
    quint32 macHigh = 0;
    quint32 cameraPort = 0;
    quint32 adapterIp = 0;
    quint32 adapterMask = 0;
    quint32 reserved = 0;
    quint32 adapterMtu = 0;
    quint32 link10G = 0;
    quint32 modelQualifier = 0;
    // The gateway a camera behind a router is reached through: found by a request to its own address,
    // outside its adapter's subnet, and the route there goes through this next hop. 0 for a camera on
    // its adapter's own segment.
    quint32 routedVia = 0;
};
inline bool isRouted(const UdpCamInfo &c) {
    return c.routedVia != 0;
}

inline bool isAdvanced(const UdpCamInfo &c) {
    return c.protocol == AdvancedDialect;
}
inline bool isStandard(const UdpCamInfo &c) {
    return c.protocol == StandardDialect;
}

bool sameIp(const UdpCamInfo &a, const UdpCamInfo &b);
bool sameMac(const UdpCamInfo &a, const UdpCamInfo &b);
bool sameSerial(const UdpCamInfo &a, const UdpCamInfo &b);
// Who a camera is, whatever address it has: its serial number and MAC address where both are known.
// A zero serial number or MAC address is not known and is not compared; with neither known in either
// record, they are not taken for one camera.
bool sameCamera(const UdpCamInfo &a, const UdpCamInfo &b);
// The same camera answering from the same address: a camera found again.
inline bool sameCameraAt(const UdpCamInfo &a, const UdpCamInfo &b) {
    return a.cameraIp == b.cameraIp && sameCamera(a, b);
}
// A text naming a camera's identity ("serial/MAC"), equal for records sameCamera calls one camera
// when both carry both values.
QString cameraIdentity(const UdpCamInfo &c);

// Who a camera is, whatever row or address it has: its MAC address, the adapter it answered through and
// its serial number (0 where it told none). What is kept about a camera beyond the moment (findings,
// conflicts, the watch, the address plan) names it by this, not by its row, which a rescan renumbers.
struct CameraId {
    quint32 macHigh = 0;
    quint32 macLow = 0;
    quint32 adapterIp = 0;
    quint32 serial = 0;
    bool operator==(const CameraId &o) const {
        return macHigh == o.macHigh && macLow == o.macLow && adapterIp == o.adapterIp && serial == o.serial;
    }
    bool operator!=(const CameraId &o) const { return !(*this == o); }
    // "serial/MAC@adapter"
    QString text() const;
};
CameraId cameraId(const UdpCamInfo &c);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
size_t qHash(const CameraId &id, size_t seed = 0);
#else
uint qHash(const CameraId &id, uint seed = 0);
#endif

// A camera as a finding or a conflict lists it: its identity, and the address it answered from, which
// tells apart two cameras that carry one identity (a clone of another's MAC address and serial number).
struct CameraRef {
    CameraId id;
    quint32 ip = 0;
    bool operator==(const CameraRef &o) const { return id == o.id && ip == o.ip; }
};
CameraRef cameraRef(const UdpCamInfo &c);
bool inAdapterSubnet(const UdpCamInfo &a);

// Text a camera sent, fit for a terminal line: every control character is written as a visible
// escape (\n, \r, \t, else \xHH), so that a camera can neither split a line nor drive the terminal.
QString visibleText(const QString &text);

// The local end that received a discovery reply.
struct ReceivingAdapter {
    quint32 ip = 0;
    quint32 mask = 0;
    quint32 mtu = 0;
};

// Standard: (code, variant) as reported -> internal code and variant.
void normaliseModelCode(quint32 &code, quint32 &variant);
// Advanced: reported model number r -> internal code and variant.
void advancedModelCode(quint32 r, quint32 &code, quint32 &variant);
// Command port of a Standard camera by its internal code.
quint32 standardCameraPort(quint32 cameraType);
// Option bits added by an option reply whose bytes 15 and 14 are c1 and c2.
quint32 optionBits(quint8 c1, quint8 c2);

// Builds the record from a Standard discovery reply. False (and `out` untouched) when the
// datagram is not one: byte 0 not 0, or shorter than the 52-byte layout.
bool standardRecordFromReply(const QByteArray &reply, quint32 senderIp, const ReceivingAdapter &at,
                             UdpCamInfo *out);
// Builds the record from an AdvDiscoverReply. False when the magic is wrong or the datagram is
// shorter than the 55-byte layout.
bool advancedRecordFromReply(const QByteArray &reply, quint32 senderIp, const ReceivingAdapter &at,
                             UdpCamInfo *out);

// One clip stored in an Advanced camera: the 128 bytes of its clip-list entry (zero-padded) and
// the decoded fields. Trim positions are relative to firstFrame once stored by a channel.
struct ClipInfo {
    static constexpr int Size = 128;
    QByteArray raw = QByteArray(Size, '\0');
    quint64 frameCount = 0;
    float frameRate = 0;
    quint16 width = 0;
    quint16 height = 0;
    quint16 clipNumber = 0;
    quint32 firstFrame = 0;
    quint32 trimStart = 0;
    quint32 trimEnd = 0;

    // Decodes an entry of `entrySize` bytes (48, 64 or 128); fields the entry does not reach stay 0.
    static ClipInfo fromEntry(const QByteArray &entry);
};

// Clip-list entry size by internal model code.
int clipEntrySize(quint32 cameraType);
