#pragma once

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
    ~UdpCamManager() override;

    int cameraCount() const;
    UdpInterface *camera(int index) const;
    void setCameraAddress(UdpInterface *channel, quint32 ip, quint32 mask);
    void restartDiscovery(const NetAdapterInfo *adapter);

    // Presentation of an entry.
    QString cameraText(int index) const;
    static QString statusText(int status);
    // The translated status word alone, without its colour markup.
    static QString statusWord(int status);
    QPixmap statusBullet(int index) const;
    QPixmap cameraPicture(int index) const;
    // Resource names behind the two pictures ("" for none), for callers without a GUI.
    static QString statusBulletName(quint32 status);
    static QString familyPictureName(int family);

    UdpEnumerator enumerator;
    QList<UdpInterface *> cameras;
    QTimer pollTimer;

signals:
    void updateCameraList();
    void updateCameraStatus(int, int);

public slots:
    void OnCameraDetected(UdpCamInfo *);

private:
    void pollCameras();
    void askAgain(UdpInterface *channel);
};
