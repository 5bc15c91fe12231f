#include "ui/networkcheckwindow.h"

#include "net/addresses.h"
#include "report/linereport.h"
#include "report/reportjson.h"
#include "report/savefile.h"
#include "ui/fixview.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStandardPaths>
#include <QSysInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char *const fixSheet = "QLabel { background: #1e1e1e; color: #e0e0e0; border: 1px solid #606060; "
                             "padding: 4px; }";

QLabel *wrappedLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

} // namespace

NetworkCheckWindow::NetworkCheckWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Network check"));
    setObjectName(QStringLiteral("networkCheck"));
    resize(680, 520);

    auto *layout = new QVBoxLayout(this);
    summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary);

    auto *progressRow = new QHBoxLayout;
    progress = new QProgressBar(this);
    progress->setTextVisible(false);
    btnCancel = new QPushButton(tr("Cancel"), this);
    progressRow->addWidget(progress, 1);
    progressRow->addWidget(btnCancel);
    layout->addLayout(progressRow);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    findingList = new QWidget(scroll);
    findingLayout = new QVBoxLayout(findingList);
    findingLayout->setContentsMargins(0, 0, 0, 0);
    findingLayout->addStretch(1);
    scroll->setWidget(findingList);
    layout->addWidget(scroll, 1);

    auto *buttons = new QHBoxLayout;
    btnAgain = new QPushButton(tr("Check again"), this);
    btnCopy = new QPushButton(tr("Copy report"), this);
    btnSave = new QPushButton(tr("Save report..."), this);
    auto *btnClose = new QPushButton(tr("Close"), this);
    buttons->addWidget(btnAgain);
    buttons->addWidget(btnCopy);
    buttons->addWidget(btnSave);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);

    check = new NetworkCheck(this);
    connect(check, &NetworkCheck::progress, this, [this](int done, int total) {
        progress->setRange(0, total);
        progress->setValue(done);
    });
    connect(check, &NetworkCheck::stageChanged, this, [this](NetworkCheck::Stage stage) {
        summary->setText(stage == NetworkCheck::ProbingPaths ? tr("Probing the path to each camera...")
                                                             : tr("Checking the network..."));
    });
    connect(check, &NetworkCheck::finished, this, [this] {
        NetworkCheckResult result = check->result();
        if (!line_.cameras.isEmpty()) addLineFindings(result, line_, scanned_);
        showResult(result);
        emit checkFinished();
    });
    connect(btnCancel, &QPushButton::clicked, this, &NetworkCheckWindow::cancelCheck);
    connect(btnAgain, &QPushButton::clicked, this, &NetworkCheckWindow::checkRequested);
    connect(btnCopy, &QPushButton::clicked, this, &NetworkCheckWindow::copyReport);
    connect(btnSave, &QPushButton::clicked, this, &NetworkCheckWindow::saveReport);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    // A selected text in a fix box keeps Ctrl+C for itself; anywhere else it copies the report.
    auto *copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &NetworkCheckWindow::copyReport);
    setChecking(false);
}

void NetworkCheckWindow::setChecking(bool on) {
    progress->setVisible(on);
    btnCancel->setVisible(on);
    btnAgain->setEnabled(!on);
    btnCopy->setEnabled(!on && !lastReport.isEmpty());
    btnSave->setEnabled(!on && !lastReport.isEmpty());
}

void NetworkCheckWindow::runCheck(const NetworkCheckInput &input) {
    progress->setRange(0, 0);
    check->start(input);
    setChecking(true);
}

void NetworkCheckWindow::setExpectedLine(const ExpectedLine &line, const NetAdapterInfo &scanned) {
    line_ = line;
    scanned_ = scanned;
}

void NetworkCheckWindow::cancelCheck() {
    check->cancel();
}

