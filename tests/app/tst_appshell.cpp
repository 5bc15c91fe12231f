#include "app/qvxapplication.h"
#include "app/settings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class AppShell : public QObject {
    Q_OBJECT
    QVXApplication *app = vxApp();
    QTemporaryDir store;
    QSettings *settings = nullptr; // the store, opened once its location is inside `store`
    QVariantMap saved;             // the user's own values where the store cannot be moved

private slots:
    void initTestCase() {
        // Every settings location points into the temporary directory: the user's real store is never
        // touched.
        for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(QSettings::NativeFormat, scope, store.path() + "/" + QString::number(scope));
        settings = new QSettings("Halvorn", "Tovek", this);
#if defined(Q_OS_WIN)
        // The registry cannot be moved: the user's values are kept aside and put back at the end.
        for (const QString &key : settings->allKeys())
            saved.insert(key, settings->value(key));
        settings->clear();
        QVERIFY(app && settings->fileName().contains("Halvorn\\Tovek"));
#else
        QVERIFY(app && store.isValid() && settings->fileName().startsWith(store.path()));
#endif
    }

    void cleanupTestCase() {
        settings->clear();
        for (auto it = saved.cbegin(); it != saved.cend(); ++it)
            settings->setValue(it.key(), it.value());
    }

    void sizesAndFonts() {
        // (factor, kind, item width, item height, value, value scaled, item margin): sides and scaled values
        // are rounded, then made even.
        const std::tuple<double, int, int, int, int, int, int> rows[] = {
            {1, 0, 44, 44, 841, 840, 4},      {1, 1, 96, 28, 840, 840, 4},   {1, 2, 52, 52, 13, 12, 4},
            {1, 3, 52, 52, 1, 0, 4},          {2, 2, 104, 104, 13, 26, 8},   {1.25, 0, 54, 54, 841, 1050, 4},
            {1.25, 1, 120, 34, 841, 1050, 4}, {1.5, 1, 144, 42, 420, 630, 6}};
        for (const auto &[factor, kind, w, h, value, scaled, margin] : rows) {
            app->scaleFactor = factor;
            QCOMPARE(app->itemSize(kind), QSize(w, h));
            QVERIFY(app->scaled(value) == scaled && app->itemMargin() == margin);
        }
        // At 1.5, widgets and all their descendants are rounded to nearest, without the even rounding.
        QWidget top;
        top.resize(100, 51);
        auto *child = new QWidget(&top);
        child->setGeometry(10, 11, 21, 30);
        (new QWidget(child))->setGeometry(3, 3, 5, 5);
        app->scaleWidget(nullptr);
        app->scaleWidget(&top);
        QVERIFY(top.size() == QSize(150, 77) && child->geometry() == QRect(15, 17, 32, 45) &&
                child->findChild<QWidget *>()->geometry() == QRect(5, 5, 8, 8));

        // (logical dpi, device pixel ratio, size): 2 points smaller only above both limits.
        const std::tuple<double, double, int> fonts[] = {{96, 1.0, 10}, {96, 1.5, 8},   {72, 2.0, 10},
                                                         {72, 1.0, 10}, {120, 1.0, 10}, {72.01, 1.01, 8}};
        for (const auto &[dpi, ratio, size] : fonts)
            QCOMPARE(QVXApplication::fontSizeFor(dpi, ratio, 10), size);
    }

    void helveticaStandIn() {
        // installed families=stand-in: the first installed of the preferred sans-serif faces, matched
        // without regard to case; none when Helvetica itself is there or no sans-serif face is.
        const QString rows =
            "Times New Roman,Tahoma,Arial=Arial|Wine Courier,tahoma,DejaVu Sans=Tahoma|"
            "DejaVu Serif,DejaVu Sans=DejaVu Sans|helvetica,Arial=|Times New Roman,Courier New=|=";
        for (const QString &row : rows.split('|')) {
            const QStringList installed = row.section('=', 0, 0).split(',', Qt::SkipEmptyParts);
            QVERIFY2(QVXApplication::helveticaStandIn(installed) == row.section('=', 1), qPrintable(row));
        }
    }

    void settingsStore() {
        app->language = app->jumboPacket = 4;
        app->loadSettings(); // an empty store gives the defaults, and saving writes exactly them
        app->saveSettings();
        QVERIFY(settings->allKeys().size() == 3 && settings->value("Settings/Language") == 0 &&
                settings->value("Settings/JumboPacket") == -1 &&
                settings->value("Settings/NetAdapter") == "*ALL*");

        // Values go round unchanged, but a stored datagram size outside -1 .. 5, or no number, is "Optimal"
        // (-1), and is saved back so.
        writeSettings({2, "enp3s0", 1});
        const QList<QPair<QVariant, int>> jumbo = {{1, 1},      {7, -1}, {6, -1}, {-2, -1},
                                                   {"big", -1}, {0, 0},  {5, 5},  {-1, -1}};
        for (const auto &[stored, want] : jumbo) {
            settings->setValue("Settings/JumboPacket", stored);
            app->loadSettings();
            app->saveSettings();
            QVERIFY2(app->jumboPacket == want && settings->value("Settings/JumboPacket") == want,
                     qPrintable(stored.toString()));
        }
        QVERIFY(app->language == 2 && readSettings().language == 2 && readSettings().netAdapter == "enp3s0");
    }

    void translatorOnlyForKnownLanguages() {
        // Catalogues are looked for in ./Languages, where only the Italian one (2) is; a missing file still
        // installs the (empty) translator.
        QTemporaryDir work;
        QDir(work.path()).mkdir("Languages");
        QFile::copy(QFINDTESTDATA("tst_appshell_it.qm"), work.path() + "/Languages/Varnix_it.qm");
        const QString before = QDir::currentPath();
        QDir::setCurrent(work.path());
        for (int language : {0, 1, 2, 3, 4, -1}) {
            app->language = language;
            app->installLanguage();
            QCOMPARE(QCoreApplication::translate("MainWindow", "Update List"),
                     QString(language == 2 ? "Aggiorna elenco" : "Update List"));
            QCOMPARE(QCoreApplication::removeTranslator(&app->translator), language >= 1 && language <= 3);
        }
        QDir::setCurrent(before);
    }

    void styleSheetAndResources() {
        app->initialize();
        QCOMPARE(QCoreApplication::applicationVersion(), QString("1.06.03"));
        const QString sheet = app->styleSheet();
        QVERIFY(sheet.contains("rgba(255,170,52,160)") && !sheet.contains(QChar(0)));
        int urls = 0; // every picture the style sheet names is compiled in
        for (auto it = QRegularExpression("url\\(([^)]*)\\)").globalMatch(sheet); it.hasNext(); ++urls)
            QVERIFY(!QImage(it.next().captured(1)).isNull());
        QVERIFY(urls >= 4);

        const QString pictures =
            "840x420:splash 128x128:varnix,clip 80x80:ico-err,ico-wrn,ico-inf,ico-qstn "
            "64x64:b_red,b_orange,b_blue,b_green,b_gray 9x6:arrow_up,arrow_dn,"
            "arrow_up_dsb,arrow_dn_dsb 200x200:cam-pwy,cam-pwg,cam-wk,cam-j,cam-dm,cam-tvm,cam-bt";
        for (const QString &group : pictures.split(' '))
            for (const QString &name : group.section(':', 1).split(',')) {
                const QImage image(":/res/" + name + ".png");
                QVERIFY2(QString("%1x%2").arg(image.width()).arg(image.height()) == group.section(':', 0, 0),
                         qPrintable(name));
            }
    }
};

int main(int argc, char **argv) {
    QVXApplication app(argc, argv);
    AppShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appshell.moc"
