#include "cameras/conflicts.h"
#include "cameras/udpcammanager.h"
#include "net/udpinterface.h"

#include <QtTest>

namespace {

struct Cam {
    quint32 protocol;
    quint32 ip;
    quint32 mac;
    quint32 serial;
    quint32 mtu;
};

// Channels put into the registry by hand; nothing is bound or sent.
void fill(UdpCamManager &manager, const QList<Cam> &cams) {
    manager.pollTimer.stop();
    for (const Cam &c : cams) {
        auto *channel = new UdpInterface(&manager);
        channel->camInfo.protocol = c.protocol;
        channel->camInfo.cameraIp = c.ip;
        channel->camInfo.macLow = c.mac;
        channel->camInfo.serialNumber = c.serial;
        channel->camInfo.adapterMtu = c.mtu;
        channel->index = manager.cameras.size();
        manager.cameras.append(channel);
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<Cam>)

class Conflicts : public QObject {
    Q_OBJECT
private slots:
    void datagramSizeOfSetting_data();
    void datagramSizeOfSetting();
    void firstConflict_data();
    void firstConflict();
    void warningTexts();
};

void Conflicts::datagramSizeOfSetting_data() {
    QTest::addColumn<int>("setting");
    QTest::addColumn<quint32>("size");
    QTest::newRow("optimal") << -1 << 0u;
    QTest::newRow("1500 standard") << 0 << 1448u;
    QTest::newRow("2920") << 1 << 2920u;
    QTest::newRow("4360") << 2 << 4360u;
    QTest::newRow("5800") << 3 << 5800u;
    QTest::newRow("7240") << 4 << 7240u;
    QTest::newRow("8680") << 5 << 8680u;
    QTest::newRow("past the table") << 6 << 0u;
    QTest::newRow("below -1") << -7 << 0u;
}

void Conflicts::datagramSizeOfSetting() {
    QFETCH(int, setting);
    QFETCH(quint32, size);
    QCOMPARE(datagramSizeFor(setting), size);
}

void Conflicts::firstConflict_data() {
    QTest::addColumn<QList<Cam>>("cams");
    QTest::addColumn<quint32>("size");
    QTest::addColumn<int>("code");
    const quint32 A = 0xC0A80114, B = 0xC0A80115;
    QTest::newRow("none") << QList<Cam>{{0, A, 1, 10, 1500}, {0, B, 2, 11, 1500}} << 1448u << 0;
    QTest::newRow("empty list") << QList<Cam>{} << 1448u << 0;
    QTest::newRow("optimal never checks the size")
        << QList<Cam>{{0, A, 1, 10, 9000}, {0, B, 2, 11, 600}} << 0u << 0;
    QTest::newRow("standard size on a jumbo adapter") << QList<Cam>{{0, A, 1, 10, 9000}} << 1448u << 1;
    QTest::newRow("standard size on a standard adapter") << QList<Cam>{{0, A, 1, 10, 1500}} << 1448u << 0;
    QTest::newRow("jumbo size on a standard adapter") << QList<Cam>{{0, A, 1, 10, 1500}} << 8680u << 2;
    QTest::newRow("jumbo size on a jumbo adapter") << QList<Cam>{{0, A, 1, 10, 9000}} << 8680u << 0;
    QTest::newRow("Advanced never gives 1") << QList<Cam>{{1, A, 1, 10, 9000}} << 1448u << 0;
    QTest::newRow("Advanced never gives 2") << QList<Cam>{{1, A, 1, 10, 1500}} << 8680u << 0;
    QTest::newRow("same IP and MAC is an IP conflict")
        << QList<Cam>{{0, A, 1, 10, 1500}, {0, A, 1, 11, 1500}} << 0u << 3;
    QTest::newRow("same MAC") << QList<Cam>{{0, A, 1, 10, 1500}, {0, B, 1, 11, 1500}} << 0u << 4;
    QTest::newRow("same serial") << QList<Cam>{{1, A, 1, 10, 1500}, {0, B, 2, 10, 1500}} << 0u << 5;
    QTest::newRow("size of camera 0 before a shared serial")
        << QList<Cam>{{0, A, 1, 10, 9000}, {0, B, 2, 10, 1500}} << 1448u << 1;
    // Camera 0 is checked whole (its size, then its pairs) before camera 1's size.
    QTest::newRow("pair of camera 0 before size of camera 1")
        << QList<Cam>{{1, A, 1, 10, 1500}, {0, B, 2, 10, 9000}} << 1448u << 5;
    QTest::newRow("IP pair found only from the later camera's side")
        << QList<Cam>{{0, B, 3, 12, 1500}, {0, A, 1, 10, 1500}, {0, A, 2, 11, 1500}} << 0u << 3;
}

void Conflicts::firstConflict() {
    QFETCH(QList<Cam>, cams);
    QFETCH(quint32, size);
    QFETCH(int, code);
    UdpCamManager manager;
    fill(manager, cams);
    QCOMPARE(findCameraConflict(manager, size), code);
}

void Conflicts::warningTexts() {
    QCOMPARE(conflictText(1), QStringLiteral("Jumbo datagram size is enabled on network adapter "
                                             "and disabled on cameras. Cameras may not work "
                                             "properly."));
    QCOMPARE(conflictText(2), QStringLiteral("Jumbo datagram size is disabled on network adapter "
                                             "and enabled on cameras. Cameras may not work "
                                             "properly."));
    QCOMPARE(conflictText(3), QStringLiteral("More than one camera have the same IP address. "
                                             "Right click and select 'Edit IP Address...' to "
                                             "change IP address."));
    QCOMPARE(conflictText(4), QStringLiteral("More than one camera have the same MAC address."));
    QCOMPARE(conflictText(5), QStringLiteral("More than one camera have the same Serial Number."));
    QVERIFY(conflictText(0).isEmpty());
    QVERIFY(conflictText(6).isEmpty());
}

QTEST_GUILESS_MAIN(Conflicts)
#include "tst_conflicts.moc"
