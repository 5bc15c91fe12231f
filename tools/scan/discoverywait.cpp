#include "discoverywait.h"

#include "cameras/udpcammanager.h"
#include "net/udpinterface.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
// A camera found later than this after the one before is unlikely; a network that loses replies
// shows it in the discovery rounds instead, and then the scan listens to the end.
constexpr int QuietMs = 500;
// With no camera at all, the discovery rounds of the first second are waited for first.
constexpr int NothingFoundMs = 1250;
constexpr int CheckEveryMs = 20;

bool complete(const UdpCamManager &manager) {
    if (manager.openingsUnderWay() || !manager.latestRoundAnswered()) return false;
    return camerasShort(manager) == 0;
}
} // namespace

int camerasShort(const UdpCamManager &manager) {
    int n = 0;
    for (int i = 0; i < manager.cameraCount(); ++i)
        n += UdpCamManager::toldAll(*manager.camera(i)) ? 0 : 1;
    return n;
}

QString shortNote(const UdpCamManager &manager) {
    const int n = camerasShort(manager);
    if (n == 0) return QString();
    return QStringLiteral("%1 of %2 camera(s) did not answer in time; shown with what they told.\n")
        .arg(n)
        .arg(manager.cameraCount());
}

void listenForCameras(UdpCamManager &manager, const ScanOptions &options, int graceMs,
                      const std::function<bool()> &awaited) {
    QEventLoop loop;
    // Precise: a coarse timer may end a wait of 3500 ms up to 175 ms early or late.
    QTimer::singleShot(options.waitMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    QElapsedTimer clock, sinceNew;
    clock.start();
    sinceNew.start();
    QObject::connect(&manager.enumerator, &UdpEnumerator::cameraDetected, &loop, [&] { sinceNew.start(); });
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        const bool nothing = manager.cameraCount() == 0 && !manager.openingsUnderWay();
        if (sinceNew.elapsed() >= QuietMs && (!nothing || clock.elapsed() >= NothingFoundMs) &&
            complete(manager) && !(awaited && awaited()))
            loop.quit();
    });
    if (!options.waitGiven) check.start(CheckEveryMs);
    loop.exec();
    // A camera found at the very end still gets a while to answer its opening requests.
    const qint64 rest = graceMs - sinceNew.elapsed();
    if (rest > 0 && !complete(manager)) {
        QEventLoop grace;
        QTimer::singleShot(int(rest), &grace, &QEventLoop::quit);
        grace.exec();
    }
    manager.listOpeningsNow();
}
