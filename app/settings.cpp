#include "app/settings.h"

#include <QSettings>
#include <QVariant>

namespace {

const char *const keyLanguage = "Settings/Language";
const char *const keyNetAdapter = "Settings/NetAdapter";
const char *const keyJumboPacket = "Settings/JumboPacket";
const char *const keyExpectedLine = "Settings/ExpectedLine";
const char *const keyTargets = "Settings/Targets";

// The store is shared with the registry on Windows, where anyone can type a string into an int value;
// such a value counts as absent instead of silently becoming 0 (which would be a real datagram size).
int readInt(const QSettings &store, const char *key, int fallback) {
    bool ok = false;
    const int v = store.value(QLatin1String(key), fallback).toInt(&ok);
    return ok ? v : fallback;
}

} // namespace

StoredSettings readSettings() {
    const QSettings store(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
    StoredSettings s;
    s.language = readInt(store, keyLanguage, s.language);
    s.netAdapter = store.value(QLatin1String(keyNetAdapter), s.netAdapter).toString();
    s.jumboPacket = sanitizedJumboPacket(readInt(store, keyJumboPacket, s.jumboPacket));
    return s;
}

void writeSettings(const StoredSettings &s) {
    QSettings store(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
    store.setValue(QLatin1String(keyLanguage), s.language);
    store.setValue(QLatin1String(keyNetAdapter), s.netAdapter);
    store.setValue(QLatin1String(keyJumboPacket), s.jumboPacket);
}

QString storedExpectedLine() {
    return QSettings(QStringLiteral("Halvorn"), QStringLiteral("Tovek"))
        .value(QLatin1String(keyExpectedLine))
        .toString();
}

void storeExpectedLine(const QString &path) {
    QSettings store(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
    if (path.isEmpty())
        store.remove(QLatin1String(keyExpectedLine));
    else
        store.setValue(QLatin1String(keyExpectedLine), path);
}

QStringList storedTargets() {
    const QString value = QSettings(QStringLiteral("Halvorn"), QStringLiteral("Tovek"))
                              .value(QLatin1String(keyTargets))
                              .toString();
    QStringList entries;
    for (const QString &entry : value.split(QLatin1Char(',')))
        if (!entry.trimmed().isEmpty()) entries << entry.trimmed();
    return entries;
}

void storeTargets(const QStringList &entries) {
    QSettings store(QStringLiteral("Halvorn"), QStringLiteral("Tovek"));
    // A plain string even for one entry or none, which the native store would keep otherwise as a list.
    store.setValue(QLatin1String(keyTargets), entries.join(QLatin1Char(',')));
}

int sanitizedJumboPacket(int value) {
    return value >= -1 && value <= 5 ? value : -1;
}

QString languageFileName(int language) {
    switch (language) {
    case 1:
        return QStringLiteral("Varnix_de");
    case 2:
        return QStringLiteral("Varnix_it");
    case 3:
        return QStringLiteral("Varnix_ja");
    default:
        return QString();
    }
}
