// The whole program against simulated cameras: run by tests/netlab.sh inside the app namespace of a
// lab, under an X server of its own. It builds the main window as the program does and watches the
// camera list fill, the statuses change and a camera move to the address given in the dialog.
#include "app/qvxapplication.h"
#include "cameras/qlistitemlabel.h"
#include "dialogs/ipeditdlg.h"
#include "guitest.h"
#include "net/udpinterface.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

QStringList rowTexts(const MainWindow &w) {
    QStringList texts;
    for (int row = 0; row < w.ui->camList->count(); ++row) {
        auto *entry = qobject_cast<QListItemLabel *>(w.ui->camList->itemWidget(w.ui->camList->item(row)));
        texts << (entry ? entry->textLabel->text() : QString());
    }
    return texts;
}

int rowOf(const MainWindow &w, const QString &needle) {
    const QStringList texts = rowTexts(w);
    for (int row = 0; row < texts.size(); ++row) {
        if (texts.at(row).contains(needle)) return row;
    }
    return -1;
}

// True in the namespace the machine booted with: there the window would broadcast on real interfaces.
bool inRootNetworkNamespace() {
    const QFileInfo own(QStringLiteral("/proc/self/ns/net"));
    const QFileInfo first(QStringLiteral("/proc/1/ns/net"));
    return own.symLinkTarget().isEmpty() || own.symLinkTarget() == first.symLinkTarget();
}

} // namespace

class GuiEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void listShowsEveryCameraWithNameAndStatus();
    void statusChangeShowsInTheRow();
    void advancedCameraOffersItsClips();
    void newAddressFromTheDialogMovesTheCamera();
    void cleanupTestCase();

private:
    MainWindow *window = nullptr;
};

void GuiEndToEnd::initTestCase() {
    window = new MainWindow;
    window->setWindowOpacity(0.0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QMetaObject::invokeMethod(window, "ShowMainWindow");
}

void GuiEndToEnd::listShowsEveryCameraWithNameAndStatus() {
    // Names come with the first replies on each camera's channel; statuses with the first poll.
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->camList->count(), 3, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(rowOf(*window, QStringLiteral("Alpha")) >= 0 &&
                                 rowOf(*window, QStringLiteral("Bravo")) >= 0 &&
                                 rowOf(*window, QStringLiteral("Charlie")) >= 0,
                             10000);
    const QStringList texts = rowTexts(*window);
    const QString alpha = texts.at(rowOf(*window, QStringLiteral("Alpha")));
    QVERIFY2(alpha.contains(QStringLiteral("IP:192.168.77.11 (1G)")), qPrintable(alpha));
    QTRY_VERIFY_WITH_TIMEOUT(rowTexts(*window)
                                 .at(rowOf(*window, QStringLiteral("Alpha")))
                                 .contains(QStringLiteral("'<font color=silver>Live</font>'")),
                             8000);
    const QString bravo = texts.at(rowOf(*window, QStringLiteral("Bravo")));
    QVERIFY2(bravo.contains(QStringLiteral("IP:192.168.77.12 (10G)")), qPrintable(bravo));
}

void GuiEndToEnd::statusChangeShowsInTheRow() {
    QTRY_VERIFY_WITH_TIMEOUT(rowTexts(*window)
                                 .value(rowOf(*window, QStringLiteral("Charlie")))
                                 .contains(QStringLiteral("Waiting for trigger")),
                             12000);
}

void GuiEndToEnd::advancedCameraOffersItsClips() {
    const int row = rowOf(*window, QStringLiteral("Bravo"));
    QVERIFY(row >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(!window->manager.camera(row)->clips.isEmpty(), 8000);
    window->showContextMenu(window->ui->camList->visualItemRect(window->ui->camList->item(row)).center());
    QCOMPARE(window->contextMenu->actions().size(), 3);
    window->contextMenu->hide();
}

void GuiEndToEnd::newAddressFromTheDialogMovesTheCamera() {
    const int row = rowOf(*window, QStringLiteral("Alpha"));
    QVERIFY(row >= 0);
    window->showContextMenu(window->ui->camList->visualItemRect(window->ui->camList->item(row)).center());
    QVERIFY(!window->contextMenu->actions().isEmpty());
    QCOMPARE(window->contextMenu->actions().first()->text(), QStringLiteral("Edit IP Address..."));
    window->contextMenu->hide();

    bool filled = false;
    ModalHandler handler([&](QWidget *modal) {
        auto *dialog = qobject_cast<IPEditDlg *>(modal);
        if (!dialog) { // a warning: close it and go on
            if (auto *box = qobject_cast<QMessageBox *>(modal)) box->done(QMessageBox::Ok);
            return;
        }
        dialog->findChild<QLineEdit *>(QStringLiteral("ipAddEdit"))->setText(QStringLiteral("192.168.77.50"));
        dialog->findChild<QLineEdit *>(QStringLiteral("snMaskEdit"))
            ->setText(QStringLiteral("255.255.255.0"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
        filled = true;
    });
    window->contextMenu->actions().first()->trigger();
    QVERIFY(filled);

    QTRY_VERIFY_WITH_TIMEOUT(rowOf(*window, QStringLiteral("192.168.77.50")) >= 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(
        rowOf(*window, QStringLiteral("Alpha")) == rowOf(*window, QStringLiteral("192.168.77.50")), 8000);
    QCOMPARE(rowOf(*window, QStringLiteral("192.168.77.11")), -1);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->camList->count(), 3, 8000);
}

void GuiEndToEnd::cleanupTestCase() {
    delete window;
}

int main(int argc, char *argv[]) {
    if (inRootNetworkNamespace()) {
        std::puts("SKIP: runs only inside the namespace lab (tests/netlab.sh), never on the real network");
        return 77;
    }
    QTemporaryDir settings;
    useSettingsIn(settings.path());
    QVXApplication app(argc, argv);
    app.initialize();
    GuiEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gui_e2e.moc"
