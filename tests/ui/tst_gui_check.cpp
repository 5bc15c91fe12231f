// The network check window against simulated cameras in a lab made for it: two cameras share a serial
// number, one answers from outside the adapter's subnet, the adapter filters reverse paths strictly and
// a bridge on the way passes 1500-byte frames only. Run by tools/lab/netlab.sh in the app namespace.
#include "guitest.h"
#include "ui/networkcheckwindow.h"
#include "ui_mainwindow.h"

#include <QClipboard>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

class GuiNetworkCheck : public QObject {
    Q_OBJECT
private slots:
    void checkListsEveryFindingAndMovesNothingUnasked() {
        QCOMPARE(QProcess::execute("sysctl", {"-qw", "net.ipv4.conf.lab0.rp_filter=1"}), 0);
        vxApp()->netAdapter = "lab0";
        vxApp()->jumboPacket = 5; // 8680-byte datagrams: more than the bridge passes
        QStringList dialogFields;
        ModalHandler handler([&](QWidget *dialog) {
            dialogFields << dialog->findChild<QLineEdit *>("ipAddEdit")->text()
                         << dialog->findChild<QLineEdit *>("snMaskEdit")->text();
            dialog->findChild<QPushButton *>("btnCancel")->click();
        });
        MainWindow window;
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(rowTexts(window).filter(QRegularExpression("Alpha|Delta|Spare")).size() == 3,
                                 15000);

        QApplication::setActiveWindow(&window); // no window manager hands out the focus
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        NetworkCheckWindow *check = window.networkCheckWindow();
        QVERIFY(check && check->isVisible() && check->isChecking() && !check->btnAgain->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!check->isChecking(), 30000);

        // The camera named in a finding is selected in the main list.
        auto *outside = check->findingList->findChild<QFrame *>("outside-subnet");
        QVERIFY(outside);
        emit outside->findChild<QLabel *>("cameras")->linkActivated("2");
        QVERIFY(rowTexts(window).value(window.ui->camList->currentRow()).contains("172.16.8.20"));

        // The report is the doctor's, with the same findings in the same order.
        QApplication::clipboard()->clear();
        QApplication::setActiveWindow(check);
        QTest::keySequence(check, QKeySequence::Copy);
        const QJsonObject report =
            QJsonDocument::fromJson(QApplication::clipboard()->text().toUtf8()).object();
        QProcess doctor;
        doctor.start(VARNIX_SCAN_PATH, {"--doctor", "--json", "--adapter", "lab0", "--datagram-size", "8680",
                                        "--wait", "2000"});
        QVERIFY(doctor.waitForFinished(30000));
        const QJsonObject cli = QJsonDocument::fromJson(doctor.readAllStandardOutput()).object();
        QCOMPARE(report["findings"], cli["findings"]);
        QCOMPARE(report["cameras"].toArray().size(), cli["cameras"].toArray().size());

        // "Move camera..." proposes a free address in the adapter's subnet; cancelled, nothing moves.
        auto *move = outside->findChild<QPushButton *>("moveCamera");
        QVERIFY(move);
        move->click();
        QCOMPARE(dialogFields, QStringList({"192.168.77.2", "255.255.255.0"}));
        QTest::qWait(1500);
        QVERIFY(!rowTexts(window).filter("172.16.8.20").isEmpty());
    }
};

int main(int argc, char *argv[]) {
    return runGuiTest<GuiNetworkCheck>(
        inLabNamespace(), "runs only inside the namespace lab (tools/lab/netlab.sh)", argc, argv);
}

#include "tst_gui_check.moc"
