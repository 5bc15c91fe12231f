#include "ui/mainwindow.h"

#include "app/qvxapplication.h"
#include "cameras/conflicts.h"
#include "cameras/qlistitemlabel.h"
#include "dialogs/caminfodlg.h"
#include "dialogs/clipeditdlg.h"
#include "dialogs/ipeditdlg.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QIcon>
#include <QListWidgetItem>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include <cstring>

namespace {

constexpr int maxAdapters = 64;

QString adapterEntryText(const NetAdapterInfo &adapter) {
    return QString::fromLocal8Bit(adapter.description) + QStringLiteral(" [") + ipToText(adapter.ip) +
           QStringLiteral("]");
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow) {
    ui->setupUi(this);
    QVXApplication *app = vxApp();
    const int fontPointSize = app ? app->fontPointSize : 10;
    setWindowIcon(QIcon(QStringLiteral(":/res/varnix.png")));
    setStyleSheet(QStringLiteral("font: normal %1pt \"Helvetica\"; ").arg(fontPointSize));

    connect(&manager, &UdpCamManager::updateCameraList, this,
            static_cast<void (MainWindow::*)()>(&MainWindow::OnUpdateCameraList));
    connect(&manager, &UdpCamManager::updateCameraStatus, this,
            static_cast<void (MainWindow::*)(int, int)>(&MainWindow::OnUpdateCameraList));

    const QString storedAdapter = app ? app->netAdapter : QStringLiteral("*ALL*");

    NetAdapterInfo &all = adapters[0];
    std::strcpy(all.name, "*ALL*");
    std::strcpy(all.description, "Broadcast");
    all.ip = 0xFFFFFFFF;
    all.mask = 0xFFFFFFFF;
    adapterCount = listAdapters(adapters + 1, maxAdapters - 1) + 1;

    int chosen = 0;
    for (int i = 0; i < adapterCount; ++i) {
        if (QString::fromLocal8Bit(adapters[i].name) == storedAdapter) chosen = i;
        ui->netAdpList->addItem(i == 0 ? tr("Broadcast") : adapterEntryText(adapters[i]));
    }
    ui->netAdpList->setCurrentIndex(chosen);
    connect(ui->netAdpList, QOverload<int>::of(&QComboBox::activated), this, &MainWindow::rediscover);

    const char *const sizeTexts[] = {
        QT_TR_NOOP("Optimal"), QT_TR_NOOP("1500 (standard)"),
        QT_TR_NOOP("2920"),    QT_TR_NOOP("4360"),
        QT_TR_NOOP("5800"),    QT_TR_NOOP("7240"),
        QT_TR_NOOP("8680"),
    };
    for (int row = 0; row < 7; ++row)
        ui->jmbPackList->addItem(tr(sizeTexts[row]), row - 1);
    connect(ui->jmbPackList, QOverload<int>::of(&QComboBox::activated), this, [this](int row) {
        if (QVXApplication *a = vxApp()) a->jumboPacket = ui->jmbPackList->itemData(row).toInt();
        checkCameraConflicts();
    });
    ui->jmbPackList->setCurrentIndex((app ? app->jumboPacket : -1) + 1);

    connect(ui->btnUpdList, &QPushButton::clicked, this,
            [this] { rediscover(ui->netAdpList->currentIndex()); });

    rediscover(chosen);

    connect(ui->btnNetPref, &QPushButton::clicked, this, &MainWindow::openNetworkPreferences);
    contextMenu = new QMenu(this);
    connect(ui->camList, &QListWidget::customContextMenuRequested, this, &MainWindow::showContextMenu);
}

MainWindow::~MainWindow() {
    if (QVXApplication *app = vxApp()) app->saveSettings();
    delete ui;
}

void MainWindow::ShowMainWindow() {
    setWindowOpacity(1.0);
}

void MainWindow::rediscover(int adapterRow) {
    if (adapterRow < 0 || adapterRow >= adapterCount) adapterRow = 0;
    ui->camList->clear();
    manager.restartDiscovery(&adapters[adapterRow]);
}

void MainWindow::OnUpdateCameraList() {
    const QSize rowSize = vxApp() ? vxApp()->itemSize(0) : QSize(44, 44);
    for (int i = 0; i < manager.cameraCount(); ++i) {
        UdpInterface *channel = manager.camera(i);
        if (!channel || channel->listed) continue;
        auto *entry = new QListItemLabel(0, manager.cameraPicture(i), manager.cameraText(i),
                                         manager.statusBullet(i), this);
        auto *item = new QListWidgetItem;
        ui->camList->addItem(item);
        item->setSizeHint(rowSize);
        ui->camList->setItemWidget(item, entry);
        channel->listed = true;
    }
    checkCameraConflicts();
}

void MainWindow::OnUpdateCameraList(int index, int what) {
    // Only the name, the status and the readings show in a row.
    if (unsigned(what) > 2) return;
    QListWidgetItem *item = ui->camList->item(index);
    if (!item) return;
    auto *entry = qobject_cast<QListItemLabel *>(ui->camList->itemWidget(item));
    if (!entry) return;
    entry->setEntryText(manager.cameraText(index));
    entry->setBulletPixmap(manager.statusBullet(index));
}

void MainWindow::checkCameraConflicts() {
    const int jumboPacket = vxApp() ? vxApp()->jumboPacket : -1;
    const int code = findCameraConflict(manager, datagramSizeFor(jumboPacket));
    if (code != 0) showMessage(this, conflictText(code), 0x1);
}

QMessageBox::StandardButton MainWindow::showMessage(QWidget *parent, const QString &text, int flags) {
    QMessageBox box(parent);
    const QSize buttonSize = vxApp() ? vxApp()->itemSize(2) : QSize(52, 52);
    box.setStyleSheet(QStringLiteral("QPushButton { padding: 2px; min-width: %1px; min-height: %2px; }")
                          .arg(buttonSize.width())
                          .arg(buttonSize.height()));
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "Halvorn Varnix"));
    box.setText(text);

    const char *picture = nullptr;
    if (flags & 0x2)
        picture = ":/res/ico-wrn.png";
    else if (flags & 0x1)
        picture = ":/res/ico-err.png";
    else if (flags & 0x4)
        picture = ":/res/ico-inf.png";
    if (picture) box.setIconPixmap(QPixmap(QLatin1String(picture)));

    if (flags & 0x100) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
    } else if (flags & 0x200) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    return QMessageBox::StandardButton(box.exec());
}

