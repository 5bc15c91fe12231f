// The whole program against simulated cameras: run by tools/lab/netlab.sh inside the app namespace of a
// lab, under an X server of its own. It builds the main window as the program does and watches the
// camera list fill and a camera move to the address given in the dialog.
#include "cameras/conflicts.h"
#include "dialogs/assignaddressesdlg.h"
#include "guitest.h"
#include "ui_assignaddressesdlg.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class GuiEndToEnd : public QObject {
    Q_OBJECT
    MainWindow window;
    // The text of the first row that contains `text`, or "".
    QString row(const QString &text) const { return rowTexts(window).filter(text).value(0); }

    // Keeps the first warning box open until all six cameras are listed with their names, and the list
    // behind it.
    ModalHandler boxes;
    QStringList rowsBehindFirstBox;
    QElapsedTimer firstOpen;

    // Each row names one camera.
    static bool allNamed(const QStringList &rows) {
        return rows.filter(QRegularExpression("Alpha|Bravo|Charlie|Delta|Echo|Foxtrot")).size() == 6;
    }

private slots:
    void initTestCase() {
        boxes.keepOpen = [this](QMessageBox *) {
            if (!boxes.messages.isEmpty()) return false;
            if (!firstOpen.isValid()) firstOpen.start();
            rowsBehindFirstBox = rowTexts(window);
            return !allNamed(rowsBehindFirstBox) && firstOpen.elapsed() < 20000;
        };
    }

    void sixCamerasListedBehindOneWarning() {
        // As the program starts: shown, but transparent behind the splash. No warning yet.
        window.setWindowOpacity(0.0);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.ui->camList->count() >= 2 && row("Delta") != "", 10000);
        QTest::qWait(500);
        QCOMPARE(boxes.mostOpen, 0);
        QVERIFY(QMetaObject::invokeMethod(&window, "ShowMainWindow"));

        // One warning, for the shared serial number; the list fills and names arrive behind it.
        QTRY_COMPARE_WITH_TIMEOUT(boxes.messages.size(), 1, 25000);
        QVERIFY2(allNamed(rowsBehindFirstBox), qPrintable(rowsBehindFirstBox.join('\n')));
        QCOMPARE(boxes.messages[0], conflictText(ConflictKind::SameSerial));
        QTest::qWait(4000); // polls and status replies come and go: no new warning
        QCOMPARE(boxes.messages.size(), 1);

        // "Update List" is a new look: the lasting conflict is told once more, once.
        window.ui->btnUpdList->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.messages.size(), 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(window.ui->camList->count(), 6, 10000);
        QTest::qWait(2000);
        QCOMPARE(boxes.messages.size(), 2);
        QCOMPARE(boxes.mostOpen, 1);
    }

    void camerasListedAndOneMovedThroughTheDialog() {
        window.show();
        QVERIFY(QMetaObject::invokeMethod(&window, "ShowMainWindow")); // as the program does

        // Names come with the first replies on each camera's channel; statuses with the first poll.
        QTRY_VERIFY_WITH_TIMEOUT(
            !row("Alpha").isEmpty() && !row("Bravo").isEmpty() && !row("Charlie").isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(row("Alpha").contains("Live"), 8000);
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
        QTRY_COMPARE_WITH_TIMEOUT(window.ui->camList->count(), 6, 8000);
    }

    // The camera line's lab: three cameras at one address (one row), two outside the subnet, one in place.
    // The warning names all three at the shared address; its plan, applied with one click, moves four.
    void sharedAddressWarnedAndPlanApplied() {
        QString details;
        QStringList results;
        bool applied = false;
        // The warning's own button opens the plan; the plan is applied once it can be.
        ModalHandler hand([&](QWidget *modal) {
            auto *plan = qobject_cast<AssignAddressesDlg *>(modal);
            if (!plan || applied || !plan->ui->btnApply->isEnabled()) return;
            applied = true;
            connect(plan, &AssignAddressesDlg::resultsShown, plan, [&results, plan] {
                for (int row = 0; row < plan->lineCount(); ++row)
                    results << plan->ui->planTable->item(row, 5)->text();
                plan->reject();
            });
            plan->ui->btnApply->click();
        });
        hand.keepOpen = [&](QMessageBox *box) {
            details = box->informativeText();
            for (QAbstractButton *button : box->buttons())
                if (box->buttonRole(button) == QMessageBox::ActionRole) button->click();
            return true;
        };
        window.show();
        QVERIFY(QMetaObject::invokeMethod(&window, "ShowMainWindow"));
        QTRY_VERIFY_WITH_TIMEOUT(!results.isEmpty(), 30000);
        QCOMPARE(details.count("10.77.1.50"), 3);
        QCOMPARE(details.count("Camera without a row"), 2);
        QCOMPARE(results.filter(QRegularExpression("^Answers at 10\\.77\\.1\\.\\d+$")).size(), 4);
        QCOMPARE(results.size(), 4);
        // The look after: six rows, no warning left.
        QTRY_COMPARE_WITH_TIMEOUT(window.ui->camList->count(), 6, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(findCameraConflicts(window.manager, 0).isEmpty() &&
                                     rowTexts(window).filter("10.77.1.").size() == 6,
                                 10000);
    }
};

int main(int argc, char *argv[]) {
    return runGuiTest<GuiEndToEnd>(inLabNamespace(),
                                   "runs only inside the namespace lab (tools/lab/netlab.sh)", argc, argv);
}

#include "tst_gui_e2e.moc"
