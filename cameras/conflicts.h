#pragma once

#include "net/camrecord.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class UdpCamManager;

// Datagram sizes behind the "Settings/JumboPacket" index 0..5, the one table of them. The first fits
// a standard 1500-byte Ethernet frame.
inline constexpr quint32 datagramSizes[] = {1448, 2920, 4360, 5800, 7240, 8680};
constexpr int DatagramSizeCount = int(sizeof datagramSizes / sizeof datagramSizes[0]);
// The size the conflict check compares with: 0 ("Optimal") for -1 and for any index outside 0..5.
quint32 datagramSizeFor(int jumboPacket);

// What is wrong with a group of cameras. The values up to SameSerial are the window's warning codes.
enum class ConflictKind {
    None = 0,
    JumboAdapter = 1,    // the adapter is set for jumbo frames, the cameras send standard datagrams
    DatagramOverMtu = 2, // the cameras' datagrams are larger than the adapter's MTU
    SameIp = 3,
    SameMac = 4,
    SameSerial = 5,
    OutsideSubnet = 6, // a camera outside the subnet of the adapter it answered through
};

// Cameras sharing one conflict, by their positions in the records handed in.
struct ConflictGroup {
    ConflictKind kind = ConflictKind::None;
    QList<int> cameras;
};

// Every conflict among the records, in this order: the groups of two or more cameras sharing an IP
// address, then a MAC address, then a serial number (each kind in the order of the groups' first
// members); the Standard cameras whose datagram size does not suit their adapter, one group per local
// address they answered on (in order of first appearance) and kind; each camera outside its adapter's
// subnet that is not behind a router. A datagram size of 0 ("Optimal") compares no size.
QList<ConflictGroup> conflictGroups(const QList<UdpCamInfo> &cameras, quint32 datagramSize);

// Names one conflict while it lasts: its kind and the value it is about (the shared address, MAC or
// serial number, or for a datagram size the camera's address), never the cameras' positions.
struct ConflictKey {
    ConflictKind kind = ConflictKind::None;
    quint64 value = 0;
    bool operator==(const ConflictKey &o) const { return kind == o.kind && value == o.value; }
};

// One conflict the window warns about, with the cameras involved in the order the check meets them.
struct CameraConflict {
    ConflictKind kind = ConflictKind::None;
    QList<CameraRef> cameras;
    ConflictKey key;
};

// The window's view: each camera in list order is checked for its datagram size, then paired with
// every other camera, where only the first value a pair shares (IP, MAC, serial number) counts. Every
// conflict once; the first is the one the window warns about.
QList<CameraConflict> findCameraConflicts(const QList<UdpCamInfo> &cameras, quint32 datagramSize);
// The same over the manager's listed cameras, then the cameras heard at a listed camera's address
// without a row, in the order of shadowedCameras().
QList<CameraConflict> findCameraConflicts(const UdpCamManager &manager, quint32 datagramSize);
ConflictKind findCameraConflict(const UdpCamManager &manager, quint32 datagramSize);
// The warning text of one of the window's conflicts, translated in the "MainWindow" context; empty for
// the others.
QString conflictText(ConflictKind kind);
