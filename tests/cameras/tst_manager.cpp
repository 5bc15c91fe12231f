#include "loopbackpeer.h"

#include "app/qvxapplication.h"
#include "cameras/qlistitemlabel.h"
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/udpinterface.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <chrono>
#include <thread>

namespace {

constexpr quint32 Loopback = 0x7F000001;
using Clock = std::chrono::steady_clock;

QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(v >> (8 * i) & 0xFF);
    return b;
}

QByteArray statusReply(quint32 status) {
    return QByteArray::fromHex("0000080e10000000") + le32(0) + le32(status);
}

QByteArray nameReply(const char *name) {
    return QByteArray::fromHex("0000080210000000") + QByteArray(name) + QByteArray(1, '\0');
}

// A camera reached over loopback: camera and adapter are both 127.0.0.1, the camera's command
// port is the scripted peer's.
UdpCamInfo loopbackCamera(quint32 protocol, quint16 port) {
    UdpCamInfo info;
    info.protocol = protocol;
    info.cameraType = protocol == 1 ? 48 : 28;
    info.cameraIp = Loopback;
    info.cameraMask = 0xFFFFFF00;
    info.adapterIp = Loopback;
    info.adapterMask = 0xFFFFFFFF; // its directed broadcast is 127.0.0.1 itself
    info.adapterMtu = 1500;
    info.cameraPort = port;
    info.macHigh = 0x000C;
    info.macLow = 0x9C81F2A7;
    return info;
}

// A channel put into the registry without any socket traffic, for the presentation tests. The
// poll timer is stopped so that nothing is ever sent to the made-up addresses.
UdpInterface *handBuilt(UdpCamManager &manager, const UdpCamInfo &info, const QString &name = {},
                        quint32 status = 0) {
    manager.pollTimer.stop();
    auto *channel = new UdpInterface(&manager);
    channel->camInfo = info;
    channel->index = manager.cameras.size();
    channel->cameraName = name;
    channel->status = status;
    manager.cameras.append(channel);
    return channel;
}

UdpCamInfo subnetCamera(quint32 cameraIp, quint32 adapterIp, quint32 adapterMask, quint32 link10G) {
    UdpCamInfo info;
    info.cameraType = 28;
    info.sensorType = 2;
    info.cameraIp = cameraIp;
    info.adapterIp = adapterIp;
    info.adapterMask = adapterMask;
    info.link10G = link10G;
    return info;
}

NetAdapterInfo loopbackAdapter() {
    NetAdapterInfo lo;
    qstrcpy(lo.name, "lo");
    lo.ip = Loopback;
    lo.mask = 0xFF000000;
    return lo;
}

// Runs the event loop for `ms` without handling deferred deletions, unlike QTest::qWait.
void spinEvents(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool sameImage(const QPixmap &a, const QString &resource) {
    return !a.isNull() && a.toImage() == QPixmap(resource).toImage();
}

const char *const inTemplate = "<p align=left><font color=#FFAA34><b>%1 (%2)<br/><font "
                               "color=silver><b>IP:%3 (%4) - '%5'</b></p>";
const char *const outTemplate = "<p align=left><font color=silver><b>%1 (%2)<br/><font "
                                "color=red><b>IP:%3 (%4) - '%5'</b></font></p>";
const char *const idle = "<font color=silver>Idle</font>";

} // namespace

class ManagerTest : public QObject {
    Q_OBJECT
private slots:
    void camerasAreIndexedFromZeroAndNotificationsCarryTheirIndex();
    void standardCameraIsAskedForOptionsThenName();
    void advancedCameraRegistersItsPortThenAsksForItsName();
    void pollReachesStandardCamerasEvery3sFromConstruction();
    void addressRequestOnlyWhenAddressOrMaskChanges();
    void restartSilencesFormerChannelsAndDeletesThemLater();
    void restartFromANotificationHandlerIsSafe();

    void cameraText_data();
    void cameraText();
    void unnamedCameraIsNumberedFromOne();
    void indexBeyondTheListGivesEmptyForms();
    void statusText_data();
    void statusText();
    void statusBullet_data();
    void statusBullet();
    void cameraPicture_data();
    void cameraPicture();

