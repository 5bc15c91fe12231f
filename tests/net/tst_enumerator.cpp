#include "net/camrecord.h"
#include "net/udpenumerator.h"
#include "net/udplocalsocket.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(UdpCamInfo *)

// Everything here is unicast on loopback: the enumerator listens on 127.0.0.1 and scripted cameras
// on other 127.x addresses answer it directly. Nothing is broadcast.
namespace {
const QHostAddress Local(QStringLiteral("127.0.0.1"));
const QHostAddress Mask(QStringLiteral("255.0.0.0"));

QByteArray hex(const char *text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Model 31/8, serial 0x0102, MAC 00:11:22:33:44:55, mask 255.255.0.0.
QByteArray standardReply() {
    return hex("00 00 08 01 34 00 00 00 1F 00 00 00 00 00 00 00 02 01 00 00 05 00 00 00"
               "06 00 00 00 00 00 08 00 00 00 00 00 11 00 00 00 55 44 33 22 00 00 00 00"
               "00 00 FF FF");
}

// Model 2, serial 0x0203, MAC 02:00:00:00:00:07, 10G link.
QByteArray advancedReply() {
    return hex("06 00 CD AB 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 03 02 00 00"
               "00 00 00 00 02 00 00 00 00 00 00 00 02 00 00 00 00 07 00 00 00 00 00 00"
               "00 00 00 00 00 00 10");
}

// A first port with `count` free ports after it on 127.0.0.1, away from the usual discovery ports.
quint16 freeRun(int count) {
    for (quint16 base = quint16(20000 + (QCoreApplication::applicationPid() % 500) * 20); base < 30000;
         base = quint16(base + count + 7)) {
        bool free = true;
        for (int i = 0; i < count && free; ++i) {
            QUdpSocket probe;
            free = probe.bind(Local, quint16(base + i), QAbstractSocket::DefaultForPlatform);
        }
        if (free) return base;
    }
    return 0;
}

// A camera at a loopback address of its own.
struct Camera {
    QUdpSocket socket;
    explicit Camera(const char *ip) { socket.bind(QHostAddress(QString::fromLatin1(ip)), 0); }
    void say(const QByteArray &d, const UdpEnumerator &e) {
        socket.writeDatagram(d, Local, e.sockets.first()->port);
    }
};
} // namespace

class Enumerator : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<UdpCamInfo *>(); }
    void opensOneSocketOnTheAddress();
    void takenPortMovesToTheNext();
    void allTriesTakenLeavesNoSocket();
    void portWalkWrapsPastTheTop();
    void repliesOfBothDialectsAreRecorded();
    void cameraAnsweringBothDialectsIsAnnouncedOnce();
    void requestsAndShortRepliesMakeNoRecord();
    void pausedEnumeratorDropsReplies();
    void reopeningForgetsCameras();
    void reopeningFromAReceiverStopsTheDrain();
};

void Enumerator::opensOneSocketOnTheAddress() {
    const quint16 base = freeRun(2);
    QVERIFY(base);
    UdpEnumerator e;
    QVERIFY(!e.accepting);
    e.open(Local, Mask, base);
    QVERIFY(e.accepting);
    QCOMPARE(e.sockets.size(), 1);
    UdpLocalSocket *s = e.sockets.first();
    QCOMPARE(s->port, base);
    QCOMPARE(s->localPort(), base);
    QCOMPARE(s->address, Local);
    QCOMPARE(s->netmask, Mask);
    QVERIFY(!s->parent());
}

void Enumerator::takenPortMovesToTheNext() {
    const quint16 base = freeRun(3);
    QVERIFY(base);
    QUdpSocket holder;
    QVERIFY(holder.bind(Local, base, QAbstractSocket::DefaultForPlatform));
    UdpEnumerator e;
    e.open(Local, Mask, base);
    QCOMPARE(e.sockets.size(), 1);
    QCOMPARE(e.sockets.first()->port, quint16(base + 1));
    QCOMPARE(e.sockets.first()->localPort(), quint16(base + 1));
}

