#pragma once

#include "net/addresses.h"
#include "net/udpenumerator.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QTimer>

class UdpInterface;
struct NetAdapterInfo;

// The registry of the cameras found on the chosen network; the camera index is the position here.
class UdpCamManager : public QObject {
    Q_OBJECT
public:
    explicit UdpCamManager(QObject *parent = nullptr);

    int cameraCount() const;
    UdpInterface *camera(int index) const;
    AddressChange setCameraAddress(UdpInterface *channel, quint32 ip, quint32 mask);
    void restartDiscovery(const NetAdapterInfo *adapter);

    // Presentation of an entry.
    QString cameraText(int index) const;
    static QString statusText(int status);
    // The translated status word alone, without its colour markup.
    static QString statusWord(int status);
    static bool isNamedStatus(quint32 status);
    QPixmap statusBullet(int index) const;
    // What the row can say about a camera's state: its reported status, nothing yet, or that it has
    // stopped answering; stateText is the coloured word for the row.
    enum State { StateReported, StateUnknown, StateNotResponding };
    State cameraState(int index) const;
    QString stateText(int index) const;
    QPixmap cameraPicture(int index) const;
    // Resource names behind the two pictures ("" for none), for callers without a GUI.
    static QString statusBulletName(quint32 status);
    static QString familyPictureName(int family);

    // A Standard camera that has left this many status requests in a row unanswered is not responding
    // until it answers again.
    static constexpr int MissedPollLimit = 3;
    bool isResponding(int index) const;
    // Cameras heard at the address of a listed one but with another MAC address (never listed).
    const QList<UdpCamInfo> &shadowedCameras() const { return enumerator.shadowed(); }
    const QList<quint32> &impossibleSenders() const { return enumerator.impossibleSenders(); }

    UdpEnumerator enumerator;
    QList<UdpInterface *> cameras;
    QTimer pollTimer;

signals:
    void updateCameraList();
    void updateCameraStatus(int, int);
    // A Standard camera stopped answering its status requests, or answers again.
    void cameraRespondingChanged(int index, bool responding);

public slots:
    void OnCameraDetected(UdpCamInfo *);

private:
    void pollCameras();
    void askStatusEarly(UdpInterface *channel);
    void openNext();
    void pauseOpening(UdpInterface *channel);
    void continueOpening(UdpInterface *channel);
    void relay(UdpInterface *channel, int index, int what);

    // Cameras are opened one after another, each opening request followed by a pause that a timer
    // measures; those found meanwhile wait here. Copies, since the enumerator frees its records at
    // the next open.
    QList<UdpCamInfo> waiting;
    UdpInterface *opening = nullptr; // not listed until its opening is done
    int openingSent = 0;             // opening requests it has been sent
    QList<int> heldBack;             // what it said meanwhile, told once it is listed

    QList<UdpInterface *> silent; // Standard cameras past MissedPollLimit
    void askAgain(UdpInterface *channel);
};
