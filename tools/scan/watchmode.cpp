#include "scancli.h"
#include "scanreport.h"
#include "watchreport.h"

#include "cameras/conflicts.h"
#include "hostpolicy/hostfacts.h"
#include "platform/networkfacts.h"
#include "report/linereport.h"
#include "report/savefile.h"
#include "watch/watchfeed.h"
#include "watch/watchmetrics.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>

#include <csignal>

namespace {

// Between two writes of the metrics file, however often the cameras change ...
constexpr int MetricsLeastGapMs = 1000;
// ... and at the latest after this long, so that a stale file tells a dead watch from a quiet network.
constexpr int MetricsLongestGapMs = 15000;
// How often an interrupt is looked for.
constexpr int SignalCheckMs = 200;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

// One run of --watch: the feed's events become lines on standard output, and what the watch knows
// the metrics file.
class WatchRun {
public:
    WatchRun(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
             int jumboPacket)
        : o_(o), chosen_(chosen), facts_(gatherNetworkFacts(adapters, platform::systemNetworkFacts())),
          feed_(facts_, datagramSizeFor(jumboPacket)) {
        QObject::connect(&feed_, &WatchFeed::changed, &feed_,
                         [this](const QList<WatchEvent> &events, bool) { report(events); });
        metricsDue_.setSingleShot(true);
        QObject::connect(&metricsDue_, &QTimer::timeout, &feed_, [this] { refreshMetrics(); });
    }

    // False with a message when the metrics file cannot be written: nothing has been sent then.
    bool start(QString *error) {
        // The line's cameras are in the very first write, at 0 until they are heard.
        feed_.expect(lineBehind(o_.expected, chosen_));
        QString why;
        if (!o_.metricsFile.isEmpty() && !writeMetrics(&why)) {
            *error = QStringLiteral("cannot write the metrics file \"%1\": %2").arg(o_.metricsFile, why);
            return false;
        }
        feed_.setTargets(o_.targetAddresses);
        feed_.start(chosen_, o_.rescanMs);
        return true;
    }

private:
    void report(const QList<WatchEvent> &events) {
        for (const WatchEvent &e : events) {
            if (o_.json)
                printTo(stdout,
                        QString::fromUtf8(QJsonDocument(watchEventJson(e)).toJson(QJsonDocument::Compact)) +
                            QLatin1Char('\n'));
            else
                printTo(stdout, watchEventText(e) + QLatin1Char('\n'));
        }
        metricsChanged();
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
                             watchMetricsText(feed_.watch().snapshot(), feed_.watch().facts(),
                                              QString::fromLocal8Bit(chosen_.name),
                                              QDateTime::currentDateTimeUtc()),
                             error);
    }

    const ScanOptions &o_;
    const NetAdapterInfo &chosen_;
    NetworkFacts facts_;
    WatchFeed feed_;
    QTimer metricsDue_;
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
