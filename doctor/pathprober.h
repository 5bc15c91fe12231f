#pragma once

#include "doctor/pathcheck.h"
#include "platform/echoprobe.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

struct SeenCamera;

// One camera to probe: where it is and which local address and adapter it answered through.
struct PathTarget {
    int camera = -1; // its position in the list handed to the check
    quint32 cameraIp = 0;
    quint32 sourceIp = 0;
    unsigned interfaceIndex = 0;
};

// The Standard cameras of a check's list whose paths are worth probing, one per address.
QList<PathTarget> pathTargets(const QList<SeenCamera> &cameras);

// Probes the paths to many cameras at once, each on a worker thread, so that neither the window nor
// the command line waits for an echo. Results and progress arrive as signals in the prober's thread.
class PathProber : public QObject {
    Q_OBJECT
public:
    explicit PathProber(QObject *parent = nullptr);
    // Probes still under way finish on their own; nothing of theirs is delivered any more.
    ~PathProber() override;

    // Probes every target for packets of `needed` bytes; a run still going is cancelled first.
    void start(const QList<PathTarget> &targets, quint32 needed);
    // Stops delivering the current run at once and emits finished(true); its last echoes die out
    // within one timeout.
    void cancel();
    bool isRunning() const { return running_; }
    // What each camera (by its position) has given so far; those never reached stay NotProbed.
    const QHash<int, PathResult> &results() const { return results_; }
    void setProbeTimeout(int ms) { timeoutMs_ = ms; }
    // One echo of `size` bytes to `target`, called on worker threads; the system's by default.
    using Echo = std::function<platform::EchoResult(const PathTarget &target, int size, int timeoutMs)>;
    void setEcho(Echo echo) { echo_ = std::move(echo); }

signals:
    // Probes sent so far against the most a run can send (MaxProbes per camera).
    void progress(int done, int total);
    void cameraProbed(int camera, const PathResult &result);
    void finished(bool cancelled);

private:
    struct Run;
    void probeSent(int camera);
    void cameraDone(int camera, const PathResult &result);

    std::shared_ptr<Run> run_;
    Echo echo_;
    QHash<int, PathResult> results_;
    QHash<int, int> sent_;
    int done_ = 0, total_ = 0, pending_ = 0;
    quint64 runs_ = 0;
    int timeoutMs_ = 300;
    bool running_ = false;
};
