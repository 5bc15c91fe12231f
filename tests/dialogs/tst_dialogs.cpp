// The address dialog, on its own (no socket is bound, nothing is sent).
#include "app/qvxapplication.h"
#include "dialogs/ipeditdlg.h"
#include "tests/datarows.h"
#include "ui_ipeditdlg.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// (entered address/mask, parsed address, parsed mask, the reason shown, "" when acceptable); all
// ones parse but are refused; a sign or a fifth number is a slip, a port after the address is not.
// The adapter is 10.0.0.9.
const std::tuple<QString, quint32, quint32, QString> rows[] = {
    {"192.168.1.10/255.255.0.0", 0xC0A8010A, 0xFFFF0000, ""},
    {" 10.0.0.1]:80/255.255.255.0", 0x0A000001, 0xFFFFFF00, ""},
    {"255.255.255.255/255.255.255.255", 0xFFFFFFFF, 0xFFFFFFFF, "255.255.255.255 cannot"},
    {"10.0.0.256/255.255.255.0", 0xFFFFFFFF, 0xFFFFFF00, "four numbers from 0 to 255"},
    {"10.0.0.1/255.255.x.0", 0x0A000001, 0xFFFFFFFF, "four numbers from 0 to 255"},
    {"+10.0.0.1/255.255.255.0", 0x0A000001, 0xFFFFFF00, "no plus or minus sign"},
    {"10.0.0.1/255.255.255.0.7", 0x0A000001, 0xFFFFFF00, "four numbers, not five"},
    {"10.0.0.9/255.255.255.0", 0x0A000009, 0xFFFFFF00, "adapter itself uses"}};
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void addressDialogAcceptsOnlyParsableFields_data() { indexRows(std::size(rows)); }
    void addressDialogAcceptsOnlyParsableFields() {
        QFETCH(int, index);
        const auto &[entered, address, mask, reason] = rows[index];
        const bool acceptable = reason.isEmpty();
        IPEditDlg dlg(0x0A000001, 0xFFFFFF00);
        dlg.setSurroundings(0x0A000009, 0xFFFFFF00, {});
        dlg.ui->ipAddEdit->setText(entered.section('/', 0, 0));
        dlg.ui->snMaskEdit->setText(entered.section('/', 1));
        QCOMPARE(dlg.ipAddress(), address);
        QCOMPARE(dlg.subnetMask(), mask);
        QCOMPARE(dlg.ui->btnOK->isEnabled(), acceptable);
        QVERIFY2(acceptable || dlg.ui->adviceLbl->text().contains(reason), qPrintable(entered));
        // Whatever closes the dialog (Return key, a direct accept), it is never accepted with a bad
        // field.
        dlg.setResult(-1);
        dlg.accept();
        QCOMPARE(dlg.result(), acceptable ? int(QDialog::Accepted) : -1);
        // Mending the fields enables OK again.
        dlg.ui->ipAddEdit->setText("10.0.0.2"), dlg.ui->snMaskEdit->setText("255.0.0.0");
        QVERIFY(dlg.ui->btnOK->isEnabled());
    }
};

int main(int argc, char *argv[]) {
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QVXApplication app(argc, argv);
    app.initialize();
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