void Enumerator::allTriesTakenLeavesNoSocket() {
    const quint16 base = freeRun(201);
    QVERIFY(base);
    std::vector<std::unique_ptr<QUdpSocket>> holders;
    for (int i = 0; i < 200; ++i) {
        holders.push_back(std::make_unique<QUdpSocket>());
        QVERIFY(holders.back()->bind(Local, quint16(base + i), QAbstractSocket::DefaultForPlatform));
    }
    UdpEnumerator e;
    e.open(Local, Mask, base);
    QVERIFY(e.sockets.isEmpty());
    QVERIFY(e.accepting); // listening, with nothing to listen on

    holders.pop_back(); // frees the 200th port
    e.open(Local, Mask, base);
    QCOMPARE(e.sockets.size(), 1);
    QCOMPARE(e.sockets.first()->port, quint16(base + 199));
}

void Enumerator::portWalkWrapsPastTheTop() {
    QUdpSocket holder;
    if (!holder.bind(Local, 65535, QAbstractSocket::DefaultForPlatform)) QSKIP("port 65535 is in use");
    UdpEnumerator e;
    e.open(Local, Mask, 65535);
    QCOMPARE(e.sockets.size(), 1);
    // Port 0 lets the system choose; the socket then reports the port it really has, which is
    // what the Advanced discovery request must carry.
    QVERIFY(e.sockets.first()->port != 0);
    QCOMPARE(e.sockets.first()->port, e.sockets.first()->localPort());
}

void Enumerator::repliesOfBothDialectsAreRecorded() {
    const quint16 base = freeRun(1);
    UdpEnumerator e;
    e.open(Local, Mask, base);
    QCOMPARE(e.sockets.size(), 1);
    QSignalSpy spy(&e, &UdpEnumerator::cameraDetected);
    Camera standard("127.0.0.2"), advanced("127.0.0.3");
    standard.say(standardReply(), e);
    QTRY_COMPARE(e.detected.size(), 1);
    advanced.say(advancedReply(), e);
    QTRY_COMPARE(e.detected.size(), 2);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).value<UdpCamInfo *>(), e.detected.at(0));
    QCOMPARE(spy.at(1).at(0).value<UdpCamInfo *>(), e.detected.at(1));

    const UdpCamInfo &s = *e.detected.at(0);
    QCOMPARE(s.protocol, 0u);
    QCOMPARE(s.cameraIp, 0x7F000002u);
    QCOMPARE(s.cameraType, 41u); // 31/8
    QCOMPARE(s.sensorType, 0u);
    QCOMPARE(s.cameraPort, 1029u);
    QCOMPARE(s.serialNumber, 0x0102u);
    QCOMPARE(s.macHigh, 0x0011u);
    QCOMPARE(s.macLow, 0x22334455u);
    QCOMPARE(s.cameraMask, 0xFFFF0000u);
    QCOMPARE(s.adapterIp, 0x7F000001u);
    QCOMPARE(s.adapterMask, 0xFF000000u);
    QCOMPARE(s.adapterMtu, e.sockets.first()->mtu);

    const UdpCamInfo &a = *e.detected.at(1);
    QCOMPARE(a.protocol, 1u);
    QCOMPARE(a.cameraIp, 0x7F000003u);
    QCOMPARE(a.cameraType, 55u);
    QCOMPARE(a.cameraPort, 9000u);
    QCOMPARE(a.cameraMask, 0xFF000000u);
    QCOMPARE(a.macHigh, 0x0200u);
    QCOMPARE(a.macLow, 0x00000007u);
    QCOMPARE(a.link10G, 1u);
}

void Enumerator::cameraAnsweringBothDialectsIsAnnouncedOnce() {
    UdpEnumerator e;
    e.open(Local, Mask, freeRun(1));
    QSignalSpy spy(&e, &UdpEnumerator::cameraDetected);
    Camera both("127.0.0.4"), marker("127.0.0.5");
    both.say(advancedReply(), e);
    both.say(standardReply(), e);
    both.say(advancedReply(), e);
    marker.say(standardReply(), e); // arrives after the repeats, so they have been read
    QTRY_COMPARE(e.detected.size(), 2);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(e.detected.at(0)->cameraIp, 0x7F000004u);
    QCOMPARE(e.detected.at(0)->protocol, 1u); // the dialect of its first reply
    QCOMPARE(e.detected.at(1)->cameraIp, 0x7F000005u);
}

