#include "ui/lineview.h"

#include "app/settings.h"
#include "cameras/udpcammanager.h"
#include "net/addresses.h"
#include "report/linereport.h"
#include "ui/messagebox.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QStandardPaths>
#include <QTimer>

namespace {

// The last discovery round goes out at 2500 ms; its answers are in soon after.
constexpr int RoundsOverMs = 3500;

} // namespace

LineView::LineView(QLabel *summary, QObject *parent)
    : QObject(parent), summary_(summary), rounds_(new QTimer(this)) {
    rounds_->setSingleShot(true);
    connect(rounds_, &QTimer::timeout, this, &LineView::judgeAgain);
    summary_->hide();
}

bool LineView::open(const QString &path, QString *error) {
    ExpectedLine line;
    const LineProblem problem = loadExpectedLine(path, &line);
    if (problem.fault != LineProblem::None) {
        *error = tr("%1: %2").arg(QDir::toNativeSeparators(path), lineProblemText(problem));
        return false;
    }
    path_ = path;
    line_ = line;
    return true;
}

void LineView::useCurrentList(const std::function<bool(const QString &, QString *)> &writeList,
                              QWidget *over) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString path = QDir(folder).filePath(QStringLiteral("expected-line.json"));
    QString error;
    if (!QDir().mkpath(folder) || !writeList(path, &error) || !open(path, &error)) {
        showMessageBox(over, tr("The list could not be kept as the expected line."), MessageError, error);
        return;
    }
    storeExpectedLine(path);
    emit judgeAgain();
}

void LineView::chooseFile(QWidget *over) {
    const QString path = QFileDialog::getOpenFileName(
        over, tr("Open expected line"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Saved camera lists (*.json);;All files (*)"));
    if (path.isEmpty()) return;
    QString error;
    if (!open(path, &error)) {
        // The line chosen before stays.
        showMessageBox(over, tr("This file cannot be used as the expected line."), MessageError, error);
        return;
    }
    storeExpectedLine(path);
    emit judgeAgain();
}

void LineView::forget() {
    path_.clear();
    line_ = ExpectedLine();
    summary_->hide();
    storeExpectedLine(QString());
    emit judgeAgain();
}

void LineView::discoveryStarted() {
    rounds_->start(RoundsOverMs);
}

QHash<int, QString> LineView::judge(const UdpCamManager &manager, const NetAdapterInfo &scanned) {
    QHash<int, QString> marks;
    if (!active()) return marks;
    const QList<CameraSnapshot> heard = heardSnapshots(manager);
    const LineStanding s = compareLine(lineBehind(line_, scanned), lineCameras(heard));
    const int expected = int(s.present.size() + s.missing.size() + s.moved.size());
    const int answered = int(s.present.size() + s.moved.size());
    // While the discovery rounds still go out, a camera not heard yet is not missing.
    const bool underWay = rounds_->isActive();
    QString text = underWay ? tr("Expected line: %1 of %2 cameras so far").arg(answered).arg(expected)
                            : tr("Expected line: %1 of %2 cameras").arg(answered).arg(expected);
    if (!s.moved.isEmpty()) text += tr(", %n moved", nullptr, int(s.moved.size()));
    if (!s.unexpected.isEmpty()) text += tr(", %n not in the line", nullptr, int(s.unexpected.size()));
    const char *colour = underWay ? "silver" : !s.missing.isEmpty() ? "#ff6060" : "#ffaa34";
    summary_->setText(text);
    summary_->setStyleSheet(
        QStringLiteral("QLabel { color: %1; font-weight: bold; }").arg(QLatin1String(colour)));
    summary_->setVisible(!s.asExpected());

    const auto rowOf = [&heard](const LineCamera &c) {
        for (const CameraSnapshot &h : heard)
            if (h.listed() && h.info.cameraIp == c.ip && h.info.adapterIp == c.adapterIp &&
                lineCamera(h).mac == c.mac)
                return h.row;
        return -1;
    };
    for (const LineEntry &e : s.moved)
        marks.insert(rowOf(e.heard),
                     e.moves & MovedAdapter
                         ? tr("Moved: the expected line has it at %1 through %2")
                               .arg(ipToText(e.expected.ip), ipToText(e.expected.adapterIp))
                         : tr("Moved: the expected line has it at %1").arg(ipToText(e.expected.ip)));
    for (const LineEntry &e : s.unexpected)
        marks.insert(rowOf(e.heard), e.copiedMac
                                         ? tr("Not in the expected line: it carries the MAC address of "
                                              "one of its cameras, with another serial number")
                                         : tr("Not in the expected line"));
    marks.remove(-1);
    return marks;
}
