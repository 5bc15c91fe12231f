#include "watchfeed.h"

#include "net/adapterfollower.h"
#include "net/udpinterface.h"

namespace {

// After a rediscovery, the result counts as complete once nothing new came for this long, and not
// before the first status poll could have gone out.
constexpr int SettleQuietMs = 1500;
constexpr int SettleFirstMs = 3500;

} // namespace

WatchFeed::WatchFeed(const NetworkFacts &facts, quint32 datagramSize, QObject *parent)
    : WatchFeed(facts, datagramSize, &systemNetwork(), &systemClock(), nullptr, parent) {}

WatchFeed::WatchFeed(const NetworkFacts &facts, quint32 datagramSize, DatagramNetwork *network, Clock *clock,
                     platform::AdapterSource *adapters, QObject *parent)
    : QObject(parent), clock_(*clock), watch_(facts, datagramSize), manager_(network, clock),
      follower_(new AdapterFollower(clock, adapters, this)) {
    connect(&manager_, &UdpCamManager::updateCameraList, this, [this] { cameraListed(); });
    connect(&manager_, &UdpCamManager::updateCameraStatus, this,
            [this](int index, int what) { cameraReplied(index, what); });
    connect(&manager_, &UdpCamManager::cameraRespondingChanged, this, [this](int index, bool) {
        if (manager_.camera(index)) updateOne(index);
    });
    connect(follower_, &AdapterFollower::adaptersChanged, this, [this] { adaptersChanged(); });
}

void WatchFeed::start(const NetAdapterInfo &adapter, int rescanMs) {
    name_ = QString::fromLocal8Bit(adapter.name);
    rescanMs_ = rescanMs;
    follower_->lookNow();
    watch_.setAdapters(follower_->inventory());
    if (isAllAdapters(adapter)) {
        adapter_ = adapter;
        up_ = true;
    } else {
        const NetAdapterInfo *now = adapterNamed(follower_->inventory(), name_);
        up_ = adapterUsable(now);
        if (up_) adapter_ = *now;
        report(watch_.followAdapter(name_, now, QDateTime::currentDateTimeUtc()));
    }
    scheduleRescan();
    // The first discovery is judged like every later one, so that its end is told too.
    beginDiscovery();
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
    if (!settled_ && settleAt_ - clock_.now() < SettleQuietMs) settleAfter(SettleQuietMs);
}

void WatchFeed::cameraReplied(int index, int what) {
    const UdpInterface *channel = manager_.camera(index);
    if (!channel) return;
    replied_[channel].insert(what);
    updateOne(index);
}

void WatchFeed::settleAfter(int ms) {
    settleAt_ = clock_.now() + ms;
    const quint64 run = ++settleRun_;
    clock_.singleShot(ms, this, [this, run] {
        if (run == settleRun_) discoverySettled();
    });
}

void WatchFeed::discoverySettled() {
    ++settleRun_;
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

void WatchFeed::scheduleRescan() {
    if (rescanMs_ <= 0) return;
    clock_.singleShot(rescanMs_, this, [this] {
        scheduleRescan();
        rescanDue();
    });
}

void WatchFeed::rescanDue() {
    // A discovery still filling its list when the next begins is judged as it stands.
    if (!settled_) discoverySettled();
    // The adapter is looked up at every rediscovery; a change found now begins one of its own.
    const quint64 before = discoveries_;
    follower_->lookNow();
    if (discoveries_ == before) beginDiscovery();
}

void WatchFeed::beginDiscovery() {
    ++discoveries_;
    settled_ = false;
    settleAfter(SettleFirstMs);
    // While the adapter is gone nothing is listened on, and the cameras a whole discovery missed are lost.
    const NetAdapterInfo *on = up_ ? &adapter_ : nullptr;
    // The first discovery starts from nothing; a rescan asks again and keeps the cameras it finds
    // again, with all they have told and the polls they left unanswered.
    if (started_) {
        manager_.rediscover(on);
    } else if (on) {
        started_ = true;
        manager_.restartDiscovery(on);
    }
}

void WatchFeed::adaptersChanged() {
    const QList<NetAdapterInfo> &adapters = follower_->inventory();
    watch_.setAdapters(adapters);
    if (name_.isEmpty()) return; // not started yet
    if (isAllAdapters(adapter_)) {
        // Every adapter is listened on afresh at each rediscovery; one that came or changed, at once.
        beginDiscovery();
        return;
    }
    const NetAdapterInfo *now = adapterNamed(adapters, name_);
    const QList<WatchEvent> events = watch_.followAdapter(name_, now, QDateTime::currentDateTimeUtc());
    up_ = adapterUsable(now);
    if (up_) adapter_ = *now;
    report(events);
    // A discovery under way through the old address is dropped, not judged: it could not hear the
    // cameras that are there. Gone, the adapter's cameras stay until a whole discovery misses them.
    for (const WatchEvent &e : events) {
        if (e.kind == WatchEvent::AdapterUp || e.kind == WatchEvent::AdapterAddress) beginDiscovery();
    }
}
