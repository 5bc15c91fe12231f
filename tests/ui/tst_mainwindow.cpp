// The main window inside a private network namespace: its selectors, the camera rows, the conflict
// warnings, the context menu and the address action. Cameras are hand-made records fed to the window's
// own manager, on loopback addresses.
#include "cameras/conflicts.h"
#include "dialogs/ipeditdlg.h"
#include "guitest.h"
#include "net/udpinterface.h"
#include "net/udplocalsocket.h"
#include "tests/netns.h"
#include "ui_ipeditdlg.h"
#include "ui_mainwindow.h"

#include <QClipboard>
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

// Returns once they all have rows.
static void addCameras(MainWindow &w, QList<UdpCamInfo> cameras) {
    const int listed = w.manager.cameraCount() + cameras.size();
    for (UdpCamInfo &c : cameras)
        w.manager.OnCameraDetected(&c);
    QVERIFY(QTest::qWaitFor([&] { return w.ui->camList->count() >= listed; }, 20 * cameras.size() + 2000));
}

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vxApp()->jumboPacket = -1; }

    void selectorsAndWhatIsStored() {
        // The stored adapter is chosen and searched at start; one this computer lacks leaves "Broadcast".
        for (const QString &stored : QStringList{"vxa", "no-such-adapter"}) {
            vxApp()->jumboPacket = 5;
            vxApp()->netAdapter = stored;
            auto w = std::make_unique<MainWindow>();
            QCOMPARE(w->ui->netAdpList->currentText(),
                     stored == "vxa" ? QStringLiteral("veth vxa [10.77.0.1]") : QStringLiteral("Broadcast"));
            QStringList searched;
            for (const UdpLocalSocket *socket : w->manager.enumerator.sockets)
                searched << socket->address.toString();
            searched.sort();
            QCOMPARE(searched.join(' '), stored == "vxa" ? "10.77.0.1" : "10.77.0.1 10.78.0.1");
            emit w->ui->jmbPackList->activated(1);
            emit w->ui->netAdpList->activated(0);
            w.reset();
            // The datagram size chosen in the window is stored; the adapter chosen there is not.
            const QSettings store(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
            QCOMPARE(store.value("Settings/JumboPacket").toInt(), 0);
            QCOMPARE(store.value("Settings/NetAdapter").toString(), stored);
        }
    }

    void rowsInDiscoveryOrderRefreshedByIndex() {
        MainWindow w;
        addCameras(w, {loopbackCamera(20), loopbackCamera(10)});
        QCOMPARE(rowTexts(w), QStringList({w.manager.cameraText(0), w.manager.cameraText(1)}));
        QVERIFY(rowTexts(w)[0].contains("127.0.0.20") && rowTexts(w)[1].contains("127.0.0.10"));
        w.manager.camera(1)->cameraName = "Bench"; // a name change refreshes the row of its index
        emit w.manager.updateCameraStatus(1, UdpInterface::NameChanged);
        QVERIFY(rowTexts(w)[1].contains("Bench"));
    }

    // Cameras found in one burst are listed at once; their rows are made a few at a time, none lost.
    void aBurstOfCamerasAllGetRows() {
        MainWindow w;
        QList<UdpCamInfo> burst;
        for (quint32 n = 2; n < 102; ++n)
            burst << loopbackCamera(n);
        addCameras(w, burst);
        const QStringList rows = rowTexts(w);
        for (int i = 0; i < 100; ++i)
            QVERIFY2(rows.value(i).contains(QString("IP:127.0.0.%1 ").arg(i + 2)), qPrintable(rows.value(i)));
    }

    void conflictFoundBehindADialogIsWarnedAfter() {
        // The camera information and address dialogs: a conflict found while one is open is told once it
        // closes.
        for (int dialog = 0; dialog < 2; ++dialog) {
            MainWindow w;
            w.show();
            addCameras(w, {loopbackCamera(2, 1500, 1)});
            UdpInterface *camera = w.manager.camera(0);
            int calls = 0;
            ModalHandler closer([&](QWidget *modal) {
                UdpCamInfo twin = loopbackCamera(3, 1500, 1);
                twin.serialNumber = camera->camInfo.serialNumber;
                if (++calls == 1) addCameras(w, {twin});
                if (calls == 10) qobject_cast<QDialog *>(modal)->reject();
            });
            if (dialog == 0) w.showCameraInfo(camera);
            if (dialog == 1) w.editCameraAddress(camera);
            QVERIFY(calls >= 10 && closer.messages.isEmpty());
            QTRY_COMPARE(closer.messages, QStringList(conflictText(ConflictKind::SameSerial)));
        }
    }

    void contextMenuByMouseAndKeyboard() {
        // (selected row or -1, key, modifiers): the menu key or Shift+F10 open it, F10 alone or no row do
        // not.
        const std::tuple<int, Qt::Key, Qt::KeyboardModifiers> presses[] = {
            {0, Qt::Key_Menu, Qt::NoModifier},
            {1, Qt::Key_Menu, Qt::NoModifier},
            {2, Qt::Key_F10, Qt::ShiftModifier},
            {-1, Qt::Key_Menu, Qt::NoModifier}};
        for (const auto &[row, key, modifiers] : presses) {
            MainWindow w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            addCameras(w, {loopbackCamera(2), loopbackCamera(3, 1500, 1), loopbackCamera(4, 1500, 1)});
            w.manager.camera(0)->clips.append(new ClipInfo);
            w.manager.camera(2)->clips.append(new ClipInfo);
            w.ui->camList->setCurrentRow(row);
            w.ui->camList->setFocus();
            QApplication::clipboard()->clear();
            QTest::keyClick(w.ui->camList, key, modifiers);
            const bool opens = row >= 0 && (key == Qt::Key_Menu || modifiers == Qt::ShiftModifier);
            QTRY_COMPARE(w.contextMenu->isVisible(), opens);
            if (!opens) {
                // Below the last row there is no camera and so no menu.
                const QRect last = w.ui->camList->visualItemRect(w.ui->camList->item(2));
                w.showContextMenu(last.center());
                w.showContextMenu(last.bottomLeft() + QPoint(5, 10));
                QVERIFY(w.contextMenu->actions().isEmpty());
                continue;
            }
            // Standard with clip records, Advanced without clips: three entries; Advanced with clips can
            // edit them.
            QCOMPARE(w.contextMenu->actions().size(), row == 2 ? 4 : 3);
            QCOMPARE(w.contextMenu->activeAction(), w.contextMenu->actions().first());
            w.contextMenu->actions().last()->trigger(); // "Copy details", for the selected row's camera
            w.contextMenu->hide();
            QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("127.0.0.%1\n").arg(row + 2)));
        }
    }

    void checkWindowOpensOnTheScreen() {
        // screen width x height, main window's frame x, placement of a 680x520 check window
        const std::tuple<QSize, int, QRect> rows[] = {{{1920, 1080}, 0, {808, 40, 680, 520}},
                                                      {{1920, 1080}, 1200, {512, 40, 680, 520}},
                                                      {{1024, 768}, 0, {344, 40, 680, 520}},
                                                      {{640, 480}, 0, {0, 0, 640, 480}}};
        for (const auto &[screen, x, place] : rows)
            QCOMPARE(MainWindow::besideWithin({x, 40, 800, 600}, {680, 520}, {{0, 0}, screen}), place);
    }

    void networkPreferencesProgramOrNotice() {
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        MainWindow w;
        w.show();
        ModalHandler closer;
        w.ui->btnNetPref->click();
        QTRY_COMPARE(closer.messages.size(), 1); // nothing to start: the user is told
        QVERIFY(closer.messages[0].contains("network settings"));
        qputenv("PATH", path);
    }

    void addressAction() {
        // entered address/mask=what is sent ("-": the dialog is cancelled)=what the dialog says, in part.
        // Every unsafe entry is refused; the dialog's own test has each reason.
        const QString rows =
            "10.10.0.9/255.255.255.0=010008171800000009000a0a00ffffff0200ab1c11000000=outside the network "
            "adapter's subnet|127.0.0.2/255.255.255.0==Loopback|10.10.0.9/255.255.255.0=-=outside|"
            "10.10.0.9/255.255.0.255==ones followed by zeros|10.10.0.9/255.255.255.x==four numbers";
        for (const QString &row : rows.split('|')) {
            const QString entered = row.section('=', 0, 0), advice = row.section('=', 2);
            const QByteArray sent = QByteArray::fromHex(row.section('=', 1, 1).toLatin1());
            const bool accept = row.section('=', 1, 1) != "-";
            QUdpSocket listener;
            QVERIFY(listener.bind(QHostAddress::LocalHost, 47123));
            MainWindow w;
            addCameras(w, {loopbackCamera(2)});
            QString shown, said;
            bool refused = false;
            ModalHandler handler([&](QWidget *modal) {
                Ui::IPEditDlg *ui = qobject_cast<IPEditDlg *>(modal)->ui;
                shown = ui->ipAddEdit->text() + "/" + ui->snMaskEdit->text();
                ui->ipAddEdit->setText(entered.section('/', 0, 0));
                ui->snMaskEdit->setText(entered.section('/', 1));
                said = ui->adviceLbl->isVisibleTo(modal) ? ui->adviceLbl->text() : QString();
                refused = !ui->btnOK->isEnabled();
                ui->btnOK->click(); // does nothing while refused
                if (!accept || refused) ui->btnCancel->click();
            });
            w.editCameraAddress(w.manager.camera(0));
            // The dialog opens on the camera's address and the mask of the adapter it was found through.
            QCOMPARE(shown, QStringLiteral("127.0.0.2/255.255.255.255"));
            QVERIFY2(said.contains(advice) && refused == (sent.isEmpty() && accept),
                     qPrintable(row + ": " + said));
            QTest::qWait(50);
            QVERIFY2(listener.receiveDatagram().data() == sent && !listener.hasPendingDatagrams(),
                     qPrintable(row));
            // A sent change rediscovers a moment later: the list starts empty again.
            QTRY_COMPARE(w.ui->camList->count() + w.manager.cameraCount(), sent.isEmpty() ? 2 : 0);
        }
    }
};

int main(int argc, char *argv[]) {
    // The window starts discovery on every adapter as soon as it exists; it may only do that where
    // no real interface can hear it: here on loopback and a veth pair.
    const bool inOwnNetwork =
        enterOwnNetwork({"link add vxa type veth peer name vxb", "link set vxa up", "link set vxb up",
                         "addr add 10.77.0.1/24 dev vxa", "addr add 10.78.0.1/24 dev vxb"});
    return runGuiTest<MainWindowTest>(
        inOwnNetwork, "the window tests need root to run in a private network namespace", argc, argv);
}

#include "tst_mainwindow.moc"
