#pragma once

// An in-process network and a clock moved by hand, for conversations tested exactly and without
// sleeping. Cameras build their replies with the simulator's own writers.
#include "net/clock.h"
#include "net/datagramport.h"
#include "platform/adaptersource.h"
#include "tools/camsim/simcamera.h"

#include <QPointer>

#include <deque>
#include <functional>
#include <map>

class FakeClock : public Clock {
public:
    qint64 now() const override { return now_; }
    void singleShot(int ms, QObject *context, std::function<void()> what) override {
        due_.emplace(std::make_pair(now_ + qMax(ms, 0), order_++), std::make_pair(context, std::move(what)));
    }
    // Runs what falls due in the next `ms`, in time order (then in the order it was asked for), then
    // the deferred deletions.
    void advance(qint64 ms);

private:
    std::map<std::pair<qint64, quint64>, std::pair<QPointer<QObject>, std::function<void()>>> due_;
    qint64 now_ = 0;
    quint64 order_ = 0;
};

// One datagram as it was sent.
struct Sent {
    qint64 at;
    quint32 from, to;
    quint16 fromPort, toPort;
    QByteArray data;
};

// A scripted camera on the link of a local address. It answers each kind of query from its n-th on
// (0: never): options, name (either dialect), status.
struct FakeCamera {
    SimCamera sim;
    quint32 link = 0;
    int answersFrom[3] = {1, 1, 1}, asked[3] = {};
    bool answersDiscovery = true;
    bool off = false; // hears nothing: switched off, or its cable pulled
};

// Its local addresses are also its adapters, lab0, lab1, ... in their order; an address taken away
// receives nothing any more.
class FakeNetwork : public DatagramNetwork, public platform::AdapterSource {
public:
    explicit FakeNetwork(FakeClock &clock) : clock_(clock) {}
    DatagramPort *createPort(QObject *parent) override;
    QList<LocalAddress> localAddresses() const override { return addresses; }
    quint32 mtuOf(quint32) const override { return 9000; }
    // A local address's subnet is on its link; anything else goes through `gateway` from the first
    // local address, and has no route without one.
    platform::RouteAnswer routeTo(quint32 to, platform::HostRoute &out) override;
    quint32 gateway = 0;

    // A camera at `ip` on the first local address's link, of the Advanced dialect or not.
    FakeCamera &addCamera(quint32 ip, bool advanced, const QByteArray &name = "cam");
    // The requests sent to `ip` itself, as "time kind" pairs (kinds: opt, name, stat, reg, aname, set,
    // disc, adisc, else the size), at or after `from` and before `to`.
    QString heard(quint32 ip, qint64 from = 0, qint64 to = 1 << 30) const;
    void transmit(const Sent &s);
    bool adapters(std::vector<platform::AdapterRecord> &out) override;
    bool mtus(std::vector<platform::MtuRecord> &) override { return true; }
    bool local(quint32 ip) const;
    // The adapter at `from` takes the address `to` (/24); 0 for `to` takes it away, 0 for `from` brings
    // one back. The cameras on its link stay there.
    void readdress(quint32 from, quint32 to);

    // Delays of the copies of each datagram that go out: none when it is lost, two for a duplicate, a
    // longer one for a datagram overtaken by later ones.
    std::function<QList<int>(const Sent &)> fate = [](const Sent &) { return QList<int>{0}; };
    QList<LocalAddress> addresses{{0x0A4D0101, 0xFFFFFF00, 0x0A4D01FF, 9000}}; // 10.77.1.1/24
    QList<Sent> log;
    std::deque<FakeCamera> cameras;
    std::map<std::pair<quint32, quint16>, DatagramPort *> bound;
    quint16 nextPort = 50000;

private:
    void deliver(const Sent &s);
    void hear(FakeCamera &cam, const Sent &s);

    FakeClock &clock_;
    QObject anchor_; // deliveries end with the network
};

// Kind of a request, as heard() writes it.
QString requestKind(const QByteArray &d);
