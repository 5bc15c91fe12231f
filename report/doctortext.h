#pragma once

// The doctor's findings and the cameras they name, as the command line prints them.
#include "doctor/diagnosis.h"

#include <QList>
#include <QString>

// A camera as the reports name it: its index (or "unlisted"), address, MAC, serial number and name.
QString cameraIdentityText(const CameraSnapshot &camera);
// One block per finding: severity, code and adapter, the text, the cameras, the fix indented.
QString findingText(const Finding &finding, const QList<SeenCamera> &cameras);
// A line for each camera whose path could not be probed, and why.
QString pathNotes(const QList<SeenCamera> &cameras);
// The closing line: how many problems and warnings.
QString findingsSummary(const QList<Finding> &findings);
