#include "qlistitemlabel.h"

#include "app/qvxapplication.h"

#include <QHBoxLayout>

namespace {

const char *const entryStyle = "QLabel {background: transparent; border-style: none; border: none; "
                               "text-align: left center; }";
const char *const markedStyle = "QListItemLabel {background: rgba(224,43,43,48); border: none; "
                                "border-left: 3px solid #e02b2b; }";

// Size and margin of an entry; the unscaled values when no application object is running.
QSize entrySize(int kind) {
    if (const QVXApplication *app = vxApp()) return app->itemSize(kind);
    return (kind == 2 || kind == 3) ? QSize(52, 52) : (kind == 1 ? QSize(96, 28) : QSize(44, 44));
}

int entryMargin() {
    const QVXApplication *app = vxApp();
    return app ? app->itemMargin() : 4;
}

} // namespace

QListItemLabel::QListItemLabel(int kind, const QPixmap &picture, const QString &text, const QPixmap &bullet,
                               QWidget *parent)
    : QLabel(parent), sizeKind(kind) {
    const QSize size = entrySize(sizeKind);
    const int w = size.width();
    const int h = size.height();
    const int m = entryMargin();
    const int pw = w - 2 * m;
    const int ph = h - 2 * m;
    const int bw = pw / 3;

    setStyleSheet(QLatin1String(entryStyle));
    setMinimumSize(3 * w, h);
    setMaximumHeight(h);

    pictureLabel = new QLabel(this);
    pictureLabel->setContentsMargins(0, 0, 0, 0);
    pictureLabel->setMinimumSize(pw, ph);
    pictureLabel->setMaximumSize(pw, ph);

    textLabel = new QLabel(this);
    textLabel->setStyleSheet(QLatin1String(entryStyle));
    textLabel->setMinimumSize(3 * pw, ph);
    textLabel->setMaximumHeight(ph);
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);

    bulletLabel = new QLabel(this);
    bulletLabel->setStyleSheet(QLatin1String(entryStyle));
    bulletLabel->setMinimumSize(bw, ph);
    bulletLabel->setMaximumHeight(ph);

    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(m, m, m, m);
    layout->setSpacing(2 * m);
    layout->addWidget(pictureLabel);
    layout->addWidget(textLabel);
    layout->addWidget(bulletLabel);
    setLayout(layout);

    // A model without a picture still shows its text and bullet; only the picture is left out.
    if (!picture.isNull()) pictureLabel->setPixmap(picture.scaledToWidth(pw, Qt::SmoothTransformation));
    textLabel->setText(text);
    if (!bullet.isNull()) bulletLabel->setPixmap(bullet.scaledToWidth(bw, Qt::SmoothTransformation));
}

QListItemLabel::~QListItemLabel() = default;

void QListItemLabel::setEntryText(const QString &text) {
    textLabel->setText(text);
}

void QListItemLabel::setBulletPixmap(const QPixmap &bullet) {
    const int bw = (entrySize(sizeKind).width() - 2 * entryMargin()) / 3;
    if (bullet.isNull())
        bulletLabel->clear();
    else
        bulletLabel->setPixmap(bullet.scaledToWidth(bw, Qt::SmoothTransformation));
}

void QListItemLabel::setMarked(bool on, const QString &why) {
    setToolTip(why);
    if (on == marked) return;
    marked = on;
    setStyleSheet(QLatin1String(on ? markedStyle : entryStyle));
}

int QListItemLabel::fitHeightToText() {
    const int m = entryMargin();
    const int textHeight = textLabel->sizeHint().height();
    const int h = qMax(entrySize(sizeKind).height(), textHeight + 2 * m);
    textLabel->setFixedHeight(h - 2 * m);
    setFixedHeight(h);
    return h;
}
