#pragma once

#include "doctor/networkcheck.h"
#include "report/expectedline.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// The network check beside the main window: it runs a NetworkCheck on what it is given and shows the
// findings. What it would do to the cameras (select one, move one) it asks for by signals.
class NetworkCheckWindow : public QWidget {
    Q_OBJECT
public:
    explicit NetworkCheckWindow(QWidget *parent = nullptr);

    // Starts a check, cancelling one under way; the findings replace the last ones when it ends.
    void runCheck(const NetworkCheckInput &input);
    // The line the cameras of the next checks are judged against, as `scanned` hears it; none without
    // cameras.
    void setExpectedLine(const ExpectedLine &line, const NetAdapterInfo &scanned);
    // Stops probing the paths: the check ends with what it has, the paths not probed said so.
    void cancelCheck();
    bool isChecking() const { return check->isRunning(); }
    // Shows the result of a check: the window's own when it ends, or one made elsewhere.
    void showResult(const NetworkCheckResult &result);
    const QList<Finding> &findings() const { return shown.findings; }

    // The report of the last check: the command line's doctor report plus "version", "os" and "time".
    QJsonObject report() const { return lastReport; }
    void copyReport();
    void saveReport();
    // "varnix-network-check-<date>.json"
    static QString defaultReportName(const QDate &date);

    QLabel *summary;
    QProgressBar *progress;
    QPushButton *btnCancel, *btnAgain, *btnCopy, *btnSave;
    QWidget *findingList; // one frame per finding, in the order shown
    NetworkCheck *check;

signals:
    void checkFinished();
    // "Check again": whoever owns the cameras hands a new input to runCheck.
    void checkRequested();
    // A camera of a finding, as the check saw it: to be selected in the camera list, or given a new
    // address and mask.
    void selectCameraRequested(const UdpCamInfo &camera);
    void moveCameraRequested(const UdpCamInfo &camera, quint32 address, quint32 mask);
    // The user asks for new addresses for every camera that shares one or lies outside its subnet.
    void assignAddressesRequested();

private:
    void showFindings();
    QWidget *findingFrame(const Finding &finding);
    void setChecking(bool on);

    NetworkCheckResult shown;
    ExpectedLine line_;
    NetAdapterInfo scanned_;
    QJsonObject lastReport;
    QVBoxLayout *findingLayout;
};
