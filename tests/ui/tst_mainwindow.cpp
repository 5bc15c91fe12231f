// The main window inside a private network namespace: its form, its selectors, the camera rows, the
// conflict warnings, the context menu and the address action. Cameras are hand-made records fed to the
// window's own manager, on loopback addresses.
#include "app/qvxapplication.h"
#include "cameras/conflicts.h"
#include "cameras/qlistitemlabel.h"
#include "dialogs/caminfodlg.h"
#include "dialogs/clipeditdlg.h"
#include "dialogs/ipeditdlg.h"
#include "guitest.h"
#include "net/addresses.h"
#include "net/datagrams.h"
#include "net/udpinterface.h"
#include "privatenetwork.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <cstdio>
#include <memory>

Q_DECLARE_METATYPE(UdpCamInfo)

namespace {

constexpr quint32 Loopback = 0x7F000001;
constexpr quint16 CameraPort = 47123;

// A Standard camera on 127.0.0.x whose channel sends from and to loopback only. The adapter mask of
// /32 turns the set-address "subnet broadcast" into a unicast to 127.0.0.1, where a test can listen.
UdpCamInfo loopbackCamera(quint32 lastByte, quint32 mtu = 1500) {
    UdpCamInfo c;
    c.protocol = 0;
    c.cameraType = 9;
    c.serialNumber = 1000 + lastByte;
    c.cameraIp = 0x7F000000 | lastByte;
    c.cameraMask = 0xFFFFFF00;
    c.macHigh = 0x0011;
    c.macLow = 0x1CAB0000 | lastByte;
    c.cameraPort = CameraPort;
    c.adapterIp = Loopback;
    c.adapterMask = 0xFFFFFFFF;
    c.adapterMtu = mtu;
    return c;
}

UdpCamInfo advancedCamera(quint32 lastByte, quint32 mtu = 1500) {
    UdpCamInfo c = loopbackCamera(lastByte, mtu);
    c.protocol = 1;
    c.cameraType = 50;
    return c;
}

QString rowText(const MainWindow &w, int row) {
    auto *entry = qobject_cast<QListItemLabel *>(w.ui->camList->itemWidget(w.ui->camList->item(row)));
    return entry ? entry->textLabel->text() : QStringLiteral("<no entry>");
}

void addCameras(MainWindow &w, QList<UdpCamInfo> cameras) {
    for (UdpCamInfo &c : cameras)
        w.manager.OnCameraDetected(&c);
}

QStringList actionTexts(const QMenu *menu) {
    QStringList texts;
    for (const QAction *a : menu->actions())
        texts << a->text();
    return texts;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void formHasItsNamesSizesAndTexts();
    void datagramSizeRowsCarryTheirIndex();
    void adapterListStartsWithTheBroadcastEntry();
    void unknownStoredAdapterSelectsBroadcast();
    void storedDatagramSizeIsPreselectedAndTheChoiceIsSaved();
    void camerasGetRowsInDiscoveryOrder();
    void rowRefreshesOnlyForNameStatusAndReadings_data();
    void rowRefreshesOnlyForNameStatusAndReadings();
    void notificationForMissingRowChangesNothing();
    void updateListAndAdapterChoiceRebuildTheList();
    void conflictWarnings_data();
    void conflictWarnings();
    void messageBoxPictureAndButtonsFollowFlags_data();
    void messageBoxPictureAndButtonsFollowFlags();
    void contextMenuEntries_data();
    void contextMenuEntries();
    void addressActionSendsOnlyAcceptedUsableAddresses_data();
    void addressActionSendsOnlyAcceptedUsableAddresses();
    void infoAndClipActionsRunTheirDialogs();
    void networkButtonStartsTheConnectionEditorFoundInPath();
    void windowBecomesOpaqueWhenShown();
};

void MainWindowTest::init() {
    vxApp()->jumboPacket = -1;
    vxApp()->netAdapter = QStringLiteral("*ALL*");
}

void MainWindowTest::formHasItsNamesSizesAndTexts() {
    MainWindow w;
    QCOMPARE(w.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Halvorn Varnix"));
    QCOMPARE(w.size(), QSize(460, 380));
    QCOMPARE(w.minimumSize(), QSize(460, 380));
    QCOMPARE(w.styleSheet(), QStringLiteral("font: normal %1pt \"Helvetica\"; ").arg(vxApp()->fontPointSize));
    QVERIFY(!w.windowIcon().isNull());

    struct Expect {
        const char *name;
        QSize minimum;
        QString text;
    };
    const Expect widgets[] = {
        {"netAdpLbl", {90, 25}, "<b>Network:</b>"},          {"netAdpList", {0, 25}, {}},
        {"jmbPackLbl", {120, 25}, "<b>Datagram size:</b>"},  {"jmbPackList", {0, 25}, {}},
        {"btnNetPref", {150, 25}, "Network preferences..."}, {"btnUpdList", {90, 25}, "Update List"},
    };
    for (const Expect &e : widgets) {
        auto *widget = w.findChild<QWidget *>(QLatin1String(e.name));
        QVERIFY2(widget, e.name);
        QCOMPARE(widget->minimumSize(), e.minimum);
        if (auto *label = qobject_cast<QLabel *>(widget)) QCOMPARE(label->text(), e.text);
        if (auto *button = qobject_cast<QPushButton *>(widget)) QCOMPARE(button->text(), e.text);
    }
    QCOMPARE(w.ui->netAdpList->sizePolicy().horizontalPolicy(), QSizePolicy::MinimumExpanding);
    QCOMPARE(w.ui->netAdpList->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(w.ui->jmbPackList->sizePolicy().horizontalStretch(), 1);
    QCOMPARE(w.ui->jmbPackLbl->sizePolicy().horizontalStretch(), 1);
    QCOMPARE(w.ui->camList->contextMenuPolicy(), Qt::CustomContextMenu);

    // Top to bottom: adapter row, datagram-size row, list, buttons.
    QCOMPARE(w.ui->verticalLayout->spacing(), 10);
    QCOMPARE(w.ui->verticalLayout->itemAt(0)->layout(), w.ui->netAdpLayout);
    QCOMPARE(w.ui->verticalLayout->itemAt(1)->layout(), w.ui->jmbPackLyout);
    QCOMPARE(w.ui->verticalLayout->itemAt(2)->widget(), w.ui->camList);
    QCOMPARE(w.ui->verticalLayout->itemAt(3)->layout(), w.ui->btnsLayout);
    QCOMPARE(w.ui->btnsLayout->itemAt(0)->widget(), w.ui->btnNetPref);
    QVERIFY(w.ui->btnsLayout->itemAt(1)->spacerItem());
    QCOMPARE(w.ui->btnsLayout->itemAt(2)->widget(), w.ui->btnUpdList);
}

void MainWindowTest::datagramSizeRowsCarryTheirIndex() {
    MainWindow w;
    const char *texts[] = {"Optimal", "1500 (standard)", "2920", "4360", "5800", "7240", "8680"};
    QCOMPARE(w.ui->jmbPackList->count(), 7);
    for (int row = 0; row < 7; ++row) {
        QCOMPARE(w.ui->jmbPackList->itemText(row), QLatin1String(texts[row]));
        QCOMPARE(w.ui->jmbPackList->itemData(row).toInt(), row - 1);
    }
    QCOMPARE(w.ui->jmbPackList->currentIndex(), 0);
}

void MainWindowTest::adapterListStartsWithTheBroadcastEntry() {
    MainWindow w;
    QCOMPARE(QString::fromLatin1(w.adapters[0].name), QStringLiteral("*ALL*"));
    QCOMPARE(QString::fromLatin1(w.adapters[0].description), QStringLiteral("Broadcast"));
    QCOMPARE(w.adapters[0].ip, 0xFFFFFFFFu);
    QCOMPARE(w.adapters[0].mask, 0xFFFFFFFFu);
    QCOMPARE(w.ui->netAdpList->count(), w.adapterCount);
    QCOMPARE(w.ui->netAdpList->itemText(0), QStringLiteral("Broadcast"));
    QCOMPARE(w.ui->netAdpList->currentIndex(), 0);
    for (int i = 1; i < w.adapterCount; ++i)
        QVERIFY(w.ui->netAdpList->itemText(i).endsWith(QLatin1Char(']')));
}

void MainWindowTest::unknownStoredAdapterSelectsBroadcast() {
    vxApp()->netAdapter = QStringLiteral("no-such-adapter");
    MainWindow w;
    QCOMPARE(w.ui->netAdpList->currentIndex(), 0);
}

void MainWindowTest::storedDatagramSizeIsPreselectedAndTheChoiceIsSaved() {
    vxApp()->jumboPacket = 5;
    vxApp()->netAdapter = QStringLiteral("no-such-adapter");
    {
        MainWindow w;
        QCOMPARE(w.ui->jmbPackList->currentText(), QStringLiteral("8680"));
        emit w.ui->jmbPackList->activated(1);
        QCOMPARE(vxApp()->jumboPacket, 0);
        QCOMPARE(datagramSizeFor(vxApp()->jumboPacket), 1448u);
        // Choosing an adapter in the window is not remembered.
        emit w.ui->netAdpList->activated(0);
    }
    const QSettings store(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
    QCOMPARE(store.value(QStringLiteral("Settings/JumboPacket")).toInt(), 0);
    QCOMPARE(store.value(QStringLiteral("Settings/NetAdapter")).toString(),
             QStringLiteral("no-such-adapter"));
}

void MainWindowTest::camerasGetRowsInDiscoveryOrder() {
    MainWindow w;
    addCameras(w, {loopbackCamera(20), loopbackCamera(10)});
    QCOMPARE(w.ui->camList->count(), 2);
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(w.ui->camList->item(row)->sizeHint(), QSize(44, 44));
        QCOMPARE(rowText(w, row), w.manager.cameraText(row));
        QVERIFY(w.manager.camera(row)->listed);
    }
    QVERIFY(rowText(w, 0).contains(QStringLiteral("127.0.0.20")));
    QVERIFY(rowText(w, 1).contains(QStringLiteral("127.0.0.10")));

    // A second notification for cameras that already have rows adds none.
    emit w.manager.updateCameraList();
    QCOMPARE(w.ui->camList->count(), 2);
}

void MainWindowTest::rowRefreshesOnlyForNameStatusAndReadings_data() {
    QTest::addColumn<int>("what");
    QTest::addColumn<bool>("refreshed");
    QTest::newRow("name") << 0 << true;
    QTest::newRow("status") << 1 << true;
    QTest::newRow("readings") << 2 << true;
    QTest::newRow("options") << 3 << false;
    QTest::newRow("clip list") << 4 << false;
    QTest::newRow("negative") << -1 << false;
}

void MainWindowTest::rowRefreshesOnlyForNameStatusAndReadings() {
    QFETCH(int, what);
    QFETCH(bool, refreshed);
    MainWindow w;
    addCameras(w, {loopbackCamera(2), loopbackCamera(3)});
    const QString before0 = rowText(w, 0);
    const QString before1 = rowText(w, 1);

    UdpInterface *second = w.manager.camera(1);
    second->cameraName = QStringLiteral("Bench camera");
    second->status = 3;
    emit second->cameraStatusChanged(1, what);

    QCOMPARE(rowText(w, 0), before0);
    if (refreshed) {
        QVERIFY(rowText(w, 1).contains(QStringLiteral("Bench camera")));
        QVERIFY(rowText(w, 1).contains(QStringLiteral("Waiting for trigger")));
    } else {
        QCOMPARE(rowText(w, 1), before1);
    }
}

void MainWindowTest::notificationForMissingRowChangesNothing() {
    MainWindow w;
    addCameras(w, {loopbackCamera(2)});
    const QString before = rowText(w, 0);
    emit w.manager.updateCameraStatus(1, 1);
    emit w.manager.updateCameraStatus(64, 0);
    QCOMPARE(w.ui->camList->count(), 1);
    QCOMPARE(rowText(w, 0), before);
}

void MainWindowTest::updateListAndAdapterChoiceRebuildTheList() {
    MainWindow w;
    addCameras(w, {loopbackCamera(2)});
    QTest::mouseClick(w.ui->btnUpdList, Qt::LeftButton);
    QCOMPARE(w.ui->camList->count(), 0);
    QCOMPARE(w.manager.cameraCount(), 0);

    // Numbering starts again from 0, and the same camera is listed once more.
    addCameras(w, {loopbackCamera(2)});
    QCOMPARE(w.ui->camList->count(), 1);
    // Choosing the adapter that is already chosen still rediscovers.
    emit w.ui->netAdpList->activated(w.ui->netAdpList->currentIndex());
    QCOMPARE(w.ui->camList->count(), 0);
    QCOMPARE(w.manager.cameraCount(), 0);
}

void MainWindowTest::conflictWarnings_data() {
    QTest::addColumn<int>("jumboPacket");
    QTest::addColumn<QList<UdpCamInfo>>("cameras");
    QTest::addColumn<int>("code");

    UdpCamInfo sameIpAndMac = loopbackCamera(3);
    sameIpAndMac.cameraIp = loopbackCamera(2).cameraIp;
    sameIpAndMac.macLow = loopbackCamera(2).macLow;
    UdpCamInfo sameMac = loopbackCamera(3);
    sameMac.macLow = loopbackCamera(2).macLow;
    UdpCamInfo sameSerial = loopbackCamera(3);
    sameSerial.serialNumber = loopbackCamera(2).serialNumber;
    UdpCamInfo sameSerialJumbo = loopbackCamera(3, 9000);
    sameSerialJumbo.serialNumber = loopbackCamera(2).serialNumber;

    QTest::newRow("optimal never checks the MTU") << -1 << QList<UdpCamInfo>{loopbackCamera(2, 9000)} << 0;
    QTest::newRow("1500 on a jumbo adapter") << 0 << QList<UdpCamInfo>{loopbackCamera(2, 9000)} << 1;
    QTest::newRow("1500 on a 1500 adapter") << 0 << QList<UdpCamInfo>{loopbackCamera(2, 1500)} << 0;
    QTest::newRow("8680 on a 1500 adapter") << 5 << QList<UdpCamInfo>{loopbackCamera(2, 1500)} << 2;
    QTest::newRow("8680 on a 9000 adapter") << 5 << QList<UdpCamInfo>{loopbackCamera(2, 9000)} << 0;
    QTest::newRow("advanced camera is never size-checked")
        << 5 << QList<UdpCamInfo>{advancedCamera(2, 1500)} << 0;
    QTest::newRow("same IP and MAC warns about the IP")
        << -1 << QList<UdpCamInfo>{loopbackCamera(2), sameIpAndMac} << 3;
    QTest::newRow("same MAC") << -1 << QList<UdpCamInfo>{loopbackCamera(2), sameMac} << 4;
    QTest::newRow("same serial") << -1 << QList<UdpCamInfo>{loopbackCamera(2), sameSerial} << 5;
    QTest::newRow("size conflict is named before a shared serial")
        << 0 << QList<UdpCamInfo>{loopbackCamera(2, 9000), sameSerialJumbo} << 1;
    QTest::newRow("distinct cameras") << -1 << QList<UdpCamInfo>{loopbackCamera(2), loopbackCamera(3)} << 0;
}

void MainWindowTest::conflictWarnings() {
    QFETCH(int, jumboPacket);
    QFETCH(QList<UdpCamInfo>, cameras);
    QFETCH(int, code);
    vxApp()->jumboPacket = jumboPacket;
    MainWindow w;
    ModalHandler closer;
    addCameras(w, cameras);
    if (code == 0) {
        QCOMPARE(closer.modalCount, 0);
    } else {
        QVERIFY(!closer.messages.isEmpty());
        QCOMPARE(closer.messages.last(), conflictText(code));
    }
    // The warning comes again at every later check while the conflict lasts.
    const int before = closer.messages.size();
    w.checkCameraConflicts();
    QCOMPARE(closer.messages.size(), before + (code == 0 ? 0 : 1));
}

void MainWindowTest::messageBoxPictureAndButtonsFollowFlags_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("defaultButton");
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    QTest::newRow("error, OK") << 0x1 << ":/res/ico-err.png" << int(QMessageBox::Ok) << int(QMessageBox::Ok);
    QTest::newRow("warning wins over error")
        << 0x3 << ":/res/ico-wrn.png" << int(QMessageBox::Ok) << int(QMessageBox::Ok);
    QTest::newRow("error wins over information")
        << 0x5 << ":/res/ico-err.png" << int(QMessageBox::Ok) << int(QMessageBox::Ok);
    QTest::newRow("information, yes/no") << 0x104 << ":/res/ico-inf.png" << yesNo << int(QMessageBox::No);
    QTest::newRow("yes/no/cancel") << 0x200 << "" << (yesNo | QMessageBox::Cancel) << int(QMessageBox::No);
    QTest::newRow("yes/no wins over yes/no/cancel") << 0x300 << "" << yesNo << int(QMessageBox::No);
}

void MainWindowTest::messageBoxPictureAndButtonsFollowFlags() {
    QFETCH(int, flags);
    QFETCH(QString, picture);
    QFETCH(int, buttons);
    QFETCH(int, defaultButton);
    QWidget parent;
    bool checked = false;
    ModalHandler handler([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Halvorn Varnix"));
        QCOMPARE(box->text(), QStringLiteral("Something to say"));
        QCOMPARE(box->styleSheet(),
                 QStringLiteral("QPushButton { padding: 2px; min-width: 52px; min-height: 52px; }"));
        QCOMPARE(int(box->standardButtons()), buttons);
        QCOMPARE(int(box->standardButton(box->defaultButton())), defaultButton);
        if (picture.isEmpty())
            QVERIFY(box->iconPixmap().isNull());
        else
            QCOMPARE(box->iconPixmap().toImage(), QPixmap(picture).toImage());
        checked = true;
        box->defaultButton()->click();
    });
    const QMessageBox::StandardButton result =
        MainWindow::showMessage(&parent, QStringLiteral("Something to say"), flags);
    QVERIFY(checked);
    QCOMPARE(int(result), defaultButton);
}

void MainWindowTest::contextMenuEntries_data() {
    QTest::addColumn<UdpCamInfo>("camera");
    QTest::addColumn<int>("clips");
    QTest::addColumn<QStringList>("entries");
    const QStringList two{QStringLiteral("Edit IP Address..."), QStringLiteral("Camera Info...")};
    QTest::newRow("standard camera") << loopbackCamera(2) << 0 << two;
    QTest::newRow("standard camera with clip records") << loopbackCamera(2) << 1 << two;
    QTest::newRow("advanced camera without clips") << advancedCamera(2) << 0 << two;
    QTest::newRow("advanced camera with clips")
        << advancedCamera(2) << 2 << (two + QStringList{QStringLiteral("Edit clips...")});
}

void MainWindowTest::contextMenuEntries() {
    QFETCH(UdpCamInfo, camera);
    QFETCH(int, clips);
    QFETCH(QStringList, entries);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    addCameras(w, {camera});
    for (int i = 0; i < clips; ++i)
        w.manager.camera(0)->clips.append(new ClipInfo);

    w.showContextMenu(w.ui->camList->visualItemRect(w.ui->camList->item(0)).center());
    QCOMPARE(actionTexts(w.contextMenu), entries);
    QVERIFY(w.contextMenu->isVisible());
    w.contextMenu->hide();

    // Below the last row there is no camera and so no menu.
    w.showContextMenu(QPoint(5, w.ui->camList->viewport()->height() - 2));
    QVERIFY(w.contextMenu->actions().isEmpty());
}

void MainWindowTest::addressActionSendsOnlyAcceptedUsableAddresses_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<bool>("rebuilt");
    QTest::newRow("new address is sent") << "127.0.0.9"
                                         << "255.255.255.0" << true << true << true;
    QTest::newRow("only the mask changes") << "127.0.0.2"
                                           << "255.255.0.0" << true << true << true;
    QTest::newRow("present address and mask: nothing sent, list rebuilt")
        << "127.0.0.2"
        << "255.255.255.0" << true << false << true;
    QTest::newRow("cancel") << "127.0.0.9"
                            << "255.255.255.0" << false << false << false;
    QTest::newRow("address 0.0.0.0") << "0.0.0.0"
                                     << "255.255.255.0" << true << false << false;
    QTest::newRow("mask 0.0.0.0") << "127.0.0.9"
                                  << "0.0.0.0" << true << false << false;
    QTest::newRow("unparsable address cannot be accepted") << "127.0.0.256"
                                                           << "255.255.255.0" << true << false << false;
    QTest::newRow("unparsable mask cannot be accepted") << "127.0.0.9"
                                                        << "255.255" << true << false << false;
}

void MainWindowTest::addressActionSendsOnlyAcceptedUsableAddresses() {
    QFETCH(QString, address);
    QFETCH(QString, mask);
    QFETCH(bool, accept);
    QFETCH(bool, sent);
    QFETCH(bool, rebuilt);

    QUdpSocket listener;
    QVERIFY(listener.bind(QHostAddress(Loopback), CameraPort));
    MainWindow w;
    addCameras(w, {loopbackCamera(2)});
    while (listener.hasPendingDatagrams()) // the opening requests went to 127.0.0.2, not here
        listener.receiveDatagram();

    QString initialAddress, initialMask;
    ModalHandler handler([&](QWidget *modal) {
        auto *dialog = qobject_cast<IPEditDlg *>(modal);
        QVERIFY(dialog);
        auto *addressEdit = dialog->findChild<QLineEdit *>(QStringLiteral("ipAddEdit"));
        auto *maskEdit = dialog->findChild<QLineEdit *>(QStringLiteral("snMaskEdit"));
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("btnOK"));
        initialAddress = addressEdit->text();
        initialMask = maskEdit->text();
        addressEdit->setText(address);
        maskEdit->setText(mask);
        if (accept) QTest::mouseClick(ok, Qt::LeftButton);
        if (dialog->isVisible()) // cancelled, or OK refused the text
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnCancel")), Qt::LeftButton);
    });
    w.editCameraAddress(w.manager.camera(0));

