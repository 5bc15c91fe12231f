#include "watchfeed.h"

#include "net/adapters.h"
#include "net/udpinterface.h"

namespace {

// After a rediscovery, the result counts as complete once nothing new came for this long, and not
// before the first status poll could have gone out.
constexpr int SettleQuietMs = 1500;
constexpr int SettleFirstMs = 3500;

} // namespace

WatchFeed::WatchFeed(const NetworkFacts &facts, quint32 datagramSize, QObject *parent)
    : QObject(parent), watch_(facts, datagramSize) {
    connect(&manager_, &UdpCamManager::updateCameraList, this, [this] { cameraListed(); });
    connect(&manager_, &UdpCamManager::updateCameraStatus, this,
            [this](int index, int what) { cameraReplied(index, what); });
    connect(&manager_, &UdpCamManager::cameraRespondingChanged, this, [this](int index, bool) {
        if (manager_.camera(index)) updateOne(index);
    });
    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, [this] { discoverySettled(); });
    connect(&rescan_, &QTimer::timeout, this, [this] { rescanDue(); });
}

void WatchFeed::start(const NetAdapterInfo &adapter, int rescanMs) {
    adapter_ = &adapter;
    if (rescanMs > 0) rescan_.start(rescanMs);
    // The first discovery is judged like every later one, so that its end is told too.
    rescanDue();
}

void WatchFeed::report(const QList<WatchEvent> &events, bool complete) {
    if (!events.isEmpty() || complete) emit changed(events, complete);
}

void WatchFeed::updateOne(int index) {
    report(watch_.update({watched(index)}, QDateTime::currentDateTimeUtc(), false));
}

WatchedCamera WatchFeed::watched(int index) const {
    WatchedCamera w;
    const UdpInterface *channel = manager_.camera(index);
    if (!channel) return w;
    const QSet<int> told = replied_.value(channel);
    static_cast<CameraSnapshot &>(w.seen) = cameraSnapshot(*channel, index);
    w.status = channel->status;
    w.clipCount = channel->clips.size();
    w.nameKnown = told.contains(UdpInterface::NameChanged);
    w.statusKnown = told.contains(UdpInterface::StatusChanged);
    w.optionsKnown = told.contains(UdpInterface::OptionsChanged);
    w.clipsKnown = told.contains(UdpInterface::ClipsChanged);
    w.responding = manager_.isResponding(index);
    return w;
}

QList<WatchedCamera> WatchFeed::listing() const {
    QList<WatchedCamera> now;
    for (int i = 0; i < manager_.cameraCount(); ++i)
        now << watched(i);
    return now;
}

void WatchFeed::cameraListed() {
    // One listing may bring several cameras.
    while (listedCount_ < manager_.cameraCount())
        updateOne(listedCount_++);
    if (!settled_ && settle_.remainingTime() < SettleQuietMs) settle_.start(SettleQuietMs);
}

void WatchFeed::cameraReplied(int index, int what) {
    const UdpInterface *channel = manager_.camera(index);
    if (!channel) return;
    replied_[channel].insert(what);
    updateOne(index);
}

void WatchFeed::discoverySettled() {
    settled_ = true;
    // Cameras that did not answer this discovery are lost; found again later, they are new.
    manager_.forgetUnseen();
    listedCount_ = manager_.cameraCount();
    QHash<const UdpInterface *, QSet<int>> kept;
    for (int i = 0; i < manager_.cameraCount(); ++i)
        kept.insert(manager_.camera(i), replied_.value(manager_.camera(i)));
    replied_ = kept;
    report(watch_.update(listing(), QDateTime::currentDateTimeUtc(), true), true);
}

void WatchFeed::rescanDue() {
    // A discovery still filling its list when the next begins is judged as it stands.
    if (!settled_) {
        settle_.stop();
        discoverySettled();
    }
    settled_ = false;
    settle_.start(SettleFirstMs);
    // The first discovery starts from nothing; a rescan asks again and keeps the cameras it finds
    // again, with all they have told and the polls they left unanswered.
    if (started_) {
        manager_.rediscover(adapter_);
        return;
    }
    started_ = true;
    manager_.restartDiscovery(adapter_);
}
