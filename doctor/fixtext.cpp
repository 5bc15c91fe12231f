#include "fixtext.h"

#include "diagnosis.h"
#include "shelldialects.h"

#include "net/addresses.h"

Fix Fix::advice(const QString &text) {
    Fix f;
    f.text = text;
    return f;
}

Fix Fix::shell(ShellDialect dialect, const QList<CommandWord> &words) {
    Fix f;
    f.kind = Command;
    f.command.dialect = dialect;
    f.command.steps = {words};
    return f;
}

QList<CommandWord> words(const char *literal) {
    QList<CommandWord> out;
    for (const QString &w : QString::fromLatin1(literal).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << word(w);
    return out;
}

QString commandLineFix(const Fix &fix) {
    switch (fix.kind) {
    case Fix::Advice:
        return fix.text;
    case Fix::Command: {
        const QString command = commandText(fix.command);
        return fix.lead.isEmpty() ? command : QStringLiteral("(%1: %2)").arg(fix.lead, command);
    }
    case Fix::CheckRoute:
        return FindingTexts::tr("%1   (must leave through %2)")
            .arg(commandText({ShellDialect::Posix, {words("ip route get") << value(ipToText(fix.camera))}}),
                 fix.adapter);
    case Fix::MoveCamera:
        return commandText(
            {ShellDialect::Posix,
             {words("varnix-scan --set-address")
              << value(ipToText(fix.camera)) << value(ipToText(fix.address)) << value(ipToText(fix.mask))
              << word(QStringLiteral("--adapter")) << value(fix.adapter)}});
    case Fix::ReaddressCameras:
        return FindingTexts::tr("Give all but one of them a new address: connect one at a time and run "
                                "varnix-scan --set-address CAMERA_IP NEW_IP MASK");
    case Fix::SeparateSubnets:
        return FindingTexts::tr("Give each camera adapter a subnet of its own and move its cameras into it "
                                "(varnix-scan --set-address)");
    case Fix::ChooseDatagramSize:
        if (fix.datagramSize == 0)
            return FindingTexts::tr(
                "or, if the cameras use another datagram size, pass it with --datagram-size");
        return FindingTexts::tr("or set the camera to %1-byte datagrams, which fit the path, and check with "
                                "--datagram-size %1")
            .arg(fix.datagramSize);
    case Fix::AsAdministrator:
        if (fix.command.dialect == ShellDialect::PowerShell && fix.adapterRestarts)
            return FindingTexts::tr("(in PowerShell run as administrator; the adapter restarts)");
        return FindingTexts::tr("(in a command prompt run as administrator)");
    case Fix::ListenLonger:
        return FindingTexts::tr("Check the cameras' power and cables, or listen longer (--wait %1)")
            .arg(fix.waitMs);
    }
    return fix.text;
}

QStringList commandLineFixes(const QList<Fix> &fixes) {
    QStringList out;
    for (const Fix &f : fixes)
        out << commandLineFix(f);
    return out;
}
