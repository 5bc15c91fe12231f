#include "camerasnapshot.h"

#include "udpcammanager.h"

#include "net/udpinterface.h"

CameraSnapshot cameraSnapshot(const UdpInterface &channel, int row) {
    CameraSnapshot c;
    c.info = channel.camInfo;
    c.row = row;
    c.name = channel.cameraName;
    c.status = channel.status;
    c.statusReplied = channel.statusKnown;
    c.toldAll = UdpCamManager::toldAll(channel);
    c.channelAnswered = channel.nameAnswered || channel.optionsAnswered || channel.statusKnown;
    for (const ClipInfo *clip : channel.clips)
        c.clips << *clip;
    return c;
}

CameraSnapshot cameraSnapshot(const UdpCamInfo &heard) {
    CameraSnapshot c;
    c.info = heard;
    return c;
}

QList<CameraSnapshot> listedSnapshots(const UdpCamManager &manager) {
    QList<CameraSnapshot> out;
    for (int i = 0; i < manager.cameraCount(); ++i)
        if (const UdpInterface *channel = manager.camera(i)) out << cameraSnapshot(*channel, i);
    return out;
}

QList<CameraSnapshot> heardSnapshots(const UdpCamManager &manager) {
    QList<CameraSnapshot> out = listedSnapshots(manager);
    for (const UdpCamInfo &info : manager.shadowedCameras())
        out << cameraSnapshot(info);
    return out;
}
