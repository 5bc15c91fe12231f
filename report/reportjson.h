#pragma once

// The JSON the command line and the window both write: cameras, adapters, findings and the network
// check's report. One builder each, so that every front end gives the same schema.
#include "doctor/networkcheck.h"
#include "report/camerafields.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

struct NetAdapterInfo;
class UdpCamManager;
class UdpInterface;

QJsonObject adapterJson(const NetAdapterInfo &adapter);
QJsonArray adaptersJson(const QList<NetAdapterInfo> &adapters);
QJsonObject cameraJson(const CameraSnapshot &camera);
QJsonObject cameraJson(const UdpInterface &channel, int row);

// What varnix-scan --json prints and the window saves: {"adapter" (its name, or "*ALL*"), "adapters",
// "cameras", "conflict" (the first the window would warn about: null, or {"code", "findingCode",
// "text"})}.
QJsonObject scanReportJson(const NetAdapterInfo &chosen, const QList<NetAdapterInfo> &adapters,
                           const UdpCamManager &manager, quint32 datagramSize);

// Who a camera is, for findings and events: {"index", "ip", "mac", "serial", "name"}.
QJsonObject cameraIdentityJson(const CameraSnapshot &camera);
QJsonObject findingJson(const Finding &finding, const QList<SeenCamera> &cameras);

// What the path probe found for a camera: {"needed", "largestPassed"}, or "not probed".
QJsonValue pathJson(const PathResult &path);

// The network check's report: {"adapter", "adapters" (with what the system said about each),
// "receiveBufferMax", "firewall", "firewallManager", "unreadable", "cameras" (the listed ones, each with
// its "path"), "findings"}.
QJsonObject doctorReportJson(const QString &adapter, const NetworkFacts &facts,
                             const QList<SeenCamera> &cameras, const QList<Finding> &findings);
QJsonObject doctorReportJson(const NetworkCheckResult &result);
