#include "simcamera.h"

#include "wire.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QStringList>

#include <algorithm>

namespace {

constexpr quint32 AdvClipListMagic = 0xABCD0002;
constexpr quint32 AdvCommandMagic = 0xABCD0004;
constexpr quint32 AdvDiscoverReplyMagic = 0xABCD0006;

// Header of a Standard reply: byte 0 is 0 in every reply a camera sends.
wire::Packet standardReply(quint8 opcode, int length) {
    wire::Packet p(length);
    p.u8(0, 0).u8(1, 0).u8(2, 8).u8(3, opcode).u16(4, quint16(length));
    return p;
}

bool parseIp(const QJsonValue &v, quint32 *out) {
    QHostAddress a;
    // Four dotted parts only: the shorthand forms ("1.2.3" = 1.2.0.3) are almost always typos here.
    if (!v.isString() || v.toString().count(QLatin1Char('.')) != 3 || !a.setAddress(v.toString()) ||
        a.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    *out = a.toIPv4Address();
    return true;
}

bool parseMac(const QString &text, quint8 mac[6]) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 6) return false;
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const uint b = parts[i].toUInt(&ok, 16);
        if (!ok || b > 0xFF || parts[i].size() > 2) return false;
        mac[i] = quint8(b);
    }
    return true;
}

quint32 u32Of(const QJsonObject &o, const char *key, quint32 fallback) {
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isDouble() ? quint32(qint64(v.toDouble())) : fallback;
}

} // namespace

quint16 standardCommandPort(quint32 reportedModel) {
    // Every variant of model 10 listens where model 10 does, so the reported code decides alone.
    if (reportedModel >= 12 && reportedModel <= 17) return 1027;
    switch (reportedModel) {
    case 9:
    case 10:
    case 11:
    case 21:
    case 22:
    case 24:
    case 26:
        return 1028;
    default:
        return 1029;
    }
}

int advancedClipEntrySize(quint32 reportedModel) {
    if (reportedModel == 0 || reportedModel == 1) return 48;
    if (reportedModel == 2) return 64;
    return 128;
}

quint32 SimCamera::statusAt(qint64 ms) const {
    if (statusScript.isEmpty()) return status;
    if (statusPeriodMs > 0) ms %= statusPeriodMs;
    quint32 s = status;
    for (const StatusStep &step : statusScript) {
        if (step.afterMs <= ms) s = step.status;
    }
    return s;
}

QByteArray SimCamera::standardDiscoverReply() const {
    wire::Packet p = standardReply(1, 64);
    p.u32(8, standardModel)
        .u32(16, serial)
        .u32(20, firmwareVersion)
        .u32(24, firmwareRevision)
        .u16(30, quint16(variant))
        .u32(36, macHigh())
        .u32(40, macLow())
        .u32(44, ip)
        .u32(48, mask);
    return p.data();
}

QByteArray SimCamera::advancedDiscoverReply() const {
    wire::Packet p(64);
    p.u32(0, AdvDiscoverReplyMagic).u32(16, firmwareVersion).u32(20, serial).u16(28, quint16(advancedModel));
    for (int i = 0; i < 6; ++i)
        p.u8(36 + i, mac[i]);
    p.u8(54, link);
    return p.data();
}

QByteArray SimCamera::nameReply() const {
    return standardReply(2, 8 + 32).text(8, name, 8 + 32).data();
}

QByteArray SimCamera::statusReply(qint64 ms) const {
    return standardReply(14, 16).u32(8, statusAux).u32(12, statusAt(ms)).data();
}

QByteArray SimCamera::readingsReply() const {
    return standardReply(39, 12).u16(8, readings[0]).u16(10, readings[1]).data();
}

QByteArray SimCamera::optionsReply() const {
    return standardReply(210, 16).u8(14, optionC2).u8(15, optionC1).data();
}

