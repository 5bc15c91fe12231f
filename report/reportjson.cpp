#include "reportjson.h"

#include "cameras/conflicts.h"
#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "doctor/fixtext.h"

#include "net/adapters.h"
#include "net/addresses.h"
#include "net/udpinterface.h"

namespace {

QJsonValue known(int value) {
    return value >= 0 ? QJsonValue(value) : QJsonValue();
}

// The adapter objects with what the system said about each; null where it said nothing.
QJsonArray adapterFactsJson(const NetworkFacts &facts) {
    QJsonArray list;
    for (const AdapterFacts &a : facts.adapters) {
        QJsonObject o = adapterJson(a.adapter);
        o.insert(QStringLiteral("rpFilter"), known(qMax(a.rpFilterAll, a.rpFilterInterface)));
        o.insert(QStringLiteral("up"), a.up >= 0 ? QJsonValue(a.up == 1) : QJsonValue());
        o.insert(QStringLiteral("speedMbps"), known(a.speedMbps));
        o.insert(QStringLiteral("jumboPacket"), known(a.jumboPacketBytes));
        o.insert(QStringLiteral("receiveBuffers"), known(a.receiveBuffers));
        o.insert(QStringLiteral("interruptModeration"),
                 a.interruptModeration >= 0 ? QJsonValue(a.interruptModeration != 0) : QJsonValue());
        list.append(o);
    }
    return list;
}

QString firewallName(const FirewallFacts &firewall, const QString &adapter) {
    if (firewall.state == FirewallFacts::Unknown) return QStringLiteral("unknown");
    return firewall.blocks(adapter) ? QStringLiteral("blocks") : QStringLiteral("open");
}

} // namespace

QJsonArray adaptersJson(const QList<NetAdapterInfo> &adapters) {
    QJsonArray array;
    for (const NetAdapterInfo &a : adapters)
        array.append(adapterJson(a));
    return array;
}

QJsonObject adapterJson(const NetAdapterInfo &adapter) {
    QJsonObject o;
    o.insert(QStringLiteral("name"), QString::fromLocal8Bit(adapter.name));
    o.insert(QStringLiteral("description"), QString::fromLocal8Bit(adapter.description));
    o.insert(QStringLiteral("mac"), QString::fromLatin1(adapter.macText));
    o.insert(QStringLiteral("ip"), ipToText(adapter.ip));
    o.insert(QStringLiteral("mask"), ipToText(adapter.mask));
    o.insert(QStringLiteral("mtu"), qint64(adapter.mtu));
    return o;
}

QJsonObject cameraJson(const CameraSnapshot &camera) {
    using F = CameraField;
    return fieldsJson({F::Index,    F::Name,        F::Title,       F::Model,          F::Serial,
                       F::Firmware, F::Protocol,    F::Ip,          F::Mask,           F::Mac,
                       F::Port,     F::AdapterIp,   F::AdapterMask, F::AdapterMtu,     F::Link,
                       F::Status,   F::StatusKnown, F::StatusText,  F::AnsweredInTime, F::InAdapterSubnet,
                       F::Routed,   F::Options,     F::CameraType,  F::SensorType,     F::Clips},
                      camera);
}

QJsonObject cameraJson(const UdpInterface &channel, int row) {
    return cameraJson(cameraSnapshot(channel, row));
}

QJsonObject scanReportJson(const NetAdapterInfo &chosen, const QList<NetAdapterInfo> &adapters,
                           const UdpCamManager &manager, quint32 datagramSize) {
    QJsonArray cameras;
    for (const CameraSnapshot &camera : listedSnapshots(manager))
        cameras.append(cameraJson(camera));
    QJsonValue conflict;
    const ConflictKind kind = findCameraConflict(manager, datagramSize);
    if (kind != ConflictKind::None) {
        QJsonObject o;
        o.insert(QStringLiteral("code"), int(kind));                // the window's warning code
        o.insert(QStringLiteral("findingCode"), findingCode(kind)); // what --doctor and --watch call it
        o.insert(QStringLiteral("text"), conflictText(kind));
        conflict = o;
    }
    QJsonObject out;
    out.insert(QStringLiteral("adapter"), QString::fromLocal8Bit(chosen.name));
    out.insert(QStringLiteral("adapters"), adaptersJson(adapters));
    out.insert(QStringLiteral("cameras"), cameras);
    out.insert(QStringLiteral("conflict"), conflict);
    return out;
}

