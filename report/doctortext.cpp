#include "doctortext.h"

#include "camerafields.h"

#include "doctor/fixtext.h"
#include "net/addresses.h"

#include <QStringList>

QString cameraIdentityText(const CameraSnapshot &c) {
    using F = CameraField;
    QString text = c.listed() ? QLatin1Char('#') + fieldText(F::Index, c) : QStringLiteral("unlisted");
    for (F field : {F::Ip, F::Mac, F::Serial})
        text += QLatin1Char(' ') + fieldText(field, c);
    if (!c.name.isEmpty()) text += QStringLiteral(" \"%1\"").arg(visibleText(fieldText(F::Name, c)));
    return text;
}

QString findingText(const Finding &f, const QList<SeenCamera> &cameras) {
    QString out = severityName(f.severity).toUpper() + QLatin1Char(' ') + f.code;
    if (!f.adapter.isEmpty()) out += QStringLiteral(" (%1)").arg(f.adapter);
    out += QStringLiteral("\n  %1\n").arg(f.text);
    for (const CameraRef &who : f.cameras)
        if (const SeenCamera *c = cameraNamed(cameras, who))
            out += QStringLiteral("  camera %1\n").arg(cameraIdentityText(*c));
    for (const AbsentCamera &c : f.absent) {
        QString who = QStringLiteral("missing %1 %2 %3")
                          .arg(c.ip ? ipToText(c.ip) : QStringLiteral("-"), c.mac,
                               c.serial.isEmpty() ? QStringLiteral("-") : c.serial);
        if (!c.name.isEmpty()) who += QStringLiteral(" \"%1\"").arg(visibleText(c.name));
        out += QStringLiteral("  camera %1\n").arg(who);
    }
    if (!f.fixes.isEmpty()) out += QStringLiteral("  fix:\n");
    for (const QString &line : commandLineFixes(f.fixes))
        out += QStringLiteral("    %1\n").arg(line);
    return out;
}

QString pathNotes(const QList<SeenCamera> &cameras) {
    QString out;
    bool unavailable = false;
    for (const SeenCamera &c : cameras) {
        if (c.path.state == PathResult::NoEcho)
            out += QStringLiteral("Path not probed: camera %1 answers no ICMP echo.\n")
                       .arg(cameraIdentityText(c));
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
