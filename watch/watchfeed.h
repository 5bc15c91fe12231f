#pragma once

#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "watch.h"

#include <QHash>
#include <QObject>
#include <QSet>

class AdapterFollower;

// Feeds a CameraWatch from a manager: its listings and replies become the watch's view of the cameras,
// each discovery is judged once it settles, and a rescan keeps the cameras it finds again. The adapter
// is followed by its name: a new address is used at once, and discovery waits while it is gone.
class WatchFeed : public QObject {
    Q_OBJECT
public:
    // On the system's network, clock and adapters.
    WatchFeed(const NetworkFacts &facts, quint32 datagramSize, QObject *parent = nullptr);
    WatchFeed(const NetworkFacts &facts, quint32 datagramSize, DatagramNetwork *network, Clock *clock,
              platform::AdapterSource *adapters, QObject *parent = nullptr);

    // Starts discovery on the adapter of `adapter`'s name (every one for the all-adapters entry), at once
    // or once it is there, and rediscovers every `rescanMs` (0: never).
    void start(const NetAdapterInfo &adapter, int rescanMs);

    const CameraWatch &watch() const { return watch_; }
    // Before start: the addresses asked beside the broadcast, and the line the cameras are judged by.
    void setTargets(const QList<quint32> &addresses) { manager_.setTargets(addresses); }
    void expect(const ExpectedLine &line) { watch_.expect(line); }

signals:
    // What changed; `complete` when a whole discovery was judged (then possibly with no event).
    void changed(const QList<WatchEvent> &events, bool complete);

private:
    void report(const QList<WatchEvent> &events, bool complete = false);
    void updateOne(int index);
    WatchedCamera watched(int index) const;
    QList<WatchedCamera> listing() const;
    void cameraListed();
    void cameraReplied(int index, int what);
    void settleAfter(int ms);
    void discoverySettled();
    void rescanDue();
    void scheduleRescan();
    void beginDiscovery();
    void adaptersChanged();

    Clock &clock_;
    CameraWatch watch_;
    UdpCamManager manager_;
    AdapterFollower *follower_;
    QString name_;           // the adapter followed; "*ALL*" for all
    NetAdapterInfo adapter_; // as last seen
    bool up_ = false;
    // Which replies each listed camera has sent since it was found, by notification code.
    QHash<const UdpInterface *, QSet<int>> replied_;
    int listedCount_ = 0;
    bool started_ = false;
    bool settled_ = true;
    int rescanMs_ = 0;
    qint64 settleAt_ = 0;   // on the clock
    quint64 settleRun_ = 0; // bumped by every new settle time, so that the one due before stops
    quint64 discoveries_ = 0;
};