void NetworkCheckWindow::showResult(const NetworkCheckResult &result) {
    shown = result;
    lastReport = doctorReportJson(result);
    lastReport.insert(QStringLiteral("version"), QCoreApplication::applicationVersion());
    lastReport.insert(QStringLiteral("os"), QSysInfo::prettyProductName());
    lastReport.insert(QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    setChecking(check->isRunning());
    showFindings();
}

void NetworkCheckWindow::showFindings() {
    while (findingLayout->count() > 1) {
        QLayoutItem *item = findingLayout->takeAt(0);
        delete item->widget();
        delete item;
    }
    const QString &adapter = shown.adapter;
    const QList<Finding> &found = shown.findings;
    const bool all = namesAllAdapters(adapter);
    int problems = 0;
    for (const Finding &f : found)
        problems += f.severity == Severity::Problem;
    QStringList lines;
    if (found.isEmpty())
        lines << (all ? tr("No problem found on any adapter.") : tr("No problem found on %1.").arg(adapter));
    else
        lines
            << (all ? tr("All adapters: problems %1, warnings %2.").arg(problems).arg(found.size() - problems)
                    : tr("Adapter %1: problems %2, warnings %3.")
                          .arg(adapter, QString::number(problems), QString::number(found.size() - problems)));
    // Paths that could not be probed are no finding, but the reader should know they were not looked at.
    QStringList silent;
    bool unavailable = false;
    for (const SeenCamera &c : shown.cameras) {
        if (c.path.state == PathResult::NoEcho) silent << ipToText(c.info.cameraIp);
        unavailable = unavailable || c.path.state == PathResult::Unavailable;
    }
    if (!shown.unreadable.isEmpty())
        lines << tr("Not readable here, so not checked: %1.").arg(shownUnreadable(shown.unreadable));
    if (shown.probeCancelled) lines << tr("The path probe was cancelled: the paths were not checked.");
    if (unavailable) lines << tr("The paths were not checked: this program may not send ICMP echo here.");
    if (!silent.isEmpty())
        lines
            << tr("Paths not checked, the camera answers no echo: %1").arg(silent.join(QStringLiteral(", ")));
    summary->setText(lines.join(QLatin1Char('\n')));
    for (int i = 0; i < found.size(); ++i)
        findingLayout->insertWidget(i, findingFrame(found.at(i)));
}

QWidget *NetworkCheckWindow::findingFrame(const Finding &f) {
    auto *frame = new QFrame(findingList);
    frame->setObjectName(f.code);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *box = new QVBoxLayout(frame);

    auto *head = new QHBoxLayout;
    auto *icon = new QLabel(frame);
    const bool problem = f.severity == Severity::Problem;
    icon->setPixmap(
        QPixmap(problem ? QStringLiteral(":/res/ico-err.png") : QStringLiteral(":/res/ico-wrn.png"))
            .scaled(22, 22, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setToolTip(problem ? tr("Problem") : tr("Warning"));
    auto *title = new QLabel(QStringLiteral("<b>%1</b>").arg(findingTitle(f.code).toHtmlEscaped()), frame);
    title->setObjectName(QStringLiteral("title"));
    head->addWidget(icon);
    head->addWidget(title, 1);
    box->addLayout(head);

    QLabel *text = wrappedLabel(f.text, frame);
    text->setObjectName(QStringLiteral("text"));
    text->setTextFormat(Qt::PlainText);
    box->addWidget(text);

    QStringList links;
    for (const CameraRef &camera : f.cameras) {
        // A link names the camera by its place in the result shown, which stays as it is.
        int seen = 0;
        while (seen < shown.cameras.size() && !(shown.cameras.at(seen).ref() == camera))
            ++seen;
        if (seen == shown.cameras.size()) continue;
        const SeenCamera &c = shown.cameras.at(seen);
        const QString name = (c.name.isEmpty() ? tr("Camera") : c.name).toHtmlEscaped();
        const QString who = QStringLiteral("%1 (%2)").arg(name, ipToText(c.info.cameraIp));
        links << (c.listed()
                      ? QStringLiteral("<a href=\"%1\" style=\"color: #6cb4ff;\">%2</a>").arg(seen).arg(who)
                      : who);
    }
    for (const AbsentCamera &c : f.absent) {
        const QString name = (c.name.isEmpty() ? c.mac : c.name).toHtmlEscaped();
        links << (c.ip ? QStringLiteral("%1 (%2)").arg(name, ipToText(c.ip)) : name);
    }
    if (!links.isEmpty()) {
        auto *list = new QLabel(tr("Cameras: %1").arg(links.join(QStringLiteral(", "))), frame);
        list->setObjectName(QStringLiteral("cameras"));
        list->setWordWrap(true);
        list->setTextFormat(Qt::RichText);
        list->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        list->setToolTip(tr("Click a camera to select it in the list"));
        connect(list, &QLabel::linkActivated, this, [this](const QString &link) {
            const int seen = link.toInt();
            if (seen >= 0 && seen < shown.cameras.size())
                emit selectCameraRequested(shown.cameras.at(seen).info);
        });
        box->addWidget(list);
    }

    for (const ShownFix &shown : shownFixes(f.fixes)) {
        if (!shown.text.isEmpty()) {
            QLabel *text = wrappedLabel(shown.text, frame);
            text->setObjectName(QStringLiteral("fixText"));
            text->setTextFormat(Qt::PlainText);
            box->addWidget(text);
        }
        if (shown.command.isEmpty()) continue;
        auto *fixRow = new QHBoxLayout;
        QLabel *command = wrappedLabel(shown.command, frame);
        command->setObjectName(QStringLiteral("fix"));
        command->setTextFormat(Qt::PlainText);
        command->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        command->setStyleSheet(QLatin1String(fixSheet));
        auto *copy = new QPushButton(tr("Copy"), frame);
        copy->setObjectName(QStringLiteral("copyFix"));
        connect(copy, &QPushButton::clicked, this,
                [text = shown.command] { QApplication::clipboard()->setText(text); });
        fixRow->addWidget(command, 1);
        fixRow->addWidget(copy, 0, Qt::AlignTop);
        box->addLayout(fixRow);
    }

    // The window's own actions for the finding, side by side under it.
    auto *actions = new QHBoxLayout;
    const SeenCamera *moving = f.cameras.isEmpty() ? nullptr : cameraNamed(shown.cameras, f.cameras.first());
    const auto move = std::find_if(f.fixes.cbegin(), f.fixes.cend(),
                                   [](const Fix &fix) { return fix.kind == Fix::MoveCamera; });
    if (move != f.fixes.cend() && moving) {
        auto *button = new QPushButton(tr("Move camera..."), frame);
        button->setObjectName(QStringLiteral("moveCamera"));
        const UdpCamInfo camera = moving->info;
        const quint32 address = move->address, mask = move->mask;
        connect(button, &QPushButton::clicked, this,
                [this, camera, address, mask] { emit moveCameraRequested(camera, address, mask); });
        actions->addWidget(button);
    }
    // Cameras sharing an address, or outside their subnet, are given addresses all in one plan.
    if (f.code == QLatin1String("duplicate-ip") || f.code == QLatin1String("outside-subnet")) {
        auto *assign = new QPushButton(tr("Assign addresses..."), frame);
        assign->setObjectName(QStringLiteral("assignAddresses"));
        connect(assign, &QPushButton::clicked, this, &NetworkCheckWindow::assignAddressesRequested);
        actions->addWidget(assign);
    }
    actions->addStretch(1);
    box->addLayout(actions);
    return frame;
}

void NetworkCheckWindow::copyReport() {
    if (lastReport.isEmpty()) return;
    QApplication::clipboard()->setText(
        QString::fromUtf8(QJsonDocument(lastReport).toJson(QJsonDocument::Indented)));
}

QString NetworkCheckWindow::defaultReportName(const QDate &date) {
    return QStringLiteral("varnix-network-check-%1.json").arg(date.toString(Qt::ISODate));
}

void NetworkCheckWindow::saveReport() {
    if (lastReport.isEmpty()) return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save report"), QDir(folder).filePath(defaultReportName(QDate::currentDate())),
        tr("JSON files (*.json)"));
    if (path.isEmpty()) return;
    const QString shown = QDir::toNativeSeparators(path);
    QString error;
    if (!isReplaceableFile(path))
        showMessageBox(this, tr("%1 is not a regular file; the report was not written.").arg(shown),
                       MessageError);
    else if (!saveWholeFile(path, QJsonDocument(lastReport).toJson(QJsonDocument::Indented), &error))
        showMessageBox(this, tr("The report could not be written to %1.").arg(shown), MessageError, error);
}
