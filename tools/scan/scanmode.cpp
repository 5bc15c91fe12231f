#include "discoverywait.h"
#include "scancli.h"
#include "scanreport.h"

#include "cameras/conflicts.h"
#include "cameras/udpcammanager.h"
#include "net/addresses.h"
#include "net/udpinterface.h"

#include <QJsonArray>

int listAdaptersMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters) {
    if (o.json) {
        QJsonObject out;
        out.insert(QStringLiteral("adapters"), adaptersJson(adapters));
        printJson(out);
    } else {
        printTo(stdout, adapterTable(adapters));
    }
    return 0;
}

int scanMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
             int jumboPacket) {
    UdpCamManager manager;
    manager.restartDiscovery(&chosen);
    listenForCameras(manager, o);

    const ConflictKind conflict = findCameraConflict(manager, datagramSizeFor(jumboPacket));
    if (o.json) {
        QJsonArray cameras;
        for (int i = 0; i < manager.cameraCount(); ++i) {
            if (const UdpInterface *channel = manager.camera(i)) cameras.append(cameraJson(*channel, i));
        }
        QJsonObject out;
        out.insert(QStringLiteral("adapter"), QString::fromLocal8Bit(chosen.name));
        out.insert(QStringLiteral("adapters"), adaptersJson(adapters));
        out.insert(QStringLiteral("cameras"), cameras);
        out.insert(QStringLiteral("conflict"), conflictJson(conflict));
        printJson(out);
    } else {
        QString text = QStringLiteral("Adapter: %1").arg(QString::fromLocal8Bit(chosen.name));
        if (!isAllAdapters(chosen))
            text += QStringLiteral(" (%1 / %2, MTU %3)")
                        .arg(ipToText(chosen.ip), ipToText(chosen.mask))
                        .arg(chosen.mtu);
        printTo(stdout, text + QLatin1String("\n\n") + cameraTable(manager));
        const QString note = shortNote(manager);
        if (!note.isEmpty()) printTo(stdout, QLatin1Char('\n') + note);
        if (conflict != ConflictKind::None)
            printTo(stdout, QStringLiteral("\nWarning: %1\n").arg(conflictText(conflict)));
    }
    return 0;
}
