#include "doctorreport.h"

#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "net/addresses.h"

#include <QJsonArray>
#include <QStringList>

namespace {

QString stamp(const QDateTime &when) {
    return when.toUTC().toString(Qt::ISODateWithMs);
}

QString identityText(const SeenCamera &c) {
    QString text = c.index >= 0 ? QStringLiteral("#%1").arg(c.index) : QStringLiteral("unlisted");
    text += QStringLiteral(" %1 %2 %3")
                .arg(ipToText(c.info.cameraIp), macToText(c.info.macLow, c.info.macHigh), serialText(c.info));
    if (!c.name.isEmpty()) text += QStringLiteral(" \"%1\"").arg(visibleText(c.name));
    return text;
}

QString statusValue(qint64 status) {
    if (!UdpCamManager::isNamedStatus(quint32(status))) return statusDescription(quint32(status), true);
    return QStringLiteral("%1 (%2)").arg(UdpCamManager::statusWord(int(status))).arg(status);
}

QString optionsValue(qint64 options) {
    return QStringLiteral("0x%1").arg(quint32(options), 8, 16, QLatin1Char('0'));
}

} // namespace

QString findingText(const Finding &f, const QList<SeenCamera> &cameras) {
    QString out = severityName(f.severity).toUpper() + QLatin1Char(' ') + f.code;
    if (!f.adapter.isEmpty()) out += QStringLiteral(" (%1)").arg(f.adapter);
    out += QStringLiteral("\n  %1\n").arg(f.text);
    for (int i : f.cameras)
        out += QStringLiteral("  camera %1\n").arg(identityText(cameras.at(i)));
    if (!f.fix.isEmpty()) out += QStringLiteral("  fix:\n");
    for (const QString &line : f.fix)
        out += QStringLiteral("    %1\n").arg(line);
    return out;
}

QString pathNotes(const QList<SeenCamera> &cameras) {
    QString out;
    bool unavailable = false;
    for (const SeenCamera &c : cameras) {
        if (c.path.state == PathResult::NoEcho)
            out += QStringLiteral("Path not probed: camera %1 answers no ICMP echo.\n").arg(identityText(c));
        unavailable = unavailable || c.path.state == PathResult::Unavailable;
    }
    if (unavailable)
        out += QStringLiteral("Paths not probed: this user may not send ICMP echo (run as root, or widen "
                              "net.ipv4.ping_group_range).\n");
    return out;
}

QString findingsSummary(const QList<Finding> &findings) {
    int problems = 0, warnings = 0;
    for (const Finding &f : findings)
        (f.severity == Severity::Problem ? problems : warnings)++;
    if (findings.isEmpty()) return QStringLiteral("No problem found.\n");
    return QStringLiteral("%1 problem(s), %2 warning(s).\n").arg(problems).arg(warnings);
}

QJsonObject watchEventJson(const WatchEvent &e) {
    QJsonObject o;
    o.insert(QStringLiteral("time"), stamp(e.when));
    o.insert(QStringLiteral("event"), watchEventName(e.kind));
    o.insert(QStringLiteral("camera"), cameraIdentityJson(e.camera));
    switch (e.kind) {
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
        for (int i : e.conflict.cameras)
            who << identityText(e.conflictCameras.at(i));
        return line + QStringLiteral("conflict %1 %2: %3 [%4]")
                          .arg(e.kind == WatchEvent::ConflictRaised ? QStringLiteral("raised")
                                                                    : QStringLiteral("cleared"),
                               e.conflict.code, e.conflict.text, who.join(QLatin1String("; ")));
    }
    default:
        break;
    }
    line += watchEventName(e.kind) + QLatin1Char(' ') + identityText(e.camera);
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
    case WatchEvent::Clips:
        line += QStringLiteral(": %1 -> %2 clip(s)")
                    .arg(e.hadBefore ? QString::number(e.before) : none)
                    .arg(e.after);
        break;
    default:
        break;
    }
    return line;
}
