#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class UdpCamManager;

// Datagram sizes behind the "Settings/JumboPacket" index 0..5.
extern const quint32 datagramSizes[6];
// The size the conflict check compares with: 0 ("Optimal") for -1 and for any index outside 0..5.
quint32 datagramSizeFor(int jumboPacket);
// First conflict among the manager's cameras in the window's order: 0 none, 1/2 datagram size,
// 3 same IP, 4 same MAC, 5 same serial number.
int findCameraConflict(const UdpCamManager &manager, quint32 datagramSize);
// One conflict: its code, the indices of the cameras involved and a key that stays the same while
// the same conflict lasts (it names the shared value, not the cameras' indices).
struct CameraConflict {
    int code = 0;
    QList<int> cameras;
    QString key;
};
// Every conflict among the manager's cameras, each once, in the order the window warns about them:
// the first entry is the one findCameraConflict reports.
QList<CameraConflict> findCameraConflicts(const UdpCamManager &manager, quint32 datagramSize);
// The warning text of a conflict code, translated in the "MainWindow" context.
QString conflictText(int code);
