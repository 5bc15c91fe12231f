#include "watchreport.h"

#include "report/doctortext.h"

#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "net/addresses.h"
#include "report/reportjson.h"

#include <QStringList>

namespace {

QString stamp(const QDateTime &when) {
    return when.toUTC().toString(Qt::ISODateWithMs);
}

QString statusValue(qint64 status) {
    if (!UdpCamManager::isNamedStatus(quint32(status))) return statusDescription(quint32(status), true);
    return QStringLiteral("%1 (%2)").arg(UdpCamManager::statusWord(int(status))).arg(status);
}

QString optionsValue(qint64 options) {
    return QStringLiteral("0x%1").arg(quint32(options), 8, 16, QLatin1Char('0'));
}

QString optionalIp(quint32 ip) {
    return ip == NoIp ? QStringLiteral("-") : ipToText(ip);
}

// Who a missing camera of the line is, as the reports name a camera: it has no row, and its address is
// where the line has it.
QJsonObject lineIdentityJson(const LineCamera &c) {
    return {{QStringLiteral("index"), QJsonValue()},
            {QStringLiteral("ip"), c.ip == NoIp ? QJsonValue() : QJsonValue(ipToText(c.ip))},
            {QStringLiteral("mac"), macToText(quint32(c.mac), quint32(c.mac >> 32))},
            {QStringLiteral("serial"), c.serial},
            {QStringLiteral("name"), c.name}};
}

bool isAdapterEvent(const WatchEvent &e) {
    return e.kind == WatchEvent::AdapterDown || e.kind == WatchEvent::AdapterUp ||
           e.kind == WatchEvent::AdapterAddress;
}

// An address before or after an address event; 0 (an adapter without one) is none.
QJsonValue addressJson(qint64 ip) {
    return ip ? QJsonValue(ipToText(quint32(ip))) : QJsonValue();
}
QString addressText(qint64 ip) {
    return ip ? ipToText(quint32(ip)) : QStringLiteral("-");
}

} // namespace

QJsonObject watchEventJson(const WatchEvent &e) {
    QJsonObject o;
    o.insert(QStringLiteral("time"), stamp(e.when));
    o.insert(QStringLiteral("event"), watchEventName(e.kind));
    if (isAdapterEvent(e)) {
        o.insert(QStringLiteral("adapter"), e.adapter);
        o.insert(QStringLiteral("old"), addressJson(e.before));
        o.insert(QStringLiteral("new"), addressJson(e.after));
        return o;
    }
    o.insert(QStringLiteral("camera"), e.kind == WatchEvent::Missing ? lineIdentityJson(e.line.expected)
                                                                     : cameraIdentityJson(e.camera));
    switch (e.kind) {
    case WatchEvent::Moved:
        o.insert(QStringLiteral("expectedIp"), optionalIp(e.line.expected.ip));
        if (e.line.moves & MovedAdapter) {
            o.insert(QStringLiteral("adapter"), ipToText(e.line.heard.adapterIp));
            o.insert(QStringLiteral("expectedAdapter"), ipToText(e.line.expected.adapterIp));
        }
        break;
    case WatchEvent::Address:
        o.insert(QStringLiteral("old"), addressJson(e.before));
        o.insert(QStringLiteral("new"), addressJson(e.after));
        break;
    case WatchEvent::Name:
        o.insert(QStringLiteral("old"), e.hadBefore ? QJsonValue(e.nameBefore) : QJsonValue());
        o.insert(QStringLiteral("new"), e.nameAfter);
        break;
    case WatchEvent::Status:
        o.insert(QStringLiteral("old"), e.hadBefore ? QJsonValue(e.before) : QJsonValue());
        o.insert(QStringLiteral("new"), e.after);
        o.insert(QStringLiteral("oldText"),
                 e.hadBefore ? QJsonValue(statusDescription(quint32(e.before), true)) : QJsonValue());
        o.insert(QStringLiteral("newText"), statusDescription(quint32(e.after), true));
        break;
    case WatchEvent::Options:
    case WatchEvent::Clips:
        o.insert(QStringLiteral("old"), e.hadBefore ? QJsonValue(e.before) : QJsonValue());
        o.insert(QStringLiteral("new"), e.after);
        break;
    case WatchEvent::ConflictRaised:
    case WatchEvent::ConflictCleared: {
        o.insert(QStringLiteral("state"),
                 e.kind == WatchEvent::ConflictRaised ? QStringLiteral("raised") : QStringLiteral("cleared"));
        const QJsonObject f = findingJson(e.conflict, e.conflictCameras);
        for (const char *key : {"code", "severity", "adapter", "cameras", "text", "fix"})
            o.insert(QLatin1String(key), f.value(QLatin1String(key)));
        break;
    }
    default:
        break;
    }
    return o;
}