    void entryLayoutAtScaleOne();
    void entryWithoutPictureKeepsTextAndBullet();
    void bulletCanBeReplacedAndCleared();
};

void ManagerTest::camerasAreIndexedFromZeroAndNotificationsCarryTheirIndex() {
    LoopbackPeer peer(Clock::now());
    UdpCamManager manager;
    QSignalSpy listed(&manager, &UdpCamManager::updateCameraList);
    QSignalSpy changed(&manager, &UdpCamManager::updateCameraStatus);

    UdpCamInfo a = loopbackCamera(0, peer.port());
    UdpCamInfo b = loopbackCamera(0, peer.port());
    manager.OnCameraDetected(&a);
    manager.OnCameraDetected(&b);
    QCOMPARE(listed.count(), 2);
    QCOMPARE(manager.cameraCount(), 2);
    QCOMPARE(manager.camera(0)->index, 0);
    QCOMPARE(manager.camera(1)->index, 1);
    QVERIFY(manager.camera(2) == nullptr);
    QVERIFY(manager.camera(-1) == nullptr);

    peer.sendTo(manager.camera(1)->localPort(), statusReply(3));
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 1);
    QCOMPARE(changed.at(0).at(1).toInt(), 1);
    QCOMPARE(manager.camera(1)->status, 3u);

    peer.sendTo(manager.camera(0)->localPort(), nameReply("Bench"));
    QTRY_COMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toInt(), 0);
    QCOMPARE(changed.at(1).at(1).toInt(), 0);
    QCOMPARE(manager.camera(0)->cameraName, QStringLiteral("Bench"));
}

void ManagerTest::standardCameraIsAskedForOptionsThenName() {
    const auto epoch = Clock::now();
    LoopbackPeer peer(epoch);
    UdpCamManager manager;
    UdpCamInfo info = loopbackCamera(0, peer.port());
    QElapsedTimer took;
    took.start();
    manager.OnCameraDetected(&info);
    // Both opening requests are followed by a wait of their own.
    QVERIFY(took.elapsed() >= 155);

    QTRY_VERIFY(peer.received().size() >= 2);
    const QList<LoopbackPeer::Datagram> got = peer.received();
    QCOMPARE(got.at(0).bytes, QByteArray::fromHex("010008d208000000"));
    QCOMPARE(got.at(1).bytes, QByteArray::fromHex("010008020c00000032000000"));
    const qint64 gap = got.at(1).atMs - got.at(0).atMs;
    QVERIFY2(gap >= 70 && gap <= 200, qPrintable(QString::number(gap)));
}

void ManagerTest::advancedCameraRegistersItsPortThenAsksForItsName() {
    const auto epoch = Clock::now();
    LoopbackPeer peer(epoch);
    UdpCamManager manager;
    UdpCamInfo info = loopbackCamera(1, peer.port());
    manager.OnCameraDetected(&info);
    const quint16 port = manager.camera(0)->localPort();
    QVERIFY(port != 0);

    QTRY_VERIFY(peer.received().size() >= 2);
    const QList<LoopbackPeer::Datagram> got = peer.received();
    QCOMPARE(got.at(0).bytes, QByteArray::fromHex("0400cdab00020200") + le32(port));
    QCOMPARE(got.at(1).bytes, QByteArray::fromHex("0400cdab0b01020000000000"));
    const qint64 gap = got.at(1).atMs - got.at(0).atMs;
    QVERIFY2(gap >= 70 && gap <= 200, qPrintable(QString::number(gap)));
}

