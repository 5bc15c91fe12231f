// Soak: discovery restarted every few seconds against a churning camera network, for a bounded
// time. Fails when a cycle finds fewer cameras than expected or when the live heap grows from one
// restart to the next. Leaks are left to LeakSanitizer in the sanitizer build.
//   soak_driver --expect N [--seconds S] [--restart-ms MS]
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/udpinterface.h"
#include "options.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <malloc.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VARNIX_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VARNIX_ASAN 1
#endif
#ifdef VARNIX_ASAN
// Live heap bytes as the sanitizer's allocator counts them (exported by its runtime).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {
qint64 liveHeapBytes() {
#ifdef VARNIX_ASAN
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int expect = intOption(args, "--expect", 100);
    const int seconds = intOption(args, "--seconds", 600);
    const int restartMs = intOption(args, "--restart-ms", 5000);

    UdpCamManager manager;
    const NetAdapterInfo all = allAdaptersEntry();

    QList<qint64> heap;
    int cycles = 0, shortCycles = 0, notifications = 0;
    QObject::connect(&manager, &UdpCamManager::updateCameraStatus, [&](int index, int) {
        ++notifications;
        if (index < 0 || index >= manager.cameraCount()) {
            std::fprintf(stderr, "soak: notification for index %d with %d cameras\n", index,
                         manager.cameraCount());
            ::exit(3);
        }
    });

    QElapsedTimer clock;
    clock.start();
    auto restart = [&] {
        if (cycles > 0) {
            const int found = manager.cameraCount();
            heap.append(liveHeapBytes());
            if (found < expect) ++shortCycles;
            std::printf("cycle %d: %d cameras, live heap %lld bytes, %d notifications, t=%llds\n", cycles,
                        found, static_cast<long long>(heap.last()), notifications,
                        static_cast<long long>(clock.elapsed() / 1000));
            std::fflush(stdout);
        }
        ++cycles;
        manager.restartDiscovery(&all);
    };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, restart);
    timer.start(restartMs);
    restart();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();

    // Compare like with like: the heap at the end of the later cycles against an early one.
    bool grew = false;
    if (heap.size() >= 4) {
        const qint64 early = heap.at(1);
        const qint64 late = heap.last();
        grew = late > early + early / 10 + (1 << 20);
        std::printf("live heap: cycle 2 %lld bytes, last %lld bytes\n", static_cast<long long>(early),
                    static_cast<long long>(late));
    }
    std::printf("soak: %d cycles, %d short, %d notifications, heap %s\n", cycles, shortCycles, notifications,
                grew ? "GREW" : "steady");
    return (grew || shortCycles > 0 || cycles < 3) ? 1 : 0;
}
