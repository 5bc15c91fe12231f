#include "networkmodes.h"

#include "doctorreport.h"
#include "scanreport.h"

#include "cameras/conflicts.h"
#include "cameras/diagnosis.h"
#include "cameras/pathprober.h"
#include "cameras/udpcammanager.h"
#include "cameras/watch.h"
#include "net/adapters.h"
#include "net/netfacts.h"
#include "net/udpinterface.h"
#include "platform/networkfacts.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>
#include <QVector>

#include <csignal>

namespace {

// A camera found at the very end of the wait still gets this long to answer its opening requests.
constexpr qint64 AnswerGraceMs = 1000;
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
    QElapsedTimer clock;
    clock.start();
    qint64 lastFound = -AnswerGraceMs;
    QObject::connect(&manager, &UdpCamManager::updateCameraList, &manager,
                     [&] { lastFound = clock.elapsed(); });
    manager.restartDiscovery(&chosen);
    {
        QEventLoop loop;
        QTimer::singleShot(o.waitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const qint64 sinceLast = clock.elapsed() - lastFound;
    if (sinceLast < AnswerGraceMs) {
        QEventLoop loop;
        QTimer::singleShot(int(AnswerGraceMs - sinceLast), &loop, &QEventLoop::quit);
        loop.exec();
    }

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
    const QList<Finding> findings = diagnose(facts, cameras, datagramSize, adapterName);
    bool problem = false;
    for (const Finding &f : findings)
        problem = problem || f.severity == Severity::Problem;

    if (o.json) {
        const QJsonObject out = doctorReportJson(adapterName, facts, manager, cameras, findings);
        printTo(stdout, QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Indented)));
    } else {
        QString text =
            QStringLiteral("Adapter: %1, %2 camera(s) found\n\n").arg(adapterName).arg(manager.cameraCount());
        for (const Finding &f : findings)
            text += findingText(f, cameras) + QLatin1Char('\n');
        printTo(stdout, text + pathNotes(cameras) + findingsSummary(findings));
    }
    return problem ? 1 : 0;
}

int watchMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
              int jumboPacket) {
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    const NetworkFacts facts = gatherNetworkFacts(adapters, platform::systemNetworkFacts());
    CameraWatch watch(facts, datagramSizeFor(jumboPacket));
    UdpCamManager manager;
    // Which replies each listed camera has sent since the last discovery, by notification code.
    QVector<int> replied;

    auto emitEvents = [&](const QList<WatchEvent> &events) {
        for (const WatchEvent &e : events) {
            if (o.json)
                printJsonLine(watchEventJson(e));
            else
                printTo(stdout, watchEventText(e) + QLatin1Char('\n'));
        }
    };
    auto watched = [&](int index) {
        WatchedCamera w;
        const UdpInterface *channel = manager.camera(index);
        if (!channel) return w;
        const int codes = index < replied.size() ? replied.at(index) : 0;
        w.seen = seenCamera(*channel, index);
        w.status = channel->status;
        w.clipCount = channel->clips.size();
        w.nameKnown = codes & (1 << 0);
        w.statusKnown = codes & (1 << 1);
        w.optionsKnown = codes & (1 << 3);
        w.clipsKnown = codes & (1 << 4);
        w.responding = manager.isResponding(index);
        return w;
    };
    auto listing = [&] {
        QList<WatchedCamera> now;
        for (int i = 0; i < manager.cameraCount(); ++i)
            if (manager.camera(i)) now << watched(i);
        return now;
    };

    QObject::connect(&manager, &UdpCamManager::updateCameraList, &manager, [&] {
        const int index = manager.cameraCount() - 1;
        if (replied.size() <= index) replied.resize(index + 1);
        emitEvents(watch.update({watched(index)}, QDateTime::currentDateTimeUtc(), false));
    });
    QObject::connect(&manager, &UdpCamManager::updateCameraStatus, &manager, [&](int index, int what) {
        const UdpInterface *channel = manager.camera(index);
        if (!channel || index >= replied.size() || what < 0 || what > 30) return;
        replied[index] |= 1 << what;
        emitEvents(watch.update({watched(index)}, QDateTime::currentDateTimeUtc(), false));
    });
    QObject::connect(&manager, &UdpCamManager::cameraRespondingChanged, &manager, [&](int index, bool) {
        if (manager.camera(index))
            emitEvents(watch.update({watched(index)}, QDateTime::currentDateTimeUtc(), false));
    });

    bool settled = true;
    QTimer settle;
    settle.setSingleShot(true);
    QObject::connect(&settle, &QTimer::timeout, &manager, [&] {
        settled = true;
        emitEvents(watch.update(listing(), QDateTime::currentDateTimeUtc(), true));
    });
    QObject::connect(&manager, &UdpCamManager::updateCameraList, &settle, [&] {
        if (!settled && settle.remainingTime() < SettleQuietMs) settle.start(SettleQuietMs);
    });
    auto rediscover = [&] {
        replied.clear();
        manager.restartDiscovery(&chosen);
    };
    QTimer rescan;
    QObject::connect(&rescan, &QTimer::timeout, &manager, [&] {
        // A discovery still filling its list when the next begins is judged as it stands.
        if (!settled) {
            settle.stop();
            settled = true;
            emitEvents(watch.update(listing(), QDateTime::currentDateTimeUtc(), true));
        }
        settled = false;
        settle.start(SettleFirstMs);
        rediscover();
    });

    QEventLoop loop;
    QTimer interrupt;
    QObject::connect(&interrupt, &QTimer::timeout, &loop, [&] {
        if (stopRequested) loop.quit();
    });
    interrupt.start(SignalCheckMs);
    if (o.durationMs > 0) QTimer::singleShot(o.durationMs, &loop, &QEventLoop::quit);
    if (o.rescanMs > 0) rescan.start(o.rescanMs);
    rediscover();
    if (!stopRequested) loop.exec();
    return 0;
}
