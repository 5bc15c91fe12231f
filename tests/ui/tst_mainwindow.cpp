// The main window inside a private network namespace: its selectors, the camera rows, the conflict
// warnings, the context menu and the address action. Cameras are hand-made records fed to the window's
// own manager, on loopback addresses.
#include "cameras/conflicts.h"
#include "dialogs/ipeditdlg.h"
#include "guitest.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "report/cameralist.h"
#include "tests/loopbackcamera.h"
#include "tests/netns.h"
#include "ui/adapterchoice.h"
#include "ui/lineview.h"
#include "ui_ipeditdlg.h"
#include "ui_mainwindow.h"

#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QNetworkDatagram>
#include <QTextDocument>
#include <QTranslator>
#include <QUdpSocket>
#include <QtTest>

// Returns once they all have rows.
static void addCameras(MainWindow &w, QList<UdpCamInfo> cameras) {
    const int listed = w.manager.cameraCount() + cameras.size();
    for (UdpCamInfo &c : cameras)
        w.manager.OnCameraDetected(&c);
    QVERIFY(QTest::qWaitFor([&] { return w.ui->camList->count() >= listed; }, 50 * cameras.size() + 10000));
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
            for (const DiscoverySocket &socket : w->manager.enumerator.sockets)
                searched << ipToText(socket.local.ip);
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

    // Cameras found in one burst are listed at once, in the order found (not by address); their rows are
    // made a few at a time, none lost. A name change refreshes the row of its index.
    void rowsInDiscoveryOrderNoneLost() {
        MainWindow w;
        QList<UdpCamInfo> burst;
        for (quint32 n = 101; n > 1; --n)
            burst << loopbackCamera(n);
        addCameras(w, burst);
        const QStringList rows = rowTexts(w);
        for (int i = 0; i < 100; ++i)
            QVERIFY2(rows.value(i) == w.manager.cameraText(i) &&
                         rows.value(i).contains(QString("IP:127.0.0.%1 ").arg(101 - i)),
                     qPrintable(rows.value(i)));
        w.manager.camera(1)->cameraName = "Bench";
        emit w.manager.updateCameraStatus(1, UdpInterface::NameChanged);
        QVERIFY(rowTexts(w)[1].contains("Bench"));
    }

    void conflictFoundBehindADialogIsWarnedAfter_data() {
        QTest::addColumn<int>("dialog");
        QTest::newRow("camera information") << 0;
        QTest::newRow("address") << 1;
        QTest::newRow("another warning") << 2;
    }
    // A conflict found while a dialog or another warning is open is told once it closes, one box at a
    // time; the rows of the cameras in it say why.
    void conflictFoundBehindADialogIsWarnedAfter() {
        QFETCH(int, dialog);
        MainWindow w;
        w.show();
        addCameras(w, {loopbackCamera(2, 47123, 1)});
        UdpInterface *camera = w.manager.camera(0);
        UdpCamInfo twin = loopbackCamera(3, 47123, 1);
        twin.serialNumber = camera->camInfo.serialNumber;
        int calls = 0;
        ModalHandler closer([&](QWidget *modal) {
            if (++calls == 1) addCameras(w, {twin});
            if (calls == 10) qobject_cast<QDialog *>(modal)->reject();
        });
        QStringList said(conflictText(ConflictKind::SameSerial));
        if (dialog == 0) w.showCameraInfo(camera);
        if (dialog == 1) w.editCameraAddress(camera);
        if (dialog == 2) {
            closer.keepOpen = [&](QMessageBox *) {
                if (++calls == 1) addCameras(w, {twin});
                return calls < 10;
            };
            UdpCamInfo sameMac = loopbackCamera(4, 47123, 1);
            sameMac.macLow = camera->camInfo.macLow;
            addCameras(w, {sameMac});
            said.prepend(conflictText(ConflictKind::SameMac));
        } else {
            QVERIFY(calls >= 10 && closer.messages.isEmpty()); // nothing while the dialog was open
        }
        QTRY_COMPARE(closer.messages, said);
        QVERIFY(calls >= 10 && closer.mostOpen == 1);
        const QListItemLabel *twinRow = entry(w, w.ui->camList->count() - 1);
        QVERIFY(twinRow->isMarked());
        QCOMPARE(twinRow->toolTip(), said.last());
    }

    void contextMenuByMouseAndKeyboard_data() {
        // (selected row or -1, key, modifiers): the menu key or Shift+F10 open it, F10 alone or no row do
        // not.
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("menu key, Standard") << 0 << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("menu key, Advanced") << 1 << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10, Advanced with clips") << 2 << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("no row") << -1 << int(Qt::Key_Menu) << int(Qt::NoModifier);
    }
    void contextMenuByMouseAndKeyboard() {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        addCameras(w, {loopbackCamera(2), loopbackCamera(3, 47123, 1), loopbackCamera(4, 47123, 1)});
        w.manager.camera(0)->clips.append(new ClipInfo);
        w.manager.camera(2)->clips.append(new ClipInfo);
        w.ui->camList->setCurrentRow(row);
        w.ui->camList->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(w.ui->camList, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        const bool opens = row >= 0 && (key == Qt::Key_Menu || modifiers == Qt::ShiftModifier);
        QTRY_COMPARE(w.contextMenu->isVisible(), opens);
        if (!opens) {
            // Below the last row there is no camera: only the list's own entry.
            const QRect last = w.ui->camList->visualItemRect(w.ui->camList->item(2));
            w.showContextMenu(last.center());
            w.showContextMenu(last.bottomLeft() + QPoint(5, 10));
            QCOMPARE(w.contextMenu->actions().size(), 1);
            return;
        }
        // Standard with clip records, Advanced without clips: three entries; Advanced with clips can
        // edit them.
        QCOMPARE(w.contextMenu->actions().size(), row == 2 ? 6 : 5); // then, apart, the list's own entry
        QCOMPARE(w.contextMenu->activeAction(), w.contextMenu->actions().first());
        w.contextMenu->actions().at(w.contextMenu->actions().size() - 3)->trigger(); // "Copy details"
        w.contextMenu->hide();
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("127.0.0.%1\n").arg(row + 2)));
    }

    // The saved CSV and JSON and the copied text are the list as the reports write it (their bytes are the
    // report tests' business), for the datagram size chosen: its conflicts are named.
    void savedAndCopiedList() {
        MainWindow w;
        UdpCamInfo twin = loopbackCamera(3);
        twin.serialNumber = loopbackCamera(2).serialNumber;
        addCameras(w, {loopbackCamera(2), twin, loopbackCamera(4, 47123, 1)});
        QTemporaryDir dir;
        QString error;
        QVERIFY2(w.writeList(dir.filePath("l.csv"), false, &error) &&
                     w.writeList(dir.filePath("l.json"), true, &error),
                 qPrintable(error));
        w.copyList();
        QFile csv(dir.filePath("l.csv")), json(dir.filePath("l.json"));
        QVERIFY(csv.open(QIODevice::ReadOnly) && json.open(QIODevice::ReadOnly));
        const QList<QStringList> rows = cameraListRows(w.manager, 1448);
        QVERIFY(rows.value(1).last() == "duplicate-serial" && csv.readAll() == csvText(rows));
        QCOMPARE(QApplication::clipboard()->text(), tabSeparatedText(rows));
        QCOMPARE(QJsonDocument::fromJson(json.readAll())["cameras"].toArray().size(), 3);
    }

    void fitsInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const char *language : {"", "de", "it", "ja"})
            QTest::newRow(*language ? language : "en") << QString(language);
    }

    void fitsInEveryLanguage() {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language.isEmpty() || translator.load("Varnix_" + language, VARNIX_LANGUAGES_DIR));
        QCoreApplication::installTranslator(&translator);
        MainWindow w;
        w.resize(w.minimumSize());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // A row shows what fits its width and ends in "…"; the tool tip holds the whole text.
        const quint32 statuses[] = {3, 4, 5, 6, 8, 11};
        QList<UdpCamInfo> cameras;
        for (quint32 n = 2; n < 8; ++n)
            cameras << loopbackCamera(n, 47123, 1);
        addCameras(w, cameras);
        for (int row = 0; row < 6; ++row) {
            w.manager.camera(row)->cameraName = "Line 4 east bay, overview of the upper level";
            w.manager.camera(row)->status = statuses[row];
            emit w.manager.updateCameraStatus(row, UdpInterface::StatusChanged);
            const QListItemLabel *e = entry(w, row);
            QTextDocument shown;
            shown.setDefaultFont(e->textLabel->font());
            shown.setDocumentMargin(0);
            shown.setHtml(e->textLabel->text());
            const QString status = UdpCamManager::statusWord(int(statuses[row]));
            const bool whole = e->textLabel->text() == w.manager.cameraText(row);
            QVERIFY2(shown.idealWidth() <= e->textLabel->contentsRect().width() &&
                         e->geometry().right() < w.ui->camList->viewport()->width() &&
                         (whole ? e->toolTip().isEmpty() : e->toolTip().contains(status)),
                     qPrintable(status + ": " + shown.toPlainText()));
        }
    }

    // The expected line and the camera addresses come from the settings; a line that cannot be read is
    // said once the window shows. Once the discovery rounds are over the summary says how the line
    // stands, red while a camera is missing, and the rows moved or not in the line say why; a routed
    // camera's address cannot be edited, and the menu says why. The list kept as the line is all there;
    // a line forgotten says and marks nothing.
    void expectedLineAndRoutedRows() {
        QTemporaryDir dir;
        qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
        QSettings store(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
        store.setValue("Settings/ExpectedLine", dir.filePath("none.json"));
        store.setValue("Settings/Targets", "10.79.0.0/30,10.79.0.9");
        {
            ModalHandler closer;
            MainWindow w;
            w.show();
            QTRY_COMPARE(closer.messages.size(), 1);
            QVERIFY(closer.messages[0].contains("none.json: there is no such file") && !w.line->active());
            QCOMPARE(w.targets, QStringList({"10.79.0.0/30", "10.79.0.9"}));
        }
        QFile line(dir.filePath("line.json"));
        QVERIFY(line.open(QIODevice::WriteOnly) &&
                line.write(R"({"cameras": [{"mac": "00:0c:9c:81:f2:a8", "ip": "127.0.0.2"}, {"mac":
                    "00:0c:9c:81:f2:a9", "ip": "127.0.0.9"}, {"mac": "00:0c:9c:00:00:01"}]})") > 0);
        line.close();
        store.setValue("Settings/ExpectedLine", line.fileName());
        MainWindow w;
        UdpCamInfo routed = loopbackCamera(5);
        routed.routedVia = 0x7F0000FE;
        addCameras(w, {loopbackCamera(2), loopbackCamera(3), loopbackCamera(4), routed});
        w.checkCameraConflicts();
        QVERIFY(w.ui->lineLbl->text().contains("cameras so far, 1 moved") &&
                w.ui->lineLbl->styleSheet().contains("silver"));
        w.line->findChild<QTimer *>()->stop(); // the discovery rounds are over
        w.checkCameraConflicts();
        QVERIFY(!w.ui->lineLbl->isHidden() && w.ui->lineLbl->styleSheet().contains("#ff6060"));
        QCOMPARE(w.ui->lineLbl->text(), QString("Expected line: 2 of 3 cameras, 1 moved, 2 not in the line"));
        QStringList marks;
        for (int row = 0; row < 4; ++row)
            marks << (entry(w, row)->isMarked() ? entry(w, row)->toolTip().split("<p>").last().remove("</p>")
                                                : "-");
        QCOMPARE(marks, QStringList({"-", "Moved: the expected line has it at 127.0.0.9",
                                     "Not in the expected line", "Not in the expected line"}));
        for (int row : {0, 3}) {
            w.showContextMenu(w.ui->camList->visualItemRect(w.ui->camList->item(row)).center());
            QAction *edit = w.contextMenu->actions().first();
            QVERIFY(edit->isEnabled() == (row == 0) && edit->toolTip().contains("router") == (row == 3));
            w.contextMenu->hide();
        }
        w.listMenu->actions().at(5)->trigger(); // "Use as expected line"
        QVERIFY(w.line->path().endsWith("expected-line.json") &&
                store.value("Settings/ExpectedLine") == w.line->path());
        w.checkCameraConflicts();
        QVERIFY(w.ui->lineLbl->isHidden() && !entry(w, 3)->isMarked());
        w.line->forget();
        QVERIFY(!store.contains("Settings/ExpectedLine") && !w.line->active());
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

    void addressAction_data() {
        // entered address/mask=what is sent ("-": the dialog is cancelled)=what the dialog says, in part.
        // Every unsafe entry is refused; the dialog's own test has each reason.
        QTest::addColumn<QString>("row");
        for (const char *row :
             {"10.10.0.9/255.255.255.0=010008171800000009000a0a00ffffffa8f2819c0c000000=outside the network "
              "adapter's subnet",
              "127.0.0.2/255.255.255.0==Loopback", "10.10.0.9/255.255.255.0=-=outside",
              "10.10.0.9/255.255.0.255==ones followed by zeros", "10.10.0.9/255.255.255.x==four numbers"})
            QTest::newRow(row) << QString(row);
    }
    void addressAction() {
        QFETCH(QString, row);
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

    // The list follows the adapters by name within seconds. The chosen one re-addressed is said above the
    // list and its cameras are looked for there; gone, its entry stays by name and its rows stay, marked;
    // back, its cameras are looked for again. Last: it makes the adapters of this namespace anew.
    void adaptersFollowedByName() {
        vxApp()->netAdapter = "vxa";
        MainWindow w;
        const auto *note = w.findChild<QLabel *>("adpNoteLbl");
        const auto searched = [&w] { return ipToText(w.manager.enumerator.sockets.value(0).local.ip); };
        QCOMPARE(std::system("ip addr del 10.77.0.1/24 dev vxa && ip addr add 10.77.0.2/24 dev vxa"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(searched(), QString("10.77.0.2"), 5000);
        QVERIFY(w.ui->netAdpList->currentText() == "veth vxa [10.77.0.2]" &&
                note->text().contains("10.77.0.2"));
        UdpCamInfo camera = loopbackCamera(2);
        camera.adapterIp = 0x0A4D0002;
        addCameras(w, {camera});
        QCOMPARE(std::system("ip link del vxa"), 0);
        QTRY_VERIFY_WITH_TIMEOUT(entry(w, 0)->isMarked(), 5000);
        QVERIFY(note->text().contains("is gone") && w.ui->netAdpList->currentText() == "veth vxa [gone]" &&
                entry(w, 0)->toolTip().contains(AdapterChoice::unreachableText()));
        QCOMPARE(std::system("ip link add vxa type veth peer name vxb && ip addr add 10.77.0.2/24 dev vxa && "
                             "ip addr add 10.78.0.1/24 dev vxb && ip link set vxa up && ip link set vxb up"),
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(note->text().contains("is up"), 5000);
        QVERIFY(searched() == "10.77.0.2" && w.ui->camList->count() == 0);
        addCameras(w, {camera});
        QCoreApplication::processEvents(); // the rows' check
        QVERIFY(!entry(w, 0)->isMarked());
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
