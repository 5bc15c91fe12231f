#include "dialogs/ipeditdlg.h"

#include "net/addresses.h"
#include "ui_ipeditdlg.h"

namespace {

const char *const labelSheet = "QLabel { color: rgba(255,170,52,192); }";
// A field that does not parse is outlined in red until it does.
const char *const badFieldSheet = "QLineEdit { border: 1px solid red; }";

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

bool IPEditDlg::checkFields() {
    bool allGood = true;
    for (QLineEdit *edit : {ui->ipAddEdit, ui->snMaskEdit}) {
        const bool good = parses(edit);
        edit->setStyleSheet(good ? QString() : QLatin1String(badFieldSheet));
        allGood = allGood && good;
    }
    ui->btnOK->setEnabled(allGood);
    return allGood;
}
