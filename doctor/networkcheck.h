#pragma once

#include "doctor/diagnosis.h"
#include "hostpolicy/hostfacts.h"
#include "net/adapters.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class PathProber;
class UdpCamManager;

// What a network check works on, taken when it starts, so that the network may change meanwhile.
struct NetworkCheckInput {
    QString adapter;                // the adapter's name; "" or the all-adapters name for every adapter
    QList<NetAdapterInfo> adapters; // the system's adapters, without the all-adapters entry
    quint32 datagramSize = 0;       // the cameras' datagram size; 0 ("Optimal") probes no path
    QList<SeenCamera> cameras;      // as seenCameras() gives them
    QList<quint32> impossibleSenders;
};

// The listed cameras of `manager` as the checks see them, then the ones hidden behind another at their
// address. A camera counts as answering once a name, option or status reply came on its channel.
QList<SeenCamera> seenCameras(const UdpCamManager &manager);

// The input for the cameras `manager` lists now, through `chosen` at `datagramSize`.
NetworkCheckInput networkCheckInput(const UdpCamManager &manager, const NetAdapterInfo &chosen,
                                    const QList<NetAdapterInfo> &adapters, quint32 datagramSize);

struct NetworkCheckResult {
    QString adapter;
    QList<SeenCamera> cameras; // with what the path probe found for each
    QList<Finding> findings;   // problems first, then warnings, each in the order the checks found them
    QList<UnreadableFact> unreadable; // what the system would not tell this program
    bool probeCancelled = false;
    NetworkFacts facts; // what the system told, for the report
};

// The whole network check: the system's facts gathered on a worker thread and the paths to the
// cameras probed meanwhile, then the findings. Neither the window nor the command line
// waits for it; the command line runs an event loop until it is finished.
class NetworkCheck : public QObject {
    Q_OBJECT
public:
    enum Stage { GatheringFacts, ProbingPaths };
    Q_ENUM(Stage)

    explicit NetworkCheck(QObject *parent = nullptr);

    // Starts a check, dropping one under way.
    void start(const NetworkCheckInput &input);
    // Stops probing the paths: the check ends with what it has, the paths not probed said so.
    void cancel();
    bool isRunning() const { return running_; }
    const NetworkCheckResult &result() const { return result_; }

    // Where the facts come from; the running system's by default. Called on a worker thread.
    using FactSource = std::function<NetworkFacts(const QList<NetAdapterInfo> &adapters)>;
    void setFactSource(FactSource source) { facts_ = std::move(source); }
    PathProber *prober() const { return prober_; }

signals:
    void stageChanged(NetworkCheck::Stage stage);
    // Probes sent against the most the run can send; total 0 while that is not known.
    void progress(int done, int total);
    void finished();

private:
    void stepDone();
    void finish();

    FactSource facts_;
    PathProber *prober_;
    NetworkCheckInput input_;
    NetworkFacts gathered_;
    NetworkCheckResult result_;
    quint64 runId_ = 0;
    bool running_ = false, haveFacts_ = false, cancelled_ = false;
};

// Problems before warnings, each kind in the order found: how every front lists findings.
void orderFindings(QList<Finding> &findings);
