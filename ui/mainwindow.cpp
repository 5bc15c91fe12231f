#include "ui/mainwindow.h"

#include "app/qvxapplication.h"
#include "app/settings.h"
#include "cameras/conflicts.h"
#include "cameras/qlistitemlabel.h"
#include "dialogs/assignaddressesdlg.h"
#include "dialogs/caminfodlg.h"
#include "dialogs/clipeditdlg.h"
#include "dialogs/ipeditdlg.h"
#include "dialogs/targetsdlg.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "report/cameralist.h"
#include "report/reportjson.h"
#include "report/savefile.h"
#include "ui/adapterchoice.h"
#include "ui/lineview.h"
#include "ui/messagebox.h"
#include "ui/networkcheckwindow.h"
#include "ui_mainwindow.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidgetItem>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

namespace {

// How long a camera is given to take a new address before the network is looked at again.
constexpr int AddressSettleMs = 200;

QList<LocalSubnet> localSubnets(const NetAdapterInfo *adapters, int count) {
    QList<LocalSubnet> local;
    for (int i = 0; i < count; ++i)
        if (!isAllAdapters(adapters[i]) && adapters[i].ip != NoIp)
            local << LocalSubnet{adapters[i].ip, adapters[i].mask};
    return local;
}
} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow) {
    ui->setupUi(this);
    QVXApplication *app = vxApp();
    const int fontPointSize = app ? app->fontPointSize : 10;
    setWindowIcon(QIcon(QStringLiteral(":/res/varnix.png")));
    setStyleSheet(QStringLiteral("font: normal %1pt \"Helvetica\"; ").arg(fontPointSize));
    // Translated labels keep a small gap before their lists, however long the text.
    for (QLabel *label : {ui->netAdpLbl, ui->jmbPackLbl}) {
        label->ensurePolished();
        label->setMinimumWidth(qMax(label->minimumWidth(), label->sizeHint().width() + 8));
    }
    // Nor is a button narrower than its text: the window grows to fit them all.
    for (QPushButton *button : {ui->btnNetPref, ui->btnNetCheck, ui->btnUpdList}) {
        button->ensurePolished();
        button->setMinimumWidth(qMax(button->minimumWidth(), button->sizeHint().width()));
    }
    ui->btnsLayout->activate();
    setMinimumWidth(qMax(minimumWidth(), ui->btnsLayout->minimumSize().width() +
                                             ui->verticalLayout->contentsMargins().left() +
                                             ui->verticalLayout->contentsMargins().right()));

    connect(&manager, &UdpCamManager::updateCameraList, this,
            static_cast<void (MainWindow::*)()>(&MainWindow::OnUpdateCameraList));
    connect(&manager, &UdpCamManager::updateCameraStatus, this,
            static_cast<void (MainWindow::*)(int, int)>(&MainWindow::OnUpdateCameraList));
    // A camera falling silent is no status reply; its row shows it all the same.
    connect(&manager, &UdpCamManager::cameraRespondingChanged, this,
            [this](int index) { OnUpdateCameraList(index, UdpInterface::StatusChanged); });

    const QString storedAdapter = app ? app->netAdapter : QString::fromLatin1(AllAdaptersName);

    adapterChoice = new AdapterChoice(storedAdapter, this);
    adapterNote = new QLabel(this);
    adapterNote->setObjectName(QStringLiteral("adpNoteLbl"));
    adapterNote->setWordWrap(true);
    adapterNote->setStyleSheet(QStringLiteral("color: #FFAA34;"));
    adapterNote->hide();
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->camList), adapterNote);
    fillAdapterList();
    const int chosen = adapterChoice->chosenRow();
    connect(adapterChoice, &AdapterChoice::entriesChanged, this, &MainWindow::fillAdapterList);
    connect(adapterChoice, &AdapterChoice::chosenChanged, this, &MainWindow::adapterChosenChanged);
    connect(ui->netAdpList, QOverload<int>::of(&QComboBox::activated), this, &MainWindow::rediscover);

    // "Optimal" (index -1), then the datagram sizes; the first as the frame size it fits.
    ui->jmbPackList->addItem(tr("Optimal"), -1);
    ui->jmbPackList->addItem(tr("1500 (standard)"), 0);
    for (int index = 1; index < DatagramSizeCount; ++index)
        ui->jmbPackList->addItem(QString::number(datagramSizes[index]), index);
    connect(ui->jmbPackList, QOverload<int>::of(&QComboBox::activated), this, [this](int row) {
        if (QVXApplication *a = vxApp()) a->jumboPacket = ui->jmbPackList->itemData(row).toInt();
        scheduleConflictCheck(true);
    });
    ui->jmbPackList->setCurrentIndex((app ? app->jumboPacket : -1) + 1);

    connect(ui->btnUpdList, &QPushButton::clicked, this,
            [this] { rediscover(ui->netAdpList->currentIndex()); });

    line = new LineView(ui->lineLbl, this);
    connect(line, &LineView::judgeAgain, this, [this] { scheduleConflictCheck(false); });
    if (!storedExpectedLine().isEmpty() && !line->open(storedExpectedLine(), &lineError))
        lineError = tr("The expected line cannot be read; the window goes on without it.\n%1").arg(lineError);
    targets = storedTargets();
    rediscover(chosen);

    connect(ui->btnNetPref, &QPushButton::clicked, this, &MainWindow::openNetworkPreferences);
    connect(ui->btnNetCheck, &QPushButton::clicked, this, &MainWindow::openNetworkCheck);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this), &QShortcut::activated, this,
            &MainWindow::openNetworkCheck);
    listMenu = menuBar()->addMenu(tr("&List"));
    QAction *save = listMenu->addAction(tr("&Save list..."), this, &MainWindow::saveList);
    save->setShortcut(QKeySequence::Save);
    QAction *copy = listMenu->addAction(tr("&Copy list"), this, &MainWindow::copyList);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    listMenu->addSeparator();
    listMenu->addAction(tr("Assign addresses..."), this, &MainWindow::assignAddresses);
    listMenu->addSeparator();
    listMenu->addAction(tr("Use as expected line"), this, [this] {
        line->useCurrentList(
            [this](const QString &path, QString *error) { return writeList(path, true, error); }, this);
    });
    listMenu->addAction(tr("Open expected line..."), this, [this] { line->chooseFile(this); });
    QAction *forget = listMenu->addAction(tr("Forget expected line"), this, [this] { line->forget(); });
    connect(listMenu, &QMenu::aboutToShow, forget, [this, forget] { forget->setEnabled(line->active()); });
    listMenu->addAction(tr("Camera addresses..."), this, &MainWindow::editTargets);
    contextMenu = new QMenu(this);
    connect(ui->camList, &QListWidget::customContextMenuRequested, this, &MainWindow::showContextMenu);
    ui->camList->installEventFilter(this);
}

