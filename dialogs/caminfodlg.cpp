#include "dialogs/caminfodlg.h"

#include "app/qvxapplication.h"
#include "cameras/modelnames.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "ui_caminfodlg.h"

#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QTableWidgetItem>

namespace {

const char *const rowLabels[] = {
    QT_TRANSLATE_NOOP("CamInfoDlg", "Name"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Model"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Serial Number"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Firmware Versions"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Camera Protocol"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Camera IP Address"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Camera Subnet Mask"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Camera MAC Address"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Network Adp IP Address"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Network Adp Subnet Mask"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Network Adp MTU"),
    QT_TRANSLATE_NOOP("CamInfoDlg", "Stored clips"),
};
constexpr int rowCount = int(sizeof(rowLabels) / sizeof(rowLabels[0]));

} // namespace

CamInfoDlg::CamInfoDlg(const UdpInterface *channel, QWidget *parent)
    : QDialog(parent), ui(new Ui::CamInfoDlg) {
    if (const QVXApplication *app = vxApp()) rowHeight = app->itemSize(1).height();
    setWindowFlags(Qt::Tool);
    ui->setupUi(this);

    camInfo = channel->camInfo;
    ui->infoTbl->setColumnCount(2);
    ui->infoTbl->setRowCount(rowCount);
    for (int row = 0; row < rowCount; ++row) {
        ui->infoTbl->setRowHeight(row, rowHeight);
        auto *label = new QTableWidgetItem(tr(rowLabels[row]));
        label->setForeground(QBrush(QColor(0xFFAA34)));
        ui->infoTbl->setItem(row, 0, label);
    }

    // Model, serial, firmware, protocol words and addresses are the camera's own and stay untranslated.
    const QString values[rowCount] = {
        channel->cameraName,
        modelName(camInfo),
        serialText(camInfo),
        firmwareText(camInfo),
        camInfo.protocol == 1 ? QStringLiteral("Advanced") : QStringLiteral("Standard"),
        ipToText(camInfo.cameraIp),
        ipToText(camInfo.cameraMask),
        macToText(camInfo.macLow, camInfo.macHigh),
        ipToText(camInfo.adapterIp),
        ipToText(camInfo.adapterMask),
        QString::number(camInfo.adapterMtu),
        QString::number(channel->clips.size()),
    };
    for (int row = 0; row < rowCount; ++row)
        ui->infoTbl->setItem(row, 1, new QTableWidgetItem(values[row]));

    if (const QVXApplication *app = vxApp()) app->scaleWidget(this);
}

CamInfoDlg::~CamInfoDlg() {
    delete ui;
}

void CamInfoDlg::resizeEvent(QResizeEvent *) {
    QTableWidget *table = ui->infoTbl;
    const int width = table->width();
    // The header is hidden, but its height still counts against the rows.
    const int height = table->height() - table->horizontalHeader()->height();
    table->setColumnWidth(0, width / 2 - 1);
    table->setColumnWidth(1, width / 2);
    if (table->rowCount() < 1) return;
    for (int row = 0; row < table->rowCount(); ++row)
        table->setRowHeight(row, int(double(height) / table->rowCount() + 0.5) - 1);
}
