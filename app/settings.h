#pragma once

#include "net/adapters.h"

#include <QString>
#include <QStringList>

// The three values that outlive a run.
struct StoredSettings {
    int language = 0;
    QString netAdapter = QString::fromLatin1(AllAdaptersName);
    int jumboPacket = -1;
};

StoredSettings readSettings();
void writeSettings(const StoredSettings &s);

// The window's expected line ("Settings/ExpectedLine", the file's path; empty for none) and the addresses
// it asks by unicast ("Settings/Targets", comma-separated). Kept as soon as they are chosen.
QString storedExpectedLine();
void storeExpectedLine(const QString &path);
QStringList storedTargets();
void storeTargets(const QStringList &entries);
// A stored datagram-size index outside -1..5 has no size; it is treated as "Optimal".
int sanitizedJumboPacket(int value);
// "Varnix_de" etc., or empty for no translation.
QString languageFileName(int language);