MainWindow::~MainWindow() {
    if (QVXApplication *app = vxApp()) app->saveSettings();
    delete ui;
}

void MainWindow::ShowMainWindow() {
    setWindowOpacity(1.0);
    // Conflicts found while the window was still transparent are shown now.
    scheduleConflictCheck(false);
}

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    scheduleConflictCheck(false);
    if (!lineError.isEmpty())
        QTimer::singleShot(0, this,
                           [this] { showMessage(this, std::exchange(lineError, QString()), MessageError); });
}

void MainWindow::rediscover(int adapterRow) {
    if (adapterRow < 0 || adapterRow >= adapterCount) adapterRow = 0;
    // A new look at the network: a conflict that lasts is worth one more warning.
    acknowledged.clear();
    ui->camList->clear();
    adapterChoice->choose(adapterRow);
    adapterNote->hide();
    manager.setTargets(parseTargets(targets, localSubnets(adapters, adapterCount)).addresses);
    line->discoveryStarted();
    // An adapter without an address (or gone) has nothing to listen on.
    const bool usable = adapterRow == 0 || adapters[adapterRow].ip != 0;
    manager.restartDiscovery(usable ? &adapters[adapterRow] : nullptr);
}

void MainWindow::fillAdapterList() {
    const QList<NetAdapterInfo> &entries = adapterChoice->entries();
    adapterCount = qMin(entries.size(), MaxAdapters + 1);
    ui->netAdpList->clear();
    for (int i = 0; i < adapterCount; ++i) {
        adapters[i] = entries.at(i);
        ui->netAdpList->addItem(i == 0 ? tr("Broadcast") : adapterChoice->entryText(i));
    }
    ui->netAdpList->setCurrentIndex(adapterChoice->chosenRow());
}

