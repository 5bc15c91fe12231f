#pragma once

// What the window tests share: a settings store of their own, the list's row texts and a hand that
// closes modal boxes. (Each test source includes "ui_mainwindow.h" itself, so that AUTOUIC makes it.)
#include "app/qvxapplication.h"
#include "cameras/qlistitemlabel.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <sys/stat.h>

// Whether this process runs in the lab's app namespace (netlab.sh names it): anywhere else the window
// would broadcast on the machine's real interfaces.
inline bool inLabNamespace() {
    struct stat own = {}, lab = {};
    const QByteArray labPath = "/var/run/netns/" + qgetenv("VARNIX_LAB_APPNS");
    return stat("/proc/self/ns/net", &own) == 0 && stat(labPath.constData(), &lab) == 0 &&
           own.st_ino == lab.st_ino && own.st_dev == lab.st_dev;
}

// Runs the Qt Test object `Test` in the program's application object, with a settings store of its
// own (so that no test reads or writes the real one); skips with 77 and `why` when not `allowed`.
template <typename Test> int runGuiTest(bool allowed, const char *why, int argc, char *argv[]) {
    if (!allowed) {
        std::printf("SKIP: %s\n", why);
        return 77;
    }
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QVXApplication app(argc, argv);
    app.initialize();
    Test test;
    return QTest::qExec(&test, argc, argv);
}

inline QListItemLabel *entry(const MainWindow &w, int row) {
    return qobject_cast<QListItemLabel *>(w.ui->camList->itemWidget(w.ui->camList->item(row)));
}

inline QStringList rowTexts(const MainWindow &w) {
    QStringList texts;
    for (int row = 0; row < w.ui->camList->count(); ++row)
        texts << entry(w, row)->entryText();
    return texts;
}

// While it lives, closes every message box that comes up (keeping its texts), unless `keepOpen`, given
// the box, asks to keep it for now, and hands any other modal widget to `handle`, which must close it.
struct ModalHandler : QObject {
    explicit ModalHandler(std::function<void(QWidget *)> handle = {}) {
        connect(&timer, &QTimer::timeout, this, [this, handle] {
            int open = 0;
            for (QWidget *top : QApplication::topLevelWidgets())
                open += qobject_cast<QMessageBox *>(top) && top->isVisible();
            mostOpen = qMax(mostOpen, open);
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                if (keepOpen && keepOpen(box)) return;
                messages << box->text();
                box->done(QMessageBox::Ok);
            } else if (modal && handle) {
                handle(modal);
            }
        });
        timer.start(10);
    }
    QStringList messages;
    int mostOpen = 0; // message boxes on screen at once
    std::function<bool(QMessageBox *)> keepOpen;
    QTimer timer;
};