void ManagerTest::pollReachesStandardCamerasEvery3sFromConstruction() {
    const auto epoch = Clock::now();
    LoopbackPeer standard(epoch);
    LoopbackPeer advanced(epoch);
    UdpCamManager manager;
    QVERIFY(manager.pollTimer.isActive());
    QCOMPARE(manager.pollTimer.interval(), 3000);

    // Found a second after the manager was made: the first poll still comes at 3 s.
    QTest::qWait(1000);
    UdpCamInfo s = loopbackCamera(0, standard.port());
    UdpCamInfo a = loopbackCamera(1, advanced.port());
    manager.OnCameraDetected(&s);
    manager.OnCameraDetected(&a);

    QTest::qWait(2400);
    const QList<LoopbackPeer::Datagram> got = standard.received();
    QCOMPARE(got.size(), 3);
    QCOMPARE(got.at(2).bytes, QByteArray::fromHex("0100080e08000000"));
    QVERIFY2(got.at(2).atMs >= 2800 && got.at(2).atMs <= 3300, qPrintable(QString::number(got.at(2).atMs)));
    // The Advanced camera only ever got its two opening requests.
    QCOMPARE(advanced.received().size(), 2);
}

void ManagerTest::addressRequestOnlyWhenAddressOrMaskChanges() {
    LoopbackPeer peer(Clock::now());
    UdpCamManager manager;
    UdpCamInfo info = loopbackCamera(0, peer.port());
    manager.OnCameraDetected(&info);
    manager.pollTimer.stop();
    QTRY_COMPARE(peer.received().size(), 2);

    manager.setCameraAddress(manager.camera(0), Loopback, 0xFFFFFF00);
    QTest::qWait(150);
    QCOMPARE(peer.received().size(), 2);

    manager.setCameraAddress(manager.camera(0), Loopback, 0xFFFF0000);
    QTRY_COMPARE(peer.received().size(), 3);
    QCOMPARE(peer.received().at(2).bytes, QByteArray::fromHex("0100081718000000"
                                                              "0100007f"
                                                              "0000ffff"
                                                              "a7f2819c"
                                                              "0c000000"));

    manager.setCameraAddress(manager.camera(0), 0x0A010203, 0xFFFFFF00);
    QTRY_COMPARE(peer.received().size(), 4);
    QCOMPARE(peer.received().at(3).bytes.mid(8, 8), QByteArray::fromHex("0302010a00ffffff"));

    manager.setCameraAddress(nullptr, 1, 1); // no camera: nothing happens
}

void ManagerTest::restartSilencesFormerChannelsAndDeletesThemLater() {
    LoopbackPeer peer(Clock::now());
    UdpCamManager manager;
    QSignalSpy changed(&manager, &UdpCamManager::updateCameraStatus);
    UdpCamInfo info = loopbackCamera(0, peer.port());
    manager.OnCameraDetected(&info);
    manager.pollTimer.stop();
    QPointer<UdpInterface> former = manager.camera(0);
    const quint16 formerPort = former->localPort();

    const NetAdapterInfo lo = loopbackAdapter();
    manager.restartDiscovery(&lo);
    QCOMPARE(manager.cameraCount(), 0);
    QVERIFY(manager.camera(0) == nullptr);
    QVERIFY(manager.enumerator.accepting);
    // Still there for anyone who held it a moment ago, but it no longer speaks.
    QVERIFY(!former.isNull());
    QVERIFY(!former->active);
    emit former->cameraStatusChanged(0, 1);
    peer.sendTo(formerPort, statusReply(3));
    spinEvents(150);
    QCOMPARE(changed.count(), 0);

    QTRY_VERIFY(former.isNull());

    // The next camera is numbered from 0 again.
    UdpCamInfo next = loopbackCamera(0, peer.port());
    manager.OnCameraDetected(&next);
    QCOMPARE(manager.camera(0)->index, 0);
}

void ManagerTest::restartFromANotificationHandlerIsSafe() {
    LoopbackPeer peer(Clock::now());
    UdpCamManager manager;
    UdpCamInfo info = loopbackCamera(0, peer.port());
    manager.OnCameraDetected(&info);
    manager.pollTimer.stop();
    QPointer<UdpInterface> channel = manager.camera(0);

    const NetAdapterInfo lo = loopbackAdapter();
    int notified = 0;
    connect(&manager, &UdpCamManager::updateCameraStatus, this, [&] {
        ++notified;
        manager.restartDiscovery(&lo);
    });
    // Both replies are waiting when the channel reads: the second comes after the restart.
    peer.sendTo(channel->localPort(), statusReply(2));
    peer.sendTo(channel->localPort(), statusReply(3));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QTRY_VERIFY(channel.isNull());
    QCOMPARE(notified, 1);
    QCOMPARE(manager.cameraCount(), 0);
}

