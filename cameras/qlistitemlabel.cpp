#include "qlistitemlabel.h"

#include "app/qvxapplication.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

const char *const entryStyle = "QLabel {background: transparent; border-style: none; border: none; "
                               "text-align: left center; }";
const char *const markedStyle = "QListItemLabel {background: rgba(224,43,43,48); border: none; "
                                "border-left: 3px solid #e02b2b; }";

// Size and margin of an entry; the unscaled values when no application object is running.
QSize entrySize(int kind) {
    if (const QVXApplication *app = vxApp()) return app->itemSize(kind);
    return QVXApplication::baseItemSize(kind);
}

int entryMargin() {
    const QVXApplication *app = vxApp();
    return app ? app->itemMargin() : QVXApplication::BaseItemMargin;
}

// `html` with every line wider than `width` cut to end in "…" (in the format of the last letter kept);
// null when every line fits.
QString elidedRichText(const QString &html, const QFont &font, int width) {
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap);
    doc.setDefaultTextOption(option);
    doc.setHtml(html);
    doc.documentLayout()->documentSize(); // lays the lines out
    const QChar ellipsis(0x2026);
    bool cut = false;
    // From the end, so that cutting a line leaves the positions of those before it as they were.
    for (QTextBlock block = doc.lastBlock(); block.isValid(); block = block.previous()) {
        const QTextLayout *layout = block.layout();
        const QString text = block.text();
        for (int l = layout->lineCount() - 1; l >= 0; --l) {
            const QTextLine line = layout->lineAt(l);
            if (line.naturalTextWidth() <= width) continue;
            int end = line.textStart() + line.textLength();
            if (end > line.textStart() && text.at(end - 1) == QChar::LineSeparator) --end;
            QTextCursor last(block);
            last.setPosition(block.position() + end);
            const QTextCharFormat format = last.charFormat();
            const qreal room = width - QFontMetricsF(format.font().resolve(font)).horizontalAdvance(ellipsis);
            int keep = qMax(0, line.xToCursor(qMax<qreal>(0, room), QTextLine::CursorOnCharacter));
            keep = qBound(line.textStart(), keep, end);
            while (keep > line.textStart() && text.at(keep - 1).isSpace())
                --keep;
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + keep);
            cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
            cursor.insertText(QString(ellipsis), format); // in place of the selection
            cut = true;
        }
    }
    return cut ? doc.toHtml() : QString();
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
    textLabel->installEventFilter(this);

    // A model without a picture still shows its text and bullet; only the picture is left out.
    if (!picture.isNull()) pictureLabel->setPixmap(picture.scaledToWidth(pw, Qt::SmoothTransformation));
    setEntryText(text);
    if (!bullet.isNull()) bulletLabel->setPixmap(bullet.scaledToWidth(bw, Qt::SmoothTransformation));
}

QListItemLabel::~QListItemLabel() = default;

void QListItemLabel::setEntryText(const QString &text) {
    fullText = text;
    showFittingText();
}

void QListItemLabel::showFittingText() {
    const QString cut = elidedRichText(fullText, textLabel->font(), textLabel->contentsRect().width());
    textLabel->setText(cut.isNull() ? fullText : cut);
    QString whole;
    if (!cut.isNull()) {
        QTextDocument doc;
        doc.setHtml(fullText);
        whole = doc.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n'));
    }
    if (whole == hiddenEnd) return;
    hiddenEnd = whole;
    updateToolTip();
}

void QListItemLabel::updateToolTip() {
    if (hiddenEnd.isEmpty()) {
        setToolTip(why);
        return;
    }
    // The whole text as plain words, never read as markup (a camera names itself), then the mark's reason.
    QString tip =
        QLatin1String("<p style='white-space:pre'>") + hiddenEnd.toHtmlEscaped() + QLatin1String("</p>");
    if (!why.isEmpty()) tip += QLatin1String("<p>") + why.toHtmlEscaped() + QLatin1String("</p>");
    setToolTip(tip);
}

bool QListItemLabel::eventFilter(QObject *watched, QEvent *event) {
    // The width is known (and changes) with the window; the font once the style is applied.
    if (watched == textLabel && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        showFittingText();
    return QLabel::eventFilter(watched, event);
}

void QListItemLabel::setBulletPixmap(const QPixmap &bullet) {
    const int bw = (entrySize(sizeKind).width() - 2 * entryMargin()) / 3;
    if (bullet.isNull())
        bulletLabel->clear();
    else
        bulletLabel->setPixmap(bullet.scaledToWidth(bw, Qt::SmoothTransformation));
}

void QListItemLabel::setMarked(bool on, const QString &reason) {
    if (reason != why) {
        why = reason;
        updateToolTip();
    }
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
