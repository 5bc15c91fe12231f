#pragma once

#include "watch/watch.h"

#include <QJsonObject>
#include <QString>

// --watch prints one event per line, as text or as compact JSON.
QJsonObject watchEventJson(const WatchEvent &event);
// One line, no line break: time, event, camera, and what changed.
QString watchEventText(const WatchEvent &event);
