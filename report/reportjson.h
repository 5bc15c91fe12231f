#pragma once

// The JSON the command line and the window both write: cameras, adapters, findings and the network
// check's report. One builder each, so that every front end gives the same schema.
#include "doctor/diagnosis.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

struct ClipInfo;
struct NetAdapterInfo;
class UdpCamManager;
class UdpInterface;

// The clip summary of the clip list in plain text: its three lines joined by " | ".
QString plainClipSummary(const ClipInfo &clip);

QJsonObject adapterJson(const NetAdapterInfo &adapter);
QJsonArray adaptersJson(const QList<NetAdapterInfo> &adapters);
QJsonObject cameraJson(const UdpInterface &channel, int index);

// What varnix-scan --json prints and the window saves: {"adapter" (its name, or "*ALL*"), "adapters",
// "cameras", "conflict" (the first the window would warn about: null, or {"code", "findingCode",
// "text"})}.
QJsonObject scanReportJson(const NetAdapterInfo &chosen, const QList<NetAdapterInfo> &adapters,
                           const UdpCamManager &manager, quint32 datagramSize);

// Whether a camera's status can be shown (a Standard camera's once it has answered a status request),
// and the words for it.
bool statusKnown(const UdpInterface &channel);
QString statusText(const UdpInterface &channel);
// A camera's status in words for the reports and the command line: "Status not yet known" before a
// status reply, the status word of a code the cameras define, and the number of any other.
QString statusDescription(quint32 status, bool known);

// Who a camera is, for findings and events: {"index", "ip", "mac", "serial", "name"}.
QJsonObject cameraIdentityJson(const SeenCamera &camera);
QJsonObject findingJson(const Finding &finding, const QList<SeenCamera> &cameras);

// What the path probe found for a camera: {"needed", "largestPassed"}, or "not probed".
QJsonValue pathJson(const PathResult &path);

// The listed cameras of `manager` as the checks see them, then the ones hidden behind another at
// their address. A camera counts as answering once a name, option or status reply came on its channel.
QList<SeenCamera> seenCameras(const UdpCamManager &manager);

// The network check's report: {"adapter", "adapters" (with what the system said about each),
// "receiveBufferMax", "firewall", "firewallManager", "unreadable", "cameras" (each with its "path"),
// "findings"}.
QJsonObject doctorReportJson(const QString &adapter, const NetworkFacts &facts, const UdpCamManager &manager,
                             const QList<SeenCamera> &cameras, const QList<Finding> &findings);
// The same with the listed cameras' entries (cameraJson) taken beforehand.
QJsonObject doctorReportJson(const QString &adapter, const NetworkFacts &facts,
                             const QList<QJsonObject> &listed, const QList<SeenCamera> &cameras,
                             const QList<Finding> &findings);
