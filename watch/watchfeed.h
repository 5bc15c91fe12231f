#pragma once

#include "cameras/udpcammanager.h"
#include "watch.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

struct NetAdapterInfo;

// Feeds a CameraWatch from a manager: its listings and replies become the watch's view of the cameras,
// each discovery is judged once it settles, and a rescan keeps the cameras it finds again.
class WatchFeed : public QObject {
    Q_OBJECT
public:
    WatchFeed(const NetworkFacts &facts, quint32 datagramSize, QObject *parent = nullptr);

    // Starts discovery on `adapter` (kept by reference) and rediscovers every `rescanMs` (0: never).
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
    void discoverySettled();
    void rescanDue();

    const NetAdapterInfo *adapter_ = nullptr;
    CameraWatch watch_;
    UdpCamManager manager_;
    // Which replies each listed camera has sent since it was found, by notification code.
    QHash<const UdpInterface *, QSet<int>> replied_;
    int listedCount_ = 0;
    bool started_ = false;
    bool settled_ = true;
    QTimer settle_, rescan_;
};