void MainWindow::adapterChosenChanged(const QString &note, bool lookAgain) {
    if (lookAgain) rediscover(adapterChoice->chosenRow());
    adapterNote->setText(note);
    adapterNote->show();
    // Gone, the rows stay until the next discovery, marked as out of reach.
    scheduleConflictCheck(false);
}

void MainWindow::OnUpdateCameraList() {
    // Hundreds of cameras can be listed within a few milliseconds, and a row takes a while to make:
    // rows are made a batch at a time, from the event loop, so that the window keeps answering.
    if (rowsDue) return;
    rowsDue = true;
    QTimer::singleShot(0, this, [this] {
        rowsDue = false;
        addRows();
    });
}

void MainWindow::addRows() {
    // A pass ends after this long, with at least one row made.
    constexpr qint64 PassMs = 8;
    QElapsedTimer pass;
    pass.start();
    const QSize rowSize = vxApp() ? vxApp()->itemSize(0) : QSize(44, 44);
    for (int i = 0; i < manager.cameraCount(); ++i) {
        UdpInterface *channel = manager.camera(i);
        if (!channel || channel->listed) continue;
        if (pass.elapsed() >= PassMs) {
            OnUpdateCameraList();
            break;
        }
        auto *entry = new QListItemLabel(0, manager.cameraPicture(i), manager.cameraText(i),
                                         manager.statusBullet(i), this);
        auto *item = new QListWidgetItem;
        ui->camList->addItem(item);
        item->setSizeHint(rowSize);
        ui->camList->setItemWidget(item, entry);
        channel->listed = true;
    }
    scheduleConflictCheck(false);
}

void MainWindow::OnUpdateCameraList(int index, int what) {
    // Only the name, the status and the readings show in a row.
    if (what != UdpInterface::NameChanged && what != UdpInterface::StatusChanged &&
        what != UdpInterface::ReadingsArrived)
        return;
    QListWidgetItem *item = ui->camList->item(index);
    if (!item) return;
    auto *entry = qobject_cast<QListItemLabel *>(ui->camList->itemWidget(item));
    if (!entry) return;
    entry->setEntryText(manager.cameraText(index));
    entry->setBulletPixmap(manager.statusBullet(index));
}

void MainWindow::scheduleConflictCheck(bool fresh) {
    if (fresh) acknowledged.clear();
    checkPending = true;
    if (checkQueued) return;
    checkQueued = true;
    QTimer::singleShot(0, this, [this] {
        checkQueued = false;
        checkCameraConflicts();
    });
}

void MainWindow::checkCameraConflicts() {
    const int jumboPacket = vxApp() ? vxApp()->jumboPacket : -1;
    const QList<CameraConflict> conflicts = findCameraConflicts(manager, datagramSizeFor(jumboPacket));
    markConflictRows(conflicts);
    if (warningOpen || !isVisible() || windowOpacity() <= 0.0 || QApplication::activeModalWidget()) {
        checkPending = true;
        return;
    }
    checkPending = false;
    for (const CameraConflict &conflict : conflicts) {
        if (acknowledged.contains(conflict.key)) continue;
        acknowledged << conflict.key;
        warningOpen = true;
        // Cameras at one address: one of them may have no row to right-click, the plan reaches them all.
        const int offer = conflict.kind == ConflictKind::SameIp ? MessageAssignAddresses : 0;
        const QMessageBox::StandardButton answer =
            showMessage(this, conflictText(conflict.kind), MessageError | offer, involvedCameras(conflict));
        warningOpen = false;
        if (answer == QMessageBox::Apply) assignAddresses();
        break;
    }
    // Cameras found while the warning was open are checked now, as one.
    if (checkPending) scheduleConflictCheck(false);
}

