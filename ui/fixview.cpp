#include "ui/fixview.h"

#include "doctor/shelldialects.h"
#include "hostpolicy/hostfacts.h"
#include "net/addresses.h"

namespace {

// The window writes a fix's lead as a sentence of its own.
QString sentence(const QString &text) {
    return text.isEmpty() ? text : text.at(0).toUpper() + text.mid(1);
}

QString shellName(ShellDialect dialect) {
    switch (dialect) {
    case ShellDialect::PowerShell:
        return FixView::tr("In PowerShell run as administrator:");
    case ShellDialect::Netsh:
        return FixView::tr("In a command prompt run as administrator:");
    case ShellDialect::Posix:
        break;
    }
    return FixView::tr("In a terminal:");
}

} // namespace

ShownFix shownFix(const Fix &fix) {
    switch (fix.kind) {
    case Fix::Advice:
        return {fix.text, QString()};
    case Fix::Command:
        return {fix.lead.isEmpty() ? shellName(fix.command.dialect) : sentence(fix.lead) + QLatin1Char(':'),
                commandText(fix.command)};
    case Fix::CheckRoute:
        return {FixView::tr("The route to the camera must leave through %1; in a terminal:").arg(fix.adapter),
                commandText({ShellDialect::Posix,
                             {{word(QStringLiteral("ip")), word(QStringLiteral("route")),
                               word(QStringLiteral("get")), value(ipToText(fix.camera))}}})};
    case Fix::MoveCamera:
        if (fix.backToLine)
            return {
                FixView::tr("Move camera... gives it back the address %1 (mask %2) that the expected line "
                            "has for it.")
                    .arg(ipToText(fix.address), ipToText(fix.mask)),
                QString()};
        return {FixView::tr("Move camera... gives it the free address %1 (mask %2) in the subnet of %3.")
                    .arg(ipToText(fix.address), ipToText(fix.mask), fix.adapter),
                QString()};
    case Fix::ReaddressCameras:
        return {FixView::tr("Give all but one of them a new address: right-click each in the camera list "
                            "and choose Edit IP Address..."),
                QString()};
    case Fix::SeparateSubnets:
        return {FixView::tr("Give each camera adapter a subnet of its own and move its cameras into it "
                            "(Edit IP Address... in the camera list)."),
                QString()};
    case Fix::ChooseDatagramSize:
        if (fix.datagramSize == 0)
            return {
                FixView::tr("Or, if the cameras use another datagram size, choose it under Datagram size, "
                            "then Check again."),
                QString()};
        return {FixView::tr("Or set the camera to %1-byte datagrams, which fit the path, choose %1 under "
                            "Datagram size, then Check again.")
                    .arg(fix.datagramSize),
                QString()};
    case Fix::AsAdministrator:
        return {fix.adapterRestarts ? FixView::tr("The adapter restarts.") : QString(), QString()};
    case Fix::ListenLonger:
        return {FixView::tr("Check the cameras' power and cables; a camera that has just been switched on "
                            "answers a little later: Update List, then Check again."),
                QString()};
    }
    return {fix.text, QString()};
}

namespace {

QString shownFact(const UnreadableFact &fact) {
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("FixView", "firewall"),
        QT_TRANSLATE_NOOP("FixView", "adapter settings"),
        QT_TRANSLATE_NOOP("FixView", "link state"),
    };
    QString name = fact.fact;
    for (const char *known : names) {
        if (fact.fact == QLatin1String(known)) name = FixView::tr(known);
    }
    if (fact.adapters.isEmpty()) return name;
    return FixView::tr("%1 of %2").arg(name, fact.adapters.join(QLatin1String(", ")));
}

} // namespace

QList<ShownFix> shownFixes(const QList<Fix> &fixes) {
    QList<ShownFix> out;
    for (int i = 0; i < fixes.size(); ++i) {
        ShownFix shown = shownFix(fixes.at(i));
        const Fix *before = i > 0 ? &fixes.at(i - 1) : nullptr;
        if (fixes.at(i).kind == Fix::Command && fixes.at(i).lead.isEmpty() && before &&
            before->kind == Fix::Command && before->command.dialect == fixes.at(i).command.dialect)
            shown.text.clear();
        if (!shown.text.isEmpty() || !shown.command.isEmpty()) out << shown;
    }
    return out;
}

QString shownUnreadable(const QList<UnreadableFact> &facts) {
    QStringList out;
    for (const UnreadableFact &u : facts)
        out << shownFact(u);
    return out.join(QLatin1String("; "));
}
