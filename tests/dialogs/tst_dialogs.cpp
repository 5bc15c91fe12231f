// The three dialogs, built on hand-made camera channels (no socket is bound, nothing is sent).
#include "app/qvxapplication.h"
#include "cameras/modelnames.h"
#include "cameras/qlistitemlabel.h"
#include "dialogs/caminfodlg.h"
#include "dialogs/clipeditdlg.h"
#include "dialogs/ipeditdlg.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "ui_caminfodlg.h"
#include "ui_clipeditdlg.h"
#include "ui_ipeditdlg.h"

#include <QHeaderView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(ClipInfo)

namespace {

ClipInfo makeClip(quint16 number, quint64 frames, float rate, quint32 trimStart, quint32 trimEnd,
                  quint16 width = 1280, quint16 height = 1024) {
    ClipInfo c;
    c.clipNumber = number;
    c.frameCount = frames;
    c.frameRate = rate;
    c.trimStart = trimStart;
    c.trimEnd = trimEnd;
    c.width = width;
    c.height = height;
    return c;
}

QString summary(const QString &head, const QString &trim, const QString &format) {
    return QStringLiteral(
               "<p align=left><font color=#FFAA33><b>%1</b></font><br/><font color=#ddd>%2<br/>%3</font>"
               "</p>")
        .arg(head, trim, format);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void addressDialogShowsTheGivenValues();
    void addressDialogAcceptsOnlyParsableFields_data();
    void addressDialogAcceptsOnlyParsableFields();
    void addressDialogEndsWithOkOrCancel();
    void infoDialogRows();
    void infoDialogShowsProtocolAndEmptyName();
    void infoDialogFitsColumnsAndRowsToTheTable();
    void clipSummaryText_data();
    void clipSummaryText();
    void clipDialogListsClipsInOrder();
    void clipDialogDownloadDoesNothingAndExitAccepts();
    void dialogTextsFollowTheTranslation();
    void everyLanguageTranslatesEveryContext_data();
    void everyLanguageTranslatesEveryContext();
};

void DialogsTest::addressDialogShowsTheGivenValues() {
    IPEditDlg dlg(0x0A000001, 0xFFFFFF00);
    QCOMPARE(dlg.objectName(), QStringLiteral("IPEditDlg"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit IP Address"));
    QCOMPARE(dlg.size(), QSize(280, 130));
    QCOMPARE(dlg.ui->ipAddEdit->text(), QStringLiteral("10.0.0.1"));
    QCOMPARE(dlg.ui->snMaskEdit->text(), QStringLiteral("255.255.255.0"));
    QCOMPARE(dlg.ui->ipAddLbl->text(), QStringLiteral("IP Address:"));
    QCOMPARE(dlg.ui->snMaskLbl->text(), QStringLiteral("Subnet mask:"));
    QCOMPARE(dlg.ui->btnOK->text(), QStringLiteral("OK"));
    QCOMPARE(dlg.ui->btnCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(dlg.ui->ipAddLbl->minimumSize(), QSize(100, 24));
    QCOMPARE(dlg.ui->btnOK->minimumSize(), QSize(80, 24));
    QCOMPARE(dlg.ui->ipAddLbl->styleSheet(), QStringLiteral("QLabel { color: rgba(255,170,52,192); }"));
    QCOMPARE(dlg.ui->snMaskLbl->styleSheet(), QStringLiteral("QLabel { color: rgba(255,170,52,192); }"));
    // Buttons at the right, after the spacer.
    QVERIFY(dlg.ui->horizontalLayout_3->itemAt(0)->spacerItem());
    QCOMPARE(dlg.ui->horizontalLayout_3->itemAt(1)->widget(), dlg.ui->btnOK);
    QCOMPARE(dlg.ui->horizontalLayout_3->itemAt(2)->widget(), dlg.ui->btnCancel);
    QVERIFY(dlg.ui->btnOK->isEnabled());
    QCOMPARE(dlg.ipAddress(), 0x0A000001u);
    QCOMPARE(dlg.subnetMask(), 0xFFFFFF00u);
}

void DialogsTest::addressDialogAcceptsOnlyParsableFields_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<quint32>("addressValue");
    QTest::addColumn<quint32>("maskValue");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("plain values") << "192.168.1.10"
                                  << "255.255.0.0" << 0xC0A8010Au << 0xFFFF0000u << true;
    QTest::newRow("all ones is a real address") << "255.255.255.255"
                                                << "255.255.255.255" << 0xFFFFFFFFu << 0xFFFFFFFFu << true;
    QTest::newRow("zero parses (the caller drops it)") << "0.0.0.0"
                                                       << "0.0.0.0" << 0u << 0u << true;
    QTest::newRow("field above 255") << "10.0.0.256"
                                     << "255.255.255.0" << 0xFFFFFFFFu << 0xFFFFFF00u << false;
    QTest::newRow("three fields") << "10.0.0"
                                  << "255.255.255.0" << 0xFFFFFFFFu << 0xFFFFFF00u << false;
    QTest::newRow("empty address") << ""
                                   << "255.255.255.0" << 0xFFFFFFFFu << 0xFFFFFF00u << false;
    QTest::newRow("mask with letters") << "10.0.0.1"
                                       << "255.255.x.0" << 0x0A000001u << 0xFFFFFFFFu << false;
}

void DialogsTest::addressDialogAcceptsOnlyParsableFields() {
    QFETCH(QString, address);
    QFETCH(QString, mask);
    QFETCH(quint32, addressValue);
    QFETCH(quint32, maskValue);
    QFETCH(bool, acceptable);
    IPEditDlg dlg(0x0A000001, 0xFFFFFF00);
    dlg.ui->ipAddEdit->setText(address);
    dlg.ui->snMaskEdit->setText(mask);
    QCOMPARE(dlg.ipAddress(), addressValue);
    QCOMPARE(dlg.subnetMask(), maskValue);
    QCOMPARE(dlg.ui->btnOK->isEnabled(), acceptable);
    // A bad field is marked; a good one is not.
    quint32 ignored = 0;
    QCOMPARE(dlg.ui->ipAddEdit->styleSheet().isEmpty(), parseIp(address, &ignored));
    QCOMPARE(dlg.ui->snMaskEdit->styleSheet().isEmpty(), parseIp(mask, &ignored));

    // Whatever closes the dialog (Return key, a direct accept), it is never accepted with a bad field.
    dlg.setResult(-1);
    dlg.accept();
    QCOMPARE(dlg.result(), acceptable ? int(QDialog::Accepted) : -1);

    // Mending the field enables OK again.
    dlg.ui->ipAddEdit->setText(QStringLiteral("10.0.0.2"));
    dlg.ui->snMaskEdit->setText(QStringLiteral("255.0.0.0"));
    QVERIFY(dlg.ui->btnOK->isEnabled());
    QVERIFY(dlg.ui->ipAddEdit->styleSheet().isEmpty());
}

void DialogsTest::addressDialogEndsWithOkOrCancel() {
    for (const char *button : {"btnOK", "btnCancel"}) {
        IPEditDlg dlg(0x0A000001, 0xFFFFFF00);
        QTimer::singleShot(0, &dlg, [&] {
            QTest::mouseClick(dlg.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        });
        QCOMPARE(dlg.exec(), qstrcmp(button, "btnOK") == 0 ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }
    IPEditDlg dlg(0x0A000001, 0xFFFFFF00);
    QTimer::singleShot(0, &dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
}

void DialogsTest::infoDialogRows() {
    UdpInterface channel;
    channel.cameraName = QStringLiteral("Line 3 left");
    channel.camInfo.protocol = 1;
    channel.camInfo.cameraType = 50;
    channel.camInfo.serialNumber = 4711;
    channel.camInfo.cameraIp = 0xC0A80114;
    channel.camInfo.cameraMask = 0xFFFFFF00;
    channel.camInfo.macHigh = 0x0011;
    channel.camInfo.macLow = 0x1CAB00FF;
    channel.camInfo.adapterIp = 0xC0A80105;
    channel.camInfo.adapterMask = 0xFFFF0000;
    channel.camInfo.adapterMtu = 0x80000001u; // above 2^31: shown unsigned
    channel.clips << new ClipInfo << new ClipInfo;

    CamInfoDlg dlg(&channel);
    QCOMPARE(dlg.objectName(), QStringLiteral("CamInfoDlg"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Camera Information"));
    QCOMPARE(dlg.windowType(), Qt::Tool);
    QTableWidget *table = dlg.ui->infoTbl;
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->rowCount(), 12);
    QVERIFY(table->horizontalHeader()->isHidden());
    QVERIFY(table->verticalHeader()->isHidden());
    QCOMPARE(table->minimumSize(), QSize(340, 300));

    const QStringList labels{"Name",
                             "Model",
                             "Serial Number",
                             "Firmware Versions",
                             "Camera Protocol",
                             "Camera IP Address",
                             "Camera Subnet Mask",
                             "Camera MAC Address",
                             "Network Adp IP Address",
                             "Network Adp Subnet Mask",
                             "Network Adp MTU",
                             "Stored clips"};
    const QStringList values{"Line 3 left",
                             modelName(channel.camInfo),
                             serialText(channel.camInfo),
                             firmwareText(channel.camInfo),
                             "Advanced",
                             "192.168.1.20",
                             "255.255.255.0",
                             "00:11:1c:ab:00:ff",
                             "192.168.1.5",
                             "255.255.0.0",
                             "2147483649",
                             "2"};
    for (int row = 0; row < 12; ++row) {
        QCOMPARE(table->item(row, 0)->text(), labels.at(row));
        QCOMPARE(table->item(row, 0)->foreground().color(), QColor(0xFFAA34));
        QCOMPARE(table->item(row, 1)->text(), values.at(row));
    }
}

void DialogsTest::infoDialogShowsProtocolAndEmptyName() {
    UdpInterface channel;
    CamInfoDlg dlg(&channel);
    QCOMPARE(dlg.ui->infoTbl->item(0, 1)->text(), QString());
    QCOMPARE(dlg.ui->infoTbl->item(4, 1)->text(), QStringLiteral("Standard"));
    QCOMPARE(dlg.ui->infoTbl->item(11, 1)->text(), QStringLiteral("0"));
}

void DialogsTest::infoDialogFitsColumnsAndRowsToTheTable() {
    UdpInterface channel;
    CamInfoDlg dlg(&channel);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.resize(361, 400); // 10 px margins on each side: a table 341 wide
    QTRY_COMPARE(dlg.ui->infoTbl->width(), 341);
    QTableWidget *table = dlg.ui->infoTbl;
    QCOMPARE(table->columnWidth(0), 169);
    QCOMPARE(table->columnWidth(1), 170);
    const int available = table->height() - table->horizontalHeader()->height();
    const int rowHeight = table->rowHeight(0);
    for (int row = 1; row < 12; ++row)
        QCOMPARE(table->rowHeight(row), rowHeight);
    // Rows round to the nearest pixel, less one: they fill the table without spilling over.
    QVERIFY(12 * rowHeight <= available);
    QVERIFY(12 * (rowHeight + 2) > available);
}

void DialogsTest::clipSummaryText_data() {
    QTest::addColumn<ClipInfo>("clip");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("trim");
    QTest::addColumn<QString>("format");
    QTest::newRow("whole second clip") << makeClip(0, 1000, 500, 0, 999) << "Clip 1: 1000 frames - 2.000 s"
                                       << "Trim: 0 (0.000 s) to 999 (1.998 s) - 2.000 s\n"
                                       << "1280x1024 @ 500 fps";
    QTest::newRow("fractional rate is cut, not rounded")
        << makeClip(6, 3, 999.9f, 1, 2, 640, 480) << "Clip 7: 3 frames - 0.003 s"
        << "Trim: 1 (0.001 s) to 2 (0.002 s) - 0.002 s\n"
        << "640x480 @ 999 fps";
    // 2^24 + 1 frames have no exact single-precision value: the camera's arithmetic, not double's.
    QTest::newRow("single precision quotient")
        << makeClip(1, 16777217, 1, 0, 0) << "Clip 2: 16777217 frames - 16777216.000 s"
        << "Trim: 0 (0.000 s) to 0 (0.000 s) - 1.000 s\n"
        << "1280x1024 @ 1 fps";
    QTest::newRow("reversed trim wraps") << makeClip(2, 10, 1, 5, 3) << "Clip 3: 10 frames - 10.000 s"
                                         << "Trim: 5 (5.000 s) to 3 (3.000 s) - 4294967296.000 s\n"
                                         << "1280x1024 @ 1 fps";
    QTest::newRow("highest clip number") << makeClip(65535, 0, 25, 0, 0) << "Clip 65536: 0 frames - 0.000 s"
                                         << "Trim: 0 (0.000 s) to 0 (0.000 s) - 0.040 s\n"
                                         << "1280x1024 @ 25 fps";
    QTest::newRow("frame rate 0 shows no duration")
        << makeClip(0, 1000, 0, 0, 999) << "Clip 1: 1000 frames - 0.000 s"
        << "Trim: 0 (0.000 s) to 999 (0.000 s) - 0.000 s\n"
        << "1280x1024 @ 0 fps";
    QTest::newRow("frame rate not a number")
        << makeClip(0, 10, qQNaN(), 0, 9) << "Clip 1: 10 frames - 0.000 s"
        << "Trim: 0 (0.000 s) to 9 (0.000 s) - 0.000 s\n"
        << "1280x1024 @ 0 fps";
}

void DialogsTest::clipSummaryText() {
    QFETCH(ClipInfo, clip);
    QFETCH(QString, head);
    QFETCH(QString, trim);
    QFETCH(QString, format);
    QCOMPARE(clipSummary(clip), summary(head, trim, format));
}

void DialogsTest::clipDialogListsClipsInOrder() {
    UdpInterface channel;
    channel.camInfo.protocol = 1;
    for (quint16 number : {4, 0, 2, 1, 3})
        channel.clips << new ClipInfo(makeClip(number, 100u * (number + 1), 50, 0, 9));
    ClipEditDlg dlg(&channel);
    QCOMPARE(dlg.objectName(), QStringLiteral("ClipEditDlg"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Camera clips"));
    QCOMPARE(dlg.size(), QSize(350, 260));
    QCOMPARE(dlg.ui->btnDwl->text(), QStringLiteral("Download"));
    QCOMPARE(dlg.ui->btnExit->text(), QStringLiteral("Exit"));
    QCOMPARE(dlg.ui->btnDwl->minimumSize(), QSize(80, 22));
    QCOMPARE(dlg.ui->horizontalLayout->itemAt(0)->widget(), dlg.ui->btnDwl);
    QCOMPARE(dlg.ui->horizontalLayout->itemAt(2)->widget(), dlg.ui->btnExit);

    QCOMPARE(dlg.ui->clipList->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QListWidgetItem *item = dlg.ui->clipList->item(i);
        QCOMPARE(item->sizeHint(), QSize(52, 52));
        QVERIFY(item->text().isEmpty());
        auto *entry = qobject_cast<QListItemLabel *>(dlg.ui->clipList->itemWidget(item));
        QVERIFY(entry);
        QCOMPARE(entry->sizeKind, 3);
        QCOMPARE(entry->textLabel->text(), clipSummary(*channel.clip(i)));
        QVERIFY(entry->bulletLabel->pixmap(Qt::ReturnByValue).isNull());
    }
    // Clip numbers are the records' own, in list order.
    QVERIFY(qobject_cast<QListItemLabel *>(dlg.ui->clipList->itemWidget(dlg.ui->clipList->item(0)))
                ->textLabel->text()
                .contains(QStringLiteral("Clip 5:")));
    // The dialog took what it needed: the records may go while it is open.
    qDeleteAll(channel.clips);
    channel.clips.clear();
    QCOMPARE(dlg.ui->clipList->count(), 5);
}

void DialogsTest::clipDialogDownloadDoesNothingAndExitAccepts() {
    UdpInterface channel;
    channel.clips << new ClipInfo(makeClip(0, 10, 10, 0, 9));
    ClipEditDlg dlg(&channel);
    bool downloadLeftItOpen = false;
    QTimer::singleShot(0, &dlg, [&] {
        QTest::mouseClick(dlg.ui->btnDwl, Qt::LeftButton);
        downloadLeftItOpen = dlg.isVisible();
        QTest::mouseClick(dlg.ui->btnExit, Qt::LeftButton);
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QVERIFY(downloadLeftItOpen);
}

void DialogsTest::dialogTextsFollowTheTranslation() {
    QTranslator german;
    QVERIFY(german.load(QStringLiteral("Varnix_de"), QStringLiteral(VARNIX_LANGUAGES_DIR)));
    QCoreApplication::installTranslator(&german);
    UdpInterface channel;
    channel.camInfo.protocol = 1;
    IPEditDlg address(0, 0);
    CamInfoDlg info(&channel);
    ClipEditDlg clips(&channel);
    QCoreApplication::removeTranslator(&german);

    QCOMPARE(address.windowTitle(), QStringLiteral("IP-Adresse bearbeiten"));
    QCOMPARE(address.ui->btnCancel->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(info.ui->infoTbl->item(2, 0)->text(), QStringLiteral("Seriennummer"));
    // The camera's own words are never translated.
    QCOMPARE(info.ui->infoTbl->item(4, 1)->text(), QStringLiteral("Advanced"));
    QCOMPARE(clips.ui->btnExit->text(), QStringLiteral("Schließen"));
}

void DialogsTest::everyLanguageTranslatesEveryContext_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("German") << "Varnix_de";
    QTest::newRow("Italian") << "Varnix_it";
    QTest::newRow("Japanese") << "Varnix_ja";
}

void DialogsTest::everyLanguageTranslatesEveryContext() {
    QFETCH(QString, file);
    QTranslator translator;
    QVERIFY(translator.load(file, QStringLiteral(VARNIX_LANGUAGES_DIR)));
    const char *const texts[][2] = {
        {"MainWindow", "Update List"},
        {"MainWindow", "Edit clips..."},
        {"MainWindow", "More than one camera have the same Serial Number."},
        {"UdpCamManager", "Waiting for trigger"},
        {"UdpCamManager", "SD/SSD Transfer"},
        {"IPEditDlg", "Subnet mask:"},
        {"CamInfoDlg", "Stored clips"},
        {"ClipEditDlg", "Download"},
        {"ClipEditDlg", "Trim: %1 (%2 s) to %3 (%4 s) - %5 s\n"},
    };
    for (const auto &text : texts) {
        const QString translated = translator.translate(text[0], text[1]);
        QVERIFY2(!translated.isEmpty(), text[1]);
        // Every placeholder survives the translation.
        for (const char *placeholder : {"%1", "%2", "%3", "%4", "%5"})
            QCOMPARE(translated.contains(QLatin1String(placeholder)),
                     QString::fromLatin1(text[1]).contains(QLatin1String(placeholder)));
    }
}

int main(int argc, char *argv[]) {
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QVXApplication app(argc, argv);
    app.initialize();
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