void ManagerTest::cameraText_data() {
    QTest::addColumn<quint32>("cameraIp");
    QTest::addColumn<quint32>("adapterIp");
    QTest::addColumn<quint32>("adapterMask");
    QTest::addColumn<quint32>("link10G");
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("status");
    QTest::addColumn<QString>("text");

    const QString model = QStringLiteral("Karvelo G4-S2");
    const QString in = QLatin1String(inTemplate);
    const QString out = QLatin1String(outTemplate);
    QTest::newRow("in the adapter's subnet")
        << 0xC0A80114u << 0xC0A80105u << 0xFFFFFF00u << 0u << QString() << 0u
        << in.arg(QStringLiteral("Camera 1"), model, QStringLiteral("192.168.1.20"), QStringLiteral("1G"),
                  QLatin1String(idle));
    QTest::newRow("other subnet") << 0xC0A80114u << 0x0A000005u << 0xFF000000u << 0u << QString() << 0u
                                  << out.arg(QStringLiteral("Camera 1"), model,
                                             QStringLiteral("192.168.1.20"), QStringLiteral("1G"),
                                             QLatin1String(idle));
    QTest::newRow("camera on the adapter's own address")
        << 0xC0A80105u << 0xC0A80105u << 0xFFFFFF00u << 0u << QString() << 0u
        << out.arg(QStringLiteral("Camera 1"), model, QStringLiteral("192.168.1.5"), QStringLiteral("1G"),
                   QLatin1String(idle));
    QTest::newRow("camera address 0") << 0u << 0xC0A80105u << 0xFFFFFF00u << 0u << QString() << 0u
                                      << out.arg(QStringLiteral("Camera 1"), model, QStringLiteral("0.0.0.0"),
                                                 QStringLiteral("1G"), QLatin1String(idle));
    QTest::newRow("10G link, name, waiting")
        << 0xC0A80114u << 0xC0A80105u << 0xFFFFFF00u << 1u << QStringLiteral("Line 4") << 3u
        << in.arg(QStringLiteral("Line 4"), model, QStringLiteral("192.168.1.20"), QStringLiteral("10G"),
                  QStringLiteral("<font color=#c00000>Waiting for trigger</font>"));
    QTest::newRow("name is shown as text, placeholders untouched")
        << 0xC0A80114u << 0xC0A80105u << 0xFFFFFF00u << 0u << QStringLiteral("<i>A&B %3") << 0u
        << in.arg(QStringLiteral("&lt;i&gt;A&amp;B %3"), model, QStringLiteral("192.168.1.20"),
                  QStringLiteral("1G"), QLatin1String(idle));
}

void ManagerTest::cameraText() {
    QFETCH(quint32, cameraIp);
    QFETCH(quint32, adapterIp);
    QFETCH(quint32, adapterMask);
    QFETCH(quint32, link10G);
    QFETCH(QString, name);
    QFETCH(quint32, status);
    QFETCH(QString, text);
    UdpCamManager manager;
    handBuilt(manager, subnetCamera(cameraIp, adapterIp, adapterMask, link10G), name, status);
    QCOMPARE(manager.cameraText(0), text);
}

void ManagerTest::unnamedCameraIsNumberedFromOne() {
    UdpCamManager manager;
    const UdpCamInfo info = subnetCamera(0xC0A80114u, 0xC0A80105u, 0xFFFFFF00u, 0);
    handBuilt(manager, info, QStringLiteral("First"));
    handBuilt(manager, info);
    handBuilt(manager, info);
    QVERIFY(manager.cameraText(0).contains(QLatin1String("<b>First (")));
    QVERIFY(manager.cameraText(2).contains(QLatin1String("<b>Camera 3 (")));
}

