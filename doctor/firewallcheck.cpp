#include "firewallcheck.h"

#include "diagnosis.h"
#include "shelldialects.h"

QList<Finding> firewallFindings(const NetworkFacts &facts, const QString &adapter) {
    const FirewallFacts &fw = facts.firewall;
    if (!fw.blocks(adapter)) return {};
    const QString ports = QStringLiteral("%1-%2").arg(DiscoveryFirstPort).arg(DiscoveryLastPort);
    Finding f;
    f.code = QStringLiteral("firewall");
    if (fw.manager == FirewallFacts::Nft) {
        f.text =
            FindingTexts::tr("The input chain \"%1\" drops what it does not accept and accepts no UDP to the "
                             "discovery ports %2: the cameras' replies never arrive.")
                .arg(fw.chain, ports);
        QList<CommandWord> insert = words("sudo nft insert rule");
        for (const QString &part : fw.chain.split(QLatin1Char(' ')))
            insert << value(part);
        f.fixes << Fix::shell(ShellDialect::Posix,
                              insert << words("udp dport") << word(ports) << word("accept"))
                << Fix::advice(FindingTexts::tr("(camera replies to name and status requests also need "
                                                "\"ct state established,related accept\" in that chain)"));
        return {f};
    }
    const bool all = namesAllAdapters(adapter);
    QStringList names, zones;
    for (int i = 0; i < fw.adapters.size(); ++i) {
        if (!all && fw.adapters.at(i) != adapter) continue;
        names << fw.adapters.at(i);
        const QString zone = fw.zones.value(i);
        if (!zones.contains(zone)) zones << zone;
    }
    f.adapter = names.size() == 1 ? names.first() : QString();
    if (fw.manager == FirewallFacts::Ufw) {
        f.text =
            FindingTexts::tr("ufw lets no UDP to the discovery ports %1 in on %2: the cameras' replies never "
                             "arrive.")
                .arg(ports, names.join(QLatin1String(", ")));
        for (const QString &name : qAsConst(names))
            f.fixes << Fix::shell(
                ShellDialect::Posix,
                words("sudo ufw allow in on")
                    << value(name) << words("proto udp to any port")
                    << word(QStringLiteral("%1:%2").arg(DiscoveryFirstPort).arg(DiscoveryLastPort)));
        return {f};
    }
    f.text =
        FindingTexts::tr("firewalld's zone %1 lets no UDP to the discovery ports %2 in on %3: the cameras' "
                         "replies never arrive.")
            .arg(zones.join(QLatin1String(", ")), ports, names.join(QLatin1String(", ")));
    for (const QString &zone : qAsConst(zones)) {
        Fix open;
        open.kind = Fix::Command;
        open.command.steps = {words("sudo firewall-cmd --permanent")
                                  << value(QLatin1String("--zone=") + zone)
                                  << word(QStringLiteral("--add-port=%1/udp").arg(ports)),
                              words("sudo firewall-cmd --reload")};
        f.fixes << open;
    }
    Fix trusted =
        Fix::shell(ShellDialect::Posix, words("sudo firewall-cmd --permanent --zone=trusted")
                                            << value(QLatin1String("--change-interface=") + names.first()));
    trusted.lead = FindingTexts::tr("or give the camera adapter a zone of its own that accepts them");
    f.fixes << trusted;
    return {f};
}
