#include "dialogs/assignaddressesdlg.h"

#include "cameras/udpcammanager.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "report/camerafields.h"
#include "ui_assignaddressesdlg.h"

#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QThread>

#include <memory>

namespace {

// How long a camera is given to take its address before the next command, and the look after.
constexpr int AddressSettleMs = 200;
// How long the cameras are given to answer at their new addresses after the rediscovery.
constexpr int AnswerWaitMs = 3500;
constexpr int WatchTickMs = 100;

// The columns before the new address and the result.
const CameraField cameraColumns[] = {CameraField::Mac, CameraField::Serial, CameraField::Model,
                                     CameraField::Ip};

const QColor refusedColour(0xff, 0x60, 0x60), cautionColour(0xff, 0xaa, 0x34), fineColour(0x60, 0xc0, 0x60);

} // namespace

AssignAddressesDlg::AssignAddressesDlg(UdpCamManager *m, const QList<quint32> &inUse, QWidget *parent)
    : QDialog(parent), ui(new Ui::AssignAddressesDlg), manager(m), ownAddresses(inUse) {
    ui->setupUi(this);
    QTableWidget *table = ui->planTable;
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels(columnHeadings());
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setStretchLastSection(true);
    connect(table, &QTableWidget::itemChanged, this, &AssignAddressesDlg::checkLines);
    connect(ui->firstEdit, &QLineEdit::editingFinished, this, [this] {
        // The field also finishes when it loses the focus, to "Apply" among others: only a new value plans
        // again, and never once the plan is being applied.
        const QString text = ui->firstEdit->text().trimmed();
        quint32 first = 0;
        if (text == plannedFirst || !ui->firstEdit->isEnabled()) return;
        if (text.isEmpty() || parseStrictIp(text, &first))
            plan();
        else
            ui->adviceLbl->setText(
                tr("Enter the first address as four numbers from 0 to 255, separated by dots."));
    });
    connect(ui->btnApply, &QPushButton::clicked, this, &AssignAddressesDlg::apply);
    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    watch.setInterval(WatchTickMs);
    connect(&watch, &QTimer::timeout, this, &AssignAddressesDlg::watchAnswers);
    plan();
}

AssignAddressesDlg::~AssignAddressesDlg() {
    delete ui;
}

QStringList AssignAddressesDlg::columnHeadings() {
    QStringList headings;
    for (CameraField field : cameraColumns)
        headings << planLabel(field);
    return headings << tr("New address") << tr("Result");
}

QStringList AssignAddressesDlg::lineTexts(const CameraSnapshot &camera, const AddressMove &m) {
    QStringList texts;
    for (CameraField field : cameraColumns)
        texts << fieldText(field, camera);
    return texts << (m.ip ? ipToText(m.ip) : QString()) << QString();
}

void AssignAddressesDlg::plan() {
    const QList<CameraSnapshot> cameras = heardSnapshots(*manager);
    quint32 first = 0;
    plannedFirst = ui->firstEdit->text().trimmed();
    parseStrictIp(plannedFirst, &first);
    const int ticket = ++planning;
    ui->btnApply->setEnabled(false);
    ui->adviceLbl->setText(tr("Looking for free addresses..."));
    // Asking an address that nobody has takes a while: the window keeps answering meanwhile.
    auto moves = std::make_shared<QList<AddressMove>>();
    QList<quint32> inUse = ownAddresses;
    QThread *worker = QThread::create([cameras, first, inUse, moves]() mutable {
        *moves = planAddressesProbed(cameras, first, inUse, addressAnswers);
    });
    const QPointer<AssignAddressesDlg> self(this);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [self, ticket, cameras, moves] {
        if (self && ticket == self->planning) self->showPlan(cameras, *moves);
    });
    worker->start();
}

