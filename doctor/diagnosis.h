#pragma once

#include "cameras/camerasnapshot.h"
#include "cameras/conflicts.h"
#include "doctor/fix.h"
#include "doctor/pathcheck.h"
#include "hostpolicy/hostfacts.h"
#include "net/camrecord.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// One camera as a check sees it: as it was when the check started, and what the echo probe found on the
// way to it.
struct SeenCamera : CameraSnapshot {
    PathResult path;
};

// The cameras of `all` at these positions, as a finding lists them.
QList<CameraRef> cameraRefs(const QList<SeenCamera> &all, const QList<int> &positions);

// The context the findings' texts are translated in (FindingTexts::tr); the command line installs no
// translator and keeps them in English.
struct FindingTexts {
    Q_DECLARE_TR_FUNCTIONS(FindingTexts)
};

enum class Severity { Problem, Warning };

// A camera a finding is about that did not answer (an expected camera that is missing): who it should be,
// as far as that is known; empty, or 0, where not.
struct AbsentCamera {
    QString mac, serial, name;
    quint32 ip = 0, adapterIp = 0;
};

// One thing wrong with the camera network, and what to do about it.
struct Finding {
    QString code; // stable: duplicate-ip, outside-subnet, rp-filter, ...
    Severity severity = Severity::Problem;
    QString adapter;          // the adapter it concerns, when it concerns one
    QList<CameraRef> cameras; // the cameras it concerns, in the order the check met them
    QString text;             // one line
    QList<Fix> fixes;         // what to do about it, in order
    // outside-subnet: the free address in the adapter's subnet that the fix gives the camera; 0 for none
    quint32 proposedAddress = 0;
    QList<AbsentCamera> absent = {}; // cameras it is about that did not answer, after `cameras`
};

QString severityName(Severity severity);
// The code of the findings that report a conflict of this kind ("duplicate-ip"); "" for None.
QString findingCode(ConflictKind kind);
// A short heading for the findings with this code, translated; the code itself for one it does not know.
QString findingTitle(const QString &code);
// How findings name a camera ("#0 \"Cam A\" at 10.10.1.20"), and the adapter it answered through.
QString findingCamera(const SeenCamera &camera);
QString findingAdapter(const NetworkFacts &facts, const UdpCamInfo &info);

// Camera counts at which a receive buffer capped at `capBytes` overflows during one discovery burst.
int camerasFittingBuffer(qint64 capBytes);

// The checks that need the cameras only (shared addresses, serial numbers, datagram size against the
// adapter MTU, cameras outside their adapter's subnet): what the window warns about, every case of it.
QList<Finding> cameraFindings(const NetworkFacts &facts, const QList<SeenCamera> &cameras,
                              quint32 datagramSize);

// Replies heard from addresses no camera can have (the discovery's impossible senders): they make no
// camera, so no other check sees them; one warning names them all.
QList<Finding> impossibleSourceFindings(const QList<quint32> &senders);

// Every check. `adapter` is the adapter scanned ("" or "*ALL*" for all); adapter checks cover only it.
QList<Finding> diagnose(const NetworkFacts &facts, const QList<SeenCamera> &cameras, quint32 datagramSize,
                        const QString &adapter);
