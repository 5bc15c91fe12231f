#include "discoverywait.h"
#include "scancli.h"
#include "scanreport.h"

#include "cameras/conflicts.h"
#include "cameras/udpcammanager.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "report/cameralist.h"
#include "report/linereport.h"

#include <QJsonArray>

#include <cstdio>

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
    manager.setTargets(o.targetAddresses);
    manager.restartDiscovery(&chosen);
    // With an expected line, a camera of it that has not answered yet is waited for until the deadline.
    const bool expecting = !o.expectFile.isEmpty();
    const ExpectedLine line = lineBehind(o.expected, chosen);
    const auto standing = [&] { return compareLine(line, lineCameras(heardSnapshots(manager))); };
    listenForCameras(manager, o, 0, [&] { return expecting && !standing().missing.isEmpty(); });
    const LineStanding judged = standing();

    if (o.json) {
        QJsonObject out = scanReportJson(chosen, adapters, manager, datagramSizeFor(jumboPacket));
        if (expecting) out.insert(QStringLiteral("expected"), expectedLineJson(judged));
        printJson(out);
    } else if (o.csv) {
        const QByteArray rows = csvText(cameraListRows(manager, datagramSizeFor(jumboPacket)));
        std::fwrite(rows.constData(), 1, size_t(rows.size()), stdout); // UTF-8, whatever the locale
        std::fflush(stdout);
    } else {
        QString text = QStringLiteral("Adapter: %1").arg(QString::fromLocal8Bit(chosen.name));
        if (!isAllAdapters(chosen))
            text += QStringLiteral(" (%1 / %2, MTU %3)")
                        .arg(ipToText(chosen.ip), ipToText(chosen.mask))
                        .arg(chosen.mtu);
        printTo(stdout, text + QLatin1String("\n\n") + cameraTable(listedSnapshots(manager)));
        const QString note = shortNote(manager);
        if (!note.isEmpty()) printTo(stdout, QLatin1Char('\n') + note);
        const ConflictKind conflict = findCameraConflict(manager, datagramSizeFor(jumboPacket));
        if (conflict != ConflictKind::None)
            printTo(stdout, QStringLiteral("\nWarning: %1\n").arg(conflictText(conflict)));
        if (expecting) printTo(stdout, QLatin1Char('\n') + lineStandingText(judged));
    }
    return expecting && !judged.asExpected() ? 1 : 0;
}
