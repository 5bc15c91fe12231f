// varnix-grabscreen FILE: saves a PNG of the whole X screen (used by scripts/demo --screenshot).
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (argc == 2 && screen && screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG")) return 0;
    std::fprintf(stderr, "usage: varnix-grabscreen FILE.png (and an X screen to grab)\n");
    return argc == 2 ? 1 : 2;
}
