#include "networkmodes.h"

#include "discoverywait.h"
#include "doctorreport.h"
#include "scanreport.h"

#include "cameras/conflicts.h"
#include "cameras/diagnosis.h"
#include "cameras/pathprober.h"
#include "cameras/savefile.h"
#include "cameras/udpcammanager.h"
#include "cameras/watch.h"
#include "cameras/watchmetrics.h"
#include "net/adapters.h"
#include "net/netfacts.h"
#include "net/udpinterface.h"
#include "platform/networkfacts.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QJsonDocument>
#include <QTimer>

#include <csignal>

namespace {

// A camera found at the very end of the wait still gets this long to answer its opening requests.
constexpr int AnswerGraceMs = 1000;
// After a rediscovery, the result counts as complete once nothing new came for this long, and not
// before the first status poll could have gone out.
constexpr int SettleQuietMs = 1500;
constexpr int SettleFirstMs = 3500;
// How often an interrupt is looked for.
constexpr int SignalCheckMs = 200;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void printJsonLine(const QJsonObject &o) {
    printTo(stdout, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
}

SeenCamera seenCamera(const UdpInterface &channel, int index) {
    SeenCamera c;
    c.index = index;
    c.info = channel.camInfo;
    c.name = channel.cameraName;
    return c;
}

} // namespace

int doctorMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
               int jumboPacket) {
    UdpCamManager manager;
    manager.restartDiscovery(&chosen);
    listenForCameras(manager, o, AnswerGraceMs);

    QList<SeenCamera> cameras = seenCameras(manager);
    const quint32 datagramSize = datagramSizeFor(jumboPacket);
    if (datagramSize > 0) {
        PathProber prober;
        QEventLoop loop;
        QObject::connect(&prober, &PathProber::finished, &loop, &QEventLoop::quit);
        prober.start(pathTargets(cameras), pathPacketSize(datagramSize));
        if (prober.isRunning()) loop.exec();
        for (auto it = prober.results().constBegin(); it != prober.results().constEnd(); ++it)
            cameras[it.key()].path = it.value();
    }

    const NetworkFacts facts = gatherNetworkFacts(adapters, platform::systemNetworkFacts());
    const QString adapterName = QString::fromLocal8Bit(chosen.name);
    const QList<Finding> findings = diagnose(facts, cameras, datagramSize, adapterName) +
                                    impossibleSourceFindings(manager.impossibleSenders());
    bool problem = false;
    for (const Finding &f : findings)
        problem = problem || f.severity == Severity::Problem;

    if (o.json) {
        const QJsonObject out = doctorReportJson(adapterName, facts, manager, cameras, findings);
        printTo(stdout, QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Indented)));
    } else {
        QString text =
            QStringLiteral("Adapter: %1, %2 camera(s) found\n\n").arg(adapterName).arg(manager.cameraCount());
        text += shortNote(manager);
        if (!facts.unreadable.isEmpty())
            text += QStringLiteral("Not readable here, so not checked: %1.\n\n")
                        .arg(facts.unreadable.join(QLatin1String("; ")));
        for (const Finding &f : findings)
            text += findingText(f, cameras) + QLatin1Char('\n');
        printTo(stdout, text + pathNotes(cameras) + findingsSummary(findings));
    }
    return problem ? 1 : 0;
}

namespace {

// Between two writes of the metrics file, however often the cameras change ...
constexpr int MetricsLeastGapMs = 1000;
// ... and at the latest after this long, so that a stale file tells a dead watch from a quiet network.
constexpr int MetricsLongestGapMs = 15000;

// One run of --watch: the manager's notifications become listings for the watch, its events lines on
// standard output, and what it knows the metrics file.
class WatchRun {
public:
    WatchRun(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
             int jumboPacket)
        : o_(o), chosen_(chosen), facts_(gatherNetworkFacts(adapters, platform::systemNetworkFacts())),
          watch_(facts_, datagramSizeFor(jumboPacket)) {
        QObject::connect(&manager_, &UdpCamManager::updateCameraList, &manager_, [this] { cameraListed(); });
        QObject::connect(&manager_, &UdpCamManager::updateCameraStatus, &manager_,
                         [this](int index, int what) { cameraReplied(index, what); });
        QObject::connect(&manager_, &UdpCamManager::cameraRespondingChanged, &manager_,
                         [this](int index, bool) { cameraRespondingChanged(index); });
        settle_.setSingleShot(true);
        QObject::connect(&settle_, &QTimer::timeout, &manager_, [this] { discoverySettled(); });
        QObject::connect(&rescan_, &QTimer::timeout, &manager_, [this] { rescanDue(); });
        metricsDue_.setSingleShot(true);
        QObject::connect(&metricsDue_, &QTimer::timeout, &manager_, [this] { refreshMetrics(); });
    }

    // False with a message when the metrics file cannot be written: nothing has been sent then.
    bool start(QString *error) {
        QString why;
        if (!o_.metricsFile.isEmpty() && !writeMetrics(&why)) {
            *error = QStringLiteral("cannot write the metrics file \"%1\": %2").arg(o_.metricsFile, why);
            return false;
        }
        if (o_.rescanMs > 0) rescan_.start(o_.rescanMs);
        // The first discovery is judged like every later one, so that the file tells when it ended.
        rescanDue();
        return true;
    }

private:
    void report(const QList<WatchEvent> &events, bool complete = false) {
        for (const WatchEvent &e : events) {
            if (o_.json)
                printJsonLine(watchEventJson(e));
            else
                printTo(stdout, watchEventText(e) + QLatin1Char('\n'));
        }
        if (!events.isEmpty() || complete) metricsChanged();
    }
    void updateOne(int index) {
        report(watch_.update({watched(index)}, QDateTime::currentDateTimeUtc(), false));
    }

