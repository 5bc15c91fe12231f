// Discovery at scale, run inside a namespace lab (scripts/bench-discovery sets it up):
// how many cameras the first discovery finds, how long until the last one is listed against the
// goal of one second (each camera's opening takes two 80 ms pauses, side by side with the others), the
// longest time the event loop was held while they were opened, the CPU used while idle-polling and the
// peak memory. Prints one JSON line.
//   bench_discovery --expect N [--idle-ms MS] [--rcvbuf BYTES]
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/datagrams.h"
#include "net/udpinterface.h"
#include "options.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <sys/resource.h>

namespace {
qint64 cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return qint64(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000;
}
long peakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int expect = intOption(args, "--expect", 10);
    const int idleMs = intOption(args, "--idle-ms", 10000);
    const int rcvbuf = intOption(args, "--rcvbuf", 0); // 0: as the program sets it

    UdpCamManager manager;
    QElapsedTimer clock;
    qint64 lastListedMs = -1;
    QObject::connect(&manager, &UdpCamManager::updateCameraList, [&] { lastListedMs = clock.elapsed(); });
    // When every camera expected has told its name.
    qint64 allNamedMs = -1;
    QObject::connect(&manager, &UdpCamManager::updateCameraStatus, [&](int, int what) {
        if (what != UdpInterface::NameChanged || allNamedMs >= 0 || manager.cameraCount() < expect) return;
        for (int i = 0; i < manager.cameraCount(); ++i)
            if (manager.camera(i)->cameraName.isEmpty()) return;
        allNamedMs = clock.elapsed();
    });

    // A window that stops handling events for seconds looks hung; a 1 ms tick measures the longest
    // stretch without one while the list fills.
    qint64 lastTickMs = 0, longestBlockMs = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestBlockMs = qMax(longestBlockMs, clock.elapsed() - lastTickMs);
        lastTickMs = clock.elapsed();
    });
    tick.start(1);

    // The manager's restart, step by step, so that a receive buffer size can be imposed between
    // binding and broadcasting.
    clock.start();
    manager.enumerator.accepting = false;
    manager.enumerator.openAll(Proto::DiscoveryBasePort);
    if (rcvbuf > 0)
        for (const DiscoverySocket &s : manager.enumerator.sockets)
            s.port->setReceiveBufferBytes(rcvbuf);
    manager.startDiscoveryRounds();

    // Wait for the list to fill, with room beyond the goal.
    const qint64 bound = 1000;
    QTimer poll;
    poll.start(50);
    QEventLoop loop;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (manager.cameraCount() >= expect || clock.elapsed() > bound + 15000) loop.quit();
    });
    loop.exec();
    tick.stop();
    poll.stop(); // it would end the idle wait below at its next tick
    const int found = manager.cameraCount();
    const qint64 listedMs = lastListedMs;

    // Idle polling: nothing new to find, the poll timer keeps asking the Standard cameras.
    const qint64 cpu0 = cpuMs();
    QElapsedTimer idle;
    idle.start();
    QTimer::singleShot(idleMs, &loop, &QEventLoop::quit);
    loop.exec();
    const double idleCpu = 100.0 * double(cpuMs() - cpu0) / double(idle.elapsed());

    int named = 0;
    for (int i = 0; i < found; ++i)
        named += manager.camera(i)->cameraName.isEmpty() ? 0 : 1;

    QJsonObject out{{"cameras", expect},
                    {"found", found},
                    {"named", named},
                    {"allNamedMs", allNamedMs},
                    {"lastListedMs", listedMs},
                    {"goalMs", bound},
                    {"withinGoal", listedMs >= 0 && listedMs <= bound},
                    {"longestBlockMs", longestBlockMs},
                    {"idleCpuPercent", qRound(idleCpu * 100) / 100.0},
                    {"peakRssKiB", qint64(peakKiB())},
                    {"rcvbuf", rcvbuf}};
    printf("%s\n", QJsonDocument(out).toJson(QJsonDocument::Compact).constData());
    return found == expect ? 0 : 1;
}