QString watchEventText(const WatchEvent &e) {
    QString line = stamp(e.when) + QLatin1Char(' ');
    switch (e.kind) {
    case WatchEvent::ConflictRaised:
    case WatchEvent::ConflictCleared: {
        QStringList who;
        for (const CameraRef &camera : e.conflict.cameras)
            if (const SeenCamera *c = cameraNamed(e.conflictCameras, camera)) who << cameraIdentityText(*c);
        return line + QStringLiteral("conflict %1 %2: %3 [%4]")
                          .arg(e.kind == WatchEvent::ConflictRaised ? QStringLiteral("raised")
                                                                    : QStringLiteral("cleared"),
                               e.conflict.code, e.conflict.text, who.join(QLatin1String("; ")));
    }
    case WatchEvent::Missing: {
        const LineCamera &c = e.line.expected;
        line += QStringLiteral("missing expected %1 %2 %3")
                    .arg(optionalIp(c.ip), macToText(quint32(c.mac), quint32(c.mac >> 32)),
                         c.serial.isEmpty() ? QStringLiteral("-") : c.serial);
        return c.name.isEmpty() ? line : line + QStringLiteral(" \"%1\"").arg(visibleText(c.name));
    }
    default:
        break;
    }
    if (isAdapterEvent(e))
        return line +
               QStringLiteral("%1 %2: %3 -> %4")
                   .arg(watchEventName(e.kind), e.adapter, addressText(e.before), addressText(e.after));
    line += watchEventName(e.kind) + QLatin1Char(' ') + cameraIdentityText(e.camera);
    const QString none = QStringLiteral("-");
    switch (e.kind) {
    case WatchEvent::Name:
        line += QStringLiteral(": %1 -> \"%2\"")
                    .arg(e.hadBefore ? QStringLiteral("\"%1\"").arg(visibleText(e.nameBefore)) : none,
                         visibleText(e.nameAfter));
        break;
    case WatchEvent::Status:
        line += QStringLiteral(": %1 -> %2")
                    .arg(e.hadBefore ? statusValue(e.before) : none, statusValue(e.after));
        break;
    case WatchEvent::Options:
        line += QStringLiteral(": %1 -> %2")
                    .arg(e.hadBefore ? optionsValue(e.before) : none, optionsValue(e.after));
        break;
    case WatchEvent::Address:
        line += QStringLiteral(": %1 -> %2").arg(addressText(e.before), addressText(e.after));
        break;
    case WatchEvent::Clips:
        line += QStringLiteral(": %1 -> %2 clip(s)")
                    .arg(e.hadBefore ? QString::number(e.before) : none)
                    .arg(e.after);
        break;
    case WatchEvent::Moved:
        line += QStringLiteral(": expected at %1").arg(optionalIp(e.line.expected.ip));
        if (e.line.moves & MovedAdapter)
            line += QStringLiteral(" through %1, heard through %2")
                        .arg(ipToText(e.line.expected.adapterIp), ipToText(e.line.heard.adapterIp));
        break;
    default:
        break;
    }
    return line;
}
