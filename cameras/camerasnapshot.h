#pragma once

#include "net/camrecord.h"

#include <QList>
#include <QString>

class UdpCamManager;
class UdpInterface;

// Everything the reports, checks, dialogs and metrics show of one camera, copied from its channel, so
// that what is written from it outlives the channel.
struct CameraSnapshot {
    UdpCamInfo info;
    int row = -1; // its row in the camera list when taken; -1 for a camera heard without one
    QString name;
    quint32 status = 0;
    bool statusReplied = false;  // a status reply came (Standard cameras; Advanced ones are not asked)
    bool toldAll = false;        // UdpCamManager::toldAll of its channel
    bool channelAnswered = true; // it answered at least one name, option or status request
    QList<ClipInfo> clips;

    bool listed() const { return row >= 0; }
    CameraId id() const { return cameraId(info); }
    CameraRef ref() const { return cameraRef(info); }
};

// The camera of `cameras` (snapshots or anything built on them) that `ref` names; null for none.
template <class Camera> const Camera *cameraNamed(const QList<Camera> &cameras, const CameraRef &ref) {
    for (const Camera &c : cameras)
        if (c.ref() == ref) return &c;
    return nullptr;
}

CameraSnapshot cameraSnapshot(const UdpInterface &channel, int row);
// A camera heard without a channel of its own.
CameraSnapshot cameraSnapshot(const UdpCamInfo &heard);
// The listed cameras in row order.
QList<CameraSnapshot> listedSnapshots(const UdpCamManager &manager);
// The same, then those heard only behind a listed camera's address.
QList<CameraSnapshot> heardSnapshots(const UdpCamManager &manager);
