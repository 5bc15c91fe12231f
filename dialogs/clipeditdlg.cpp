#include "dialogs/clipeditdlg.h"

#include "app/qvxapplication.h"
#include "cameras/qlistitemlabel.h"
#include "net/udpinterface.h"
#include "report/clipsummary.h"
#include "ui_clipeditdlg.h"

#include <QCoreApplication>
#include <QListWidgetItem>
#include <QPixmap>
#include <QScrollBar>

QString clipSummary(const ClipInfo &clip) {
    const ClipSummaryLines lines = clipSummaryLines(clip);
    return QStringLiteral(
               "<p align=left><font color=#FFAA33><b>%1</b></font><br/><font color=#ddd>%2<br/>%3</font></p>")
        .arg(lines.head, lines.trim, lines.format);
}

ClipEditDlg::ClipEditDlg(const UdpInterface *channel, QWidget *parent)
    : QDialog(parent), ui(new Ui::ClipEditDlg) {
    ui->setupUi(this);
    const QSize entrySize = vxApp() ? vxApp()->itemSize(3) : QSize(52, 52);
    const QPixmap picture(QStringLiteral(":/res/clip.png"));
    int widest = 0;
    for (int i = 0; i < channel->clips.size(); ++i) {
        const ClipInfo *clip = channel->clip(i);
        if (!clip) continue;
        auto *entry = new QListItemLabel(3, picture, clipSummary(*clip), QPixmap(), this);
        // Three lines of summary need more than the picture's height in most fonts.
        const int height = entry->fitHeightToText();
        // The entry is a label: its own size hint ignores its layout, which knows the text's width.
        widest = qMax(widest, entry->layout()->sizeHint().width());
        auto *item = new QListWidgetItem;
        ui->clipList->addItem(item);
        item->setSizeHint(QSize(entrySize.width(), height));
        ui->clipList->setItemWidget(item, entry);
    }
    // Wide enough for the longest trim line, with room for the scroll bar.
    QListWidget *list = ui->clipList;
    list->setMinimumWidth(widest + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width());
    resize(qMax(width(), sizeHint().width()), height());
    // "Download" is a placeholder: nothing is connected to it.
    connect(ui->btnExit, &QPushButton::clicked, this, &ClipEditDlg::accept);
}

ClipEditDlg::~ClipEditDlg() {
    delete ui;
}
