#include "dialogs/targetsdlg.h"

#include "ui_targetsdlg.h"

#include <QPainter>
#include <QTextBlock>

namespace {

const QColor refusalColour(0xff, 0x60, 0x60);
const char *const refusalSheet = "QLabel { color: #ff6060; }";
const char *const countSheet = "QLabel { color: silver; }";

} // namespace

void TargetsEdit::paintEvent(QPaintEvent *event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(refusalColour);
    const QFontMetrics metrics = fontMetrics();
    const int right = viewport()->width() - metrics.averageCharWidth();
    // Lines do not wrap here: each block is one line, and its reason goes after its text.
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF line = blockBoundingGeometry(block).translated(contentOffset());
        if (line.top() > viewport()->height()) break;
        const auto reason = reasons.constFind(block.blockNumber());
        if (reason == reasons.constEnd()) continue;
        const int x = int(line.left() + document()->documentMargin()) +
                      metrics.horizontalAdvance(block.text()) + 2 * metrics.averageCharWidth();
        if (x >= right) continue;
        painter.drawText(QRectF(x, line.top(), right - x, line.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(*reason, Qt::ElideRight, right - x));
    }
}

TargetsDlg::TargetsDlg(const QStringList &entries, const QList<LocalSubnet> &local, QWidget *parent)
    : QDialog(parent), ui(new Ui::TargetsDlg), local_(local) {
    ui->setupUi(this);
    ui->targetsEdit->setPlainText(entries.join(QLatin1Char('\n')));
    connect(ui->btnOK, &QPushButton::clicked, this, &TargetsDlg::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TargetsDlg::reject);
    connect(ui->targetsEdit, &QPlainTextEdit::textChanged, this, &TargetsDlg::checkLines);
    checkLines();
}

TargetsDlg::~TargetsDlg() {
    delete ui;
}

QStringList TargetsDlg::entries() const {
    QStringList out;
    for (const QString &line : ui->targetsEdit->toPlainText().split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty()) out << line.trimmed();
    return out;
}

void TargetsDlg::accept() {
    if (checkLines()) QDialog::accept();
}

bool TargetsDlg::checkLines() {
    // Each line alone, so that every refused one is named with its own reason; then all together,
    // which may hold too many addresses.
    QStringList reasons;
    QHash<int, QString> beside;
    QList<QTextEdit::ExtraSelection> marks;
    const QStringList lines = ui->targetsEdit->toPlainText().split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const TargetList one = parseTargets({lines.at(i)}, local_);
        if (one.fault == TargetFault::None) continue;
        const QString reason = QCoreApplication::translate("Targets", targetRefusalText(one.fault));
        beside.insert(i, reason);
        reasons << tr("Line %1 (%2): %3").arg(i + 1).arg(one.entry, reason);
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(ui->targetsEdit->document()->findBlockByNumber(i));
        mark.cursor.select(QTextCursor::LineUnderCursor);
        mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.format.setUnderlineColor(refusalColour);
        marks << mark;
    }
    const TargetList all = parseTargets(entries(), local_);
    if (reasons.isEmpty() && all.fault != TargetFault::None)
        reasons << QCoreApplication::translate("Targets", targetRefusalText(all.fault));
    ui->targetsEdit->setExtraSelections(marks);
    ui->targetsEdit->reasons = beside;
    ui->targetsEdit->viewport()->update();
    const bool refused = !reasons.isEmpty();
    ui->checkLbl->setText(refused                   ? reasons.join(QLatin1Char('\n'))
                          : all.addresses.isEmpty() ? tr("No address: discovery asks by broadcast only.")
                                                    : tr("%n address(es) asked in every discovery round.",
                                                         nullptr, int(all.addresses.size())));
    ui->checkLbl->setStyleSheet(QLatin1String(refused ? refusalSheet : countSheet));
    ui->btnOK->setEnabled(!refused);
    return !refused;
}
