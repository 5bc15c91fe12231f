// The address dialog and the clip summary the clip dialog shows (no socket is bound, nothing is sent).
#include "app/qvxapplication.h"
#include "cameras/clipsummary.h"
#include "dialogs/ipeditdlg.h"
#include "net/udpinterface.h"
#include "ui_ipeditdlg.h"

#include <QTemporaryDir>
#include <QtTest>

// A clip of 1280x1024 pictures.
static ClipInfo clip(quint16 number, quint64 frames, float rate, quint32 trimStart, quint32 trimEnd) {
    return {QByteArray(), frames, rate, 1280, 1024, number, 0, trimStart, trimEnd};
}

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void addressDialogAcceptsOnlyParsableFields() {
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
        for (const auto &[entered, address, mask, reason] : rows) {
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
    }

    void clipSummaryText() {
        // The clip's numbers|the trim range|frames per second, 1280x1024 pictures each.
        const QPair<ClipInfo, QString> rows[] = {
            {clip(0, 1000, 500, 0, 999),
             "1: 1000 frames - 2.000 s|0 (0.000 s) to 999 (1.998 s) - 2.000 s|500"},
            {clip(6, 3, 999.9f, 1, 2), "7: 3 frames - 0.003 s|1 (0.001 s) to 2 (0.002 s) - 0.002 s|999"},
            {clip(1, 16777217, 1, 0, 0), // a float quotient
             "2: 16777217 frames - 16777216.000 s|0 (0.000 s) to 0 (0.000 s) - 1.000 s|1"},
            {clip(65535, 5000000000ull, 1, 10, 4), // a count beyond 32 bits; the trim's length wraps in 32
             "65536: 5000000000 frames - 5000000000.000 s|10 (10.000 s) to 4 (4.000 s) - 4294967296.000 s|1"},
            {clip(65535, 0, 25, 0, 0), "65536: 0 frames - 0.000 s|0 (0.000 s) to 0 (0.000 s) - 0.040 s|25"},
            {clip(0, 1000, 0, 0, 999), "1: 1000 frames - 0.000 s|0 (0.000 s) to 999 (0.000 s) - 0.000 s|0"},
            {clip(0, 0, 2147483648.0f, 0, 0),
             "1: 0 frames - 0.000 s|0 (0.000 s) to 0 (0.000 s) - 0.000 s|2147483647"},
            {clip(0, 10, qQNaN(), 0, 9), "1: 10 frames - 0.000 s|0 (0.000 s) to 9 (0.000 s) - 0.000 s|0"}};
        for (const auto &[c, text] : rows) {
            const ClipSummaryLines lines = clipSummaryLines(c);
            QCOMPARE(lines.head.mid(5) + '|' + lines.trim.mid(6).trimmed() + '|' +
                         lines.format.mid(12).chopped(4),
                     text);
        }
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
