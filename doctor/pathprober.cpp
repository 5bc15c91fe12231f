#include "pathprober.h"

#include "diagnosis.h"

#include "net/udpinterface.h"

#include <QMetaObject>
#include <QMutex>
#include <QRunnable>
#include <QThreadPool>

#include <atomic>

namespace {

// Cameras probed at the same time; the rest wait for a free thread.
constexpr int ParallelProbes = 32;

// Threads of their own, so that a hundred cameras neither wait for nor starve the global pool. At exit
// the pool waits for the last echo, which takes at most one timeout.
QThreadPool &probeThreads() {
    static QThreadPool pool;
    pool.setMaxThreadCount(ParallelProbes);
    return pool;
}

} // namespace

// What the workers of one run share with the prober: the prober is detached when the run is
// cancelled or the prober goes, so that late results land nowhere.
struct PathProber::Run {
    QMutex lock;
    PathProber *owner = nullptr;
    quint64 id = 0;
    std::atomic<bool> cancelled{false};

    // What is still queued when a new run starts belongs to the old one and is dropped on arrival.
    template <class F> void deliver(F f) {
        QMutexLocker hold(&lock);
        if (PathProber *to = owner)
            QMetaObject::invokeMethod(
                to,
                [to, f, id = id] {
                    if (to->run_ && to->run_->id == id) f(to);
                },
                Qt::QueuedConnection);
    }
    void detach() {
        cancelled = true;
        QMutexLocker hold(&lock);
        owner = nullptr;
    }
};

QList<PathTarget> pathTargets(const QList<SeenCamera> &cameras) {
    QList<PathTarget> targets;
    QList<quint32> seen;
    for (int i = 0; i < cameras.size(); ++i) {
        const UdpCamInfo &info = cameras.at(i).info;
        if (isAdvanced(info) || info.cameraIp == 0 || seen.contains(info.cameraIp)) continue;
        seen << info.cameraIp;
        PathTarget t;
        t.camera = i;
        t.cameraIp = info.cameraIp;
        t.sourceIp = info.adapterIp;
        t.interfaceIndex = unsigned(qMax(0, interfaceIndexOf(info.adapterIp)));
        targets << t;
    }
    return targets;
}

PathProber::PathProber(QObject *parent)
    : QObject(parent), echo_([](const PathTarget &t, int size, int timeoutMs) {
          return platform::echoUnfragmented(t.cameraIp, t.sourceIp, t.interfaceIndex, size, timeoutMs);
      }) {}

PathProber::~PathProber() {
    if (run_) run_->detach();
}

void PathProber::start(const QList<PathTarget> &targets, quint32 needed) {
    if (running_) cancel();
    run_ = std::make_shared<Run>();
    run_->owner = this;
    run_->id = ++runs_;
    results_.clear();
    sent_.clear();
    done_ = 0;
    total_ = targets.size() * PathSearch::MaxProbes;
    pending_ = targets.size();
    running_ = true;
    emit progress(0, total_);
    if (targets.isEmpty() || needed == 0) {
        running_ = false;
        emit finished(false);
        return;
    }
    const int timeout = timeoutMs_;
    const Echo echo = echo_;
    for (const PathTarget &t : targets) {
        const std::shared_ptr<Run> run = run_;
        probeThreads().start(QRunnable::create([run, t, needed, timeout, echo] {
            PathSearch search(needed);
            PathResult result;
            while (const quint32 size = search.next()) {
                if (run->cancelled) return;
                const platform::EchoResult answer = echo(t, int(size), timeout);
                if (answer == platform::EchoResult::Unavailable) {
                    result.state = PathResult::Unavailable;
                    break;
                }
                search.record(answer == platform::EchoResult::Answered);
                run->deliver([camera = t.camera](PathProber *owner) { owner->probeSent(camera); });
            }
            if (result.state != PathResult::Unavailable) result = search.result();
            run->deliver(
                [camera = t.camera, result](PathProber *owner) { owner->cameraDone(camera, result); });
        }));
    }
}

void PathProber::cancel() {
    if (!running_) return;
    run_->detach();
    run_.reset();
    running_ = false;
    emit finished(true);
}

void PathProber::probeSent(int camera) {
    ++sent_[camera];
    emit progress(++done_, total_);
}

void PathProber::cameraDone(int camera, const PathResult &result) {
    results_.insert(camera, result);
    // A camera settled in fewer probes than it might have needed counts as complete.
    done_ += PathSearch::MaxProbes - sent_.value(camera);
    emit progress(done_, total_);
    emit cameraProbed(camera, result);
    if (--pending_ == 0) {
        running_ = false;
        emit finished(false);
    }
}
