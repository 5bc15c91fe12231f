// The whole program against simulated cameras: run by tests/netlab.sh inside the app namespace of a
// lab, under an X server of its own. It builds the main window as the program does and watches the
// camera list fill, the statuses change and a camera move to the address given in the dialog.
#include "guitest.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>

class GuiEndToEnd : public QObject {
    Q_OBJECT
    MainWindow window;
    // The text of the first row that contains `text`, or "".
    QString row(const QString &text) const { return rowTexts(window).filter(text).value(0); }

private slots:
    void camerasListedAndOneMovedThroughTheDialog() {
        window.show();
        QVERIFY(QMetaObject::invokeMethod(&window, "ShowMainWindow")); // as the program does

        // Names come with the first replies on each camera's channel; statuses with the first poll.
        QTRY_VERIFY_WITH_TIMEOUT(
            !row("Alpha").isEmpty() && !row("Bravo").isEmpty() && !row("Charlie").isEmpty(), 10000);
        QVERIFY(row("Alpha").contains("IP:192.168.77.11 (1G)") &&
                row("Bravo").contains("IP:192.168.77.12 (10G)"));
        QTRY_VERIFY_WITH_TIMEOUT(row("Alpha").contains("'<font color=silver>Live</font>'"), 8000);
        QTRY_VERIFY_WITH_TIMEOUT(row("Charlie").contains("Waiting for trigger"), 12000);

        // Alpha's context menu, its first entry ("Edit IP Address..."), the dialog filled in.
        QListWidget *list = window.ui->camList;
        window.showContextMenu(
            list->visualItemRect(list->item(rowTexts(window).indexOf(row("Alpha")))).center());
        window.contextMenu->hide();
        ModalHandler handler([](QWidget *dialog) {
            dialog->findChild<QLineEdit *>("ipAddEdit")->setText("192.168.77.50");
            dialog->findChild<QLineEdit *>("snMaskEdit")->setText("255.255.255.0");
            dialog->findChild<QPushButton *>("btnOK")->click();
        });
        window.contextMenu->actions().value(0)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(row("192.168.77.50").contains("Alpha"), 10000);
        QCOMPARE(row("192.168.77.11"), QString());
        QTRY_COMPARE_WITH_TIMEOUT(window.ui->camList->count(), 3, 8000);
    }
};

int main(int argc, char *argv[]) {
    // Only in the lab's app namespace (netlab.sh names it): anywhere else the window would broadcast on
    // the machine's real interfaces.
    struct stat own {
    }, lab{};
    const QByteArray labPath = "/var/run/netns/" + qgetenv("VARNIX_LAB_APPNS");
    const bool inLab = stat("/proc/self/ns/net", &own) == 0 && stat(labPath.constData(), &lab) == 0 &&
                       own.st_ino == lab.st_ino && own.st_dev == lab.st_dev;
    return runGuiTest<GuiEndToEnd>(inLab, "runs only inside the namespace lab (tests/netlab.sh)", argc, argv);
}

#include "tst_gui_e2e.moc"
