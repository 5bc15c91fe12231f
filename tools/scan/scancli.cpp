#include "scancli.h"

#include "scanreport.h"

#include "cameras/udpcammanager.h"
#include "net/addresses.h"
#include "net/targets.h"
#include "net/udpinterface.h"
#include "platform/routelookup.h"

#include <QJsonDocument>

#include <vector>

void printJson(const QJsonObject &o) {
    printTo(stdout, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)));
}

int refuse(const QString &message) {
    printTo(stderr, QStringLiteral("varnix-scan: %1\nTry 'varnix-scan --help'.\n").arg(message));
    return 2;
}

QList<NetAdapterInfo> inventory() {
    std::vector<NetAdapterInfo> buffer(MaxAdapters);
    const int n = listAdapters(buffer.data(), MaxAdapters);
    QList<NetAdapterInfo> adapters;
    for (int i = 0; i < n; ++i)
        adapters.append(buffer[size_t(i)]);
    return adapters;
}

const NetAdapterInfo *findAdapter(const QList<NetAdapterInfo> &adapters, const QString &name) {
    const NetAdapterInfo *found = nullptr;
    for (const NetAdapterInfo &a : adapters) {
        if (QString::fromLocal8Bit(a.name) == name) found = &a;
    }
    return found;
}

namespace {

bool readTargets(ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
                 QString *error) {
    QList<LocalSubnet> local;
    for (const NetAdapterInfo &a : adapters)
        if (a.ip != NoIp && a.ip != UnparsedIp) local << LocalSubnet{a.ip, a.mask};
    const TargetList list = parseTargets(o.targets, local);
    if (list.fault != TargetFault::None) {
        *error = QStringLiteral("--target \"%1\": %2")
                     .arg(list.entry, QLatin1String(targetRefusalText(list.fault)));
        return false;
    }
    const bool all = isAllAdapters(chosen);
    const QString scanned = QString::fromLocal8Bit(chosen.name);
    for (const quint32 ip : list.addresses) {
        platform::HostRoute route;
        const platform::RouteAnswer answer = platform::systemRoutes().routeTo(ip, route);
        const QString via = QString::fromStdString(route.interfaceName);
        if (answer == platform::RouteAnswer::Unknown)
            *error =
                QStringLiteral("--target %1: the system's routing table cannot be read").arg(ipToText(ip));
        else if (answer == platform::RouteAnswer::NoRoute)
            *error = QStringLiteral("--target %1: no route leads there").arg(ipToText(ip));
        else if (!all && via != scanned)
            *error = QStringLiteral("--target %1: the route there leaves by adapter \"%2\", not by \"%3\"")
                         .arg(ipToText(ip), via, scanned);
        else if (all && !findAdapter(adapters, via))
            *error =
                QStringLiteral("--target %1: the route there leaves by \"%2\", which is no camera adapter")
                    .arg(ipToText(ip), via);
        if (!error->isEmpty()) return false;
    }
    o.targetAddresses = list.addresses;
    return true;
}

} // namespace

bool readScope(ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
               QString *error) {
    if (!readTargets(o, adapters, chosen, error)) return false;
    if (o.expectFile.isEmpty()) return true;
    const LineProblem problem = loadExpectedLine(o.expectFile, &o.expected);
    if (problem.fault == LineProblem::None) return true;
    *error = QStringLiteral("--expect %1: %2").arg(o.expectFile, lineProblemText(problem));
    return false;
}

UdpInterface *cameraAt(const UdpCamManager &manager, quint32 ip, const UdpCamInfo *who) {
    for (int i = 0; i < manager.cameraCount(); ++i) {
        UdpInterface *channel = manager.camera(i);
        if (channel && channel->camInfo.cameraIp == ip && (!who || sameCamera(channel->camInfo, *who)))
            return channel;
    }
    return nullptr;
}
