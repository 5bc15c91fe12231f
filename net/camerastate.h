#pragma once

#include "camrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What a camera has told its channel so far: what each dialect reads and changes as the camera's
// replies arrive, apart from the channel's port and its place in the list.
struct CameraState {
    // What changed, as the channel's cameraStatusChanged tells it in its second argument.
    enum CameraChange : int { NameChanged, StatusChanged, ReadingsArrived, OptionsChanged, ClipsChanged };

    CameraState() = default;
    CameraState(const CameraState &) = delete; // owns its clips
    CameraState &operator=(const CameraState &) = delete;
    ~CameraState();

    // Merges one AdvClipList datagram into `clips`; true when the change is to be announced.
    bool mergeClipList(const QByteArray &datagram);

    UdpCamInfo camInfo;
    QString cameraName;
    quint32 status = 0;
    // Standard cameras: whether a status reply has come yet, and how many status requests have gone
    // out since the last one (the manager counts them).
    bool statusKnown = false;
    int unansweredPolls = 0;
    // Whether the camera has answered the name and the option query; until then they are asked again.
    bool nameAnswered = false;
    bool optionsAnswered = false;
    int askedAgain = 0;      // how many times they were asked again
    QList<ClipInfo *> clips; // owned
};