void ManagerTest::indexBeyondTheListGivesEmptyForms() {
    UdpCamManager manager;
    QCOMPARE(manager.cameraText(0), QStringLiteral("Camera"));
    handBuilt(manager, subnetCamera(0xC0A80114u, 0xC0A80105u, 0xFFFFFF00u, 0));
    for (int index : {1, 7, -1}) {
        QCOMPARE(manager.cameraText(index), QStringLiteral("Camera"));
        QVERIFY(manager.statusBullet(index).isNull());
        QVERIFY(manager.cameraPicture(index).isNull());
    }
}

void ManagerTest::statusText_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    const auto silver = [](const char *word) {
        return QStringLiteral("<font color=silver>%1</font>").arg(QLatin1String(word));
    };
    QTest::newRow("0 before any reply") << 0 << silver("Idle");
    QTest::newRow("1") << 1 << silver("Idle");
    QTest::newRow("2") << 2 << silver("Live");
    QTest::newRow("3 dark red") << 3 << QStringLiteral("<font color=#c00000>Waiting for trigger</font>");
    QTest::newRow("4") << 4 << silver("Recording post-trigger");
    QTest::newRow("5") << 5 << silver("Images in memory");
    QTest::newRow("6") << 6 << silver("Downloading");
    QTest::newRow("7") << 7 << silver("Disconnected");
    QTest::newRow("8") << 8 << silver("SD/SSD Transfer");
    QTest::newRow("9") << 9 << silver("Idle");
    QTest::newRow("10") << 10 << silver("Idle");
    QTest::newRow("11") << 11 << silver("Playback");
    QTest::newRow("12") << 12 << silver("Idle");
    QTest::newRow("negative") << -1 << silver("Idle");
}

void ManagerTest::statusText() {
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(UdpCamManager::statusText(status), text);
}

void ManagerTest::statusBullet_data() {
    QTest::addColumn<quint32>("status");
    QTest::addColumn<QString>("resource");
    QTest::newRow("0 green") << 0u << ":/res/b_green.png";
    QTest::newRow("2 green") << 2u << ":/res/b_green.png";
    QTest::newRow("3 red") << 3u << ":/res/b_red.png";
    QTest::newRow("4 orange") << 4u << ":/res/b_orange.png";
    QTest::newRow("7 green") << 7u << ":/res/b_green.png";
    QTest::newRow("8 blue") << 8u << ":/res/b_blue.png";
    QTest::newRow("huge green") << 0xFFFFFFFFu << ":/res/b_green.png";
}

void ManagerTest::statusBullet() {
    QFETCH(quint32, status);
    QFETCH(QString, resource);
    QCOMPARE(UdpCamManager::statusBulletName(status), resource);
    UdpCamManager manager;
    handBuilt(manager, subnetCamera(0xC0A80114u, 0xC0A80105u, 0xFFFFFF00u, 0), {}, status);
    QVERIFY(sameImage(manager.statusBullet(0), resource));
}

void ManagerTest::cameraPicture_data() {
    QTest::addColumn<quint32>("code");
    QTest::addColumn<QString>("resource");
    QTest::newRow("J family") << 10u << ":/res/cam-j.png";
    QTest::newRow("G family") << 28u << ":/res/cam-pwg.png";
    QTest::newRow("Pellwyn") << 33u << ":/res/cam-pwg.png";
    QTest::newRow("Pellwyn Mini") << 41u << ":/res/cam-pwy.png";
    QTest::newRow("Tavolin Mini") << 48u << ":/res/cam-tvm.png";
    QTest::newRow("Dunmarch") << 55u << ":/res/cam-dm.png";
    QTest::newRow("56") << 56u << ":/res/cam-bt.png";
    QTest::newRow("W series 18") << 18u << ":/res/cam-wk.png";
    QTest::newRow("W series 25") << 25u << ":/res/cam-wk.png";
    QTest::newRow("DL series has none") << 12u << QString();
    QTest::newRow("Tavolin 46 has none") << 46u << QString();
    QTest::newRow("unknown has none") << 0u << QString();
}