    WatchedCamera watched(int index) const {
        WatchedCamera w;
        const UdpInterface *channel = manager_.camera(index);
        if (!channel) return w;
        const int codes = replied_.value(channel);
        w.seen = seenCamera(*channel, index);
        w.status = channel->status;
        w.clipCount = channel->clips.size();
        w.nameKnown = codes & (1 << UdpInterface::NameChanged);
        w.statusKnown = codes & (1 << UdpInterface::StatusChanged);
        w.optionsKnown = codes & (1 << UdpInterface::OptionsChanged);
        w.clipsKnown = codes & (1 << UdpInterface::ClipsChanged);
        w.responding = manager_.isResponding(index);
        return w;
    }
    QList<WatchedCamera> listing() const {
        QList<WatchedCamera> now;
        for (int i = 0; i < manager_.cameraCount(); ++i)
            if (manager_.camera(i)) now << watched(i);
        return now;
    }

    void cameraListed() {
        // One listing may bring several cameras.
        while (listedCount_ < manager_.cameraCount())
            updateOne(listedCount_++);
        if (!settled_ && settle_.remainingTime() < SettleQuietMs) settle_.start(SettleQuietMs);
    }
    void cameraReplied(int index, int what) {
        const UdpInterface *channel = manager_.camera(index);
        if (!channel || what < 0 || what > 30) return;
        replied_[channel] |= 1 << what;
        updateOne(index);
    }
    void cameraRespondingChanged(int index) {
        if (manager_.camera(index)) updateOne(index);
    }

    void discoverySettled() {
        settled_ = true;
        // Cameras that did not answer this discovery are lost; found again later, they are new.
        manager_.forgetUnseen();
        listedCount_ = manager_.cameraCount();
        QHash<const UdpInterface *, int> kept;
        for (int i = 0; i < manager_.cameraCount(); ++i)
            kept.insert(manager_.camera(i), replied_.value(manager_.camera(i)));
        replied_ = kept;
        report(watch_.update(listing(), QDateTime::currentDateTimeUtc(), true), true);
    }
    void rescanDue() {
        // A discovery still filling its list when the next begins is judged as it stands.
        if (!settled_) {
            settle_.stop();
            discoverySettled();
        }
        settled_ = false;
        settle_.start(SettleFirstMs);
        rediscover();
    }
    // The first discovery starts from nothing; a rescan asks again and keeps the cameras it
    // finds again, with all they have told and the polls they left unanswered.
    void rediscover() {
        if (started_) {
            manager_.rediscover(&chosen_);
            return;
        }
        started_ = true;
        manager_.restartDiscovery(&chosen_);
    }

    void metricsChanged() {
        if (o_.metricsFile.isEmpty()) return;
        const qint64 rest = MetricsLeastGapMs - sinceWritten_.elapsed();
        if (rest <= 0)
            refreshMetrics();
        else if (metricsDue_.remainingTime() > rest)
            metricsDue_.start(int(rest));
    }
    void refreshMetrics() {
        QString error;
        const bool ok = writeMetrics(&error);
        // Said once when writing starts to fail, not on every attempt.
        if (!ok && !failing_)
            printTo(stderr, QStringLiteral("varnix-scan: cannot write %1: %2\n").arg(o_.metricsFile, error));
        failing_ = !ok;
    }
    // Atomically: readers see the old file or the new one, never half of one.
    bool writeMetrics(QString *error) {
        sinceWritten_.start();
        metricsDue_.start(MetricsLongestGapMs);
        return saveWholeFile(o_.metricsFile,
                             watchMetricsText(watch_.snapshot(), facts_, QString::fromLocal8Bit(chosen_.name),
                                              QDateTime::currentDateTimeUtc()),
                             error);
    }

    const ScanOptions &o_;
    const NetAdapterInfo &chosen_;
    NetworkFacts facts_;
    CameraWatch watch_;
    UdpCamManager manager_;
    // Which replies each listed camera has sent since it was found, by notification code.
    QHash<const UdpInterface *, int> replied_;
    int listedCount_ = 0;
    bool started_ = false;
    bool settled_ = true;
    QTimer settle_, rescan_, metricsDue_;
    QElapsedTimer sinceWritten_;
    bool failing_ = false;
};

} // namespace

int watchMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
              int jumboPacket) {
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    WatchRun run(o, adapters, chosen, jumboPacket);
    QString error;
    if (!run.start(&error)) {
        printTo(stderr, QStringLiteral("varnix-scan: %1\n").arg(error));
        return 2;
    }
    QEventLoop loop;
    QTimer interrupt;
    QObject::connect(&interrupt, &QTimer::timeout, &loop, [&] {
        if (stopRequested) loop.quit();
    });
    interrupt.start(SignalCheckMs);
    if (o.durationMs > 0) QTimer::singleShot(o.durationMs, &loop, &QEventLoop::quit);
    if (!stopRequested) loop.exec();
    return 0;
}
