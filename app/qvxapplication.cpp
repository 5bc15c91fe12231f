#include "app/qvxapplication.h"

#include "app/settings.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QWidget>

namespace {

int rounded(double v) {
    return int(v + 0.5);
}
int even(int n) {
    return n & ~1;
}

} // namespace

QVXApplication::QVXApplication(int &argc, char **argv) : QApplication(argc, argv) {}

void QVXApplication::initialize() {
    setOrganizationName(QStringLiteral("Halvorn"));
    setApplicationName(QStringLiteral("Varnix"));
    setApplicationVersion(QStringLiteral(VARNIX_VERSION_TEXT));

    QFile sheet(QStringLiteral(":/res/csstyle.qss"));
    if (sheet.open(QIODevice::ReadOnly)) {
        QByteArray bytes = sheet.readAll();
        const int end = bytes.indexOf('\0');
        if (end >= 0) bytes.truncate(end);
        setStyleSheet(QString::fromLatin1(bytes));
    }

    loadSettings();

#if defined(Q_OS_WIN)
    // Without a substitute the font matcher picks a serif face for the missing "Helvetica".
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QStringList families = QFontDatabase::families();
#else
    const QStringList families = QFontDatabase().families();
#endif
    const QString standIn = helveticaStandIn(families);
    if (!standIn.isEmpty()) QFont::insertSubstitution(QStringLiteral("Helvetica"), standIn);
#endif

    if (const QScreen *screen = primaryScreen())
        fontPointSize = fontSizeFor(screen->logicalDotsPerInch(), screen->devicePixelRatio(), fontPointSize);

    installLanguage();
}

void QVXApplication::loadSettings() {
    const StoredSettings s = readSettings();
    language = s.language;
    netAdapter = s.netAdapter;
    jumboPacket = s.jumboPacket;
}

void QVXApplication::saveSettings() {
    StoredSettings s;
    s.language = language;
    s.netAdapter = netAdapter;
    s.jumboPacket = sanitizedJumboPacket(jumboPacket);
    writeSettings(s);
}

void QVXApplication::installLanguage() {
    const QString file = languageFileName(language);
    if (file.isEmpty()) return;
    // A missing file leaves the translator empty; installing it anyway keeps the interface in English.
    (void)translator.load(file, QStringLiteral("./Languages"));
    installTranslator(&translator);
}

int QVXApplication::fontSizeFor(qreal logicalDpi, qreal devicePixelRatio, int base) {
    return logicalDpi > 72.0 && devicePixelRatio > 1.0 ? base - 2 : base;
}

QString QVXApplication::helveticaStandIn(const QStringList &installedFamilies) {
    // Arial has Helvetica's metrics, so texts keep the widths the forms were laid out for; the rest
    // are the sans-serif faces Windows and Wine are likely to have.
    static const char *const preferred[] = {"Arial", "Liberation Sans", "Segoe UI", "Tahoma", "DejaVu Sans"};
    if (installedFamilies.contains(QStringLiteral("Helvetica"), Qt::CaseInsensitive)) return QString();
    for (const char *family : preferred) {
        const QString name = QString::fromLatin1(family);
        if (installedFamilies.contains(name, Qt::CaseInsensitive)) return name;
    }
    return QString();
}

int QVXApplication::scaled(int v) const {
    return even(rounded(v * scaleFactor));
}

int QVXApplication::itemMargin() const {
    return even(rounded(BaseItemMargin * scaleFactor));
}

QSize QVXApplication::baseItemSize(int kind) {
    switch (kind) {
    case 1:
        return QSize(96, 28);
    case 2:
    case 3:
        return QSize(52, 52);
    default:
        return QSize(44, 44);
    }
}

QSize QVXApplication::itemSize(int kind) const {
    const QSize base = baseItemSize(kind);
    return QSize(even(rounded(base.width() * scaleFactor)), even(rounded(base.height() * scaleFactor)));
}

void QVXApplication::scaleWidget(QWidget *widget) const {
    if (!widget || scaleFactor == 1.0) return;
    const QSize size = widget->size();
    const QList<QWidget *> children = widget->findChildren<QWidget *>();
    widget->resize(rounded(size.width() * scaleFactor), rounded(size.height() * scaleFactor));
    for (QWidget *child : children) {
        const QRect g = child->geometry();
        child->setGeometry(rounded(g.x() * scaleFactor), rounded(g.y() * scaleFactor),
                           rounded(g.width() * scaleFactor), rounded(g.height() * scaleFactor));
    }
}

QVXApplication *vxApp() {
    return qobject_cast<QVXApplication *>(QCoreApplication::instance());
}
