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
        const QList<QPair<QVariant, int>> jumbo = {{1, 1}, {6, -1}, {-2, -1}, {"big", -1}, {0, 0}, {5, 5}};
        QStringList wrong; // every stored value read otherwise
        for (const auto &[stored, want] : jumbo) {
            settings->setValue("Settings/JumboPacket", stored);
            app->loadSettings();
            app->saveSettings();
            if (app->jumboPacket != want || settings->value("Settings/JumboPacket") != want)
                wrong << stored.toString();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(' ')));
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
        const QString sheet = app->styleSheet();
        QVERIFY(!sheet.isEmpty() && !sheet.contains(QChar(0)));
        int urls = 0; // every picture the style sheet names is compiled in
        for (auto it = QRegularExpression("url\\(([^)]*)\\)").globalMatch(sheet); it.hasNext(); ++urls)
            QVERIFY(!QImage(it.next().captured(1)).isNull());
        QVERIFY(urls >= 4);
    }
};

int main(int argc, char **argv) {
    QVXApplication app(argc, argv);
    AppShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appshell.moc"
