// The watch fed from a manager on the in-process network through a plant's faults, every event with its
// time on the hand-moved clock and the metrics after each fault.
#include "tests/fakenetwork.h"
#include "watch/watchfeed.h"
#include "watch/watchmetrics.h"

#include <QtTest>

namespace {
constexpr quint32 Net = 0x0A4D0100, Adapter = Net + 1, Moved = Net + 2; // 10.77.1.0/24, .1 and .2

struct Rig {
    FakeClock clock;
    FakeNetwork net{clock};
    WatchFeed feed{NetworkFacts(), 8680, &net, &clock, &net};
    QStringList events;
    Rig() {
        net.addCamera(Net + 21, false, "S21"), net.addCamera(Net + 22, false, "S22"),
            net.addCamera(Net + 23, true);
        QObject::connect(&feed, &WatchFeed::changed, [this](const QList<WatchEvent> &list) {
            const auto at = [](qint64 ip) { return ip ? QString::number(ip & 0xFF) : QString("-"); };
            for (const WatchEvent &e : list) {
                const QString who = e.adapter.isEmpty() ? at(e.camera.info.cameraIp) : e.adapter;
                const QString moved =
                    e.kind >= WatchEvent::Address ? " " + at(e.before) + ">" + at(e.after) : "";
                events << QString::number(clock.now()) + " " + watchEventName(e.kind) + " " + who + moved;
            }
        });
    }
    // Moves the clock to `ms` and answers the events since the last call.
    QString until(qint64 ms) {
        clock.advance(ms - clock.now());
        return std::exchange(events, {}).join(", ");
    }
    // Who is up where: per camera the end of its serial number @ the end of its address ("/?" when not
    // on lab0), the up values in that order, the adapter's and how many cameras it lists.
    QString metrics() const {
        QString where, up, adapter;
        const QString text = watchMetricsText(feed.watch().snapshot(), feed.watch().facts(), "lab0", {});
        for (const QString &l : text.split('\n')) {
            if (l.startsWith("varnix_camera_info{"))
                where += l.section("serial=\"", 1).left(12).right(2) + "@" +
                         l.section("ip=\"", 1).section('"', 0, 0).section('.', 3) +
                         (l.contains("adapter=\"lab0\"") ? " " : "/? ");
            if (l.startsWith("varnix_camera_up{")) up += l.section(' ', -1);
            if (l.startsWith("varnix_adapter_")) adapter += " " + l.section(' ', -1);
        }
        return where + "up " + up + adapter;
    }
};
} // namespace

class WatchFeedTest : public QObject {
    Q_OBJECT
private slots:
    // The adapter is looked up by name every 2 s and at each rescan (every 3 s here). Without an address at
    // the start it is said to be down, and discovery begins once it has one. A new address is used at once,
    // without a camera event; gone, the adapter is said once and its cameras are lost when a whole discovery
    // misses them; back, discovery resumes on it and finds the same cameras, one series each, without
    // repeating what they told before. A camera silent for 10 s is lost once and found once; one that
    // answers from another address (here while a rediscovery runs) is said once, when a discovery goes
    // without its old address, and its series follows it; when both answer, it is another camera.
    void plantFaults() {
        Rig r;
        r.net.addresses[0].ip = 0;
        NetAdapterInfo lab0;
        qstrcpy(lab0.name, "lab0");
        r.feed.start(lab0, 3000);
        QCOMPARE(r.until(1000), QString("0 adapter-down lab0 ->-"));
        r.net.addresses[0].ip = Adapter;
        QCOMPARE(r.until(4000),
                 QString("2000 adapter-up lab0 ->1, 2160 found 21, 2160 options 21, 2160 name 21, "
                         "2160 found 22, 2160 options 22, 2160 name 22, 2160 found 23, 2160 name 23, "
                         "2260 status 21, 2260 status 22"));
        r.net.readdress(Adapter, Moved);
        QCOMPARE(r.until(24500), QString("5000 adapter-address lab0 1>2"));
        const auto asked = [](const Sent &s) { return s.from == Moved; }; // at once, not at the next rescan
        QCOMPARE(std::find_if(r.net.log.cbegin(), r.net.log.cend(), asked)->at, qint64(5000));
        QCOMPARE(r.metrics(), QString("21@21 22@22 23@23 up 111 3 1"));
        r.net.readdress(Moved, 0);
        QCOMPARE(r.until(33500),
                 QString("26000 adapter-down lab0 2>-, 30000 lost 21, 30000 lost 22, 30000 lost 23"));
        QCOMPARE(r.metrics(), QString("21@21 22@22 23@23 up 000 0 0"));
        r.net.readdress(0, Moved);
        QCOMPARE(r.until(40500),
                 QString("35000 adapter-up lab0 ->2, 35160 found 21, 35160 found 22, 35160 found 23"));
        QCOMPARE(r.metrics(), QString("21@21 22@22 23@23 up 111 3 1"));
        r.net.cameras[0].off = true;
        QCOMPARE(r.until(50500), QString("45000 lost 21"));
        r.net.cameras[0].off = false;
        QCOMPARE(r.until(57100), QString("51160 found 21")); // while a rediscovery runs
        r.net.cameras[1].sim.ip = Net + 32;
        QCOMPARE(r.until(66000), QString("63000 address 32 22>32"));
        QCOMPARE(r.metrics(), QString("22@32 23@23 21@21 up 111 3 1"));
        FakeCamera &twin = r.net.addCamera(Net + 42, false); // both answer: two cameras carry one identity
        twin.sim.serial = 1021, twin.sim.mac[5] = 21;
        QCOMPARE(r.until(75000), QString("72000 found 42, 72000 name 42, 72000 status 42, 72000 options 42, "
                                         "72000 conflict 21, 72000 conflict 21"));
    }
};

QTEST_GUILESS_MAIN(WatchFeedTest)
#include "tst_watchfeed.moc"