const NetAdapterInfo &MainWindow::chosenAdapter() const {
    return adapters[qBound(0, ui->netAdpList->currentIndex(), adapterCount - 1)];
}

void MainWindow::editTargets() {
    {
        TargetsDlg dialog(targets, localSubnets(adapters, adapterCount), this);
        if (dialog.exec() == QDialog::Accepted && dialog.entries() != targets) {
            targets = dialog.entries();
            storeTargets(targets);
            rediscover(ui->netAdpList->currentIndex());
        }
    }
    if (checkPending) scheduleConflictCheck(false);
}

void MainWindow::markConflictRows(const QList<CameraConflict> &conflicts) {
    QHash<int, QStringList> texts; // by row
    // Cameras moved or not in the expected line are marked as conflicts are.
    const QHash<int, QString> lineMarks = line->judge(manager, chosenAdapter());
    for (auto it = lineMarks.cbegin(); it != lineMarks.cend(); ++it)
        texts[it.key()] << it.value();
    for (int row = 0; row < manager.cameraCount(); ++row) {
        if (adapterChoice->unreachable().contains(manager.camera(row)->camInfo.adapterIp))
            texts[row] << AdapterChoice::unreachableText();
    }
    for (const CameraConflict &conflict : conflicts) {
        for (const CameraRef &camera : conflict.cameras) {
            const int row = manager.rowOf(camera.id, camera.ip);
            if (row >= 0) texts[row] << conflictText(conflict.kind);
        }
    }
    for (int row = 0; row < ui->camList->count(); ++row) {
        auto *entry = qobject_cast<QListItemLabel *>(ui->camList->itemWidget(ui->camList->item(row)));
        if (entry) entry->setMarked(texts.contains(row), texts.value(row).join(QLatin1Char('\n')));
    }
}

QString MainWindow::involvedCameras(const CameraConflict &conflict) const {
    QStringList names;
    const QList<UdpCamInfo> &unlisted = manager.shadowedCameras();
    for (const CameraRef &camera : conflict.cameras) {
        const int row = manager.rowOf(camera.id, camera.ip);
        const UdpInterface *channel = manager.camera(row);
        const auto heard = std::find_if(unlisted.cbegin(), unlisted.cend(),
                                        [&camera](const UdpCamInfo &u) { return cameraRef(u) == camera; });
        if (!channel && heard == unlisted.cend()) continue;
        const UdpCamInfo &info = channel ? channel->camInfo : *heard;
        const QString name = !channel                        ? tr("Camera without a row")
                             : channel->cameraName.isEmpty() ? tr("Camera %1").arg(row + 1)
                                                             : channel->cameraName;
        names
            << tr("%1 (%2, MAC %3)").arg(name, ipToText(info.cameraIp), macToText(info.macLow, info.macHigh));
    }
    return tr("Cameras involved: %1").arg(names.join(QStringLiteral(", ")));
}

QMessageBox::StandardButton MainWindow::showMessage(QWidget *parent, const QString &text, int flags,
                                                    const QString &details) {
    return showMessageBox(parent, text, flags, details);
}

