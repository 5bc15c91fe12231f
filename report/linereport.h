#pragma once

// The expected line against the cameras heard: the cameras as the comparison takes them, the part of a
// line one adapter can hear, what the scan prints after its list, and the doctor's findings.
#include "doctor/networkcheck.h"
#include "report/expectedline.h"

#include <QList>
#include <QString>

struct NetAdapterInfo;

LineCamera lineCamera(const CameraSnapshot &camera);
template <class Camera> QList<LineCamera> lineCameras(const QList<Camera> &cameras) {
    QList<LineCamera> out;
    for (const Camera &c : cameras)
        out << lineCamera(c);
    return out;
}

// The cameras of `line` that a look through `scanned` can hear: all of them through all adapters, else
// those the line has behind that adapter or behind none. The others are not missing, only elsewhere.
ExpectedLine lineBehind(const ExpectedLine &line, const NetAdapterInfo &scanned);

// A heading with the counts, then one line per camera (present, missing, moved, unexpected) naming it by
// name, MAC address and address.
QString lineStandingText(const LineStanding &standing);

// missing-camera (a problem), moved-camera and unexpected-camera (warnings), each naming the camera; a
// camera moved to another address on its adapter gets the fix that moves it back.
QList<Finding> lineFindings(const LineStanding &standing, const NetworkFacts &facts,
                            const QList<SeenCamera> &cameras);
// Judges the cameras of a network check against the line as `scanned` hears it and adds the findings,
// problems first.
void addLineFindings(NetworkCheckResult &result, const ExpectedLine &line, const NetAdapterInfo &scanned);
