#pragma once

#include "net/addresses.h"
#include "net/clock.h"
#include "net/udpenumerator.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QString>

class UdpInterface;
struct NetAdapterInfo;

// The registry of the cameras found on the chosen network; the camera index is the position here.
class UdpCamManager : public QObject {
    Q_OBJECT
public:
    // On the system's network and clock.
    explicit UdpCamManager(QObject *parent = nullptr);
    UdpCamManager(DatagramNetwork *network, Clock *clock, QObject *parent = nullptr);

    int cameraCount() const;
    UdpInterface *camera(int index) const;
    AddressChange setCameraAddress(UdpInterface *channel, quint32 ip, quint32 mask);
    // The same for any camera heard, listed or not: the command goes by its MAC address to the broadcast
    // address of its adapter's subnet, from the discovery socket of that adapter.
    AddressChange setAddressByMac(const UdpCamInfo &camera, quint32 ip, quint32 mask);
    // Drops every camera, listens on the adapter (all of them for the all-adapters entry, none
    // without one) and asks who is there.
    void restartDiscovery(const NetAdapterInfo *adapter);
    // Asks again who is there, keeping the cameras listed: those found again keep their channels (with
    // all they told and the polls they left unanswered), new ones are added. `forgetUnseen` then drops
    // those that did not answer.
    void rediscover(const NetAdapterInfo *adapter);
    void forgetUnseen();
    // Sends the discovery requests on every open socket now and again in the first seconds, since a
    // lost request loses every answer to it.
    void startDiscoveryRounds();
    // Addresses asked by unicast in every round beside the broadcast (UdpEnumerator::setTargets), in
    // batches paced by targetRoundSchedule.
    void setTargets(const QList<quint32> &addresses) { enumerator.setTargets(addresses); }

    // Whether cameras found are still being opened; each is listed, in the order found, once its
    // opening is done.
    bool openingsUnderWay() const { return !openings.isEmpty() || !found.isEmpty(); }
    // Lists those cameras as they are, for a caller that stops listening now; the rest of their
    // opening is not sent.
    void listOpeningsNow();
    // Whether a camera has told all that a scan waits for: its name and, for a Standard camera, its
    // options and a status.
    static bool toldAll(const UdpInterface &channel);
    // Whether every camera found has answered the latest discovery round: a network that loses none
    // of them has nothing more to find.
    bool latestRoundAnswered() const;

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

    // The Standard cameras are polled every this many milliseconds, counted from the manager's
    // construction or from the last change of the interval; 0 stops the polls.
    static constexpr int PollIntervalMs = 3000;
    void setPollInterval(int ms);
    int pollInterval() const { return pollInterval_; }

    UdpEnumerator enumerator;
    QList<UdpInterface *> cameras;

signals:
    void updateCameraList();
    void updateCameraStatus(int, int);
    // A Standard camera stopped answering its status requests, or answers again.
    void cameraRespondingChanged(int index, bool responding);

public slots:
    void OnCameraDetected(UdpCamInfo *);
    void OnCameraSeenAgain(const UdpCamInfo *);

private:
    // A camera being opened: its own requests with the whole pause after each, whatever other
    // cameras are being opened meanwhile.
    struct Opening {
        UdpInterface *channel = nullptr;
        QList<QByteArray> requests; // its dialect's opening requests
        int sent = 0;
        bool done = false;
        QList<int> heardMeanwhile; // told once it is listed
    };
    void openFound();
    void scheduleNextPass();
    void startOpening(const UdpCamInfo &info);
    int openingAt(const UdpInterface *channel) const;
    void pauseOpening(UdpInterface *channel);
    void continueOpening(UdpInterface *channel);
    void listOpened();
    void schedulePoll(qint64 at);
    void pollCameras();
    void askStatusEarly(UdpInterface *channel);
    void scheduleAskAgain(UdpInterface *channel);
    void askAgain(UdpInterface *channel, bool withPoll);
    void relay(UdpInterface *channel, int index, int what);
    void sendPaced(UdpInterface *channel, const QByteArray &request);
    void sendWaiting(UdpInterface *channel);
    void sendDiscoveryRound();
    void stopDiscoveryRounds() { ++roundsRun_; }
    void dropChannels(const QList<UdpInterface *> &channels);
    void listenOn(const NetAdapterInfo *adapter);
    // With a rediscovery under way: whether the camera has a channel already (it is then seen again).
    bool knownAlready(const UdpCamInfo &info);

    DatagramNetwork &network_;
    Clock &clock_;
    int pollInterval_ = 0;
    quint64 pollRun_ = 0;    // bumped by every change of the interval, so that the poll due before stops
    QList<UdpCamInfo> found; // found, opening not yet started (copies: the enumerator frees its own)
    int startedThisPass = 0;
    bool nextPassDue = false;
    QList<Opening> openings;        // in the order found; the front ones move to the list once done
    QList<UdpInterface *> silent;   // Standard cameras past MissedPollLimit
    QSet<UdpInterface *> seenAgain; // listed cameras that answered since the last rediscover()
    bool keepListed = false;        // a rediscovery keeps the cameras it finds again
    quint64 roundsRun_ = 0;         // bumped when discovery starts again, so that the rounds due before stop
    int roundsSent = 0;

public:
    // The channel and the row of a camera by who it is: null and -1 when it has none. Given an address,
    // only the camera answering from there counts, which tells apart two that carry one identity; with
    // NoIp, the first.
    UdpInterface *channelOf(const CameraId &id, quint32 ip = NoIp) const;
    int rowOf(const CameraId &id, quint32 ip = NoIp) const;
};