void MainWindow::showContextMenu(const QPoint &pos) {
    contextMenu->clear();
    const QModelIndex index = ui->camList->indexAt(pos);
    UdpInterface *camera = index.isValid() ? manager.camera(index.row()) : nullptr;
    if (!camera) {
        // Beside the rows the list's own action: cameras without a row are reached by it too.
        connect(contextMenu->addAction(tr("Assign addresses...")), &QAction::triggered, this,
                &MainWindow::assignAddresses);
        contextMenu->popup(ui->camList->viewport()->mapToGlobal(pos));
        return;
    }

    // A restart may discard the channel while the menu is open; the actions then do nothing.
    const QPointer<UdpInterface> channel(camera);
    QAction *edit = contextMenu->addAction(tr("Edit IP Address..."));
    connect(edit, &QAction::triggered, this, [this, channel] {
        if (channel) editCameraAddress(channel);
    });
    // The command would go by broadcast on the camera's own segment, which the router does not pass.
    edit->setEnabled(!isRouted(camera->camInfo));
    contextMenu->setToolTipsVisible(true);
    edit->setToolTip(isRouted(camera->camInfo) ? QCoreApplication::translate("IPEditDlg", behindRouterText())
                                               : QString());
    connect(contextMenu->addAction(tr("Camera Info...")), &QAction::triggered, this, [this, channel] {
        if (channel) showCameraInfo(channel);
    });
    if (isAdvanced(camera->camInfo) && !camera->clips.isEmpty()) {
        connect(contextMenu->addAction(tr("Edit clips...")), &QAction::triggered, this, [this, channel] {
            if (channel) showCameraClips(channel);
        });
    }
    connect(contextMenu->addAction(tr("Copy details")), &QAction::triggered, this, [this, channel] {
        if (channel) copyCameraDetails(channel);
    });
    contextMenu->addSeparator();
    connect(contextMenu->addAction(tr("Assign addresses...")), &QAction::triggered, this,
            &MainWindow::assignAddresses);
    contextMenu->popup(ui->camList->viewport()->mapToGlobal(pos));
}

