// varnix-scan: finds the cameras on one adapter (or all) and prints them, with the first network
// conflict the camera list would warn about; can also give one camera a new address, say what is wrong
// with the network, or follow the cameras over time. Each mode lives in a file of its own.

#include "scancli.h"
#include "scanoptions.h"
#include "scanreport.h"

#include "app/settings.h"
#include "net/adapters.h"

#include <QCoreApplication>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnix-scan"));

    ScanOptions o;
    QString error;
    if (!parseScanOptions(QCoreApplication::arguments().mid(1), &o, &error)) return refuse(error);
    if (o.mode == ScanOptions::Help) {
        printTo(stdout, scanUsage());
        return 0;
    }
    if (o.mode == ScanOptions::Version) {
        printTo(stdout, QStringLiteral("varnix-scan %1\n").arg(QLatin1String(VARNIX_VERSION)));
        return 0;
    }

    const QList<NetAdapterInfo> adapters = inventory();
    if (o.mode == ScanOptions::ListAdapters) return listAdaptersMode(o, adapters);

    const StoredSettings stored = readSettings();
    const QString name = o.adapterGiven ? o.adapter : stored.netAdapter;
    NetAdapterInfo chosen = allAdaptersEntry();
    if (name != QLatin1String(AllAdaptersName)) {
        if (const NetAdapterInfo *found = findAdapter(adapters, name)) {
            chosen = *found;
        } else if (o.adapterGiven && !o.waitForAdapter) {
            return refuse(QStringLiteral("unknown adapter \"%1\" (see --list-adapters)").arg(name));
        } else if (o.adapterGiven) {
            // A machine may start before its camera adapter is there; the watch follows it by name.
            chosen = NetAdapterInfo();
            qstrncpy(chosen.name, name.toLocal8Bit().constData(), sizeof chosen.name);
        } else {
            // The window falls back to all adapters when the stored one is gone; so do we.
            printTo(stderr, QStringLiteral("varnix-scan: stored adapter \"%1\" not found, using %2\n")
                                .arg(name, QLatin1String(AllAdaptersName)));
        }
    }

    if (!readScope(o, adapters, chosen, &error)) return refuse(error);

    if (o.mode == ScanOptions::SetAddress) {
        // The workstation's own addresses are known before any camera is: refuse them before discovery.
        for (const NetAdapterInfo &a : adapters) {
            const QString refusal = newAddressRefusal(o.newIp, o.newMask, a.ip);
            if (!refusal.isEmpty()) return refuse(refusal);
        }
        return setAddressMode(o, adapters, chosen);
    }
    if (o.mode == ScanOptions::AssignAddresses) return assignMode(o, adapters, chosen);
    const int jumboPacket = o.datagramGiven ? o.jumboPacket : stored.jumboPacket;
    if (o.mode == ScanOptions::Doctor) return doctorMode(o, adapters, chosen, jumboPacket);
    if (o.mode == ScanOptions::Watch) return watchMode(o, adapters, chosen, jumboPacket);
    return scanMode(o, adapters, chosen, jumboPacket);
}
