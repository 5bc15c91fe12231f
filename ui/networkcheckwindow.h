#pragma once

#include "cameras/diagnosis.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QWidget>

class MainWindow;
class PathProber;
class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// The network check beside the main window: the command line's checks on the cameras the main window
// lists, through its adapter and at its datagram size. What the system knows is gathered on a worker
// thread, so that neither window waits for it.
class NetworkCheckWindow : public QWidget {
    Q_OBJECT
public:
    explicit NetworkCheckWindow(MainWindow *main);

    // Starts a check, cancelling one under way; the findings replace the last ones when it ends.
    void runCheck();
    // Stops probing the paths: the check ends with what it has, the paths not probed said so.
    void cancelCheck();
    bool isChecking() const { return checking; }
    const QList<Finding> &findings() const { return shown; }

    // The report of the last check: the command line's doctor report plus "version", "os" and "time".
    QJsonObject report() const;
    void copyReport();
    void saveReport();
    // "varnix-network-check-<date>.json"
    static QString defaultReportName(const QDate &date);

    QLabel *summary;
    QProgressBar *progress;
    QPushButton *btnCancel, *btnAgain, *btnCopy, *btnSave;
    QWidget *findingList; // one frame per finding, in the order shown
    PathProber *prober;

signals:
    void checkFinished();

private:
    void stepDone();
    void finishCheck();
    void showFindings();
    QWidget *findingFrame(const Finding &finding);
    void setChecking(bool on);
    // The row of the camera the check saw at position `seen`, in the main list as it is now; -1 when gone.
    int rowOf(int seen) const;
    void selectCamera(int seen);
    void moveCamera(const Finding &finding);

    MainWindow *main;
    quint64 runId = 0;
    bool checking = false;
    // What the check in progress works on, taken from the main window when it starts.
    QList<SeenCamera> cameras;
    QString adapter;
    quint32 datagramSize = 0;
    bool haveFacts = false;
    NetworkFacts facts;
    bool probeCancelled = false;
    // The last check's result.
    QList<Finding> shown;
    QList<UnreadableFact> unreadable; // what the system would not tell this program
    QJsonObject lastReport;
    QVBoxLayout *findingLayout;
};