void MainWindow::showContextMenu(const QPoint &pos) {
    contextMenu->clear();
    const QModelIndex index = ui->camList->indexAt(pos);
    if (!index.isValid() || manager.cameraCount() == 0) return;
    UdpInterface *camera = manager.camera(index.row());
    if (!camera) return;

    // A restart may discard the channel while the menu is open; the actions then do nothing.
    const QPointer<UdpInterface> channel(camera);
    connect(contextMenu->addAction(tr("Edit IP Address...")), &QAction::triggered, this, [this, channel] {
        if (channel) editCameraAddress(channel);
    });
    connect(contextMenu->addAction(tr("Camera Info...")), &QAction::triggered, this, [this, channel] {
        if (channel) showCameraInfo(channel);
    });
    if (camera->camInfo.protocol == 1 && !camera->clips.isEmpty()) {
        connect(contextMenu->addAction(tr("Edit clips...")), &QAction::triggered, this, [this, channel] {
            if (channel) showCameraClips(channel);
        });
    }
    contextMenu->popup(ui->camList->viewport()->mapToGlobal(pos));
}

void MainWindow::editCameraAddress(UdpInterface *camera) {
    const QPointer<UdpInterface> channel(camera);
    IPEditDlg dialog(camera->camInfo.cameraIp, camera->camInfo.adapterMask, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const quint32 ip = dialog.ipAddress();
    if (ip == 0) return;
    const quint32 mask = dialog.subnetMask();
    if (mask == 0) return;
    if (channel) manager.setCameraAddress(channel, ip, mask);
    // The camera takes its new address in its own time; give it a moment before looking again.
    busyWait(200);
    rediscover(ui->netAdpList->currentIndex());
}

void MainWindow::showCameraInfo(UdpInterface *channel) {
    CamInfoDlg dialog(channel, this);
    dialog.exec();
}

void MainWindow::showCameraClips(UdpInterface *channel) {
    ClipEditDlg dialog(channel, this);
    dialog.exec();
}

void MainWindow::openNetworkPreferences() {
#if defined(Q_OS_WIN)
    const QString windir = QString::fromUtf8(qgetenv("windir"));
    QProcess::startDetached(windir + QStringLiteral("/system32/control.exe"), {QStringLiteral("ncpa.cpl")});
#elif defined(Q_OS_LINUX)
    const QString editor = QStandardPaths::findExecutable(QStringLiteral("nm-connection-editor"));
    if (!editor.isEmpty()) {
        QProcess::startDetached(editor, {});
        return;
    }
    const QString settings = QStandardPaths::findExecutable(QStringLiteral("gnome-control-center"));
    if (!settings.isEmpty()) QProcess::startDetached(settings, {QStringLiteral("network")});
#endif
}
