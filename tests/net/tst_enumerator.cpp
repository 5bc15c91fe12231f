#include "net/udpenumerator.h"
#include "udptest.h"

#include <QSignalSpy>
#include <QtTest>

// Everything here is unicast on loopback: the enumerator listens on 127.0.0.1 and scripted cameras
// on other 127.x addresses answer it directly. Nothing is broadcast.
namespace {
const quint32 Local = 0x7F000001, Mask = 0xFF000000;
const QByteArray Std(52, '\0');                                  // a Standard reply, model 0
const QByteArray Adv = bytes("06 00 CD AB") + QByteArray(51, 0); // an Advanced reply, model 0
} // namespace

class Enumerator : public QObject {
    Q_OBJECT
private slots:
    void repliesBecomeRecordsOnce() {
        QUdpSocket cams[5];
        UdpEnumerator e;
        // Port 0 is the system's choice: the socket must then report the port it has, which the cameras
        // are told (and the Advanced discovery request carries).
        e.open(Local, Mask, 0);
        QCOMPARE(e.sockets.size(), 1);
        QList<UdpCamInfo *> announced;
        connect(&e, &UdpEnumerator::cameraDetected, this, [&](UdpCamInfo *info) { announced << info; });
        QSignalSpy again(&e, &UdpEnumerator::cameraSeenAgain);
        for (int i = 0; i < 5; ++i)
            QVERIFY(cams[i].bind(QHostAddress(0x7F000002 + i), 0));
        const quint16 to = e.sockets[0].port->localPort();
        const auto say = [&](int cam, const QByteArray &d) {
            cams[cam].writeDatagram(d, QHostAddress(Local), to);
        };
        // Requests and cut replies make no record.
        for (const QByteArray &junk : {bytes("01") + Std.mid(1), Std.left(51), Adv.left(54), QByteArray()})
            say(0, junk);
        // Camera 1 answers both dialects: announced once, by its first reply.
        for (const QByteArray &reply : {Adv, Std, Adv})
            say(1, reply);
        say(2, Std + QByteArray(12, 0)); // a reply may run past its layout
        QTRY_COMPARE(e.detected.size(), 2);
        QList<quint32> got; // sender, dialect, adapter address, mask and MTU of each record
        for (const UdpCamInfo *i : e.detected)
            got << i->cameraIp << i->protocol << i->adapterIp << i->adapterMask << i->adapterMtu;
        QCOMPARE(got, (QList<quint32>{0x7F000003, 1, 0x7F000001, 0xFF000000, 1500, 0x7F000004, 0, 0x7F000001,
                                      0xFF000000, 1500}));
        QVERIFY(announced == e.detected && again.count() == 2); // camera 1's later replies: seen again

        // Paused, replies are read and dropped, and their senders are not remembered.
        e.accepting = false;
        QSignalSpy read(e.sockets[0].port, &DatagramPort::received);
        say(3, Std);
        QVERIFY(read.wait(3000));
        QCOMPARE(e.detected.size(), 2);
        e.accepting = true;
        say(3, Std);
        QTRY_COMPARE(e.detected.size(), 3);

        // A receiver that re-opens discovery deletes the socket being drained: the drain must stop, the
        // reply still queued on the old socket goes with it, and every camera is new again.
        connect(&e, &UdpEnumerator::cameraDetected, this, [&] {
            if (e.detected.size() == 4) e.open(Local, Mask, to);
        });
        const QPointer<DatagramPort> drained = e.sockets[0].port;
        say(0, Std);
        say(4, Std);
        QTRY_COMPARE(announced.size(), 4);
        QTest::qWait(100);
        QCOMPARE(announced.size(), 4);
        QVERIFY(!drained);                            // and is gone once the drain is over
        QCOMPARE(e.sockets[0].port->localPort(), to); // the old socket released its port
        say(3, Std);
        QTRY_COMPARE(e.detected.size(), 1);

        // The walk ends with the 200 ports the firewall fixes open: a socket past them would hear nothing.
        QUdpSocket held[200]; // above the system's own choices, at an address no other test uses
        for (int i = 0; i < 200; ++i)
            QVERIFY(held[i].bind(QHostAddress(0x7F004D01), quint16(61000 + i)));
        e.open(0x7F004D01, Mask, 61000);
        QVERIFY(e.sockets.isEmpty());
        held[199].close();
        e.open(0x7F004D01, Mask, 61000);
        QCOMPARE(e.sockets.isEmpty() ? 0 : e.sockets[0].port->localPort(), 61199);
    }

    void secondCameraAtAKnownAddressIsKept() {
        UdpEnumerator e;
        e.open(Local, Mask, 0);
        QUdpSocket cam;
        QVERIFY(cam.bind(QHostAddress(0x7F000002), 0));
        const auto say = [&](const QByteArray &d) {
            cam.writeDatagram(d, QHostAddress(Local), e.sockets[0].port->localPort());
        };
        QByteArray other = Std;
        other[40] = 0x2A; // another MAC address, same sender
        // The same camera again (both dialects) is no conflict; another MAC is kept once, not announced.
        for (const QByteArray &reply : {Std, Adv, Std, other, other})
            say(reply);
        QTRY_COMPARE(e.shadowed().size(), 1);
        QTest::qWait(100);
        QVERIFY(e.detected.size() == 1 && e.shadowed().size() == 1 &&
                e.shadowed()[0].cameraIp == 0x7F000002 && e.shadowed()[0].macLow == 0x2A);
        // A flood of made-up MAC addresses is kept up to a cap.
        for (int n = 1; n <= 300; ++n) {
            other[41] = char(n);
            other[42] = char(n >> 8);
            say(other);
            if (n % 50 == 0) QTRY_VERIFY(e.shadowed().size() >= qMin(n + 1, 256));
        }
        QTest::qWait(100);
        QCOMPARE(e.shadowed().size(), 256);
        e.open(Local, Mask, 0);
        QVERIFY(e.shadowed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(Enumerator)
#include "tst_enumerator.moc"
