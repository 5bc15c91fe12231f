#include "reportjson.h"

#include "cameras/conflicts.h"
#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "clipsummary.h"
#include "doctor/fixtext.h"

#include "net/adapters.h"
#include "net/addresses.h"
#include "net/udpinterface.h"

#include <cmath>
#include <limits>

namespace {

// JSON numbers are doubles; a 64-bit count beyond qint64 is kept positive as a double.
QJsonValue unsignedValue(quint64 v) {
    if (v > quint64(std::numeric_limits<qint64>::max())) return QJsonValue(double(v));
    return QJsonValue(qint64(v));
}

QJsonValue unsignedValue(quint32 v) {
    return QJsonValue(qint64(v));
}

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

QString plainClipSummary(const ClipInfo &clip) {
    const ClipSummaryLines lines = clipSummaryLines(clip);
    return lines.head + QLatin1String(" | ") + lines.trim.trimmed() + QLatin1String(" | ") + lines.format;
}

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
    o.insert(QStringLiteral("mtu"), unsignedValue(adapter.mtu));
    return o;
}

bool statusKnown(const UdpInterface &channel) {
    // Advanced cameras are never polled: they stand at the status the window shows for them too.
    return isAdvanced(channel.camInfo) || channel.statusKnown;
}

QString statusText(const UdpInterface &channel) {
    if (isAdvanced(channel.camInfo)) return UdpCamManager::statusWord(int(channel.status));
    return statusDescription(channel.status, channel.statusKnown);
}

QString statusDescription(quint32 status, bool known) {
    if (!known) return QCoreApplication::translate("UdpCamManager", "Status not yet known");
    if (UdpCamManager::isNamedStatus(status)) return UdpCamManager::statusWord(int(status));
    return QCoreApplication::translate("UdpCamManager", "Unknown status (%1)").arg(status);
}

QJsonObject cameraJson(const UdpInterface &channel, int index) {
    const UdpCamInfo &info = channel.camInfo;
    QJsonObject o;
    o.insert(QStringLiteral("index"), index);
    o.insert(QStringLiteral("name"), channel.cameraName);
    o.insert(QStringLiteral("title"), cameraTitle(channel, index));
    o.insert(QStringLiteral("model"), modelName(info));
    o.insert(QStringLiteral("serial"), serialText(info));
    o.insert(QStringLiteral("firmware"), firmwareText(info));
    o.insert(QStringLiteral("protocol"), protocolName(info));
    o.insert(QStringLiteral("ip"), ipToText(info.cameraIp));
    o.insert(QStringLiteral("mask"), ipToText(info.cameraMask));
    o.insert(QStringLiteral("mac"), macToText(info.macLow, info.macHigh));
    o.insert(QStringLiteral("port"), unsignedValue(info.cameraPort));
    o.insert(QStringLiteral("adapterIp"), ipToText(info.adapterIp));
    o.insert(QStringLiteral("adapterMask"), ipToText(info.adapterMask));
    o.insert(QStringLiteral("adapterMtu"), unsignedValue(info.adapterMtu));
    o.insert(QStringLiteral("link"), linkName(info));
    o.insert(QStringLiteral("status"), unsignedValue(channel.status));
    o.insert(QStringLiteral("statusKnown"), statusKnown(channel));
    o.insert(QStringLiteral("statusText"), statusText(channel));
    // False for a camera that has not yet told its name (a Standard one also its options and a status).
    o.insert(QStringLiteral("answeredInTime"), UdpCamManager::toldAll(channel));
    o.insert(QStringLiteral("inAdapterSubnet"), inAdapterSubnet(info));
    o.insert(QStringLiteral("options"), unsignedValue(info.options));
    o.insert(QStringLiteral("cameraType"), unsignedValue(info.cameraType));
    o.insert(QStringLiteral("sensorType"), unsignedValue(info.sensorType));
    QJsonArray clips;
    for (const ClipInfo *clip : channel.clips) {
        QJsonObject c;
        c.insert(QStringLiteral("clipNumber"), int(clip->clipNumber));
        c.insert(QStringLiteral("frameCount"), unsignedValue(clip->frameCount));
        c.insert(QStringLiteral("frameRate"),
                 std::isfinite(clip->frameRate) ? QJsonValue(double(clip->frameRate)) : QJsonValue());
        c.insert(QStringLiteral("width"), int(clip->width));
        c.insert(QStringLiteral("height"), int(clip->height));
        c.insert(QStringLiteral("firstFrame"), unsignedValue(clip->firstFrame));
        c.insert(QStringLiteral("trimStart"), unsignedValue(clip->trimStart));
        c.insert(QStringLiteral("trimEnd"), unsignedValue(clip->trimEnd));
        c.insert(QStringLiteral("summary"), plainClipSummary(*clip));
        clips.append(c);
    }
    o.insert(QStringLiteral("clips"), clips);
    return o;
}

