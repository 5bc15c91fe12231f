#pragma once

#include "camrecord.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>

class UdpLocalSocket;

// Finds cameras: one socket per local IPv4 address, both discovery broadcasts, one record per sender.
class UdpEnumerator : public QObject {
    Q_OBJECT
public:
    explicit UdpEnumerator(QObject *parent = nullptr);
    ~UdpEnumerator() override;

    void open(const QHostAddress &address, const QHostAddress &netmask, quint16 basePort);
    void openAll(quint16 basePort);
    void broadcast(quint16 port, const char *data, int length);
    void discoverAdvanced();
    // Discovery goes out in rounds; a camera that answers any request of the latest round has
    // answered it.
    void beginRound() { ++round_; }
    bool latestRoundAnswered() const;
    // Forgets the camera recorded at that address with that MAC address: its next reply announces it.
    void forget(const UdpCamInfo &camera);

    bool accepting = false;
    QList<UdpLocalSocket *> sockets; // owned
    QList<UdpCamInfo *> detected;    // owned; valid until the next open

    // Replies from an address already recorded but with another MAC address: a second camera at the
    // same address, never announced, kept until the next open so that the conflict can be named.
    const QList<UdpCamInfo> &shadowed() const { return shadowed_; }

    // Senders of replies no camera can send (see canBeCameraSource): never a camera, never asked
    // anything; kept until the next open so that a check can name them.
    const QList<quint32> &impossibleSenders() const { return impossible_; }

signals:
    void cameraDetected(UdpCamInfo *info);
    // A camera already recorded answered again, from the same address with the same MAC address.
    void cameraSeenAgain(const UdpCamInfo *info);

private slots:
    void OnProcessBroadcast();

private:
    void closeAll();
    void takeReply(const QByteArray &reply, quint32 senderIp, const ReceivingAdapter &at);
    void keepShadowed(const UdpCamInfo &record);
    bool bindFrom(UdpLocalSocket *socket, quint16 &port);
    void adopt(UdpLocalSocket *socket);

    // Bumped by every close, so a drain interrupted by a re-open (from a receiver of
    // cameraDetected) stops instead of touching sockets that are gone.
    quint64 generation_ = 0;
    bool draining_ = false;
    QList<UdpCamInfo> shadowed_;
    int round_ = 0;
    QHash<const UdpCamInfo *, int> answeredRound_; // the latest round each record answered
    QList<quint32> impossible_;
};