QByteArray SimCamera::advancedNameReply() const {
    wire::Packet p(68 + 64);
    p.u32(0, AdvCommandMagic).u8(4, 11).u8(5, 1).u8(6, 2).text(68, name, 68 + 64);
    return p.data();
}

QByteArray SimCamera::advancedAck(quint8 command) const {
    wire::Packet p(12);
    p.u32(0, AdvCommandMagic).u8(4, command).u8(5, 0x80);
    return p.data();
}

QVector<QByteArray> SimCamera::clipListDatagrams() const {
    QVector<QByteArray> out;
    const int perDatagram = qMax(1, clipsPerDatagram);
    int next = 0;
    do {
        const int count = qMin(perDatagram, clips.size() - next);
        wire::Packet p(16 + count * clipEntrySize);
        p.u32(0, AdvClipListMagic).u16(8, quint16(clips.size())).u16(10, quint16(count));
        for (int i = 0; i < count; ++i) {
            const SimClip &c = clips[next + i];
            const int at = 16 + i * clipEntrySize;
            const int end = at + clipEntrySize;
            // A short entry simply ends before the trim fields; writes are clipped to the entry.
            auto put32 = [&](int off, quint32 v) {
                if (at + off + 4 <= end) p.u32(at + off, v);
            };
            p.u64(at + 8, c.frameCount).f32(at + 28, c.frameRate);
            p.u16(at + 40, c.width).u16(at + 42, c.height).u16(at + 44, c.clipNumber);
            put32(48, c.firstFrame);
            put32(52, c.trimStart);
            put32(56, c.trimEnd);
        }
        out.append(p.data());
        next += count;
    } while (next < clips.size());
    return out;
}

