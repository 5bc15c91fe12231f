#pragma once

#include "cameras/diagnosis.h"
#include "cameras/watch.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// Who a camera is, for findings and events: {"index", "ip", "mac", "serial", "name"}.
QJsonObject cameraIdentityJson(const SeenCamera &camera);
QJsonObject findingJson(const Finding &finding, const QList<SeenCamera> &cameras);
// One block per finding: severity, code and adapter, the text, the cameras, the fix indented.
QString findingText(const Finding &finding, const QList<SeenCamera> &cameras);
// What the path probe found for a camera: {"needed", "largestPassed"}, or "not probed".
QJsonValue pathJson(const PathResult &path);
// A line for each camera whose path could not be probed, and why.
QString pathNotes(const QList<SeenCamera> &cameras);
// The closing line: how many problems and warnings.
QString findingsSummary(const QList<Finding> &findings);

QJsonObject watchEventJson(const WatchEvent &event);
// One line, no line break: time, event, camera, and what changed.
QString watchEventText(const WatchEvent &event);
