#include "app/qvxapplication.h"
#include "app/settings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class AppShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void itemSizesFollowKindAndFactor_data();
    void itemSizesFollowKindAndFactor();
    void scaledAndMarginRoundToEven_data();
    void scaledAndMarginRoundToEven();
    void scaleWidgetLeavesWidgetsAloneAtFactorOne();
    void scaleWidgetScalesWidgetAndAllDescendants();

    void fontShrinksOnlyOnDenseScreens_data();
    void fontShrinksOnlyOnDenseScreens();

    void emptyStoreGivesDefaultsAndSavesExactlyThem();
    void storedValuesSurviveARoundTrip();
    void storedDatagramSizeWithoutASizeIsOptimal_data();
    void storedDatagramSizeWithoutASizeIsOptimal();
    void unreadableLanguageIsEnglish();

    void translatorInstalledOnlyForKnownLanguages_data();
    void translatorInstalledOnlyForKnownLanguages();
    void translationIsLoadedFromLanguagesBelowCurrentDirectory();

    void initializeSetsNamesAndOrangeStyleSheet();
    void everyPictureTheStyleSheetNamesIsCompiledIn();
    void resourcePicturesHaveTheirSizes_data();
    void resourcePicturesHaveTheirSizes();
    void windowsIconFileIsAnIconContainer();

private:
    QVXApplication *app = nullptr;
    QTemporaryDir store;
};

static QSettings *openStore() {
    return new QSettings(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
}

void AppShell::initTestCase() {
    app = vxApp();
    QVERIFY(app);
    QVERIFY(store.isValid());
    // Every settings location points into the temporary directory: the user's real store is never touched.
    for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(f, QSettings::UserScope, store.path() + QStringLiteral("/user"));
        QSettings::setPath(f, QSettings::SystemScope, store.path() + QStringLiteral("/system"));
    }
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

void AppShell::init() {
    QScopedPointer<QSettings> s(openStore());
    s->clear();
}

void AppShell::cleanup() {
    app->scaleFactor = 1.0;
    app->language = 0;
    QCoreApplication::removeTranslator(&app->translator);
}

void AppShell::itemSizesFollowKindAndFactor_data() {
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("want");
    QTest::newRow("camera row") << 1.0 << 0 << QSize(44, 44);
    QTest::newRow("info table row") << 1.0 << 1 << QSize(96, 28);
    QTest::newRow("message box button") << 1.0 << 2 << QSize(52, 52);
    QTest::newRow("clip row") << 1.0 << 3 << QSize(52, 52);
    QTest::newRow("unknown kind 7") << 1.0 << 7 << QSize(44, 44);
    QTest::newRow("negative kind") << 1.0 << -1 << QSize(44, 44);
    QTest::newRow("1.5 info row") << 1.5 << 1 << QSize(144, 42);
    QTest::newRow("1.25 odd sides made even") << 1.25 << 0 << QSize(54, 54);
    QTest::newRow("1.25 info row") << 1.25 << 1 << QSize(120, 34);
}

void AppShell::itemSizesFollowKindAndFactor() {
    QFETCH(double, factor);
    QFETCH(int, kind);
    QFETCH(QSize, want);
    app->scaleFactor = factor;
    QCOMPARE(app->itemSize(kind), want);
}

void AppShell::scaledAndMarginRoundToEven_data() {
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("wantScaled");
    QTest::addColumn<int>("wantMargin");
    QTest::newRow("odd width at 1.0") << 1.0 << 841 << 840 << 4;
    QTest::newRow("even width at 1.0") << 1.0 << 840 << 840 << 4;
    QTest::newRow("splash height at 1.5") << 1.5 << 420 << 630 << 6;
    QTest::newRow("1.25 rounds then clears the low bit") << 1.25 << 841 << 1050 << 4;
    QTest::newRow("2.0") << 2.0 << 13 << 26 << 8;
}

void AppShell::scaledAndMarginRoundToEven() {
    QFETCH(double, factor);
    QFETCH(int, value);
    QFETCH(int, wantScaled);
    QFETCH(int, wantMargin);
    app->scaleFactor = factor;
    QCOMPARE(app->scaled(value), wantScaled);
    QCOMPARE(app->itemMargin(), wantMargin);
}

void AppShell::scaleWidgetLeavesWidgetsAloneAtFactorOne() {
    QWidget top;
    top.resize(101, 51);
    auto *child = new QWidget(&top);
    child->setGeometry(10, 11, 21, 31);
    app->scaleWidget(&top);
    QCOMPARE(top.size(), QSize(101, 51));
    QCOMPARE(child->geometry(), QRect(10, 11, 21, 31));
    app->scaleWidget(nullptr);
}

void AppShell::scaleWidgetScalesWidgetAndAllDescendants() {
    app->scaleFactor = 1.5;
    QWidget top;
    top.resize(100, 51);
    auto *child = new QWidget(&top);
    child->setGeometry(10, 11, 21, 30);
    auto *grandChild = new QWidget(child);
    grandChild->setGeometry(3, 3, 5, 5);
    app->scaleWidget(&top);
    // Rounded to nearest, without the even rounding of the other size functions.
    QCOMPARE(top.size(), QSize(150, 77));
    QCOMPARE(child->geometry(), QRect(15, 17, 32, 45));
    QCOMPARE(grandChild->geometry(), QRect(5, 5, 8, 8));
}

void AppShell::fontShrinksOnlyOnDenseScreens_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("want");
    QTest::newRow("96 dpi, ratio 1.0 keeps 10") << 96.0 << 1.0 << 10;
    QTest::newRow("96 dpi, ratio 1.5 gives 8") << 96.0 << 1.5 << 8;
    QTest::newRow("exactly 72 dpi, ratio 2.0 keeps 10") << 72.0 << 2.0 << 10;
    QTest::newRow("exactly 72 dpi, ratio 1.0 keeps 10") << 72.0 << 1.0 << 10;
    QTest::newRow("120 dpi, ratio 1.0 keeps 10") << 120.0 << 1.0 << 10;
    QTest::newRow("just above both limits gives 8") << 72.01 << 1.01 << 8;
}