bool SimCamera::fromJson(const QJsonObject &o, SimCamera *cam, QString *error) {
    SimCamera c;
    const QString dialect = o.value(QLatin1String("dialect")).toString(QStringLiteral("standard"));
    if (dialect == QLatin1String("advanced"))
        c.advanced = true;
    else if (dialect != QLatin1String("standard"))
        return *error = QStringLiteral("dialect must be \"standard\" or \"advanced\""), false;
    c.answerBoth = o.value(QLatin1String("answerBoth")).toBool(false);
    c.model = u32Of(o, "model", 0);
    c.variant = u32Of(o, "variant", 0);
    c.advancedModel = u32Of(o, "advancedModel", c.model);
    c.standardModel = u32Of(o, "standardModel", c.model);
    c.serial = u32Of(o, "serial", 0);

    const QJsonValue fw = o.value(QLatin1String("firmware"));
    if (fw.isArray()) {
        c.firmwareVersion = quint32(fw.toArray().at(0).toDouble());
        c.firmwareRevision = quint32(fw.toArray().at(1).toDouble());
    } else if (fw.isDouble()) {
        c.firmwareVersion = c.firmwareRevision = quint32(qint64(fw.toDouble()));
    }
    c.firmwareVersion = u32Of(o, "firmwareVersion", c.firmwareVersion);
    c.firmwareRevision = u32Of(o, "firmwareRevision", c.firmwareRevision);

    if (!parseMac(o.value(QLatin1String("mac")).toString(), c.mac))
        return *error = QStringLiteral("mac must look like 00:0c:9c:81:f2:a7"), false;
    if (!parseIp(o.value(QLatin1String("ip")), &c.ip))
        return *error = QStringLiteral("ip must be a dotted IPv4 address"), false;
    if (o.contains(QLatin1String("mask")) && !parseIp(o.value(QLatin1String("mask")), &c.mask))
        return *error = QStringLiteral("mask must be a dotted IPv4 mask"), false;
    c.name = o.value(QLatin1String("name")).toString().toLatin1();
    c.label = o.value(QLatin1String("name")).toString() + QLatin1Char('@') + QHostAddress(c.ip).toString();

    const QByteArray opts = o.value(QLatin1String("options")).toString().toLatin1();
    c.optionC1 = opts.size() > 0 ? quint8(opts[0]) : 0;
    c.optionC2 = opts.size() > 1 ? quint8(opts[1]) : 0;
    c.link = quint8(u32Of(o, "link", 0));
    c.status = u32Of(o, "status", 1);
    c.statusAux = u32Of(o, "statusAux", 0);

    const QJsonValue script = o.value(QLatin1String("statusScript"));
    for (const QJsonValue &v : script.toArray()) {
        const QJsonObject s = v.toObject();
        c.statusScript.append({qint64(s.value(QLatin1String("afterMs")).toDouble()),
                               quint32(s.value(QLatin1String("status")).toDouble())});
    }
    std::sort(c.statusScript.begin(), c.statusScript.end(),
              [](const StatusStep &a, const StatusStep &b) { return a.afterMs < b.afterMs; });
    c.statusPeriodMs = qint64(o.value(QLatin1String("statusPeriodMs")).toDouble(0));
    if (o.value(QLatin1String("statusRepeat")).toBool(false) && c.statusPeriodMs <= 0 &&
        !c.statusScript.isEmpty()) {
        // Without an explicit period the last step lasts as long as the one before it.
        const qint64 last = c.statusScript.last().afterMs;
        const qint64 prev = c.statusScript.size() > 1 ? c.statusScript[c.statusScript.size() - 2].afterMs : 0;
        c.statusPeriodMs = last + qMax<qint64>(last - prev, 1000);
    }

    const QJsonArray readings = o.value(QLatin1String("readings")).toArray();
    if (!readings.isEmpty()) {
        c.hasReadings = true;
        c.readings[0] = quint16(readings.at(0).toDouble());
        c.readings[1] = quint16(readings.at(1).toDouble());
    }

    for (const QJsonValue &v : o.value(QLatin1String("clips")).toArray()) {
        const QJsonObject j = v.toObject();
        SimClip clip;
        clip.clipNumber = quint16(j.value(QLatin1String("clipNumber")).toDouble());
        clip.frameCount = quint64(j.value(QLatin1String("frameCount")).toDouble());
        clip.frameRate = float(j.value(QLatin1String("frameRate")).toDouble());
        clip.width = quint16(j.value(QLatin1String("width")).toDouble());
        clip.height = quint16(j.value(QLatin1String("height")).toDouble());
        clip.firstFrame = quint32(qint64(j.value(QLatin1String("firstFrame")).toDouble()));
        clip.trimStart = quint32(qint64(j.value(QLatin1String("trimStart")).toDouble()));
        clip.trimEnd = quint32(qint64(j.value(QLatin1String("trimEnd")).toDouble()));
        c.clips.append(clip);
    }
    c.clipEntrySize = int(u32Of(o, "clipEntrySize", quint32(advancedClipEntrySize(c.advancedModel))));
    if (c.clipEntrySize < 48 || c.clipEntrySize > 1024)
        return *error = QStringLiteral("clipEntrySize must be between 48 and 1024"), false;
    c.clipsPerDatagram = int(u32Of(o, "clipsPerDatagram", 8));
    c.clipListEveryMs = qint64(u32Of(o, "clipListEveryMs", 0));

    quint32 port = standardCommandPort(c.standardModel);
    port = u32Of(o, "port", port);
    port = u32Of(o, "commandPort", port);
    if (port == 0 || port > 0xFFFF) return *error = QStringLiteral("commandPort must be 1..65535"), false;
    c.commandPort = quint16(port);
    if (o.contains(QLatin1String("discoveryPorts"))) {
        c.discoveryPorts.clear();
        for (const QJsonValue &v : o.value(QLatin1String("discoveryPorts")).toArray())
            c.discoveryPorts.append(quint16(v.toDouble()));
    }
    c.discoveryOnly = o.value(QLatin1String("discoveryOnly")).toBool(false);
    c.silentFromMs = qint64(o.value(QLatin1String("silentFromMs")).toDouble(-1));
    c.silentForMs = qint64(o.value(QLatin1String("silentForMs")).toDouble(0));
    *cam = c;
    return true;
}
