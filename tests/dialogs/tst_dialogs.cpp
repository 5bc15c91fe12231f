// The three dialogs, built on hand-made camera channels (no socket is bound, nothing is sent).
#include "app/qvxapplication.h"
#include "cameras/qlistitemlabel.h"
#include "dialogs/caminfodlg.h"
#include "dialogs/clipeditdlg.h"
#include "dialogs/ipeditdlg.h"
#include "net/udpinterface.h"
#include "ui_caminfodlg.h"
#include "ui_clipeditdlg.h"
#include "ui_ipeditdlg.h"

#include <QHeaderView>
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

    void infoDialogRows() {
        UdpInterface channel;
        channel.cameraName = QStringLiteral("Line 3 left");
        // protocol, model, sensor, options, serial, firmware, revision, IP, mask, MAC low and high, port,
        // adapter IP and mask, reserved, adapter MTU (above 2^31: shown unsigned), link, qualifier
        channel.camInfo = {1,          50,         0,          0,           4711,   0x00010203,
                           0,          0xC0A80114, 0xFFFFFF00, 0x1CAB00FF,  0x0011, 0,
                           0xC0A80105, 0xFFFF0000, 0,          0x80000001u, 0,      0};
        channel.clips << new ClipInfo << new ClipInfo;
        CamInfoDlg dlg(&channel);
        QStringList rows;
        for (int row = 0; row < dlg.ui->infoTbl->rowCount(); ++row)
            rows << dlg.ui->infoTbl->item(row, 0)->text() + ": " + dlg.ui->infoTbl->item(row, 1)->text();
        QCOMPARE(rows,
                 QStringList({"Name: Line 3 left", "Model: Tavolin T-500", "Serial Number: 00-0000-4711",
                              "Firmware Versions: 0001.02.03", "Camera Protocol: Advanced",
                              "Camera IP Address: 192.168.1.20", "Camera Subnet Mask: 255.255.255.0",
                              "Camera MAC Address: 00:11:1c:ab:00:ff", "Network Adp IP Address: 192.168.1.5",
                              "Network Adp Subnet Mask: 255.255.0.0", "Network Adp MTU: 2147483649",
                              "Stored clips: 2"}));
    }

    void infoDialogFitsItsTable() {
        UdpInterface channel;
        channel.cameraName = QStringLiteral("A camera with a rather long name");
        CamInfoDlg dlg(&channel);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTableWidget *table = dlg.ui->infoTbl;
        const QFontMetrics metrics(table->font());
        // It opens wide enough for every label and value.
        for (int cell = 0; cell < 2 * table->rowCount(); ++cell) {
            const QString text = table->item(cell / 2, cell % 2)->text();
            QVERIFY2(metrics.horizontalAdvance(text) < table->columnWidth(cell % 2), qPrintable(text));
        }
        // The fitting rule on a dialog of its own: a long name's width must not bend it (under Wine the
        // opened dialog keeps the width the name asked for).
        UdpInterface plain;
        CamInfoDlg fitted(&plain);
        fitted.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fitted));
        table = fitted.ui->infoTbl;
        fitted.resize(361, 400); // 10 px margins on each side: a table 341 wide
        QTRY_COMPARE(table->width(), 341);
        // Halves, unless the longest label needs more; then the label column gets what it needs.
        int widest = 0;
        for (int row = 0; row < table->rowCount(); ++row)
            widest = qMax(widest, metrics.horizontalAdvance(table->item(row, 0)->text()));
        QVERIFY(table->columnWidth(0) >= qMax(169, widest));
        QCOMPARE(table->columnWidth(1), widest < 160 ? 170 : 340 - table->columnWidth(0));
        // Equal rows, rounded to the nearest pixel less one: they fill the table without spilling over.
        const int available = table->height() - table->horizontalHeader()->height();
        for (int row = 1; row < 12; ++row)
            QCOMPARE(table->rowHeight(row), table->rowHeight(0));
        QVERIFY(12 * table->rowHeight(0) <= available && 12 * (table->rowHeight(0) + 2) > available);
    }

    void clipEntriesShowAllThreeLines() {
        UdpInterface channel;
        channel.clips << new ClipInfo(clip(0, 123456789, 1234.5f, 1000000, 123456788))
                      << new ClipInfo(clip(1, 1000, 500, 0, 999));
        ClipEditDlg dlg(&channel);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QListWidget *list = dlg.ui->clipList;
        QCOMPARE(list->count(), 2);
        for (int row = 0; row < list->count(); ++row) {
            auto *entry = qobject_cast<QListItemLabel *>(list->itemWidget(list->item(row)));
            const QSize needed = entry->textLabel->sizeHint();
            QVERIFY2(entry->textLabel->height() >= needed.height(),
                     qPrintable(QString("%1 < %2").arg(entry->textLabel->height()).arg(needed.height())));
            QVERIFY(list->visualItemRect(list->item(row)).height() >= entry->height());
            // The whole trim line is inside the list's visible width.
            QVERIFY(entry->textLabel->geometry().left() + needed.width() <= list->viewport()->width());
        }
    }

    void clipSummaryText() {
        // The clip's numbers|the trim range|frames per second.
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
            const QStringList parts = text.split('|');
            QCOMPARE(clipSummary(c),
                     QStringLiteral("<p align=left><font color=#FFAA33><b>Clip %1</b></font><br/>"
                                    "<font color=#ddd>Trim: %2\n<br/>1280x1024 @ %3 fps</font></p>")
                         .arg(parts[0], parts[1], parts[2]));
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
