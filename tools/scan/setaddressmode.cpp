#include "scancli.h"
#include "scanreport.h"

#include "cameras/udpcammanager.h"
#include "net/addresses.h"
#include "net/udpinterface.h"
#include "report/reportjson.h"

#include <QThread>

namespace {

// How long a camera is given to take its new address before it is looked for there.
constexpr int AddressSettleMs = 200;

} // namespace

int setAddressMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters,
                   const NetAdapterInfo &chosen) {
    CameraSnapshot before;
    UdpCamInfo moving;
    bool sent = false;
    {
        // The camera is looked for until it has told its name, so that the report can say which it was.
        UdpCamManager manager;
        manager.setTargets(o.targetAddresses);
        manager.setTargets(o.targetAddresses);
        manager.restartDiscovery(&chosen);
        listen(manager, o.waitMs, [&] {
            const UdpInterface *found = cameraAt(manager, o.cameraIp);
            return found && found->nameAnswered;
        });
        UdpInterface *target = cameraAt(manager, o.cameraIp);
        if (!target) {
            printTo(stderr,
                    QStringLiteral("varnix-scan: no camera answers from %1\n").arg(ipToText(o.cameraIp)));
            return 1;
        }
        before = cameraSnapshot(*target, target->index);
        moving = target->camInfo;
        const AddressChange change = manager.setCameraAddress(target, o.newIp, o.newMask);
        if (change.outcome == AddressChange::Refused)
            return refuse(newAddressRefusal(o.newIp, o.newMask, target->camInfo.adapterIp));
        if (change.outcome == AddressChange::BehindRouter)
            return refuse(QStringLiteral("camera %1 (through %2): %3")
                              .arg(ipToText(o.cameraIp), ipToText(target->camInfo.routedVia),
                                   QLatin1String(behindRouterText())));
        sent = change.outcome == AddressChange::Sent;
        QThread::msleep(AddressSettleMs); // nothing to handle meanwhile: the manager goes next
    }

    // Found again as a scan finds it, with its name and first status; no longer than that.
    UdpCamManager manager;
    manager.setTargets(o.targetAddresses);
    manager.restartDiscovery(&chosen);
    listen(manager, o.waitMs, [&] {
        const UdpInterface *found = cameraAt(manager, o.newIp, &moving);
        return found && UdpCamManager::toldAll(*found);
    });
    const UdpInterface *moved = cameraAt(manager, o.newIp, &moving);
    const bool answered = moved != nullptr;

    using F = CameraField;
    const QString who = QStringLiteral("%1 (%2, MAC %3)")
                            .arg(visibleText(fieldText(F::Title, before)), fieldText(F::Model, before),
                                 fieldText(F::Mac, before));
    const QString from = fieldText(F::Ip, before);
    QString summary = sent ? QStringLiteral("Moved camera %1 from %2 to %3 mask %4.")
                                 .arg(who, from, ipToText(o.newIp), ipToText(o.newMask))
                           : QStringLiteral("Camera %1 already has address %2 mask %3; nothing sent.")
                                 .arg(who, ipToText(o.newIp), ipToText(o.newMask));
    summary +=
        answered
            ? QStringLiteral(" It answers at %1.").arg(ipToText(o.newIp))
            : QStringLiteral(" No camera answers at %1 after %2 ms.").arg(ipToText(o.newIp)).arg(o.waitMs);

    if (o.json) {
        QJsonObject out;
        out.insert(QStringLiteral("adapter"), QString::fromLocal8Bit(chosen.name));
        out.insert(QStringLiteral("adapters"), adaptersJson(adapters));
        out.insert(QStringLiteral("camera"), cameraJson(before));
        out.insert(QStringLiteral("from"), from);
        out.insert(QStringLiteral("newIp"), ipToText(o.newIp));
        out.insert(QStringLiteral("newMask"), ipToText(o.newMask));
        out.insert(QStringLiteral("sent"), sent);
        out.insert(QStringLiteral("answered"), answered);
        out.insert(QStringLiteral("answer"),
                   moved ? QJsonValue(cameraJson(*moved, moved->index)) : QJsonValue());
        out.insert(QStringLiteral("summary"), summary);
        printJson(out);
    } else {
        QString text = summary + QLatin1Char('\n');
        if (moved) text += QLatin1Char('\n') + cameraTable(listedSnapshots(manager), moved->index);
        printTo(stdout, text);
    }
    if (!answered)
        printTo(stderr,
                QStringLiteral("varnix-scan: the camera did not answer at %1\n").arg(ipToText(o.newIp)));
    return answered ? 0 : 1;
}