    // The dialog opens on the camera's address and the mask of the adapter it was found through.
    QCOMPARE(initialAddress, QStringLiteral("127.0.0.2"));
    QCOMPARE(initialMask, QStringLiteral("255.255.255.255"));
    QTest::qWait(100);
    QList<QByteArray> received;
    while (listener.hasPendingDatagrams())
        received << listener.receiveDatagram().data();
    if (sent) {
        QCOMPARE(received.size(), 1);
        const UdpCamInfo cam = loopbackCamera(2);
        QCOMPARE(received.first(),
                 opSetAddress(ipFromText(address), ipFromText(mask), cam.macLow, cam.macHigh));
    } else {
        QVERIFY(received.isEmpty());
    }
    QCOMPARE(w.ui->camList->count(), rebuilt ? 0 : 1);
    QCOMPARE(w.manager.cameraCount(), rebuilt ? 0 : 1);
}

void MainWindowTest::infoAndClipActionsRunTheirDialogs() {
    MainWindow w;
    addCameras(w, {advancedCamera(2)});
    w.manager.camera(0)->clips.append(new ClipInfo);
    QStringList seen;
    ModalHandler handler([&](QWidget *modal) {
        seen << QString::fromLatin1(modal->metaObject()->className());
        if (auto *dialog = qobject_cast<QDialog *>(modal)) dialog->reject();
    });
    w.showCameraInfo(w.manager.camera(0));
    w.showCameraClips(w.manager.camera(0));
    QCOMPARE(seen, (QStringList{QStringLiteral("CamInfoDlg"), QStringLiteral("ClipEditDlg")}));
    // The dialogs are gone once they have run.
    QVERIFY(w.findChildren<QDialog *>().isEmpty());
}

