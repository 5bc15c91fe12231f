// Draws every picture of the Varnix resource collection into one directory:
//   QT_QPA_PLATFORM=offscreen varnix-drawpictures <directory>
// The pictures are kept as PNGs next to varnix.qrc; this program is how they are made and changed.

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QVector>
#include <QtMath>

#include <cstdio>

namespace {

const QColor accent(0xFF, 0xAA, 0x34);
const QColor darkBase(0x20, 0x1F, 0x1F);

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void prepare(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont dejaVu(int pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// ---------------------------------------------------------------------------------------------------
// The iris mark: six blades around a hexagonal opening. Used by the splash, the icon and vx.ico.

void drawIris(QPainter &p, QPointF c, qreal radius, qreal opening, qreal turn) {
    const int blades = 6;
    QVector<QPointF> inner(blades);
    for (int i = 0; i < blades; ++i) {
        const qreal a = qDegreesToRadians(turn + i * 360.0 / blades);
        inner[i] = c + QPointF(qCos(a), qSin(a)) * opening;
    }
    // Each hexagon edge, continued past its end vertex, runs to the rim: that line is a blade's edge.
    QVector<QPointF> rim(blades);
    for (int i = 0; i < blades; ++i) {
        const QPointF from = inner[(i + blades - 1) % blades];
        const QPointF at = inner[i];
        QPointF d = at - from;
        d /= qSqrt(QPointF::dotProduct(d, d));
        const QPointF rel = at - c;
        const qreal b = QPointF::dotProduct(rel, d);
        const qreal cc = QPointF::dotProduct(rel, rel) - radius * radius;
        const qreal t = -b + qSqrt(b * b - cc);
        rim[i] = at + d * t;
    }
    const QRectF circle(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    for (int i = 0; i < blades; ++i) {
        const int j = (i + 1) % blades;
        QPainterPath blade;
        blade.moveTo(inner[i]);
        blade.lineTo(rim[i]);
        const qreal a0 = qRadiansToDegrees(qAtan2(-(rim[i].y() - c.y()), rim[i].x() - c.x()));
        qreal a1 = qRadiansToDegrees(qAtan2(-(rim[j].y() - c.y()), rim[j].x() - c.x()));
        qreal sweep = a1 - a0;
        while (sweep > 0)
            sweep -= 360;
        while (sweep < -360)
            sweep += 360;
        blade.arcTo(circle, a0, sweep);
        blade.lineTo(inner[j]);
        blade.closeSubpath();

        const QPointF mid = (inner[i] + rim[i] + rim[j]) / 3.0;
        QLinearGradient g(c, mid + (mid - c) * 0.6);
        const int shade = 100 + (i % 3) * 12;
        g.setColorAt(0.0, accent.darker(shade + 25));
        g.setColorAt(1.0, accent.lighter(118 - (i % 3) * 8));
        p.setBrush(g);
        p.setPen(QPen(QColor(0x14, 0x13, 0x13), qMax<qreal>(0.8, radius / 40.0)));
        p.drawPath(blade);
    }
    // The opening, dark glass with a glint.
    QPolygonF hole(inner);
    QRadialGradient glass(c - QPointF(opening * 0.3, opening * 0.3), opening * 1.2);
    glass.setColorAt(0.0, QColor(0x3A, 0x3F, 0x48));
    glass.setColorAt(1.0, QColor(0x08, 0x08, 0x0A));
    p.setBrush(glass);
    p.setPen(Qt::NoPen);
    p.drawPolygon(hole);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c - QPointF(opening * 0.35, opening * 0.35), opening * 0.16, opening * 0.16);
    // Outer ring.
    QPen ring(QColor(0x14, 0x13, 0x13), qMax<qreal>(1.0, radius / 16.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(ring);
    p.drawEllipse(circle);
}

void drawIcon(QPainter &p, qreal s) {
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient bg(tile.topLeft(), tile.bottomLeft());
    bg.setColorAt(0.0, QColor(0x3A, 0x39, 0x39));
    bg.setColorAt(1.0, QColor(0x15, 0x14, 0x14));
    p.setBrush(bg);
    p.setPen(QPen(QColor(0x55, 0x53, 0x52), qMax<qreal>(1.0, s / 96.0)));
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);
    const QPointF c(s / 2.0, s / 2.0);
    // A thin orange bezel around the iris reads as a lens even at 16 px.
    p.setPen(Qt::NoPen);
    QRadialGradient bezel(c, s * 0.40);
    bezel.setColorAt(0.80, QColor(0x60, 0x5C, 0x58));
    bezel.setColorAt(0.92, QColor(0x2A, 0x29, 0x29));
    bezel.setColorAt(1.00, QColor(0x10, 0x10, 0x10));
    p.setBrush(bezel);
    p.drawEllipse(c, s * 0.40, s * 0.40);
    drawIris(p, c, s * 0.34, s * 0.11, 15.0);
    // Gloss: a soft curved reflection over the upper part of the tile.
    QPainterPath tilePath;
    tilePath.addRoundedRect(tile, s * 0.2, s * 0.2);
    QPainterPath sky;
    sky.addEllipse(QPointF(s * 0.5, -s * 0.42), s * 0.95, s * 0.86);
    QLinearGradient gl(tile.topLeft(), QPointF(tile.left(), tile.top() + tile.height() * 0.45));
    gl.setColorAt(0.0, QColor(255, 255, 255, 60));
    gl.setColorAt(1.0, QColor(255, 255, 255, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(gl);
    p.drawPath(tilePath.intersected(sky));
}

QImage windowIcon(int size) {
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    drawIcon(p, size);
    return img;
}

// ---------------------------------------------------------------------------------------------------

QImage splash() {
    const int w = 840, h = 420;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);

    QLinearGradient bg(0, 0, w, h);
    bg.setColorAt(0.0, QColor(0x2A, 0x29, 0x29));
    bg.setColorAt(1.0, QColor(0x12, 0x11, 0x11));
    p.fillRect(img.rect(), bg);

    // A warm glow behind the mark and fine scan lines across the whole picture.
    const QPointF mark(640, 200);
    QRadialGradient glow(mark, 300);
    glow.setColorAt(0.0, withAlpha(accent, 60));
    glow.setColorAt(1.0, withAlpha(accent, 0));
    p.fillRect(img.rect(), glow);
    p.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (int y = 0; y < h; y += 4)
        p.drawLine(0, y, w, y);

    // Broadcast rings spreading from the mark, as the program's discovery does.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        const qreal r = 150 + i * 38;
        p.setPen(QPen(withAlpha(accent, 70 - i * 12), 2.0));
        p.drawArc(QRectF(mark.x() - r, mark.y() - r, 2 * r, 2 * r), 110 * 16, 140 * 16);
    }

    QRadialGradient bezel(mark, 130);
    bezel.setColorAt(0.78, QColor(0x5A, 0x57, 0x54));
    bezel.setColorAt(0.90, QColor(0x26, 0x25, 0x25));
    bezel.setColorAt(1.00, QColor(0x0C, 0x0C, 0x0C));
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawEllipse(mark, 130, 130);
    drawIris(p, mark, 112, 38, 15.0);

    // Title block.
    p.setPen(QColor(0xF2, 0xF2, 0xF2));
    p.setFont(dejaVu(92, true));
    p.drawText(QRectF(56, 78, 460, 120), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Varnix"));
    QLinearGradient bar(56, 0, 300, 0);
    bar.setColorAt(0.0, accent);
    bar.setColorAt(1.0, withAlpha(accent, 0));
    p.fillRect(QRectF(60, 212, 260, 5), bar);
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    p.setFont(dejaVu(22, false));
    p.drawText(QRectF(60, 232, 460, 34), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("High-speed camera network tool"));
    p.setPen(QColor(0x8C, 0x8A, 0x88));
    p.setFont(dejaVu(15, false));
    p.drawText(QRectF(60, 268, 460, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Find cameras, check the network, set addresses"));

    // Footer.
    p.fillRect(QRectF(0, h - 4, w, 4), accent);
    p.setPen(QColor(0x77, 0x75, 0x73));
    p.setFont(dejaVu(13, false));
    p.drawText(QRectF(60, h - 44, 400, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Halvorn"));
    p.drawText(QRectF(w - 260, h - 44, 220, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version " VARNIX_VERSION_TEXT));
    return img;
}

// ---------------------------------------------------------------------------------------------------
// Glossy spheres: status bullets and the round message box pictures share this body.

void drawGlossySphere(QPainter &p, const QRectF &r, const QColor &base) {
    const QPointF c = r.center();
    const qreal rad = r.width() / 2.0;
    // Soft drop shadow.
    QRadialGradient shadow(c + QPointF(0, rad * 0.10), rad * 1.08);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 90));
    shadow.setColorAt(1.00, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0, rad * 0.10), rad * 1.08, rad * 1.08);
    // Body, lit from the upper left.
    QRadialGradient body(c, rad, c + QPointF(-rad * 0.30, -rad * 0.42));
    body.setColorAt(0.0, base.lighter(150));
    body.setColorAt(0.55, base);
    body.setColorAt(1.0, base.darker(210));
    p.setBrush(body);
    p.setPen(QPen(base.darker(260), qMax<qreal>(1.0, rad / 24.0)));
    p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
    // Light bouncing back in at the bottom.
    QRadialGradient bounce(c + QPointF(0, rad * 0.62), rad * 0.55);
    bounce.setColorAt(0.0, withAlpha(base.lighter(170), 130));
    bounce.setColorAt(1.0, withAlpha(base.lighter(170), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(bounce);
    p.drawEllipse(r.adjusted(rad * 0.12, rad * 0.12, -rad * 0.12, -rad * 0.12));
    // Specular highlight.
    const QRectF hl(c.x() - rad * 0.62, c.y() - rad * 0.88, rad * 1.24, rad * 0.80);
    QLinearGradient hg(hl.topLeft(), hl.bottomLeft());
    hg.setColorAt(0.0, QColor(255, 255, 255, 225));
    hg.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.setBrush(hg);
    p.drawEllipse(hl);
}

QImage bullet(const QColor &base) {
    QImage img = canvas(64, 64);
    QPainter p(&img);
    prepare(p);
    drawGlossySphere(p, QRectF(5, 4, 54, 54), base);
    return img;
}

// ---------------------------------------------------------------------------------------------------
// Message box pictures, 80 x 80.

void drawGlyphShadowed(QPainter &p, const QPainterPath &glyph, const QColor &colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(glyph.translated(0, 1.6));
    p.setBrush(colour);
    p.drawPath(glyph);
}

QImage errorPicture() {
    QImage img = canvas(80, 80);
    QPainter p(&img);
    prepare(p);
    drawGlossySphere(p, QRectF(6, 5, 68, 68), QColor(0xD3, 0x2F, 0x2F));
    QPainterPath cross;
    QPainterPathStroker stroker;
    stroker.setWidth(10);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath lines;
    lines.moveTo(27, 26);
    lines.lineTo(53, 52);
    lines.moveTo(53, 26);
    lines.lineTo(27, 52);
    cross = stroker.createStroke(lines).simplified();
    drawGlyphShadowed(p, cross, Qt::white);
    return img;
}

QImage infoPicture(const QColor &base, const QString &glyph) {
    QImage img = canvas(80, 80);
    QPainter p(&img);
    prepare(p);
    drawGlossySphere(p, QRectF(6, 5, 68, 68), base);
    QPainterPath path;
    if (glyph == QLatin1String("i")) {
        path.addEllipse(QPointF(40, 22.5), 5.6, 5.6);
        path.addRoundedRect(QRectF(35, 32, 10, 28), 3, 3);
    } else {
        QFont f = dejaVu(50, true);
        path.addText(0, 0, f, glyph);
        const QRectF b = path.boundingRect();
        path.translate(40 - b.center().x(), 39.5 - b.center().y());
    }
    drawGlyphShadowed(p, path, Qt::white);
    return img;
}

QImage warningPicture() {
    QImage img = canvas(80, 80);
    QPainter p(&img);
    prepare(p);
    QPolygonF tri;
    tri << QPointF(40, 9) << QPointF(73, 68) << QPointF(7, 68);
    QPainterPathStroker round;
    round.setWidth(9);
    round.setJoinStyle(Qt::RoundJoin);
    QPainterPath shape;
    shape.addPolygon(tri);
    shape.closeSubpath();
    shape = shape.united(round.createStroke(shape)).simplified();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPath(shape.translated(0, 2));
    QLinearGradient body(0, 6, 0, 74);
    body.setColorAt(0.0, QColor(0xFF, 0xD8, 0x6A));
    body.setColorAt(0.5, accent);
    body.setColorAt(1.0, QColor(0xD9, 0x74, 0x00));
    p.setBrush(body);
    p.setPen(QPen(QColor(0x8A, 0x4A, 0x00), 1.2));
    p.drawPath(shape);
    // Gloss on the upper part.
    QPainterPath upper;
    upper.addRect(0, 0, 80, 40);
    QLinearGradient gl(0, 5, 0, 42);
    gl.setColorAt(0.0, QColor(255, 255, 255, 150));
    gl.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gl);
    p.drawPath(shape.intersected(upper));

    QPainterPath mark;
    QPolygonF bar;
    bar << QPointF(36, 28) << QPointF(44, 28) << QPointF(42.2, 52) << QPointF(37.8, 52);
    mark.addPolygon(bar);
    mark.closeSubpath();
    QPainterPathStroker soft;
    soft.setWidth(2);
    soft.setJoinStyle(Qt::RoundJoin);
    mark = mark.united(soft.createStroke(mark));
    mark.addEllipse(QPointF(40, 60), 4.6, 4.6);
    p.setBrush(QColor(0x24, 0x1C, 0x10));
    p.drawPath(mark.simplified());
    return img;
}

// ---------------------------------------------------------------------------------------------------

QImage clipPicture() {
    QImage img = canvas(128, 128);
    QPainter p(&img);
    prepare(p);
    p.translate(64, 60);
    p.rotate(-12);
    const QRectF strip(-54, -34, 108, 68);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(strip.translated(2, 4), 6, 6);
    QLinearGradient film(strip.topLeft(), strip.bottomLeft());
    film.setColorAt(0.0, QColor(0x4A, 0x48, 0x47));
    film.setColorAt(0.5, QColor(0x2A, 0x29, 0x29));
    film.setColorAt(1.0, QColor(0x1A, 0x19, 0x19));
    p.setBrush(film);
    p.setPen(QPen(QColor(0x0E, 0x0E, 0x0E), 1.2));
    p.drawRoundedRect(strip, 6, 6);
    // Sprocket holes along both edges.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xD6, 0xD2));
    for (int i = 0; i < 8; ++i) {
        const qreal x = -48 + i * 13.0;
        p.drawRoundedRect(QRectF(x, -30, 7, 6), 1.5, 1.5);
        p.drawRoundedRect(QRectF(x, 24, 7, 6), 1.5, 1.5);
    }
    // Three frames of a moving subject: an orange ball crossing the frame.
    for (int i = 0; i < 3; ++i) {
        const QRectF frame(-48 + i * 33.0, -20, 30, 40);
        QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
        sky.setColorAt(0.0, QColor(0x5C, 0x6E, 0x86));
        sky.setColorAt(1.0, QColor(0x25, 0x2E, 0x3A));
        p.setBrush(sky);
        p.drawRect(frame);
        p.setBrush(QColor(0x1B, 0x22, 0x2B));
        p.drawRect(QRectF(frame.left(), frame.bottom() - 9, frame.width(), 9));
        const QPointF ball(frame.left() + 7 + i * 8.0, frame.top() + 12 + i * 7.0);
        QRadialGradient bg(ball - QPointF(1.5, 1.5), 6);
        bg.setColorAt(0.0, accent.lighter(140));
        bg.setColorAt(1.0, accent.darker(130));
        p.setBrush(bg);
        p.drawEllipse(ball, 5, 5);
    }
    p.resetTransform();
    // Play badge.
    const QPointF c(96, 96);
    drawGlossySphere(p, QRectF(c.x() - 24, c.y() - 24, 48, 48), accent.darker(110));
    QPainterPath play;
    play.moveTo(c + QPointF(-7, -11));
    play.lineTo(c + QPointF(12, 0));
    play.lineTo(c + QPointF(-7, 11));
    play.closeSubpath();
    QPainterPathStroker round;
    round.setWidth(3);
    round.setJoinStyle(Qt::RoundJoin);
    drawGlyphShadowed(p, play.united(round.createStroke(play)).simplified(), Qt::white);
    return img;
}

// ---------------------------------------------------------------------------------------------------
// The combo box and spin box arrows, 9 x 6, drawn pixel by pixel so they stay crisp at their size.

QImage arrow(bool up, const QColor &colour) {
    QImage img = canvas(9, 6);
    // Rows from the wide end: 9, 7, 5, 3, 1 pixels; the end pixels of each row are half-tone, which
    // smooths the slopes the way antialiasing would without blurring the tip.
    const int widths[] = {9, 7, 5, 3, 1};
    for (int row = 0; row < 5; ++row) {
        const int y = up ? 5 - row : row;
        const int w = widths[row];
        const int x0 = (9 - w) / 2;
        for (int x = x0; x < x0 + w; ++x) {
            const bool edge = x == x0 || x == x0 + w - 1;
            QColor c = colour;
            if (edge && w > 1) c.setAlpha(150);
            img.setPixelColor(x, y, c);
        }
    }
    // The sixth row stays empty: it is the gap between the arrow and the frame line.
    return img;
}

// ---------------------------------------------------------------------------------------------------
// Camera family pictures, 200 x 200: a box body seen from the front right, its lens towards the viewer.

struct CameraStyle {
    QColor body;
    QColor trim;  // stripe, bezel ring and small parts
    qreal width;  // front face
    qreal height; // front face
    qreal depth;  // going back and to the right
    qreal lensRadius;
    qreal lensLength;
    QPointF lensAt; // on the front face, as fractions of width and height
    bool fins = false;
    bool handle = false;
    bool display = false;
    bool stripe = false;
    bool twoTone = false;
    bool ports = false;
};

const QPointF depthAxis(0.56, -0.40);

QPainterPath cylinderHull(QPointF back, QPointF front, qreal r) {
    QPointF v = front - back;
    const qreal len = qSqrt(QPointF::dotProduct(v, v));
    QPainterPath path;
    if (len < 0.01) {
        path.addEllipse(front, r, r);
        return path;
    }
    const QPointF n(-v.y() / len * r, v.x() / len * r);
    QPolygonF side;
    side << back + n << front + n << front - n << back - n;
    path.addPolygon(side);
    path.closeSubpath();
    path.addEllipse(back, r, r);
    path.addEllipse(front, r, r);
    return path.simplified();
}

void drawLensSegment(QPainter &p, QPointF back, QPointF front, qreal r, const QColor &metal) {
    const QPointF v = front - back;
    const qreal len = qMax<qreal>(0.01, qSqrt(QPointF::dotProduct(v, v)));
    const QPointF n(-v.y() / len, v.x() / len);
    QLinearGradient g(front + n * r, front - n * r);
    g.setColorAt(0.0, metal.darker(170));
    g.setColorAt(0.35, metal.lighter(135));
    g.setColorAt(0.6, metal);
    g.setColorAt(1.0, metal.darker(220));
    p.setBrush(g);
    p.setPen(QPen(QColor(0, 0, 0, 150), 0.8));
    p.drawPath(cylinderHull(back, front, r));
}

void drawLensFront(QPainter &p, QPointF c, qreal r, const QColor &trim) {
    // Rim.
    QLinearGradient rim(c - QPointF(r, r), c + QPointF(r, r));
    rim.setColorAt(0.0, QColor(0x9A, 0x9A, 0x9A));
    rim.setColorAt(0.5, QColor(0x2E, 0x2E, 0x2E));
    rim.setColorAt(1.0, QColor(0x6A, 0x6A, 0x6A));
    p.setBrush(rim);
    p.setPen(QPen(QColor(0, 0, 0, 180), 0.8));
    p.drawEllipse(c, r, r);
    // Coloured ring, the family's trim.
    p.setPen(QPen(trim, qMax<qreal>(1.2, r * 0.07)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.86, r * 0.86);
    // Glass: deep blue-violet coating with a sharp reflection.
    QRadialGradient glass(c, r * 0.78, c + QPointF(r * 0.18, r * 0.22));
    glass.setColorAt(0.0, QColor(0x3B, 0x4C, 0x7A));
    glass.setColorAt(0.45, QColor(0x1A, 0x1E, 0x36));
    glass.setColorAt(1.0, QColor(0x05, 0x05, 0x09));
    p.setBrush(glass);
    p.setPen(QPen(QColor(0x00, 0x00, 0x00), 1.0));
    p.drawEllipse(c, r * 0.76, r * 0.76);
    // Inner element ring.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6E, 0x5A, 0xA8, 120), qMax<qreal>(1.0, r * 0.05)));
    p.drawEllipse(c, r * 0.42, r * 0.42);
    // Reflections.
    p.setPen(Qt::NoPen);
    QRadialGradient glint(c - QPointF(r * 0.30, r * 0.32), r * 0.30);
    glint.setColorAt(0.0, QColor(255, 255, 255, 220));
    glint.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glint);
    p.drawEllipse(c - QPointF(r * 0.30, r * 0.32), r * 0.30, r * 0.30);
    p.setPen(QPen(QColor(255, 255, 255, 90), qMax<qreal>(1.0, r * 0.05), Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r * 0.6, c.y() - r * 0.6, r * 1.2, r * 1.2), 200 * 16, 50 * 16);
}

QImage cameraPicture(const CameraStyle &s) {
    QImage img = canvas(200, 200);
    QPainter p(&img);
    prepare(p);

    const QPointF d = depthAxis * s.depth;
    const QPointF lensDir = -depthAxis * s.lensLength; // towards the viewer
    // Fit body, lens and handle into the picture with a margin, centred.
    const qreal handleRise = s.handle ? 22 : 0;
    const qreal left = qMin<qreal>(0, s.lensAt.x() * s.width + lensDir.x() - s.lensRadius * 1.1);
    const qreal right = s.width + d.x();
    const qreal top = d.y() - handleRise;
    const qreal bottom = qMax<qreal>(s.height, s.lensAt.y() * s.height + lensDir.y() + s.lensRadius * 1.1);
    // Every family fills the picture the same way, so they line up in the camera list.
    const qreal k = qMin<qreal>(178.0 / (right - left), 160.0 / (bottom - top));
    p.translate(100, 98);
    p.scale(k, k);
    p.translate(-(left + right) / 2, -(top + bottom) / 2);

    const QRectF front(0, 0, s.width, s.height);
    const QPointF tl = front.topLeft(), tr = front.topRight(), br = front.bottomRight(),
                  bl = front.bottomLeft();

    // Ground shadow.
    {
        const QPointF sc = (bl + br + d * 0.9) / 2 + QPointF(s.width * 0.06, 6);
        QRadialGradient sh(sc, 1.0);
        sh.setColorAt(0.0, QColor(0, 0, 0, 110));
        sh.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.save();
        p.translate(sc);
        p.scale((s.width + d.x()) * 0.62, 12);
        p.translate(-sc);
        p.setPen(Qt::NoPen);
        p.setBrush(sh);
        p.drawEllipse(sc, 1.0, 1.0);
        p.restore();
    }

    const QColor edge = s.body.darker(300);
    const qreal edgeWidth = 1.0;

    // Side face.
    QPolygonF side;
    side << tr << tr + d << br + d << br;
    QLinearGradient sg(tr, tr + d);
    sg.setColorAt(0.0, s.body.darker(150));
    sg.setColorAt(1.0, s.body.darker(190));
    p.setBrush(sg);
    p.setPen(QPen(edge, edgeWidth));
    p.drawPolygon(side);

    // Top face.
    QPolygonF topFace;
    topFace << tl << tr << tr + d << tl + d;
    QLinearGradient tg(tl, tl + d);
    const QColor topColour = s.twoTone ? QColor(0x30, 0x30, 0x33) : s.body;
    tg.setColorAt(0.0, topColour.lighter(145));
    tg.setColorAt(1.0, topColour.lighter(112));
    p.setBrush(tg);
    p.drawPolygon(topFace);

    // Front face.
    QLinearGradient fg(tl, bl);
    fg.setColorAt(0.0, s.body.lighter(118));
    fg.setColorAt(1.0, s.body.darker(118));
    p.setBrush(fg);
    p.drawRect(front);

    // Highlight along the front top edge.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    p.drawLine(tl + QPointF(1, 1), tr + QPointF(-1, 1));
    p.drawLine(tr + QPointF(0.5, 0), tr + d + QPointF(0.5, 0));

    if (s.twoTone) {
        // A dark upper cover on front and side.
        const qreal cut = s.height * 0.22;
        p.setPen(Qt::NoPen);
        QLinearGradient cg(tl, tl + QPointF(0, cut));
        cg.setColorAt(0.0, QColor(0x48, 0x48, 0x4C));
        cg.setColorAt(1.0, QColor(0x26, 0x26, 0x29));
        p.setBrush(cg);
        p.drawRect(QRectF(0, 0, s.width, cut));
        QPolygonF sideCover;
        sideCover << tr << tr + d << tr + d + QPointF(0, cut) << tr + QPointF(0, cut);
        p.setBrush(QColor(0x1E, 0x1E, 0x21));
        p.drawPolygon(sideCover);
        p.setPen(QPen(edge, edgeWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRect(front);
    }

    if (s.stripe) {
        const qreal y0 = s.height * 0.70, h = s.height * 0.08;
        p.setPen(Qt::NoPen);
        p.setBrush(s.trim);
        p.drawRect(QRectF(0, y0, s.width, h));
        QPolygonF sideStripe;
        sideStripe << tr + QPointF(0, y0) << tr + d + QPointF(0, y0) << tr + d + QPointF(0, y0 + h)
                   << tr + QPointF(0, y0 + h);
        p.setBrush(s.trim.darker(150));
        p.drawPolygon(sideStripe);
    }

    if (s.fins) {
        // Cooling ribs along the side face.
        const int ribs = qMax(4, int(s.height / 9));
        for (int i = 1; i < ribs; ++i) {
            const qreal y = s.height * i / ribs;
            const QPointF a = tr + QPointF(0, y) + d * 0.10, b = tr + QPointF(0, y) + d * 0.92;
            p.setPen(QPen(QColor(0, 0, 0, 120), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a, b);
            p.setPen(QPen(QColor(255, 255, 255, 45), 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a - QPointF(0, 1.5), b - QPointF(0, 1.5));
        }
    } else {
        // Vent slots near the back of the side face.
        p.setPen(QPen(QColor(0, 0, 0, 110), 2.0, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            const QPointF base = tr + d * (0.50 + i * 0.11) + QPointF(0, s.height * 0.30);
            p.drawLine(base, base + QPointF(0, s.height * 0.30));
        }
    }

    if (s.display) {
        QPolygonF lcd;
        const QPointF a = tr + d * 0.14 + QPointF(0, s.height * 0.16);
        const QPointF b = tr + d * 0.62 + QPointF(0, s.height * 0.16);
        const qreal lh = s.height * 0.26;
        lcd << a << b << b + QPointF(0, lh) << a + QPointF(0, lh);
        QLinearGradient lg(a, b + QPointF(0, lh));
        lg.setColorAt(0.0, QColor(0x7F, 0xC6, 0xF0));
        lg.setColorAt(1.0, QColor(0x1B, 0x4E, 0x73));
        p.setBrush(lg);
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.4));
        p.drawPolygon(lcd);
    }

    if (s.ports) {
        for (int i = 0; i < 2; ++i) {
            const QPointF c(s.width * (0.80 + i * 0.11), s.height * 0.24);
            QRadialGradient pg(c, 4.5);
            pg.setColorAt(0.0, QColor(0x10, 0x10, 0x10));
            pg.setColorAt(0.7, QColor(0x30, 0x30, 0x30));
            pg.setColorAt(1.0, QColor(0xB0, 0xB0, 0xB0));
            p.setBrush(pg);
            p.setPen(QPen(QColor(0, 0, 0, 160), 0.8));
            p.drawEllipse(c, 4.5, 4.5);
        }
    }

    // Status LED and a small maker plate on the front.
    {
        const QPointF led(s.width - 9, s.height - 9);
        QRadialGradient lg(led, 4);
        lg.setColorAt(0.0, QColor(0xC8, 0xFF, 0xC8));
        lg.setColorAt(0.6, QColor(0x2E, 0xC4, 0x4E));
        lg.setColorAt(1.0, QColor(0x0D, 0x4A, 0x1A));
        p.setBrush(lg);
        p.setPen(QPen(QColor(0, 0, 0, 140), 0.6));
        p.drawEllipse(led, 3.2, 3.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(6, s.height - 12, 22, 6), 1.5, 1.5);
    }

    if (s.handle) {
        // A carrying handle across the top, standing on two feet.
        const QPointF a = tl + d * 0.5 + QPointF(s.width * 0.18, 0);
        const QPointF b = tl + d * 0.5 + QPointF(s.width * 0.82, 0);
        QPainterPath h;
        h.moveTo(a);
        h.lineTo(a + QPointF(0, -handleRise + 4));
        h.quadTo(a + QPointF(0, -handleRise), a + QPointF(6, -handleRise));
        h.lineTo(b + QPointF(-6, -handleRise));
        h.quadTo(b + QPointF(0, -handleRise), b + QPointF(0, -handleRise + 4));
        h.lineTo(b);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x18, 0x18, 0x18), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(h);
        p.setPen(QPen(QColor(0x5A, 0x5A, 0x5E), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(h.translated(-0.8, -1.2));
    }

    // Lens: mount, barrel with focus ring, hood; drawn from the body towards the viewer.
    const QPointF lc(s.lensAt.x() * s.width, s.lensAt.y() * s.height);
    const qreal r = s.lensRadius;
    const QPointF step = lensDir;
    // Mount plate.
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.8));
    QRadialGradient mount(lc, r * 1.25);
    mount.setColorAt(0.7, QColor(0x3A, 0x3A, 0x3C));
    mount.setColorAt(1.0, QColor(0x15, 0x15, 0x16));
    p.setBrush(mount);
    p.drawEllipse(lc, r * 1.18, r * 1.18);
    const QColor barrel(0x3C, 0x3C, 0x40);
    drawLensSegment(p, lc, lc + step * 0.20, r * 1.05, QColor(0x8C, 0x8C, 0x90));
    drawLensSegment(p, lc + step * 0.20, lc + step * 0.62, r * 0.96, barrel);
    // Knurled focus ring.
    drawLensSegment(p, lc + step * 0.30, lc + step * 0.55, r * 1.00, QColor(0x22, 0x22, 0x24));
    {
        const QPointF v = step * 0.25;
        const qreal len = qSqrt(QPointF::dotProduct(v, v));
        const QPointF n(-v.y() / len, v.x() / len);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
        for (int i = -7; i <= 7; ++i) {
            const qreal t = i / 8.0;
            const QPointF o = n * (r * t);
            p.drawLine(lc + step * 0.31 + o, lc + step * 0.54 + o);
        }
    }
    drawLensSegment(p, lc + step * 0.62, lc + step, r * 1.06, barrel.darker(120));
    drawLensFront(p, lc + step, r * 1.06, s.trim);
    return img;
}

// ---------------------------------------------------------------------------------------------------
// The .ico container, written here so the program does not depend on an image format plug-in.
// Every entry is a PNG, which the icon loaders of current systems read directly.

QByteArray icoFile(const QVector<QImage> &images) {
    QVector<QByteArray> pngs;
    for (const QImage &img : images) {
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "PNG");
        pngs.append(png);
    }
    QByteArray out;
    auto u8 = [&out](int v) { out.append(char(v & 0xFF)); };
    auto u16 = [&u8](int v) {
        u8(v);
        u8(v >> 8);
    };
    auto u32 = [&u16](quint32 v) {
        u16(int(v & 0xFFFF));
        u16(int(v >> 16));
    };
    u16(0); // reserved
    u16(1); // icon
    u16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int w = images[i].width(), h = images[i].height();
        u8(w >= 256 ? 0 : w);
        u8(h >= 256 ? 0 : h);
        u8(0);  // no palette
        u8(0);  // reserved
        u16(1); // planes
        u16(32);
        u32(quint32(pngs[i].size()));
        u32(offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        out.append(png);
    return out;
}

bool savePng(const QImage &img, const QDir &dir, const char *name) {
    const QString path = dir.filePath(QLatin1String(name));
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: varnix-drawpictures <directory>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "no such directory: %s\n", argv[1]);
        return 2;
    }

    bool ok = true;
    ok &= savePng(splash(), dir, "splash.png");
    ok &= savePng(windowIcon(128), dir, "varnix.png");

    ok &= savePng(errorPicture(), dir, "ico-err.png");
    ok &= savePng(warningPicture(), dir, "ico-wrn.png");
    ok &= savePng(infoPicture(QColor(0x1E, 0x7B, 0xD8), QStringLiteral("i")), dir, "ico-inf.png");
    ok &= savePng(infoPicture(QColor(0x1E, 0x9E, 0x8F), QStringLiteral("?")), dir, "ico-qstn.png");

    ok &= savePng(bullet(QColor(0xE0, 0x2B, 0x2B)), dir, "b_red.png");
    ok &= savePng(bullet(QColor(0xF5, 0x8A, 0x07)), dir, "b_orange.png");
    ok &= savePng(bullet(QColor(0x1E, 0x7B, 0xD8)), dir, "b_blue.png");
    ok &= savePng(bullet(QColor(0x2E, 0xA0, 0x43)), dir, "b_green.png");
    ok &= savePng(bullet(QColor(0x8A, 0x8C, 0x8E)), dir, "b_gray.png");

    ok &= savePng(clipPicture(), dir, "clip.png");

    const QColor silver(0xC0, 0xC0, 0xC0), disabled(0x50, 0x50, 0x50);
    ok &= savePng(arrow(true, silver), dir, "arrow_up.png");
    ok &= savePng(arrow(false, silver), dir, "arrow_dn.png");
    ok &= savePng(arrow(true, disabled), dir, "arrow_up_dsb.png");
    ok &= savePng(arrow(false, disabled), dir, "arrow_dn_dsb.png");

    struct Family {
        const char *file;
        CameraStyle style;
    };
    auto style = [](QColor body, QColor trim, qreal w, qreal h, qreal d, qreal lr, qreal ll, QPointF at) {
        CameraStyle s;
        s.body = body;
        s.trim = trim;
        s.width = w;
        s.height = h;
        s.depth = d;
        s.lensRadius = lr;
        s.lensLength = ll;
        s.lensAt = at;
        return s;
    };
    QVector<Family> families;
    {
        // Yellow compact body with a large lens.
        CameraStyle s =
            style(QColor(0xEE, 0xB4, 0x1E), QColor(0x22, 0x22, 0x22), 88, 84, 78, 27, 40, QPointF(0.5, 0.48));
        s.stripe = true;
        families.append({"cam-pwy.png", s});
    }
    {
        // Grey body under a dark cover, display on the side.
        CameraStyle s = style(QColor(0x8E, 0x95, 0x9C), QColor(0xFF, 0xAA, 0x34), 96, 80, 92, 24, 34,
                              QPointF(0.42, 0.56));
        s.twoTone = true;
        s.display = true;
        families.append({"cam-pwg.png", s});
    }
    {
        // Low, wide blue body with two connectors beside the lens.
        CameraStyle s = style(QColor(0x2D, 0x62, 0xB0), QColor(0xE8, 0xE8, 0xE8), 112, 58, 70, 20, 30,
                              QPointF(0.34, 0.52));
        s.stripe = true;
        s.ports = true;
        families.append({"cam-wk.png", s});
    }
    {
        // Small red cube.
        CameraStyle s =
            style(QColor(0xC8, 0x32, 0x2E), QColor(0x20, 0x20, 0x20), 70, 70, 62, 22, 28, QPointF(0.5, 0.5));
        families.append({"cam-j.png", s});
    }
    {
        // Tall light body with a carrying handle and a side display.
        CameraStyle s =
            style(QColor(0xD6, 0xD9, 0xDD), QColor(0xFF, 0xAA, 0x34), 78, 96, 84, 24, 36, QPointF(0.5, 0.46));
        s.handle = true;
        s.display = true;
        families.append({"cam-dm.png", s});
    }
    {
        // Long green body with cooling ribs.
        CameraStyle s =
            style(QColor(0x34, 0x8C, 0x5C), QColor(0xDD, 0xDD, 0xDD), 62, 62, 150, 20, 26, QPointF(0.5, 0.5));
        s.fins = true;
        families.append({"cam-tvm.png", s});
    }
    {
        // Black ribbed body with the orange stripe and the largest lens.
        CameraStyle s = style(QColor(0x34, 0x34, 0x38), QColor(0xFF, 0xAA, 0x34), 92, 88, 80, 30, 42,
                              QPointF(0.48, 0.46));
        s.fins = true;
        s.stripe = true;
        families.append({"cam-bt.png", s});
    }
    for (const Family &f : families)
        ok &= savePng(cameraPicture(f.style), dir, f.file);

    QVector<QImage> iconSizes;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        iconSizes.append(windowIcon(size));
    QFile ico(dir.filePath(QStringLiteral("vx.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoFile(iconSizes)) < 0) {
        std::fprintf(stderr, "cannot write vx.ico\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
