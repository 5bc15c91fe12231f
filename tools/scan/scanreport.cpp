#include "scanreport.h"

#include "cameras/conflicts.h"
#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "report/clipsummary.h"

#include <QJsonArray>
#include <QStringList>

#include <cmath>
#include <limits>

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

void printTo(FILE *to, const QString &text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
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
        rows.append({QString::number(i), visibleText(cameraTitle(*channel, i)), modelName(info),
                     ipToText(info.cameraIp), linkName(info), statusText(*channel), serialText(info),
                     firmwareText(info), macToText(info.macLow, info.macHigh), protocolName(info),
                     ipToText(info.adapterIp), QString::number(info.adapterMtu),
                     inside ? QString() : QStringLiteral("!")});
    }
    QString out = alignedTable(rows);
    if (anyOutside) out += QStringLiteral("! camera outside the adapter's subnet\n");
    return out;
}

QJsonObject planLineJson(const PlanLine &l, bool applied) {
    const UdpCamInfo &c = l.camera;
    const AddressMove &m = l.move;
    QJsonObject line;
    line.insert(QStringLiteral("mac"), macToText(c.macLow, c.macHigh));
    line.insert(QStringLiteral("serial"), serialText(c));
    line.insert(QStringLiteral("model"), modelName(c));
    line.insert(QStringLiteral("name"), l.name);
    line.insert(QStringLiteral("listed"), l.listed);
    line.insert(QStringLiteral("ip"), ipToText(c.cameraIp));
    line.insert(QStringLiteral("adapterIp"), ipToText(c.adapterIp));
    line.insert(QStringLiteral("newIp"), m.ip ? QJsonValue(ipToText(m.ip)) : QJsonValue());
    line.insert(QStringLiteral("newMask"), ipToText(m.mask));
    if (applied) {
        line.insert(QStringLiteral("sent"), l.sent);
        line.insert(QStringLiteral("answered"), l.answered);
    }
    return line;
}

QStringList planHeadings(bool applied) {
    QStringList h{QStringLiteral("MAC"),     QStringLiteral("Serial"),  QStringLiteral("Model"),
                  QStringLiteral("Name"),    QStringLiteral("Address"), QStringLiteral("New address"),
                  QStringLiteral("New mask")};
    if (applied) h << QStringLiteral("Result");
    return h;
}

QStringList planCells(const PlanLine &l, bool applied) {
    const UdpCamInfo &c = l.camera;
    const AddressMove &m = l.move;
    const QString result = m.ip == NoIp ? QStringLiteral("no free address")
                           : !l.sent    ? QStringLiteral("not sent")
                           : l.answered ? QStringLiteral("answers")
                                        : QStringLiteral("does not answer");
    QStringList cells{macToText(c.macLow, c.macHigh),
                      serialText(c),
                      modelName(c),
                      visibleText(l.name),
                      ipToText(c.cameraIp),
                      m.ip ? ipToText(m.ip) : QStringLiteral("-"),
                      ipToText(m.mask)};
    if (applied) cells << result;
    return cells;
}