void Enumerator::requestsAndShortRepliesMakeNoRecord() {
    UdpEnumerator e;
    e.open(Local, Mask, freeRun(1));
    Camera noise("127.0.0.6"), big("127.0.0.10"), marker("127.0.0.7");
    QByteArray request = standardReply();
    request[0] = 1;
    noise.say(hex("01 00 08 01 08 00 00 00"), e); // another workstation's discovery
    noise.say(request, e);                        // byte 0 is 1
    noise.say(hex("07 00 CD AB 00 B0 00 00"), e); // an Advanced discovery request
    noise.say(standardReply().left(51), e);       // cut short
    noise.say(advancedReply().left(54), e);       // cut short
    noise.say(QByteArray(), e);
    big.say(standardReply() + QByteArray(3000, 'x'), e); // beyond the buffer: the tail is lost, not the reply
    marker.say(advancedReply(), e);
    QTRY_COMPARE(e.detected.size(), 2);
    QCOMPARE(e.detected.at(0)->cameraIp, 0x7F00000Au);
    QCOMPARE(e.detected.at(0)->protocol, 0u);
    QCOMPARE(e.detected.at(1)->cameraIp, 0x7F000007u);
}

void Enumerator::pausedEnumeratorDropsReplies() {
    UdpEnumerator e;
    e.open(Local, Mask, freeRun(1));
    e.accepting = false;
    Camera cam("127.0.0.8");
    cam.say(standardReply(), e);
    UdpLocalSocket *s = e.sockets.first();
    QElapsedTimer t;
    t.start();
    while (!s->hasPendingDatagrams() && t.elapsed() < 3000)
        s->waitForReadyRead(50);
    QVERIFY(s->hasPendingDatagrams());
    QVERIFY(QMetaObject::invokeMethod(&e, "OnProcessBroadcast"));
    QVERIFY(!s->hasPendingDatagrams()); // read, then dropped
    QVERIFY(e.detected.isEmpty());

    e.accepting = true;
    cam.say(standardReply(), e);
    QTRY_COMPARE(e.detected.size(), 1); // the camera was not remembered while paused
}

void Enumerator::reopeningForgetsCameras() {
    const quint16 base = freeRun(1);
    UdpEnumerator e;
    e.open(Local, Mask, base);
    QSignalSpy spy(&e, &UdpEnumerator::cameraDetected);
    Camera cam("127.0.0.9");
    cam.say(standardReply(), e);
    QTRY_COMPARE(e.detected.size(), 1);
    e.open(Local, Mask, base);
    QVERIFY(e.detected.isEmpty());
    QCOMPARE(e.sockets.size(), 1);
    QCOMPARE(e.sockets.first()->port, base); // the old socket released its port
    cam.say(standardReply(), e);
    QTRY_COMPARE(e.detected.size(), 1);
    QCOMPARE(spy.count(), 2);
}

void Enumerator::reopeningFromAReceiverStopsTheDrain() {
    const quint16 base = freeRun(1);
    UdpEnumerator e;
    e.open(Local, Mask, base);
    int announced = 0;
    connect(&e, &UdpEnumerator::cameraDetected, this, [&] {
        if (++announced == 1) e.open(Local, Mask, base); // deletes the socket and record being handled
    });
    Camera first("127.0.0.11"), second("127.0.0.12");
    first.say(standardReply(), e);
    second.say(standardReply(), e);
    QTRY_COMPARE(announced, 1);
    QTest::qWait(100);
    QCOMPARE(announced, 1); // the second reply went with the old socket
    QVERIFY(e.detected.isEmpty());
    second.say(standardReply(), e);
    QTRY_COMPARE(e.detected.size(), 1);
}

QTEST_GUILESS_MAIN(Enumerator)
#include "tst_enumerator.moc"
