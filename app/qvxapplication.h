#pragma once

#include "net/adapters.h"

#include <QApplication>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTranslator>

class QWidget;

// The one application object: program-wide values and the size functions.
class QVXApplication : public QApplication {
    Q_OBJECT
public:
    QVXApplication(int &argc, char **argv);

    void initialize();
    void loadSettings();
    void saveSettings();
    // Loads the translation for `language` from ./Languages and installs it; codes without a
    // translation install nothing. The last step of initialize().
    void installLanguage();

    int scaled(int v) const;
    int itemMargin() const;
    QSize itemSize(int kind) const;
    // A list entry's size and margin at scale 1.
    static constexpr int BaseItemMargin = 4;
    static QSize baseItemSize(int kind);
    void scaleWidget(QWidget *widget) const;

    // Font size rule of initialize(), exposed for tests.
    static int fontSizeFor(qreal logicalDpi, qreal devicePixelRatio, int base);
    // The installed sans-serif face that stands in for the window's "Helvetica" where that is missing
    // (Windows ships none); empty when Helvetica is installed or no stand-in is.
    static QString helveticaStandIn(const QStringList &installedFamilies);

    double scaleFactor = 1.0;
    int fontPointSize = 10;
    int language = 0;
    int jumboPacket = -1;
    QString netAdapter = QString::fromLatin1(AllAdaptersName);
    QTranslator translator;
};

// The application object, or null when the running application is not one.
QVXApplication *vxApp();
