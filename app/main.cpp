#include "app/qvxapplication.h"
#include "ui/mainwindow.h"

#include <QPixmap>
#include <QSplashScreen>
#include <QTimer>

int main(int argc, char *argv[]) {
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always scales for high-DPI screens; Qt 5 has to be asked.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
#endif

    QVXApplication app(argc, argv);
    app.initialize();

    MainWindow window;
    const QPixmap picture(QStringLiteral(":/res/splash.png"));
    QSplashScreen splash(picture);

    // Discovery is already running; the window is on screen but transparent until the splash goes.
    window.setWindowOpacity(0.0);
    window.show();
    splash.setPixmap(picture.scaled(app.scaled(picture.width()), app.scaled(picture.height()),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    // The timers start before any event is processed: a camera found now can open a modal warning
    // inside processEvents(), and the splash must still go and the window still appear meanwhile.
    QTimer::singleShot(2000, &splash, &QSplashScreen::close);
    QTimer::singleShot(2000, &window, SLOT(ShowMainWindow()));
    splash.show();
    app.processEvents();
    return app.exec();
}
