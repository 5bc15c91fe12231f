// The window at scale, run inside a namespace lab (scripts/bench-discovery sets it up): the main window
// as the program makes it, on the offscreen platform, discovering the simulated cameras. Prints one JSON
// line: when the last row appeared after the window started discovery, and the longest time the event
// loop was held while the rows came (a 1 ms timer's largest gap), apart from the window's own start.
//   bench_window --expect N
#include "app/qvxapplication.h"
#include "options.h"
#include "ui/mainwindow.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv) {
    // The window broadcasts the moment it is made: only inside the lab.
    if (qEnvironmentVariableIsEmpty("VARNIX_LAB_APPNS")) {
        std::fprintf(stderr, "bench_window: runs only inside the namespace lab\n");
        return 2;
    }
    QTemporaryDir settings; // never the user's settings
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QVXApplication app(argc, argv);
    app.initialize();
    const int expect = intOption(app.arguments(), "--expect", 10);

    QElapsedTimer clock;
    qint64 lastTickMs = 0, lastRowMs = -1;
    // The longest gap before the first row (the window making and first painting itself) and after it.
    qint64 startupBlockMs = 0, listingBlockMs = 0;
    const QListWidget *rows = nullptr;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        qint64 &longest = rows && rows->count() > 0 ? listingBlockMs : startupBlockMs;
        longest = qMax(longest, clock.elapsed() - lastTickMs);
        lastTickMs = clock.elapsed();
    });
    clock.start();
    tick.start(1);
    MainWindow window;
    window.show();
    rows = window.findChild<QListWidget *>(QStringLiteral("camList"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (rows->count() >= expect && lastRowMs < 0) lastRowMs = clock.elapsed();
        if (lastRowMs >= 0 || clock.elapsed() > 15000) app.quit();
    });
    poll.start(5);
    app.exec();
    const QJsonObject out{{"window", true},
                          {"cameras", expect},
                          {"rows", rows->count()},
                          {"lastRowMs", lastRowMs},
                          {"longestBlockMs", listingBlockMs},
                          {"startupBlockMs", startupBlockMs}};
    std::printf("%s\n", QJsonDocument(out).toJson(QJsonDocument::Compact).constData());
    return rows->count() == expect ? 0 : 1;
}
