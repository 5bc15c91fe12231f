#include "dialogs/clipeditdlg.h"

#include "app/qvxapplication.h"
#include "cameras/qlistitemlabel.h"
#include "net/udpinterface.h"
#include "ui_clipeditdlg.h"

#include <QCoreApplication>
#include <QListWidgetItem>
#include <QPixmap>

#include <climits>
#include <cmath>

namespace {

// Seconds for a number of frames, in single precision as the camera counts them. A clip whose frame
// rate is 0 (or not a number) has no duration; it shows 0.000 s rather than "inf" or "nan".
QString seconds(float frames, float frameRate) {
    const float quotient = frames / frameRate;
    return QString::number(std::isfinite(quotient) ? double(quotient) : 0.0, 'f', 3);
}

int wholeFramesPerSecond(float frameRate) {
    if (!std::isfinite(frameRate)) return 0;
    if (frameRate >= float(INT_MAX)) return INT_MAX;
    if (frameRate <= float(INT_MIN)) return INT_MIN;
    return int(frameRate);
}

} // namespace

QString clipSummary(const ClipInfo &clip) {
    const float rate = clip.frameRate;
    const QString head = QCoreApplication::translate("ClipEditDlg", "Clip %1: %2 frames - %3 s")
                             .arg(int(clip.clipNumber) + 1)
                             .arg(clip.frameCount)
                             .arg(seconds(float(clip.frameCount), rate));
    const quint32 trimmed = clip.trimEnd - clip.trimStart + 1u; // wraps when the range is reversed
    const QString trim = QCoreApplication::translate("ClipEditDlg", "Trim: %1 (%2 s) to %3 (%4 s) - %5 s\n")
                             .arg(clip.trimStart)
                             .arg(seconds(float(clip.trimStart), rate))
                             .arg(clip.trimEnd)
                             .arg(seconds(float(clip.trimEnd), rate))
                             .arg(seconds(float(trimmed), rate));
    const QString format =
        QStringLiteral("%1x%2 @ %3 fps").arg(clip.width).arg(clip.height).arg(wholeFramesPerSecond(rate));
    return QStringLiteral(
               "<p align=left><font color=#FFAA33><b>%1</b></font><br/><font color=#ddd>%2<br/>%3</font></p>")
        .arg(head, trim, format);
}

ClipEditDlg::ClipEditDlg(const UdpInterface *channel, QWidget *parent)
    : QDialog(parent), ui(new Ui::ClipEditDlg) {
    ui->setupUi(this);
    const QSize entrySize = vxApp() ? vxApp()->itemSize(3) : QSize(52, 52);
    const QPixmap picture(QStringLiteral(":/res/clip.png"));
    for (int i = 0; i < channel->clips.size(); ++i) {
        const ClipInfo *clip = channel->clip(i);
        if (!clip) continue;
        auto *entry = new QListItemLabel(3, picture, clipSummary(*clip), QPixmap(), this);
        auto *item = new QListWidgetItem;
        ui->clipList->addItem(item);
        item->setSizeHint(entrySize);
        ui->clipList->setItemWidget(item, entry);
    }
    // "Download" is a placeholder: nothing is connected to it.
    connect(ui->btnExit, &QPushButton::clicked, this, &ClipEditDlg::accept);
}

ClipEditDlg::~ClipEditDlg() {
    delete ui;
}
