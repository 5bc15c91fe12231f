#pragma once

#include "camerastate.h"

#include <QByteArray>
#include <QList>

// The conversation of one dialect: what a camera is asked when it is opened, polled and asked again,
// what each of its replies changes in its channel, and when it has told all. The pauses between
// requests are the manager's.
class CameraDialect {
public:
    virtual ~CameraDialect() = default;
    // The requests that open the conversation, in the order they are sent, from the channel's
    // `localPort`.
    virtual QList<QByteArray> openingRequests(quint16 localPort) const = 0;
    // The request every poll sends; empty for a dialect that is never polled.
    virtual QByteArray pollRequest() const = 0;
    // What the camera has not told yet, in the opening's order, to be asked again; with `withStatus`
    // the status too, when that is missing.
    virtual QList<QByteArray> untold(const CameraState &channel, bool withStatus) const = 0;
    // Takes one datagram from the camera into its channel; the change it makes, as the channel
    // announces it, or NoChange.
    virtual int take(CameraState &channel, const QByteArray &datagram) const = 0;
    // Whether the camera has told all that a scan waits for.
    virtual bool toldAll(const CameraState &channel) const = 0;

    static constexpr int NoChange = -1;
};

class StandardCameraDialect : public CameraDialect {
public:
    QList<QByteArray> openingRequests(quint16 localPort) const override;
    QByteArray pollRequest() const override;
    QList<QByteArray> untold(const CameraState &channel, bool withStatus) const override;
    int take(CameraState &channel, const QByteArray &datagram) const override;
    bool toldAll(const CameraState &channel) const override;
};

class AdvancedCameraDialect : public CameraDialect {
public:
    QList<QByteArray> openingRequests(quint16 localPort) const override;
    QByteArray pollRequest() const override;
    QList<QByteArray> untold(const CameraState &channel, bool withStatus) const override;
    int take(CameraState &channel, const QByteArray &datagram) const override;
    bool toldAll(const CameraState &channel) const override;
};

// The dialect the camera speaks.
const CameraDialect &dialectOf(const UdpCamInfo &camera);
