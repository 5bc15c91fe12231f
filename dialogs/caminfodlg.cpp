#include "dialogs/caminfodlg.h"

#include "app/qvxapplication.h"
#include "net/udpinterface.h"
#include "report/camerafields.h"
#include "ui_caminfodlg.h"

#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidgetItem>

#include <iterator>

namespace {

// Model, serial, firmware, protocol words and addresses are the camera's own and stay untranslated.
using F = CameraField;
const F rowFields[] = {F::Name, F::Model, F::Serial,    F::Firmware,    F::Protocol,   F::Ip,
                       F::Mask, F::Mac,   F::AdapterIp, F::AdapterMask, F::AdapterMtu, F::Clips};
constexpr int rowCount = int(std::size(rowFields));

} // namespace

QList<QPair<QString, QString>> CamInfoDlg::rows(const CameraSnapshot &camera) {
    QList<QPair<QString, QString>> result;
    for (F field : rowFields)
        result.append({infoLabel(field), fieldText(field, camera)});
    return result;
}

QString CamInfoDlg::detailsText(const CameraSnapshot &camera) {
    QString text;
    for (const auto &row : rows(camera))
        text += row.first + QStringLiteral(": ") + row.second + QLatin1Char('\n');
    return text;
}

CamInfoDlg::CamInfoDlg(const UdpInterface *channel, QWidget *parent)
    : QDialog(parent), ui(new Ui::CamInfoDlg) {
    if (const QVXApplication *app = vxApp()) rowHeight = app->itemSize(1).height();
    setWindowFlags(Qt::Tool);
    ui->setupUi(this);

    camInfo = channel->camInfo;
    QTableWidget *table = ui->infoTbl;
    table->setColumnCount(2);
    table->setRowCount(rowCount);
    // The style's minimum row height (54 px with Windows fonts under some set-ups) would keep the
    // twelve rows from sharing the table's height; the rows are sized here, not by the style.
    table->verticalHeader()->setMinimumSectionSize(1);
    const QList<QPair<QString, QString>> content = rows(cameraSnapshot(*channel, channel->index));
    for (int row = 0; row < rowCount; ++row) {
        table->setRowHeight(row, rowHeight);
        auto *label = new QTableWidgetItem(content[row].first);
        label->setForeground(QBrush(QColor(0xFFAA34)));
        table->setItem(row, 0, label);
    }
    for (int row = 0; row < rowCount; ++row)
        table->setItem(row, 1, new QTableWidgetItem(content[row].second));

    // Long labels (and long translations of them) get the room they need; the values take the rest.
    table->ensurePolished();
    const QFontMetrics metrics(table->font());
    for (const auto &row : content) {
        labelColumnWidth = qMax(labelColumnWidth, metrics.horizontalAdvance(row.first) + 12);
        valueColumnWidth = qMax(valueColumnWidth, metrics.horizontalAdvance(row.second) + 12);
    }
    const int tableWidth =
        qMax(table->minimumWidth(), labelColumnWidth + valueColumnWidth + 1 + 2 * table->frameWidth());
    resize(qMax(width(), tableWidth + 20), height());

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
    // Halves, unless a column's longest text needs more; the labels win when both do.
    int labelWidth = width / 2 - 1;
    if (labelWidth < labelColumnWidth)
        labelWidth = labelColumnWidth;
    else if (width - 1 - labelWidth < valueColumnWidth)
        labelWidth = qMax(labelColumnWidth, width - 1 - valueColumnWidth);
    table->setColumnWidth(0, labelWidth);
    table->setColumnWidth(1, labelWidth == width / 2 - 1 ? width / 2 : qMax(0, width - labelWidth - 1));
    if (table->rowCount() < 1) return;
    for (int row = 0; row < table->rowCount(); ++row)
        table->setRowHeight(row, int(double(height) / table->rowCount() + 0.5) - 1);
}
