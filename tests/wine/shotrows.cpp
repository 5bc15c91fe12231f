// varnix-shotrows FILE.png X Y W H: moves the pointer out of the way (a row under it would be drawn
// highlighted), saves a PNG of the window at X,Y (W x H) on the X screen and prints the camera rows seen
// in it, one line per row: "row TOP bullet COLOUR". A row is a band of the orange title text; its status
// bullet is the saturated spot at the window's right edge beside it. The last line, "header HASH",
// fingerprints the window's labels, so that two runs in different languages can be told apart.
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>

namespace {

bool titleOrange(QRgb c) {
    return qRed(c) > 220 && qGreen(c) > 130 && qGreen(c) < 200 && qBlue(c) < 100;
}

// Green, red, orange or blue for a saturated pixel; empty for the greys of the window.
const char *colourClass(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (qMax(r, qMax(g, b)) - qMin(r, qMin(g, b)) < 80) return "";
    if (g >= r && g >= b) return "green";
    if (b >= r && b >= g) return "blue";
    return g * 2 >= r ? "orange" : "red";
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (argc != 6 || !screen) {
        std::fprintf(stderr, "usage: varnix-shotrows FILE.png X Y W H (and an X screen to grab)\n");
        return 2;
    }
    QCursor::setPos(screen, 0, 0);
    QThread::msleep(700); // let the window repaint the row that lost the pointer
    const QImage shot = screen->grabWindow(0).toImage();
    const QRect window(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
    const QRect area = window.intersected(shot.rect());
    if (area.isEmpty() || !shot.copy(area).save(QString::fromLocal8Bit(argv[1]), "PNG")) return 1;

    // Bands of lines that hold title text; a gap of a few lines ends a band.
    QList<int> tops;
    int last = -100;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool orange = false;
        for (int x = area.left(); x <= area.right() && !orange; ++x)
            orange = titleOrange(shot.pixel(x, y));
        if (!orange) continue;
        if (y - last > 6) tops << y;
        last = y;
    }
    for (int top : tops) {
        QMap<QString, int> votes;
        for (int y = qMax(area.top(), top - 10); y <= qMin(area.bottom(), top + 30); ++y) {
            for (int x = area.right() - 40; x <= area.right(); ++x) {
                const QString c = QString::fromLatin1(colourClass(shot.pixel(x, y)));
                if (!c.isEmpty()) ++votes[c];
            }
        }
        QString bullet = QStringLiteral("none");
        int most = 0;
        for (auto it = votes.cbegin(); it != votes.cend(); ++it) {
            if (it.value() > most) {
                most = it.value();
                bullet = it.key();
            }
        }
        std::printf("row %d bullet %s\n", top - area.top(), qPrintable(bullet));
    }
    // The labels above the list: light pixels of the top-left quarter, as a position-weighted sum.
    quint64 hash = 0;
    for (int y = area.top(); y < area.top() + qMin(80, area.height()); ++y) {
        for (int x = area.left(); x < area.left() + area.width() / 3; ++x) {
            if (qGray(shot.pixel(x, y)) > 150)
                hash = hash * 31 + quint64((y - area.top()) * 1000 + x - area.left());
        }
    }
    std::printf("header %llx\n", static_cast<unsigned long long>(hash));
    return 0;
}
