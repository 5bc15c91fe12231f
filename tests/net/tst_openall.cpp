#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/addresses.h"
#include "net/datagrams.h"
#include "net/udpenumerator.h"
#include "net/udpinterface.h"
#include "tests/netns.h"
#include "udptest.h"

#include <QtTest>

#include <cstring>

// openAll and the broadcasts only ever run inside a network namespace of this process's own, which
// vanishes with it: an adapter with jumbo frames, two IPv4 networks (the second under a label, as a
// factory subnet is often added) and one IPv6 address, its veth peer alongside.
class OpenAll : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (geteuid() != 0) QSKIP("needs root to make a network namespace");
        QVERIFY(
            enterOwnNetwork({"link add vxa type veth peer name vxb", "link set vxa mtu 9000 up",
                             "link set vxb up", "addr add 10.77.0.1/24 brd + dev vxa",
                             "addr add 10.77.1.1/24 brd + dev vxa label vxa:1", "tuntap add dev vxt mode tun",
                             "addr add 10.77.2.1 peer 10.77.2.2 dev vxt", // point-to-point
                             "addr add fd00:77::1/64 dev vxa nodad"}));
    }

    void everyBroadcastNetworkGetsOneSocket() {
        const quint16 base = 45056;
        QUdpSocket heldA, heldB, listenStd, listenAdv;
        QVERIFY(heldA.bind(QHostAddress(0x0A4D0001), base) && heldB.bind(QHostAddress(0x0A4D0101), base + 1));
        QVERIFY(listenStd.bind(QHostAddress::AnyIPv4, 1028) && listenAdv.bind(QHostAddress::AnyIPv4, 45611));
        UdpEnumerator e;
        e.openAll(base);
        // Loopback and IPv6 get no socket; the port walk goes on from where the previous address bound.
        QStringList got;
        for (const DiscoverySocket &s : e.sockets)
            got << QString("%1/%2:%3")
                       .arg(ipToText(s.local.ip), ipToText(s.local.mask))
                       .arg(s.port->localPort());
        QCOMPARE(got, QStringList({"10.77.0.1/255.255.255.0:45057", "10.77.1.1/255.255.255.0:45058"}));
        QCOMPARE(e.sockets[1].local.mtu, 9000u); // the labelled address's adapter's

        e.broadcast(1028, opDiscover());
        e.discoverAdvanced();
        for (int i = 0; i < 2; ++i) {
            quint16 from = 0;
            QCOMPARE(next(listenStd, &from), opDiscover());
            QVERIFY(from == base + 1 || from == base + 2);
            // Each Advanced request carries the port it was sent from.
            const QByteArray adv = next(listenAdv, &from);
            QCOMPARE(adv, advDiscover(from));
        }
        // A reply from the adapter's own address is named as impossible until discovery starts again.
        heldA.writeDatagram("x", QHostAddress(0x0A4D0001), base + 1);
        QTRY_COMPARE(e.impossibleSenders(), QList<quint32>{0x0A4D0001});
        e.openAll(base);
        QVERIFY(e.impossibleSenders().isEmpty());

        // An adapter whose address did not parse carries the all-adapters value but listens nowhere.
        NetAdapterInfo unparsed = allAdaptersEntry();
        std::strcpy(unparsed.name, "vxa");
        UdpCamManager manager;
        manager.restartDiscovery(&unparsed);
        QVERIFY(manager.enumerator.accepting && manager.enumerator.sockets.isEmpty());

        // An address's interface is looked up again once its answer is a second old.
        QCOMPARE(interfaceIndexOf(0x0A4D0301), 0);
        QCOMPARE(std::system("ip addr add 10.77.3.1/24 dev vxa && sleep 1.1"), 0);
        QVERIFY(interfaceIndexOf(0x0A4D0301) > 0);
    }
};

QTEST_GUILESS_MAIN(OpenAll)
#include "tst_openall.moc"
