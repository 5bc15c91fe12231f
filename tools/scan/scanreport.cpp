#include "scanreport.h"

#include "cameras/clipsummary.h"
#include "cameras/conflicts.h"
#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/addresses.h"
#include "net/udpinterface.h"

#include <QJsonArray>
#include <QStringList>

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

QString protocolName(const UdpCamInfo &info) {
    return info.protocol == 1 ? QStringLiteral("Advanced") : QStringLiteral("Standard");
}

QString linkName(const UdpCamInfo &info) {
    return info.link10G != 0 ? QStringLiteral("10G") : QStringLiteral("1G");
}

// Rows of cells printed in columns two blanks apart, the last column unpadded.
QString alignedTable(const QList<QStringList> &rows) {
    QList<int> widths;
    for (const QStringList &row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            if (c >= widths.size()) widths.append(0);
            widths[c] = qMax(widths[c], row.at(c).size());
        }
    }
    QString out;
    for (const QStringList &row : rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c) {
            if (c + 1 < row.size())
                line += row.at(c).leftJustified(widths[c]) + QLatin1String("  ");
            else
                line += row.at(c);
        }
        int end = line.size();
        while (end > 0 && line.at(end - 1) == QLatin1Char(' '))
            --end;
        out += line.left(end) + QLatin1Char('\n');
    }
    return out;
}

} // namespace

QString plainClipSummary(const ClipInfo &clip) {
    const ClipSummaryLines lines = clipSummaryLines(clip);
    return lines.head + QLatin1String(" | ") + lines.trim.trimmed() + QLatin1String(" | ") + lines.format;
}

QString cameraTitle(const UdpInterface &channel, int index) {
    return channel.cameraName.isEmpty() ? QStringLiteral("Camera %1").arg(index + 1) : channel.cameraName;
}

void printTo(FILE *to, const QString &text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
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
    o.insert(QStringLiteral("statusText"), UdpCamManager::statusWord(int(channel.status)));
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

QJsonValue conflictJson(ConflictKind kind) {
    if (kind == ConflictKind::None) return QJsonValue(QJsonValue::Null);
    QJsonObject o;
    o.insert(QStringLiteral("code"), int(kind)); // the window's warning code
    o.insert(QStringLiteral("text"), conflictText(kind));
    return o;
}

QString adapterTable(const QList<NetAdapterInfo> &adapters) {
    QList<QStringList> rows;
    rows.append({QStringLiteral("Name"), QStringLiteral("IP"), QStringLiteral("Mask"), QStringLiteral("MTU"),
                 QStringLiteral("MAC"), QStringLiteral("Description")});
    for (const NetAdapterInfo &a : adapters) {
        rows.append({QString::fromLocal8Bit(a.name), ipToText(a.ip), ipToText(a.mask), QString::number(a.mtu),
                     QString::fromLatin1(a.macText), QString::fromLocal8Bit(a.description)});
    }
    return alignedTable(rows);
}

QString cameraTable(const UdpCamManager &manager, int only) {
    const int n = manager.cameraCount();
    if (n == 0) return QStringLiteral("No cameras found.\n");
    QList<QStringList> rows;
    rows.append({QStringLiteral("#"), QStringLiteral("Name"), QStringLiteral("Model"), QStringLiteral("IP"),
                 QStringLiteral("Link"), QStringLiteral("Status"), QStringLiteral("Serial"),
                 QStringLiteral("Firmware"), QStringLiteral("MAC"), QStringLiteral("Protocol"),
                 QStringLiteral("Adapter"), QStringLiteral("MTU"), QStringLiteral("Subnet")});
    bool anyOutside = false;
    for (int i = 0; i < n; ++i) {
        const UdpInterface *channel = manager.camera(i);
        if (!channel || (only >= 0 && i != only)) continue;
        const UdpCamInfo &info = channel->camInfo;
        const bool inside = inAdapterSubnet(info);
        anyOutside = anyOutside || !inside;
        rows.append({QString::number(i), cameraTitle(*channel, i), modelName(info), ipToText(info.cameraIp),
                     linkName(info), UdpCamManager::statusWord(int(channel->status)), serialText(info),
                     firmwareText(info), macToText(info.macLow, info.macHigh), protocolName(info),
                     ipToText(info.adapterIp), QString::number(info.adapterMtu),
                     inside ? QString() : QStringLiteral("!")});
    }
    QString out = alignedTable(rows);
    if (anyOutside) out += QStringLiteral("! camera outside the adapter's subnet\n");
    return out;
}