QJsonObject scanReportJson(const NetAdapterInfo &chosen, const QList<NetAdapterInfo> &adapters,
                           const UdpCamManager &manager, quint32 datagramSize) {
    QJsonArray cameras;
    for (int i = 0; i < manager.cameraCount(); ++i) {
        if (const UdpInterface *channel = manager.camera(i)) cameras.append(cameraJson(*channel, i));
    }
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

QJsonObject cameraIdentityJson(const SeenCamera &c) {
    QJsonObject o;
    o.insert(QStringLiteral("index"), c.index >= 0 ? QJsonValue(c.index) : QJsonValue());
    o.insert(QStringLiteral("ip"), ipToText(c.info.cameraIp));
    o.insert(QStringLiteral("mac"), macToText(c.info.macLow, c.info.macHigh));
    o.insert(QStringLiteral("serial"), serialText(c.info));
    o.insert(QStringLiteral("name"), c.name);
    return o;
}

QJsonObject findingJson(const Finding &f, const QList<SeenCamera> &cameras) {
    QJsonObject o;
    o.insert(QStringLiteral("code"), f.code);
    o.insert(QStringLiteral("severity"), severityName(f.severity));
    o.insert(QStringLiteral("adapter"), f.adapter.isEmpty() ? QJsonValue() : QJsonValue(f.adapter));
    QJsonArray list;
    for (int i : f.cameras)
        list.append(cameraIdentityJson(cameras.at(i)));
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

QList<SeenCamera> seenCameras(const UdpCamManager &manager) {
    QList<SeenCamera> cameras;
    for (int i = 0; i < manager.cameraCount(); ++i) {
        const UdpInterface *channel = manager.camera(i);
        SeenCamera c;
        c.index = i;
        c.info = channel->camInfo;
        c.name = channel->cameraName;
        c.channelAnswered = channel->nameAnswered || channel->optionsAnswered || channel->statusKnown;
        cameras << c;
    }
    for (const UdpCamInfo &info : manager.shadowedCameras()) {
        SeenCamera c;
        c.info = info;
        cameras << c;
    }
    return cameras;
}

QJsonObject doctorReportJson(const QString &adapter, const NetworkFacts &facts, const UdpCamManager &manager,
                             const QList<SeenCamera> &cameras, const QList<Finding> &findings) {
    QList<QJsonObject> listed;
    for (int i = 0; i < manager.cameraCount(); ++i)
        if (const UdpInterface *channel = manager.camera(i)) listed << cameraJson(*channel, i);
    return doctorReportJson(adapter, facts, listed, cameras, findings);
}

QJsonObject doctorReportJson(const QString &adapter, const NetworkFacts &facts,
                             const QList<QJsonObject> &listed, const QList<SeenCamera> &cameras,
                             const QList<Finding> &findings) {
    QJsonArray cameraList, findingList;
    for (QJsonObject camera : listed) {
        const int index = camera.value(QStringLiteral("index")).toInt(-1);
        for (const SeenCamera &c : cameras)
            if (c.index == index) camera.insert(QStringLiteral("path"), pathJson(c.path));
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