void MainWindowTest::networkButtonStartsTheConnectionEditorFoundInPath() {
    QTemporaryDir bin;
    const QString marker = bin.filePath(QStringLiteral("started"));
    QFile editor(bin.filePath(QStringLiteral("nm-connection-editor")));
    QVERIFY(editor.open(QIODevice::WriteOnly));
    editor.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(marker).toUtf8());
    editor.close();
    editor.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    MainWindow w;
    QTest::mouseClick(w.ui->btnNetPref, Qt::LeftButton);
    qputenv("PATH", path);
    QTRY_VERIFY(QFile::exists(marker));
}

void MainWindowTest::windowBecomesOpaqueWhenShown() {
    MainWindow w;
    w.setWindowOpacity(0.0);
    QVERIFY(QMetaObject::invokeMethod(&w, "ShowMainWindow"));
    QCOMPARE(w.windowOpacity(), 1.0);
}

int main(int argc, char *argv[]) {
    // The window starts discovery on every adapter as soon as it exists; it may only do that where
    // no real interface can hear it.
    if (!enterPrivateNetwork()) {
        std::puts("SKIP: the window tests need root to run in a private network namespace");
        return 77;
    }
    QTemporaryDir settings;
    useSettingsIn(settings.path());
    QVXApplication app(argc, argv);
    app.initialize();
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