void AppShell::fontShrinksOnlyOnDenseScreens() {
    QFETCH(double, dpi);
    QFETCH(double, ratio);
    QFETCH(int, want);
    QCOMPARE(QVXApplication::fontSizeFor(dpi, ratio, 10), want);
}

void AppShell::emptyStoreGivesDefaultsAndSavesExactlyThem() {
    app->language = 9;
    app->netAdapter = QStringLiteral("eth9");
    app->jumboPacket = 4;
    app->loadSettings();
    QCOMPARE(app->language, 0);
    QCOMPARE(app->netAdapter, QStringLiteral("*ALL*"));
    QCOMPARE(app->jumboPacket, -1);

    app->saveSettings();
    QScopedPointer<QSettings> s(openStore());
    QStringList keys = s->allKeys();
    keys.sort();
    QCOMPARE(keys, QStringList({QStringLiteral("Settings/JumboPacket"), QStringLiteral("Settings/Language"),
                                QStringLiteral("Settings/NetAdapter")}));
    QCOMPARE(s->value(QStringLiteral("Settings/Language")).toInt(), 0);
    QCOMPARE(s->value(QStringLiteral("Settings/NetAdapter")).toString(), QStringLiteral("*ALL*"));
    QCOMPARE(s->value(QStringLiteral("Settings/JumboPacket")).toInt(), -1);
}

void AppShell::storedValuesSurviveARoundTrip() {
    StoredSettings written;
    written.language = 2;
    written.netAdapter = QStringLiteral("enp3s0");
    written.jumboPacket = 1;
    writeSettings(written);

    app->loadSettings();
    QCOMPARE(app->language, 2);
    QCOMPARE(app->netAdapter, QStringLiteral("enp3s0"));
    QCOMPARE(app->jumboPacket, 1);

    // The user picks another datagram size; the adapter is written back unchanged.
    app->jumboPacket = 5;
    app->saveSettings();
    const StoredSettings read = readSettings();
    QCOMPARE(read.language, 2);
    QCOMPARE(read.netAdapter, QStringLiteral("enp3s0"));
    QCOMPARE(read.jumboPacket, 5);
}

void AppShell::storedDatagramSizeWithoutASizeIsOptimal_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("want");
    QTest::newRow("7") << QVariant(7) << -1;
    QTest::newRow("6, one past the table") << QVariant(6) << -1;
    QTest::newRow("-5") << QVariant(-5) << -1;
    QTest::newRow("-2") << QVariant(-2) << -1;
    QTest::newRow("text") << QVariant(QStringLiteral("big")) << -1;
    QTest::newRow("0 is 1448") << QVariant(0) << 0;
    QTest::newRow("5 is 8680") << QVariant(5) << 5;
    QTest::newRow("-1 stays") << QVariant(-1) << -1;
}

void AppShell::storedDatagramSizeWithoutASizeIsOptimal() {
    QFETCH(QVariant, stored);
    QFETCH(int, want);
    {
        QScopedPointer<QSettings> s(openStore());
        s->setValue(QStringLiteral("Settings/JumboPacket"), stored);
    }
    QCOMPARE(readSettings().jumboPacket, want);
    app->loadSettings();
    QCOMPARE(app->jumboPacket, want);
    // What was read is what goes back: the odd stored value does not survive the next run.
    app->saveSettings();
    QScopedPointer<QSettings> s(openStore());
    QCOMPARE(s->value(QStringLiteral("Settings/JumboPacket")).toInt(), want);
}

void AppShell::unreadableLanguageIsEnglish() {
    {
        QScopedPointer<QSettings> s(openStore());
        s->setValue(QStringLiteral("Settings/Language"), QStringLiteral("de"));
    }
    QCOMPARE(readSettings().language, 0);
}

