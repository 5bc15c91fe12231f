#include "adapterfollower.h"

#include "addresses.h"

#include "platform/adapterchanges.h"

#if defined(Q_OS_WIN)
#include <QWinEventNotifier>
#else
#include <QSocketNotifier>
#endif

#include <cstring>

const NetAdapterInfo *adapterNamed(const QList<NetAdapterInfo> &adapters, const QString &name) {
    const NetAdapterInfo *found = nullptr;
    for (const NetAdapterInfo &a : adapters) {
        if (QString::fromLocal8Bit(a.name) == name) found = &a;
    }
    return found;
}

bool adapterUsable(const NetAdapterInfo *adapter) {
    return adapter && adapter->ip != 0 && adapter->ip != UnparsedIp;
}

bool sameAdapter(const NetAdapterInfo &a, const NetAdapterInfo &b) {
    return std::strcmp(a.name, b.name) == 0 && std::strcmp(a.description, b.description) == 0 &&
           std::strcmp(a.macText, b.macText) == 0 && a.ip == b.ip && a.mask == b.mask && a.mtu == b.mtu;
}

AdapterChange adapterChange(const NetAdapterInfo *before, const NetAdapterInfo *now) {
    const bool was = adapterUsable(before), is = adapterUsable(now);
    if (was != is) return is ? AdapterChange::Back : AdapterChange::Vanished;
    if (is && (before->ip != now->ip || before->mask != now->mask)) return AdapterChange::Readdressed;
    return AdapterChange::Same;
}

AdapterFollower::AdapterFollower(QObject *parent) : AdapterFollower(&systemClock(), nullptr, parent) {}

AdapterFollower::AdapterFollower(Clock *clock, platform::AdapterSource *source, QObject *parent)
    : QObject(parent), clock_(*clock), source_(source),
      changes_(source ? platform::NoAdapterChanges : platform::openAdapterChanges()) {
    adapters_ = adapterList(source_);
    if (changes_ != platform::NoAdapterChanges) {
#if defined(Q_OS_WIN)
        auto *notifier = new QWinEventNotifier(reinterpret_cast<Qt::HANDLE>(changes_), this);
        connect(notifier, &QWinEventNotifier::activated, this, [this] { systemTold(); });
#else
        auto *notifier = new QSocketNotifier(qintptr(changes_), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] { systemTold(); });
#endif
        notifier_ = notifier;
    }
    lookLater(LookMs);
}

AdapterFollower::~AdapterFollower() {
    delete notifier_;
    platform::closeAdapterChanges(changes_);
}

void AdapterFollower::systemTold() {
    if (!platform::readAdapterChanges(changes_) || lookDue_) return;
    lookDue_ = true;
    lookLater(AfterNoticeMs);
}

void AdapterFollower::lookLater(int ms) {
    const quint64 look = looks_;
    clock_.singleShot(ms, this, [this, look] {
        if (look == looks_) lookNow();
    });
}

bool AdapterFollower::lookNow() {
    ++looks_;
    lookDue_ = false;
    lookLater(LookMs);
    const QList<NetAdapterInfo> now = adapterList(source_);
    bool same = now.size() == adapters_.size();
    for (int i = 0; same && i < now.size(); ++i)
        same = sameAdapter(now.at(i), adapters_.at(i));
    if (same) return false;
    adapters_ = now;
    emit adaptersChanged();
    return true;
}