void MainWindow::showKeyboardContextMenu() {
    QListWidgetItem *item = ui->camList->currentItem();
    if (!item || !item->isSelected()) return;
    ui->camList->scrollToItem(item);
    showContextMenu(ui->camList->visualItemRect(item).center());
    // From the keyboard the first entry is ready for Return.
    if (!contextMenu->actions().isEmpty()) contextMenu->setActiveAction(contextMenu->actions().first());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ui->camList) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Menu ||
                (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
                showKeyboardContextMenu();
                return true;
            }
        } else if (event->type() == QEvent::ContextMenu &&
                   static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
            // The list would place this menu at its own centre, whatever row is selected.
            showKeyboardContextMenu();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QRect MainWindow::besideWithin(const QRect &main, QSize size, const QRect &available) {
    constexpr int Gap = 8;
    size = size.boundedTo(available.size());
    QRect place(QPoint(main.right() + 1 + Gap, main.top()), size);
    QRect left = place;
    left.moveRight(main.left() - 1 - Gap);
    if (place.right() > available.right() && left.left() >= available.left()) place = left;
    // Room on neither side: against the screen's edge, over the main window, rather than off the screen.
    place.moveLeft(qBound(available.left(), place.left(), available.right() + 1 - size.width()));
    place.moveTop(qBound(available.top(), place.top(), available.bottom() + 1 - size.height()));
    return place;
}

void MainWindow::openNetworkCheck() {
    if (!networkCheck) {
        networkCheck = new NetworkCheckWindow(this);
        connect(networkCheck, &NetworkCheckWindow::checkRequested, this, &MainWindow::openNetworkCheck);
        connect(networkCheck, &NetworkCheckWindow::selectCameraRequested, this, &MainWindow::selectCamera);
        connect(networkCheck, &NetworkCheckWindow::moveCameraRequested, this, &MainWindow::moveCamera);
        connect(networkCheck, &NetworkCheckWindow::assignAddressesRequested, this,
                &MainWindow::assignAddresses);
        // Beside the main window, so that the rows its findings select stay in view.
        const QScreen *screen = windowHandle() ? windowHandle()->screen() : QGuiApplication::primaryScreen();
        if (screen)
            networkCheck->setGeometry(
                besideWithin(frameGeometry(), networkCheck->size(), screen->availableGeometry()));
    }
    networkCheck->show();
    networkCheck->raise();
    networkCheck->activateWindow();
    QList<NetAdapterInfo> system;
    for (int i = 1; i < adapterCount; ++i)
        system << adapters[i];
    const NetAdapterInfo &chosen = chosenAdapter();
    networkCheck->setExpectedLine(line->line(), chosen);
    networkCheck->runCheck(
        networkCheckInput(manager, chosen, system, datagramSizeFor(ui->jmbPackList->currentData().toInt())));
}

int MainWindow::rowOfCamera(const UdpCamInfo &camera) const {
    for (int i = 0; i < manager.cameraCount(); ++i) {
        const UdpInterface *channel = manager.camera(i);
        if (channel && sameCameraAt(channel->camInfo, camera)) return i;
    }
    return -1;
}

void MainWindow::selectCamera(const UdpCamInfo &camera) {
    const int row = rowOfCamera(camera);
    if (row < 0 || row >= ui->camList->count()) return;
    ui->camList->setCurrentRow(row);
    ui->camList->scrollToItem(ui->camList->item(row));
}

void MainWindow::moveCamera(const UdpCamInfo &camera, quint32 address, quint32 mask) {
    const int row = rowOfCamera(camera);
    if (row < 0) {
        showMessage(networkCheck, tr("The camera is no longer listed. Check again."), MessageInformation);
        return;
    }
    editCameraAddress(manager.camera(row), address, mask, networkCheck);
}

void MainWindow::editCameraAddress(UdpInterface *camera, quint32 proposedIp, quint32 proposedMask,
                                   QWidget *over) {
    const QPointer<UdpInterface> channel(camera);
    QList<quint32> othersInUse;
    for (int i = 0; i < manager.cameraCount(); ++i) {
        if (manager.camera(i) != camera) othersInUse << manager.camera(i)->camInfo.cameraIp;
    }
    quint32 ip = 0, mask = 0;
    bool accepted = false;
    {
        IPEditDlg dialog(proposedIp ? proposedIp : camera->camInfo.cameraIp,
                         proposedMask ? proposedMask : camera->camInfo.adapterMask, over ? over : this);
        dialog.setSurroundings(camera->camInfo.adapterIp, camera->camInfo.adapterMask, othersInUse);
        accepted = dialog.exec() == QDialog::Accepted;
        ip = dialog.ipAddress();
        mask = dialog.subnetMask();
    }
    // The dialog lets nothing unsafe through; this guard keeps it so whoever fills the fields.
    if (!accepted || ip == 0 || mask == 0 ||
        judgeCameraAddress(ip, mask, camera->camInfo.adapterIp) != AddressVerdict::Usable) {
        if (checkPending) scheduleConflictCheck(false);
        return;
    }
    if (channel) manager.setCameraAddress(channel, ip, mask);
    // The camera takes its new address in its own time; give it a moment before looking again.
    QTimer::singleShot(AddressSettleMs, this, [this] { rediscover(ui->netAdpList->currentIndex()); });
}

void MainWindow::assignAddresses() {
    QList<quint32> own;
    for (int i = 1; i < adapterCount; ++i)
        own << adapters[i].ip;
    {
        AssignAddressesDlg dialog(&manager, own, this);
        connect(&dialog, &AssignAddressesDlg::rediscoverRequested, this,
                [this] { rediscover(ui->netAdpList->currentIndex()); });
        dialog.exec();
    }
    if (checkPending) scheduleConflictCheck(false);
}

void MainWindow::showCameraInfo(UdpInterface *channel) {
    {
        CamInfoDlg dialog(channel, this);
        dialog.exec();
    }
    if (checkPending) scheduleConflictCheck(false);
}

void MainWindow::showCameraClips(UdpInterface *channel) {
    {
        ClipEditDlg dialog(channel, this);
        dialog.exec();
    }
    if (checkPending) scheduleConflictCheck(false);
}

void MainWindow::copyCameraDetails(UdpInterface *channel) {
    QApplication::clipboard()->setText(CamInfoDlg::detailsText(cameraSnapshot(*channel, channel->index)));
}

bool MainWindow::writeList(const QString &path, bool json, QString *error) const {
    const quint32 datagramSize = datagramSizeFor(vxApp() ? vxApp()->jumboPacket : -1);
    QByteArray bytes;
    if (json) {
        const QList<NetAdapterInfo> found(adapters + 1, adapters + adapterCount);
        const int row = qBound(0, ui->netAdpList->currentIndex(), adapterCount - 1);
        bytes = QJsonDocument(scanReportJson(adapters[row], found, manager, datagramSize)).toJson();
    } else {
        bytes = csvText(cameraListRows(manager, datagramSize));
    }
    return saveWholeFile(path, bytes, error);
}

void MainWindow::saveList() {
    const QString csvType = tr("CSV table (*.csv)"), jsonType = tr("JSON (*.json)");
    QFileDialog dialog(this, tr("Save list"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({csvType, jsonType});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // Not the folder the program runs in, which the desktop entry makes a system one.
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(tr("cameras") + QStringLiteral(".csv"));
    // The name's ending follows the type chosen.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, jsonType](const QString &type) {
        dialog.setDefaultSuffix(type == jsonType ? QStringLiteral("json") : QStringLiteral("csv"));
    });
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (accepted) {
        const QString path = dialog.selectedFiles().first();
        const QString suffix = QFileInfo(path).suffix().toLower();
        // A name typed with the other type's ending is saved as that type.
        const bool json = suffix == QLatin1String("json") ||
                          (suffix != QLatin1String("csv") && dialog.selectedNameFilter() == jsonType);
        QString error;
        if (!isReplaceableFile(path))
            error = tr("It is not a regular file; it is left as it is.");
        else
            writeList(path, json, &error);
        if (!error.isEmpty())
            showMessage(this, tr("The list could not be saved to %1.").arg(QDir::toNativeSeparators(path)),
                        0x1, error);
    }
    if (checkPending) scheduleConflictCheck(false);
}

void MainWindow::copyList() {
    const quint32 datagramSize = datagramSizeFor(vxApp() ? vxApp()->jumboPacket : -1);
    QApplication::clipboard()->setText(tabSeparatedText(cameraListRows(manager, datagramSize)));
}

QList<QStringList> MainWindow::networkSettingsCommands(const QString &desktop) {
#if defined(Q_OS_WIN)
    Q_UNUSED(desktop)
    const QString windir = QString::fromUtf8(qgetenv("windir"));
    return {{windir + QStringLiteral("/system32/control.exe"), QStringLiteral("ncpa.cpl")}};
#else
    const QList<QStringList> gnome = {
        {QStringLiteral("nm-connection-editor")},
        {QStringLiteral("gnome-control-center"), QStringLiteral("network")},
    };
    const QList<QStringList> kde = {
        {QStringLiteral("kcmshell6"), QStringLiteral("kcm_networkmanagement")},
        {QStringLiteral("kcmshell5"), QStringLiteral("kcm_networkmanagement")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_networkmanagement")},
        {QStringLiteral("systemsettings5"), QStringLiteral("kcm_networkmanagement")},
    };
    // On a KDE desktop its own settings come first; elsewhere they are the fallback.
    return desktop.contains(QLatin1String("KDE"), Qt::CaseInsensitive) ? kde + gnome : gnome + kde;
#endif
}

void MainWindow::openNetworkPreferences() {
    const QList<QStringList> commands =
        networkSettingsCommands(QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")));
    for (const QStringList &command : commands) {
#if defined(Q_OS_WIN)
        const QString program = command.first();
#else
        const QString program = QStandardPaths::findExecutable(command.first());
        if (program.isEmpty()) continue;
#endif
        if (QProcess::startDetached(program, command.mid(1))) return;
    }
    showMessage(this,
                tr("No program for the network settings was found. Please open the network settings of "
                   "your system yourself."),
                MessageInformation);
    if (checkPending) scheduleConflictCheck(false);
}
