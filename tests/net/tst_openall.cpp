#include "net/datagrams.h"
#include "net/udpenumerator.h"
#include "net/udplocalsocket.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QUdpSocket>
#include <QtTest>

#include <unistd.h>

// openAll and the broadcasts only ever run inside a network namespace made here: an adapter with
// two IPv4 networks and one IPv6 address, whose veth peer
// is in the same namespace. The test program runs itself again inside it.
namespace {
const char *const ChildEnv = "VARNIX_NET_IN_NAMESPACE";

bool ip(const QStringList &args) {
    return QProcess::execute(QStringLiteral("ip"), args) == 0;
}

QByteArray receive(QUdpSocket &s, quint16 *fromPort) {
    QElapsedTimer t;
    t.start();
    while (!s.hasPendingDatagrams() && t.elapsed() < 3000)
        s.waitForReadyRead(100);
    QByteArray d(int(qMax<qint64>(s.pendingDatagramSize(), 0)), '\0');
    if (s.readDatagram(d.data(), d.size(), nullptr, fromPort) < 0) return QByteArray("<nothing>");
    return d;
}
} // namespace

class OpenAll : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyBroadcastNetworkGetsOneSocket();

private:
    bool child() const { return qEnvironmentVariableIsSet(ChildEnv); }
    void runInside(const char *function);
    QString ns_;
};

void OpenAll::initTestCase() {
    if (child()) return;
    if (geteuid() != 0) QSKIP("needs root to make a network namespace");
    const QString pid = QString::number(QCoreApplication::applicationPid());
    ns_ = QStringLiteral("vxnet") + pid;
    const QString dev = QStringLiteral("vxa") + pid;
    const QString far = QStringLiteral("vxb") + pid;
    QVERIFY(ip({"netns", "add", ns_}));
    QVERIFY(ip({"-n", ns_, "link", "set", "lo", "up"}));
    QVERIFY(ip({"-n", ns_, "link", "add", dev, "type", "veth", "peer", "name", far}));
    QVERIFY(ip({"-n", ns_, "link", "set", dev, "up"}));
    QVERIFY(ip({"-n", ns_, "link", "set", far, "up"}));
    QVERIFY(ip({"-n", ns_, "addr", "add", "10.77.0.1/24", "brd", "+", "dev", dev}));
    QVERIFY(ip({"-n", ns_, "addr", "add", "10.77.1.1/24", "brd", "+", "dev", dev}));
    QVERIFY(ip({"-n", ns_, "addr", "add", "fd00:77::1/64", "dev", dev, "nodad"}));
}

void OpenAll::cleanupTestCase() {
    if (!ns_.isEmpty()) ip({"netns", "delete", ns_}); // takes the veth pair with it
}

void OpenAll::runInside(const char *function) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(ChildEnv, "1");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("ip"), {"netns", "exec", ns_, QCoreApplication::applicationFilePath(), function});
    QVERIFY(p.waitForFinished(60000));
    const QByteArray out = p.readAll();
    if (p.exitCode() != 0) qWarning().noquote() << out;
    QCOMPARE(p.exitCode(), 0);
}

void OpenAll::everyBroadcastNetworkGetsOneSocket() {
    if (!child()) return runInside("everyBroadcastNetworkGetsOneSocket");

    const quint16 base = Proto::DiscoveryBasePort;
    QUdpSocket heldA, heldB, listenStd, listenAdv;
    QVERIFY(heldA.bind(QHostAddress("10.77.0.1"), base, QAbstractSocket::DefaultForPlatform));
    QVERIFY(heldB.bind(QHostAddress("10.77.1.1"), base + 1, QAbstractSocket::DefaultForPlatform));
    QVERIFY(listenStd.bind(QHostAddress::AnyIPv4, Proto::StdDiscoverPortA));
    QVERIFY(listenAdv.bind(QHostAddress::AnyIPv4, Proto::AdvDiscoverPort));

    UdpEnumerator e;
    e.openAll(base);
    QVERIFY(e.accepting);
    // Loopback and the IPv6 addresses get no socket; the port walk goes on from where the first
    // socket bound instead of starting again.
    QCOMPARE(e.sockets.size(), 2);
    QCOMPARE(e.sockets.at(0)->address, QHostAddress("10.77.0.1"));
    QCOMPARE(e.sockets.at(0)->netmask, QHostAddress("255.255.255.0"));
    QCOMPARE(e.sockets.at(0)->port, quint16(base + 1));
    QCOMPARE(e.sockets.at(1)->address, QHostAddress("10.77.1.1"));
    QCOMPARE(e.sockets.at(1)->port, quint16(base + 2));

    e.broadcast(Proto::StdDiscoverPortA, opDiscover().constData(), opDiscover().size());
    e.discoverAdvanced();
    for (int i = 0; i < 2; ++i) {
        quint16 from = 0;
        QCOMPARE(receive(listenStd, &from).toHex(' '), opDiscover().toHex(' '));
        QVERIFY(from == base + 1 || from == base + 2);
        const QByteArray adv = receive(listenAdv, &from);
        QCOMPARE(adv.toHex(' ').left(11), QByteArray("07 00 cd ab"));
        QCOMPARE(quint16(quint8(adv[4]) | quint8(adv[5]) << 8), from); // each carries its own port
    }

    // A camera reached through both networks is announced once.
    QUdpSocket camera;
    QVERIFY(camera.bind(QHostAddress(QHostAddress::LocalHost), 0));
    QByteArray reply(52, '\0');
    camera.writeDatagram(reply, e.sockets.at(1)->address, e.sockets.at(1)->port);
    QTRY_COMPARE(e.detected.size(), 1);
    QCOMPARE(e.detected.at(0)->adapterIp, 0x0A4D0101u);
    QCOMPARE(e.detected.at(0)->adapterMask, 0xFFFFFF00u);
    QCOMPARE(e.detected.at(0)->cameraIp, 0x7F000001u);
    camera.writeDatagram(reply, e.sockets.at(0)->address, e.sockets.at(0)->port);
    QTest::qWait(300);
    QCOMPARE(e.detected.size(), 1);
}

QTEST_GUILESS_MAIN(OpenAll)
#include "tst_openall.moc"
