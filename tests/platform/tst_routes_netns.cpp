// The system's route to a destination, asked in a network namespace of the test's own whose routing
// table the test wrote: nothing here reaches this machine's interfaces.
#include "platform/routelookup.h"
#include "tests/netns.h"

#include <QDir>
#include <QtTest>

#include <arpa/inet.h>
#include <net/if.h>

class RouteLookup : public QObject {
    Q_OBJECT

private slots:
    void routesAsTheTableSaysThem() {
        // vr0 carries two addresses of one network, vr1 another network; three networks lie behind a
        // gateway on vr0, one of them with the second address as its source; three refuse.
        if (!enterOwnNetwork({"link add vr0 type veth peer name vp0", "link add vr1 type veth peer name vp1",
                              "addr add 10.91.0.1/24 dev vr0", "addr add 10.91.0.9/24 dev vr0",
                              "addr add 10.96.0.1/16 dev vr1", "link set vr0 up", "link set vr1 up",
                              "link set vp0 up", "link set vp1 up", "route add 10.92.0.0/24 via 10.91.0.254",
                              "route add 10.93.0.0/24 via 10.91.0.254 src 10.91.0.9",
                              "route add 10.97.0.0/24 via 10.96.200.1", "route add unreachable 10.94.0.0/24",
                              "route add blackhole 10.95.0.0/24", "route add prohibit 10.98.0.0/24"}))
            QSKIP("needs root and network namespaces");
        // destination = answer interface source gateway local
        const QString table = "10.91.0.20=0 vr0 10.91.0.1 0.0.0.0 0|10.92.0.7=0 vr0 10.91.0.1 10.91.0.254 0|"
                              "10.93.0.7=0 vr0 10.91.0.9 10.91.0.254 0|10.96.3.4=0 vr1 10.96.0.1 0.0.0.0 0|"
                              "10.97.0.1=0 vr1 10.96.0.1 10.96.200.1 0|10.91.0.9=0 lo 10.91.0.1 0.0.0.0 1|"
                              "10.91.0.255=0 vr0 10.91.0.1 0.0.0.0 0|10.99.0.1=1|10.94.0.1=1|10.95.0.1=1|"
                              "10.98.0.1=1";
        const uint descriptors = QDir("/proc/self/fd").count();
        const auto text = [](std::uint32_t a) { return QString(inet_ntoa(in_addr{htonl(a)})); };
        for (const QString &row : table.split('|')) {
            platform::HostRoute route;
            const auto answer =
                platform::systemRoutes().routeTo(ntohl(inet_addr(qPrintable(row.section('=', 0, 0)))), route);
            QString got = QString::number(int(answer));
            if (answer == platform::RouteAnswer::Routed)
                got += QString(" %1 %2 %3 %4")
                           .arg(route.interfaceName.c_str(), text(route.source), text(route.gateway))
                           .arg(route.local);
            QCOMPARE(got, row.section('=', 1));
            QVERIFY(route.interfaceIndex == if_nametoindex(route.interfaceName.c_str()));
        }
        QCOMPARE(QDir("/proc/self/fd").count(), descriptors); // every look-up closes its socket
    }
};

QTEST_GUILESS_MAIN(RouteLookup)
#include "tst_routes_netns.moc"
