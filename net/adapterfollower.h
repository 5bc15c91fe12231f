#pragma once

#include "net/adapters.h"
#include "net/clock.h"

#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>

// The adapter called `name` in `adapters` (the last, as the window's list picks it); null when none is.
const NetAdapterInfo *adapterNamed(const QList<NetAdapterInfo> &adapters, const QString &name);
// Whether cameras can be looked for through the adapter: it is there and has an IPv4 address.
bool adapterUsable(const NetAdapterInfo *adapter);
// Whether two looks at an adapter saw the same: name, description, hardware address, address, mask, MTU.
bool sameAdapter(const NetAdapterInfo &a, const NetAdapterInfo &b);

// What became of one adapter, followed by its name, between two looks at the inventory. An adapter
// without an IPv4 address counts as gone: nothing can be found through it.
enum class AdapterChange { Same, Readdressed, Vanished, Back };
AdapterChange adapterChange(const NetAdapterInfo *before, const NetAdapterInfo *now);

// Follows the system's adapters: looks at the inventory again every LookMs and, where the system tells
// of changes, a moment after each; says when what it lists differs from the look before.
class AdapterFollower : public QObject {
    Q_OBJECT
public:
    static constexpr int LookMs = 2000;
    // An address is often taken off and another put on in two steps: the look waits for both.
    static constexpr int AfterNoticeMs = 250;

    // On the system's clock and inventory.
    explicit AdapterFollower(QObject *parent = nullptr);
    // On `clock` and `source`; only the system's inventory is told of changes by the system.
    AdapterFollower(Clock *clock, platform::AdapterSource *source, QObject *parent = nullptr);
    ~AdapterFollower() override;

    const QList<NetAdapterInfo> &inventory() const { return adapters_; }
    // Looks at the inventory now; true (after adaptersChanged) when it differs.
    bool lookNow();

signals:
    void adaptersChanged();

private:
    void lookLater(int ms);
    void systemTold();

    Clock &clock_;
    platform::AdapterSource *source_;
    QList<NetAdapterInfo> adapters_;
    quint64 looks_ = 0; // bumped by every look, so that a look due before stops
    std::intptr_t changes_;
    QObject *notifier_ = nullptr; // what the system tells of changes through; null where it tells none
    bool lookDue_ = false;
};
