#pragma once

#include "camrecord.h"
#include "datagramport.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// The channel to one detected camera: sends its requests and takes its replies.
class UdpInterface : public QObject {
    Q_OBJECT
public:
    // What changed, as cameraStatusChanged tells it in its second argument.
    enum CameraChange : int { NameChanged, StatusChanged, ReadingsArrived, OptionsChanged, ClipsChanged };

    // Sends and receives through a port of `network`, the system's when none is given.
    explicit UdpInterface(QObject *parent = nullptr, DatagramNetwork *network = nullptr);
    ~UdpInterface() override;

    void setCamera(const UdpCamInfo &info, int index);
    void send(const QByteArray &datagram, bool toSubnetBroadcast);
    quint16 localPort() const;
    QString cameraIpText() const;
    ClipInfo *clip(int i) const;

    // Merges one AdvClipList datagram into `clips`; true when the change is to be announced.
    bool mergeClipList(const QByteArray &datagram);
    // Handles one datagram from `senderIp` as if it had been read from the socket.
    void handleDatagram(const QByteArray &datagram, quint32 senderIp);

    DatagramPort *port = nullptr; // owned
    UdpCamInfo camInfo;
    int index = 0;
    QString cameraName;
    quint32 status = 0;
    bool active = false;
    bool listed = false;
    // Standard cameras: whether a status reply has come yet, and how many status requests have gone
    // out since the last one (the manager counts them).
    bool statusKnown = false;
    int unansweredPolls = 0;
    // Whether the camera has answered the name and the option query; until then they are asked again.
    bool nameAnswered = false;
    bool optionsAnswered = false;
    int askedAgain = 0;      // how many times they were asked again
    QList<ClipInfo *> clips; // owned

signals:
    void cameraStatusChanged(int index, int what);
};
