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

const char *fieldFaultText(IpTextFault fault) {
    switch (fault) {
    case IpTextFault::Unreadable:
        return QT_TRANSLATE_NOOP("IPEditDlg",
                                 "Enter the address and the mask as four numbers from 0 to 255, separated by "
                                 "dots.");
    case IpTextFault::Sign:
        return QT_TRANSLATE_NOOP("IPEditDlg", "An address has no plus or minus sign.");
    case IpTextFault::FifthNumber:
        return QT_TRANSLATE_NOOP("IPEditDlg", "An address has four numbers, not five.");
    case IpTextFault::None:
        break;
    }
    return nullptr;
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
    // The first field's fault is the one named; both fields are outlined.
    IpTextFault fault = IpTextFault::None;
    for (QLineEdit *edit : {ui->ipAddEdit, ui->snMaskEdit}) {
        const IpTextFault own = ipTextFault(edit->text());
        edit->setStyleSheet(own == IpTextFault::None ? QString() : QLatin1String(badFieldSheet));
        if (fault == IpTextFault::None) fault = own;
    }
    // Refusals keep OK disabled and say why; cautions only warn.
    QString advice;
    bool refused = fault != IpTextFault::None;
    if (refused) {
        advice = tr(fieldFaultText(fault));
    } else if (const char *refusal =
                   addressRefusalText(judgeCameraAddress(ipAddress(), subnetMask(), adapterIp))) {
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