QJsonObject cameraIdentityJson(const CameraSnapshot &camera) {
    using F = CameraField;
    return fieldsJson({F::Index, F::Ip, F::Mac, F::Serial, F::Name}, camera);
}

QJsonObject findingJson(const Finding &f, const QList<SeenCamera> &cameras) {
    QJsonObject o;
    o.insert(QStringLiteral("code"), f.code);
    o.insert(QStringLiteral("severity"), severityName(f.severity));
    o.insert(QStringLiteral("adapter"), f.adapter.isEmpty() ? QJsonValue() : QJsonValue(f.adapter));
    QJsonArray list;
    for (const CameraRef &who : f.cameras)
        if (const SeenCamera *c = cameraNamed(cameras, who)) list.append(cameraIdentityJson(*c));
    // A camera that did not answer has no row and no address of its own yet: where it should answer.
    for (const AbsentCamera &c : f.absent)
        list.append(QJsonObject{{QStringLiteral("index"), QJsonValue()},
                                {QStringLiteral("ip"), c.ip ? QJsonValue(ipToText(c.ip)) : QJsonValue()},
                                {QStringLiteral("mac"), c.mac},
                                {QStringLiteral("serial"), c.serial},
                                {QStringLiteral("name"), c.name}});
    o.insert(QStringLiteral("cameras"), list);
    o.insert(QStringLiteral("text"), f.text);
    o.insert(QStringLiteral("fix"), QJsonArray::fromStringList(commandLineFixes(f.fixes)));
    return o;
}

QJsonValue pathJson(const PathResult &path) {
    if (path.state != PathResult::Probed) return QStringLiteral("not probed");
    QJsonObject o;
    o.insert(QStringLiteral("needed"), qint64(path.needed));
    o.insert(QStringLiteral("largestPassed"), qint64(path.largestPassed));
    return o;
}

QJsonObject doctorReportJson(const QString &adapter, const NetworkFacts &facts,
                             const QList<SeenCamera> &cameras, const QList<Finding> &findings) {
    QJsonArray cameraList, findingList;
    for (const SeenCamera &c : cameras) {
        if (!c.listed()) continue;
        QJsonObject camera = cameraJson(c);
        camera.insert(QStringLiteral("path"), pathJson(c.path));
        cameraList.append(camera);
    }
    for (const Finding &f : findings)
        findingList.append(findingJson(f, cameras));
    QJsonObject out;
    out.insert(QStringLiteral("adapter"), adapter);
    out.insert(QStringLiteral("adapters"), adapterFactsJson(facts));
    out.insert(QStringLiteral("receiveBufferMax"),
               facts.receiveBufferMax >= 0 ? QJsonValue(facts.receiveBufferMax) : QJsonValue());
    out.insert(QStringLiteral("firewall"), firewallName(facts.firewall, adapter));
    const char *const managers[] = {"nft", "ufw", "firewalld"};
    out.insert(QStringLiteral("firewallManager"), QLatin1String(managers[facts.firewall.manager]));
    out.insert(QStringLiteral("unreadable"), QJsonArray::fromStringList(unreadableNames(facts.unreadable)));
    out.insert(QStringLiteral("cameras"), cameraList);
    out.insert(QStringLiteral("findings"), findingList);
    return out;
}

QJsonObject doctorReportJson(const NetworkCheckResult &result) {
    return doctorReportJson(result.adapter, result.facts, result.cameras, result.findings);
}