void ManagerTest::cameraPicture() {
    QFETCH(quint32, code);
    QFETCH(QString, resource);
    UdpCamManager manager;
    UdpCamInfo info = subnetCamera(0xC0A80114u, 0xC0A80105u, 0xFFFFFF00u, 0);
    info.cameraType = code;
    handBuilt(manager, info);
    if (resource.isEmpty())
        QVERIFY(manager.cameraPicture(0).isNull());
    else
        QVERIFY(sameImage(manager.cameraPicture(0), resource));
}

void ManagerTest::entryLayoutAtScaleOne() {
    QListItemLabel entry(0, QPixmap(QStringLiteral(":/res/cam-j.png")), QStringLiteral("text"),
                         QPixmap(QStringLiteral(":/res/b_green.png")));
    QCOMPARE(entry.minimumSize(), QSize(132, 44));
    QCOMPARE(entry.maximumHeight(), 44);
    QCOMPARE(entry.pictureLabel->minimumSize(), QSize(36, 36));
    QCOMPARE(entry.pictureLabel->maximumSize(), QSize(36, 36));
    QCOMPARE(entry.textLabel->minimumSize(), QSize(108, 36));
    QCOMPARE(entry.textLabel->maximumHeight(), 36);
    QCOMPARE(entry.bulletLabel->minimumSize(), QSize(12, 36));
    QCOMPARE(entry.pictureLabel->pixmap(Qt::ReturnByValue).width(), 36);
    QCOMPARE(entry.bulletLabel->pixmap(Qt::ReturnByValue).width(), 12);
    QCOMPARE(entry.textLabel->text(), QStringLiteral("text"));

    auto *layout = qobject_cast<QHBoxLayout *>(entry.layout());
    QVERIFY(layout);
    QCOMPARE(layout->contentsMargins(), QMargins(4, 4, 4, 4));
    QCOMPARE(layout->spacing(), 8);
    QCOMPARE(layout->indexOf(entry.pictureLabel), 0);
    QCOMPARE(layout->indexOf(entry.textLabel), 1);
    QCOMPARE(layout->indexOf(entry.bulletLabel), 2);

    QListItemLabel clipEntry(3, QPixmap(QStringLiteral(":/res/clip.png")), QString(), QPixmap());
    QCOMPARE(clipEntry.minimumSize(), QSize(156, 52));
    QCOMPARE(clipEntry.pictureLabel->pixmap(Qt::ReturnByValue).width(), 44);
    QVERIFY(clipEntry.bulletLabel->pixmap(Qt::ReturnByValue).isNull());
}

void ManagerTest::entryWithoutPictureKeepsTextAndBullet() {
    QListItemLabel entry(0, QPixmap(), QStringLiteral("<b>Camera 1</b>"),
                         QPixmap(QStringLiteral(":/res/b_red.png")));
    QVERIFY(entry.pictureLabel->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(entry.textLabel->text(), QStringLiteral("<b>Camera 1</b>"));
    QCOMPARE(entry.bulletLabel->pixmap(Qt::ReturnByValue).width(), 12);
}

void ManagerTest::bulletCanBeReplacedAndCleared() {
    QListItemLabel entry(0, QPixmap(), QString(), QPixmap());
    QVERIFY(entry.bulletLabel->pixmap(Qt::ReturnByValue).isNull());
    entry.setBulletPixmap(QPixmap(QStringLiteral(":/res/b_blue.png")));
    QCOMPARE(entry.bulletLabel->pixmap(Qt::ReturnByValue).width(), 12);
    entry.setEntryText(QStringLiteral("new"));
    QCOMPARE(entry.textLabel->text(), QStringLiteral("new"));
    entry.setBulletPixmap(QPixmap());
    QVERIFY(entry.bulletLabel->pixmap(Qt::ReturnByValue).isNull());
}

int main(int argc, char **argv) {
    QVXApplication app(argc, argv);
    ManagerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_manager.moc"
