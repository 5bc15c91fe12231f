#include "doctor/networkcheck.h"

#include "cameras/udpcammanager.h"
#include "doctor/pathprober.h"
#include "platform/networkfacts.h"

#include <QThread>

#include <algorithm>
#include <memory>

QList<SeenCamera> seenCameras(const UdpCamManager &manager) {
    QList<SeenCamera> cameras;
    for (const CameraSnapshot &c : heardSnapshots(manager)) {
        SeenCamera seen;
        static_cast<CameraSnapshot &>(seen) = c;
        cameras << seen;
    }
    return cameras;
}

NetworkCheckInput networkCheckInput(const UdpCamManager &manager, const NetAdapterInfo &chosen,
                                    const QList<NetAdapterInfo> &adapters, quint32 datagramSize) {
    NetworkCheckInput in;
    in.adapter = QString::fromLocal8Bit(chosen.name);
    in.adapters = adapters;
    in.datagramSize = datagramSize;
    in.cameras = seenCameras(manager);
    in.impossibleSenders = manager.impossibleSenders();
    return in;
}

void orderFindings(QList<Finding> &findings) {
    std::stable_partition(findings.begin(), findings.end(),
                          [](const Finding &f) { return f.severity == Severity::Problem; });
}

NetworkCheck::NetworkCheck(QObject *parent)
    : QObject(parent), facts_([](const QList<NetAdapterInfo> &adapters) {
          return gatherNetworkFacts(adapters, platform::systemNetworkFacts());
      }),
      prober_(new PathProber(this)) {
    connect(prober_, &PathProber::progress, this, [this](int done, int total) {
        if (running_) emit progress(done, total);
    });
    connect(prober_, &PathProber::finished, this, [this] {
        if (running_) stepDone();
    });
}

void NetworkCheck::start(const NetworkCheckInput &input) {
    const quint64 id = ++runId_;
    input_ = input;
    haveFacts_ = false;
    cancelled_ = false;
    running_ = true;
    emit stageChanged(GatheringFacts);
    emit progress(0, 0);
    // The Linux facts read files and run nft: a worker does it, and the result of a check that was
    // started again meanwhile falls.
    auto gathered = std::make_shared<NetworkFacts>();
    QThread *worker = QThread::create(
        [gathered, source = facts_, adapters = input.adapters] { *gathered = source(adapters); });
    connect(worker, &QThread::finished, this, [this, id, gathered] {
        if (id != runId_ || !running_) return;
        gathered_ = *gathered;
        haveFacts_ = true;
        stepDone();
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
    // Without a datagram size of its own there is no size to carry along the path.
    prober_->start(input.datagramSize > 0 ? pathTargets(input.cameras) : QList<PathTarget>(),
                   pathPacketSize(input.datagramSize));
}

void NetworkCheck::cancel() {
    if (!running_ || !prober_->isRunning()) return;
    cancelled_ = true;
    prober_->cancel();
}

void NetworkCheck::stepDone() {
    if (!haveFacts_) return;
    if (prober_->isRunning()) {
        emit stageChanged(ProbingPaths);
        return;
    }
    finish();
}

void NetworkCheck::finish() {
    NetworkCheckResult r;
    r.adapter = input_.adapter;
    r.cameras = input_.cameras;
    for (auto it = prober_->results().constBegin(); it != prober_->results().constEnd(); ++it)
        if (it.key() >= 0 && it.key() < r.cameras.size()) r.cameras[it.key()].path = it.value();
    r.findings = diagnose(gathered_, r.cameras, input_.datagramSize, r.adapter) +
                 impossibleSourceFindings(input_.impossibleSenders);
    orderFindings(r.findings);
    r.unreadable = gathered_.unreadable;
    r.probeCancelled = cancelled_;
    r.facts = gathered_;
    result_ = r;
    running_ = false;
    emit finished();
}
