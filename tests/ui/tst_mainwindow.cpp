// The main window inside a private network namespace: its selectors, the camera rows, the conflict
// warnings, the context menu and the address action. Cameras are hand-made records fed to the window's
// own manager, on loopback addresses.
#include "cameras/conflicts.h"
#include "dialogs/ipeditdlg.h"
#include "guitest.h"
#include "net/udpinterface.h"
#include "privatenetwork.h"
#include "ui_ipeditdlg.h"
#include "ui_mainwindow.h"

#include <QMenu>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

// A camera on 127.0.0.n (port 47123) whose channel sends from and to loopback only. The adapter mask of /32
// turns the set-address "subnet broadcast" into a unicast to 127.0.0.1, where a test can listen.
static UdpCamInfo loopbackCamera(quint32 n, quint32 mtu = 1500, quint32 protocol = 0) {
    // protocol, model, sensor, options, serial, firmware, revision, IP, mask, MAC low and high, port,
    // adapter IP and mask, reserved, adapter MTU
    return {protocol,       9,      0,     0,          1000 + n,   0, 0,  0x7F000000 + n, 0xFFFFFF00,
            0x1CAB0000 + n, 0x0011, 47123, 0x7F000001, 0xFFFFFFFF, 0, mtu};
}

static void addCameras(MainWindow &w, QList<UdpCamInfo> cameras) {
    for (UdpCamInfo &c : cameras)
        w.manager.OnCameraDetected(&c);
}

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vxApp()->jumboPacket = -1; }

    void selectorsAndWhatIsStored() {
        vxApp()->jumboPacket = 5;
        vxApp()->netAdapter = QStringLiteral("no-such-adapter");
        auto w = std::make_unique<MainWindow>();
        QStringList sizes;
        for (int row = 0; row < w->ui->jmbPackList->count(); ++row)
            sizes << w->ui->jmbPackList->itemText(row) + "=" + w->ui->jmbPackList->itemData(row).toString();
        QCOMPARE(sizes, QStringList({"Optimal=-1", "1500 (standard)=0", "2920=1", "4360=2", "5800=3",
                                     "7240=4", "8680=5"}));
        QCOMPARE(w->ui->jmbPackList->currentIndex(), 6);
        QCOMPARE(w->ui->netAdpList->currentText(), QStringLiteral("Broadcast")); // the stored one is unknown
        emit w->ui->jmbPackList->activated(1);
        emit w->ui->netAdpList->activated(0);
        w.reset();
        // The datagram size chosen in the window is stored; the adapter chosen there is not.
        const QSettings store(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
        QCOMPARE(store.value("Settings/JumboPacket").toInt(), 0);
        QCOMPARE(store.value("Settings/NetAdapter").toString(), QStringLiteral("no-such-adapter"));
    }

    void rowsInDiscoveryOrderRefreshedByIndex_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("what");
        QTest::addColumn<bool>("refreshed");
        QTest::newRow("name") << 1 << 0 << true;
        QTest::newRow("status") << 0 << 1 << true;
        QTest::newRow("readings") << 1 << 2 << true;
        QTest::newRow("options") << 1 << 3 << false;
        QTest::newRow("clip list") << 1 << 4 << false;
        QTest::newRow("missing row") << 2 << 0 << false;
    }

    void rowsInDiscoveryOrderRefreshedByIndex() {
        QFETCH(int, index);
        QFETCH(int, what);
        QFETCH(bool, refreshed);
        MainWindow w;
        addCameras(w, {loopbackCamera(20), loopbackCamera(10)}); // two list updates, one row each
        QCOMPARE(rowTexts(w), QStringList({w.manager.cameraText(0), w.manager.cameraText(1)}));
        QVERIFY(rowTexts(w)[0].contains("127.0.0.20") && rowTexts(w)[1].contains("127.0.0.10"));
        for (UdpInterface *camera : w.manager.cameras)
            camera->cameraName = QStringLiteral("Bench camera");
        emit w.manager.updateCameraStatus(index, what);
        for (int row = 0; row < 2; ++row)
            QCOMPARE(rowTexts(w)[row].contains("Bench camera"), refreshed && row == index);
    }

    void conflictWarnings_data() {
        QTest::addColumn<int>("jumboPacket");
        QTest::addColumn<QString>("setup"); // the adapter MTU, the protocol, what the cameras share
        QTest::addColumn<int>("code");
        QTest::newRow("optimal never checks the MTU") << -1 << "9000" << 0;
        QTest::newRow("1500 on a jumbo adapter") << 0 << "9000" << 1;
        QTest::newRow("8680 on a 1500 adapter") << 5 << "1500" << 2;
        QTest::newRow("advanced, 1500 on a jumbo adapter") << 0 << "9000 advanced" << 0;
        QTest::newRow("advanced, 8680 on a 1500 adapter") << 5 << "1500 advanced" << 0;
        QTest::newRow("size before IP, MAC and serial") << 0 << "9000 ip mac serial" << 1;
        QTest::newRow("same IP and MAC: the IP") << -1 << "9000 ip mac" << 3;
        QTest::newRow("MAC before serial") << -1 << "9000 mac serial" << 4;
        QTest::newRow("same serial") << -1 << "9000 advanced serial" << 5;
    }

    void conflictWarnings() {
        QFETCH(int, jumboPacket);
        QFETCH(QString, setup);
        QFETCH(int, code);
        vxApp()->jumboPacket = jumboPacket;
        MainWindow w;
        ModalHandler closer;
        const quint32 mtu = setup.section(' ', 0, 0).toUInt(), advanced = setup.contains("advanced");
        UdpCamInfo first = loopbackCamera(2, mtu, advanced), second = loopbackCamera(3, mtu, advanced);
        if (setup.contains("ip")) second.cameraIp = first.cameraIp;
        if (setup.contains("mac")) second.macLow = first.macLow;
        if (setup.contains("serial")) second.serialNumber = first.serialNumber;
        addCameras(w, {first, second});
        QCOMPARE(closer.messages.value(closer.messages.size() - 1), conflictText(code)); // none for 0
    }

    void contextMenuEntries() {
        MainWindow w;
        addCameras(w, {loopbackCamera(2), loopbackCamera(3, 1500, 1), loopbackCamera(4, 1500, 1)});
        w.manager.camera(0)->clips.append(new ClipInfo);
        w.manager.camera(2)->clips.append(new ClipInfo);
        QList<int> entries;
        for (int row = 0; row < 3; ++row) {
            w.showContextMenu(w.ui->camList->visualItemRect(w.ui->camList->item(row)).center());
            entries << w.contextMenu->actions().size();
        }
        // Standard with clip records, Advanced without clips, Advanced with clips (which it can edit).
        QCOMPARE(entries, QList<int>({2, 2, 3}));
        // Below the last row there is no camera and so no menu.
        w.showContextMenu(w.ui->camList->visualItemRect(w.ui->camList->item(2)).bottomLeft() + QPoint(5, 10));
        QVERIFY(w.contextMenu->actions().isEmpty());
    }

    void addressAction_data() {
        QTest::addColumn<QString>("entered"); // address/mask
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QByteArray>("sent");
        const QByteArray request = QByteArray::fromHex("01000817180000000900007f00ffffff0200ab1c11000000");
        QTest::newRow("new address") << "127.0.0.9/255.255.255.0" << true << request;
        QTest::newRow("present address and mask") << "127.0.0.2/255.255.255.0" << true << QByteArray();
        QTest::newRow("cancel") << "127.0.0.9/255.255.255.0" << false << QByteArray();
        QTest::newRow("address 0.0.0.0") << "0.0.0.0/255.255.255.0" << true << QByteArray();
        QTest::newRow("mask 0.0.0.0") << "127.0.0.9/0.0.0.0" << true << QByteArray();
    }

    void addressAction() {
        QFETCH(QString, entered);
        QFETCH(bool, accept);
        QFETCH(QByteArray, sent);
        QUdpSocket listener;
        QVERIFY(listener.bind(QHostAddress::LocalHost, 47123));
        MainWindow w;
        addCameras(w, {loopbackCamera(2)});
        QString shown;
        ModalHandler handler([&](QWidget *modal) {
            Ui::IPEditDlg *ui = qobject_cast<IPEditDlg *>(modal)->ui;
            shown = ui->ipAddEdit->text() + "/" + ui->snMaskEdit->text();
            ui->ipAddEdit->setText(entered.section('/', 0, 0));
            ui->snMaskEdit->setText(entered.section('/', 1));
            (accept ? ui->btnOK : ui->btnCancel)->click();
        });
        w.editCameraAddress(w.manager.camera(0));
        // The dialog opens on the camera's address and the mask of the adapter it was found through.
        QCOMPARE(shown, QStringLiteral("127.0.0.2/255.255.255.255"));
        QCOMPARE(listener.receiveDatagram().data(), sent);
        QVERIFY(!listener.hasPendingDatagrams());
        // A sent (or needless) change rediscovers: the list starts empty again.
        QCOMPARE(w.ui->camList->count() + w.manager.cameraCount(),
                 accept && !entered.contains("0.0.0.0") ? 0 : 2);
    }
};

int main(int argc, char *argv[]) {
    // The window starts discovery on every adapter as soon as it exists; it may only do that where
    // no real interface can hear it.
    return runGuiTest<MainWindowTest>(enterPrivateNetwork(),
                                      "the window tests need root to run in a private network namespace",
                                      argc, argv);
}

#include "tst_mainwindow.moc"
