// varnix-grabscreen FILE: saves a PNG of the whole X screen (used by scripts/demo --screenshot).
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: varnix-grabscreen FILE.png\n");
        return 2;
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "varnix-grabscreen: cannot grab the screen into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
