#pragma once

#include "camerastate.h"
#include "datagramport.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// The channel to one detected camera: sends its requests and takes its replies.
class UdpInterface : public QObject, public CameraState {
    Q_OBJECT
public:
    // Sends and receives through a port of `network`, the system's when none is given.
    explicit UdpInterface(QObject *parent = nullptr, DatagramNetwork *network = nullptr);
    ~UdpInterface() override;

    void setCamera(const UdpCamInfo &info, int index);
    void send(const QByteArray &datagram, bool toSubnetBroadcast);
    quint16 localPort() const;
    QString cameraIpText() const;
    ClipInfo *clip(int i) const;

    // Handles one datagram from `senderIp` as if it had been read from the socket.
    void handleDatagram(const QByteArray &datagram, quint32 senderIp);

    DatagramPort *port = nullptr; // owned
    int index = 0;
    bool active = false;
    bool listed = false;
    // Requests held back until the camera's pause since the last one sent is over (UdpCamManager).
    QList<QByteArray> waiting;
    qint64 lastSentMs = 0;
    bool sentAny = false;

signals:
    void cameraStatusChanged(int index, int what);
};