void AppShell::translatorInstalledOnlyForKnownLanguages_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("installed");
    QTest::newRow("0 English") << 0 << false;
    QTest::newRow("4 unknown") << 4 << false;
    QTest::newRow("-1 unknown") << -1 << false;
    QTest::newRow("1 German, file missing") << 1 << true;
    QTest::newRow("3 Japanese, file missing") << 3 << true;
}

void AppShell::translatorInstalledOnlyForKnownLanguages() {
    QFETCH(int, language);
    QFETCH(bool, installed);
    app->language = language;
    app->installLanguage();
    // removeTranslator() tells whether the translator was in the application's list.
    QCOMPARE(QCoreApplication::removeTranslator(&app->translator), installed);
    QCOMPARE(languageFileName(language).isEmpty(), !installed);
}

void AppShell::translationIsLoadedFromLanguagesBelowCurrentDirectory() {
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("Languages")));
    QVERIFY(QFile::copy(QStringLiteral(APPSHELL_QM_FILE),
                        work.path() + QStringLiteral("/Languages/Varnix_it.qm")));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    app->language = 2;
    app->installLanguage();
    QDir::setCurrent(before);
    QCOMPARE(QCoreApplication::translate("MainWindow", "Update List"), QStringLiteral("Aggiorna elenco"));
}

void AppShell::initializeSetsNamesAndOrangeStyleSheet() {
    app->initialize();
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Halvorn"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Varnix"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.06.03"));
    const QString sheet = app->styleSheet();
    QVERIFY(!sheet.isEmpty());
    QVERIFY(sheet.contains(QStringLiteral("rgba(255,170,52,160)")));
    QVERIFY(sheet.contains(QStringLiteral("#201F1F")));
    QVERIFY(sheet.contains(QStringLiteral("url(:/res/arrow_dn.png)")));
    // An empty store installs no translator.
    QVERIFY(!QCoreApplication::removeTranslator(&app->translator));
}

void AppShell::everyPictureTheStyleSheetNamesIsCompiledIn() {
    QFile f(QStringLiteral(":/res/csstyle.qss"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromLatin1(f.readAll());
    QVERIFY(!sheet.contains(QChar(0)));
    const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    int seen = 0;
    for (auto it = url.globalMatch(sheet); it.hasNext(); ++seen) {
        const QString name = it.next().captured(1);
        QVERIFY2(QFile::exists(name), qPrintable(name));
        QVERIFY2(!QImage(name).isNull(), qPrintable(name));
    }
    QVERIFY(seen >= 4);
}

void AppShell::resourcePicturesHaveTheirSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("splash") << "splash.png" << QSize(840, 420);
    QTest::newRow("window icon") << "varnix.png" << QSize(128, 128);
    for (const char *n : {"ico-err.png", "ico-wrn.png", "ico-inf.png", "ico-qstn.png"})
        QTest::newRow(n) << n << QSize(80, 80);
    for (const char *n : {"b_red.png", "b_orange.png", "b_blue.png", "b_green.png", "b_gray.png"})
        QTest::newRow(n) << n << QSize(64, 64);
    QTest::newRow("clip") << "clip.png" << QSize(128, 128);
    for (const char *n : {"arrow_up.png", "arrow_dn.png", "arrow_up_dsb.png", "arrow_dn_dsb.png"})
        QTest::newRow(n) << n << QSize(9, 6);
    for (const char *n :
         {"cam-pwy.png", "cam-pwg.png", "cam-wk.png", "cam-j.png", "cam-dm.png", "cam-tvm.png", "cam-bt.png"})
        QTest::newRow(n) << n << QSize(200, 200);
}

void AppShell::resourcePicturesHaveTheirSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage img(QStringLiteral(":/res/") + name);
    QVERIFY2(!img.isNull(), qPrintable(name));
    QCOMPARE(img.size(), size);
    QVERIFY(img.hasAlphaChannel() || name == QLatin1String("splash.png"));
}

void AppShell::windowsIconFileIsAnIconContainer() {
    QFile f(QStringLiteral(":/res/vx.ico"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray ico = f.readAll();
    QVERIFY(ico.size() > 22);
    QCOMPARE(ico.left(4), QByteArray("\x00\x00\x01\x00", 4));
    const int count = quint8(ico[4]) | quint8(ico[5]) << 8;
    QVERIFY(count > 0);
    // Every entry's data lies inside the file.
    for (int i = 0; i < count; ++i) {
        const int e = 6 + 16 * i;
        QVERIFY(e + 16 <= ico.size());
        auto u32 = [&ico](int at) {
            return quint32(quint8(ico[at])) | quint32(quint8(ico[at + 1])) << 8 |
                   quint32(quint8(ico[at + 2])) << 16 | quint32(quint8(ico[at + 3])) << 24;
        };
        QVERIFY(u32(e + 12) + u32(e + 8) <= quint32(ico.size()));
    }
    if (QImageReader::supportedImageFormats().contains("ico"))
        QVERIFY(!QImage(QStringLiteral(":/res/vx.ico")).isNull());
}

int main(int argc, char **argv) {
    QVXApplication app(argc, argv);
    AppShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appshell.moc"
