#pragma once

#include "simcamera.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QVector>

class QNetworkDatagram;
class QUdpSocket;

// Runs every configured camera of one namespace in one process: one shared listening socket per
// port on 0.0.0.0 for broadcasts, one socket per camera bound to its own address for replies.
class Simulator : public QObject {
    Q_OBJECT
public:
    explicit Simulator(QObject *parent = nullptr);

    // Reads the camera list (a JSON array, or an object with a "cameras" array).
    bool load(const QByteArray &json, QString *error);
    bool setLog(const QString &path, QString *error);
    // A camera given a new address puts it on `device` (and takes its old one off once no camera is
    // left there), as a camera's own interface would; without one only addresses already there work.
    void setAddressDevice(const QString &device) { addressDevice_ = device; }
    // Binds every socket; false when a shared listening port cannot be bound.
    bool start(QString *error);

    const QVector<SimCamera> &cameras() const { return cameras_; }

private slots:
    void onReadyRead();

private:
    void handle(const QNetworkDatagram &d, quint16 localPort, int ownerCamera);
    void handleStandardCommand(int index, const QByteArray &b, const QHostAddress &src, quint16 srcPort,
                               bool addressed);
    void handleAdvancedCommand(int index, const QByteArray &b, const QHostAddress &src, quint16 srcPort,
                               bool addressed);
    bool handleSetAddress(int index, const QByteArray &b);
    void setAddress(int index, quint32 ip, quint32 mask);
    bool bindCamera(int index);
    void reply(SimCamera &cam, const QByteArray &data, const QHostAddress &to, quint16 port);
    void sendClipList(SimCamera &cam, quint32 toIp, quint16 toPort);
    void logDatagram(const QNetworkDatagram &d, quint16 localPort);

    QVector<SimCamera> cameras_;
    QMap<quint16, QUdpSocket *> listeners_; // port -> socket on 0.0.0.0
    QFile log_;
    QElapsedTimer clock_;
    // The cameras' scripted behaviour (status steps, silence) counts from the first datagram received,
    // so that a program slow to start on a busy machine meets the same script.
    QElapsedTimer scriptClock_;
    qint64 scriptMs();
    QString addressDevice_;
};