void AssignAddressesDlg::showPlan(const QList<CameraSnapshot> &cameras, const QList<AddressMove> &moves) {
    lines.clear();
    otherCameras.clear();
    QList<CameraRef> moving;
    for (const AddressMove &m : moves)
        moving << m.camera;
    for (const CameraSnapshot &c : cameras) {
        if (!moving.contains(c.ref())) otherCameras << c.info.cameraIp;
    }
    QTableWidget *table = ui->planTable;
    const QSignalBlocker quiet(table);
    table->setRowCount(moves.size());
    for (int row = 0; row < moves.size(); ++row) {
        const AddressMove &m = moves.at(row);
        const CameraSnapshot &camera = *cameraNamed(cameras, m.camera); // the plan moves only these
        lines << Line{camera.info, m.mask};
        const QStringList texts = lineTexts(camera, m);
        for (int col = 0; col < ColumnCount; ++col) {
            auto *item = new QTableWidgetItem(texts.at(col));
            Qt::ItemFlags flags = Qt::ItemIsEnabled;
            if (col == ColMac) flags |= Qt::ItemIsUserCheckable;
            if (col == ColProposed) flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            if (col == ColMac) item->setCheckState(m.ip ? Qt::Checked : Qt::Unchecked);
            table->setItem(row, col, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    if (plannedFirst.isEmpty() && !moves.isEmpty() && moves.first().ip) {
        plannedFirst = ipToText(moves.first().ip);
        ui->firstEdit->setText(plannedFirst);
    }
    checkLines();
    if (moves.isEmpty())
        ui->adviceLbl->setText(tr("Every camera has an address of its own in its network adapter's subnet."));
    emit planShown();
}

bool AssignAddressesDlg::checkLines() {
    QTableWidget *table = ui->planTable;
    const QSignalBlocker quiet(table);
    bool anyTicked = false, refused = false;
    QStringList advice;
    for (int row = 0; row < lines.size(); ++row) {
        QTableWidgetItem *edit = table->item(row, ColProposed);
        const bool ticked = table->item(row, ColMac)->checkState() == Qt::Checked;
        edit->setForeground(QBrush());
        edit->setToolTip(QString());
        if (!ticked || lines.at(row).state != Line::Planned) continue;
        anyTicked = true;
        const UdpCamInfo &c = lines.at(row).camera;
        const QString text = edit->text().trimmed();
        quint32 ip = 0;
        QString problem;
        bool blocks = true;
        if (ipTextFault(text) != IpTextFault::None || !parseStrictIp(text, &ip)) {
            problem = tr("Enter the address as four numbers from 0 to 255, separated by dots.");
        } else if (const char *refusal =
                       addressRefusalText(judgeCameraAddress(ip, lines.at(row).mask, c.adapterIp))) {
            problem = QCoreApplication::translate("IPEditDlg", refusal);
        } else {
            QList<quint32> others = otherCameras + ownAddresses;
            for (int o = 0; o < lines.size(); ++o) {
                if (o != row && table->item(o, ColMac)->checkState() == Qt::Checked)
                    others << ipFromText(table->item(o, ColProposed)->text().trimmed());
            }
            const int cautions = addressCautions(ip, c.adapterIp, lines.at(row).mask, others);
            // Two cameras given one address would make the conflict this plan is there to end.
            if (cautions & UsedByOtherCamera)
                problem = tr("Another camera already uses this address or is given it here.");
            else if (cautions & OutsideAdapterSubnet)
                problem = QCoreApplication::translate(
                    "IPEditDlg", "This address is outside the network adapter's subnet: the camera "
                                 "will be listed in red and may become unreachable."),
                blocks = false;
        }
        if (problem.isEmpty()) continue;
        edit->setForeground(blocks ? refusedColour : cautionColour);
        edit->setToolTip(problem);
        advice << QStringLiteral("%1: %2").arg(macToText(c.macLow, c.macHigh), problem);
        refused = refused || blocks;
    }
    const bool idle = !watch.isActive() && std::all_of(lines.cbegin(), lines.cend(), [](const Line &l) {
        return l.state == Line::Planned;
    });
    ui->btnApply->setEnabled(idle && anyTicked && !refused);
    ui->adviceLbl->setText(advice.join(QLatin1Char('\n')));
    return !refused;
}

void AssignAddressesDlg::apply() {
    if (!checkLines()) return;
    ui->btnApply->setEnabled(false);
    ui->firstEdit->setEnabled(false);
    ui->planTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < lines.size(); ++row) {
        QTableWidgetItem *tick = ui->planTable->item(row, ColMac);
        tick->setFlags(tick->flags() & ~Qt::ItemIsUserCheckable);
        if (tick->checkState() != Qt::Checked) lines[row].state = Line::Skipped;
    }
    ui->adviceLbl->setText(tr("Sending the new addresses..."));
    sendNext(0);
}

void AssignAddressesDlg::sendNext(int row) {
    while (row < lines.size() && lines.at(row).state != Line::Planned)
        ++row;
    if (row == lines.size()) {
        // The last camera gets its pause too; then one look at the network for all of them.
        QTimer::singleShot(AddressSettleMs, this, [this] {
            ui->adviceLbl->setText(tr("Looking for the cameras at their new addresses..."));
            watchedMs = 0;
            emit rediscoverRequested();
            watch.start();
        });
        return;
    }
    Line &line = lines[row];
    const quint32 ip = ipFromText(ui->planTable->item(row, ColProposed)->text().trimmed());
    line.state = manager->setAddressByMac(line.camera, ip, line.mask).outcome == AddressChange::Sent
                     ? Line::Sent
                     : Line::Silent;
    showResults(false);
    QTimer::singleShot(AddressSettleMs, this, [this, row] { sendNext(row + 1); });
}

void AssignAddressesDlg::watchAnswers() {
    watchedMs += WatchTickMs;
    QList<UdpCamInfo> found;
    for (const CameraSnapshot &c : heardSnapshots(*manager))
        found << c.info;
    bool waiting = false;
    for (int row = 0; row < lines.size(); ++row) {
        Line &line = lines[row];
        if (line.state != Line::Sent) continue;
        if (answersAt(line.camera, ipFromText(ui->planTable->item(row, ColProposed)->text().trimmed()),
                      found))
            line.state = Line::Answered;
        else
            waiting = true;
    }
    const bool final = !waiting || watchedMs >= AnswerWaitMs;
    if (final) {
        watch.stop();
        for (Line &line : lines) {
            if (line.state == Line::Sent) line.state = Line::Silent;
        }
    }
    showResults(final);
}

void AssignAddressesDlg::showResults(bool final) {
    for (int row = 0; row < lines.size(); ++row) {
        QTableWidgetItem *result = ui->planTable->item(row, ColResult);
        const QString ip = ui->planTable->item(row, ColProposed)->text().trimmed();
        switch (lines.at(row).state) {
        case Line::Planned:
            result->setText(QString());
            break;
        case Line::Sent:
            result->setText(tr("Sent"));
            result->setForeground(QBrush());
            break;
        case Line::Answered:
            result->setText(tr("Answers at %1").arg(ip));
            result->setForeground(fineColour);
            break;
        case Line::Silent:
            result->setText(tr("Does not answer at %1").arg(ip));
            result->setForeground(refusedColour);
            break;
        case Line::Skipped:
            result->setText(tr("Not changed"));
            break;
        }
    }
    // The results are longer than the empty column: the dialog grows to show them whole.
    ui->planTable->resizeColumnToContents(ColResult);
    const int needed = ui->planTable->horizontalHeader()->length() + 2 * ui->planTable->frameWidth() +
                       ui->planTable->verticalScrollBar()->sizeHint().width() + 24;
    if (width() < needed) resize(needed, height());
    if (!final) return;
    ui->adviceLbl->setText(QString());
    emit resultsShown();
}
