#include "dialogs/ipeditdlg.h"

#include <QLayout>
#include <QStringList>

#include "net/addresses.h"
#include "ui_ipeditdlg.h"

namespace {

const char *const labelSheet = "QLabel { color: rgba(255,170,52,192); }";
// A field that does not parse is outlined in red until it does.
const char *const badFieldSheet = "QLineEdit { border: 1px solid red; }";
const char *const refusalSheet = "QLabel { color: #ff6060; }";
const char *const cautionSheet = "QLabel { color: #ffaa34; }";

const char *refusalText(AddressVerdict verdict) {
    switch (verdict) {
    case AddressVerdict::MaskZero:
        return QT_TRANSLATE_NOOP("IPEditDlg", "The subnet mask 0.0.0.0 cannot be used.");
    case AddressVerdict::MaskNotContiguous:
        return QT_TRANSLATE_NOOP("IPEditDlg",
                                 "The subnet mask must be ones followed by zeros, such as 255.255.255.0.");
    case AddressVerdict::AddressZero:
        return QT_TRANSLATE_NOOP("IPEditDlg", "The address 0.0.0.0 cannot be given to a camera.");
    case AddressVerdict::AddressAllOnes:
        return QT_TRANSLATE_NOOP("IPEditDlg", "The address 255.255.255.255 cannot be given to a camera.");
    case AddressVerdict::AddressLoopback:
        return QT_TRANSLATE_NOOP("IPEditDlg", "Loopback addresses (127.x.x.x) cannot be given to a camera.");
    case AddressVerdict::AddressMulticast:
        return QT_TRANSLATE_NOOP("IPEditDlg", "Multicast addresses (224.x.x.x to 239.x.x.x) cannot be given "
                                              "to a camera.");
    case AddressVerdict::AddressReserved:
        return QT_TRANSLATE_NOOP("IPEditDlg", "Reserved addresses (240.x.x.x and above) cannot be given to a "
                                              "camera.");
    case AddressVerdict::NetworkAddress:
        return QT_TRANSLATE_NOOP("IPEditDlg", "This is the network address of its subnet; it cannot be given "
                                              "to a camera.");
    case AddressVerdict::BroadcastAddress:
        return QT_TRANSLATE_NOOP("IPEditDlg", "This is the broadcast address of its subnet; it cannot be "
                                              "given to a camera.");
    case AddressVerdict::Usable:
        break;
    }
    return nullptr;
}

bool parses(const QLineEdit *edit) {
    quint32 value = 0;
    return parseIp(edit->text(), &value);
}

} // namespace

IPEditDlg::IPEditDlg(quint32 address, quint32 mask, QWidget *parent)
    : QDialog(parent), ui(new Ui::IPEditDlg) {
    ui->setupUi(this);
    ui->ipAddEdit->setText(ipToText(address));
    ui->snMaskEdit->setText(ipToText(mask));
    connect(ui->btnOK, &QPushButton::clicked, this, &IPEditDlg::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &IPEditDlg::reject);
    ui->ipAddLbl->setStyleSheet(QLatin1String(labelSheet));
    ui->snMaskLbl->setStyleSheet(QLatin1String(labelSheet));
    // Both labels as wide as the longer of the two texts, so that the fields line up in every language.
    int labelWidth = ui->ipAddLbl->minimumWidth();
    for (QLabel *label : {ui->ipAddLbl, ui->snMaskLbl}) {
        label->ensurePolished();
        labelWidth = qMax(labelWidth, label->sizeHint().width() + 6);
    }
    ui->ipAddLbl->setMinimumWidth(labelWidth);
    ui->snMaskLbl->setMinimumWidth(labelWidth);
    // Room for a line of advice beside the two fields.
    resize(qMax(width(), 2 * labelWidth + 140), height());

    // An unparsable text reads as 255.255.255.255, a valid value, so it must never leave the dialog:
    // OK stays disabled while either field is wrong.
    connect(ui->ipAddEdit, &QLineEdit::textChanged, this, &IPEditDlg::checkFields);
    connect(ui->snMaskEdit, &QLineEdit::textChanged, this, &IPEditDlg::checkFields);
    checkFields();
}

IPEditDlg::~IPEditDlg() {
    delete ui;
}

quint32 IPEditDlg::ipAddress() const {
    return ipFromText(ui->ipAddEdit->text());
}

quint32 IPEditDlg::subnetMask() const {
    return ipFromText(ui->snMaskEdit->text());
}

void IPEditDlg::accept() {
    if (checkFields()) QDialog::accept();
}

void IPEditDlg::setSurroundings(quint32 ip, quint32 mask, const QList<quint32> &others) {
    haveSurroundings = true;
    adapterIp = ip;
    adapterMask = mask;
    othersInUse = others;
    checkFields();
}

bool IPEditDlg::checkFields() {
    bool allParse = true;
    for (QLineEdit *edit : {ui->ipAddEdit, ui->snMaskEdit}) {
        const bool good = parses(edit);
        edit->setStyleSheet(good ? QString() : QLatin1String(badFieldSheet));
        allParse = allParse && good;
    }
    // Refusals keep OK disabled and say why; cautions only warn.
    QString advice;
    bool refused = !allParse;
    if (!allParse) {
        advice = tr("Enter the address and the mask as four numbers from 0 to 255, separated by dots.");
    } else if (const char *refusal = refusalText(judgeCameraAddress(ipAddress(), subnetMask()))) {
        advice = tr(refusal);
        refused = true;
    } else if (haveSurroundings) {
        const int cautions = addressCautions(ipAddress(), adapterIp, adapterMask, othersInUse);
        QStringList lines;
        if (cautions & OutsideAdapterSubnet)
            lines << tr("This address is outside the network adapter's subnet: the camera will be listed in "
                        "red and may become unreachable.");
        if (cautions & UsedByOtherCamera)
            lines << tr("Another camera in the list already uses this address.");
        if (cautions & UsedByAdapter) lines << tr("The network adapter itself uses this address.");
        advice = lines.join(QLatin1Char('\n'));
    }
    ui->adviceLbl->setText(advice);
    ui->adviceLbl->setStyleSheet(QLatin1String(refused ? refusalSheet : cautionSheet));
    ui->adviceLbl->setVisible(!advice.isEmpty());
    ui->btnOK->setEnabled(!refused);
    // The dialog grows to show the whole advice; a top-level window does not do that by itself.
    if (QLayout *box = layout()) {
        box->activate();
        const int needed =
            box->hasHeightForWidth() ? box->totalHeightForWidth(width()) : box->totalSizeHint().height();
        if (height() < needed) resize(width(), needed);
    }
    return !refused;
}
