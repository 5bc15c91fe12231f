#pragma once

#include "net/adapters.h"

#include <QString>

// The three values that outlive a run.
struct StoredSettings {
    int language = 0;
    QString netAdapter = QString::fromLatin1(AllAdaptersName);
    int jumboPacket = -1;
};

StoredSettings readSettings();
void writeSettings(const StoredSettings &s);
// A stored datagram-size index outside -1..5 has no size; it is treated as "Optimal".
int sanitizedJumboPacket(int value);
// "Varnix_de" etc., or empty for no translation.
QString languageFileName(int language);
