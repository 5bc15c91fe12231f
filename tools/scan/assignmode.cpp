// varnix-scan --assign-addresses: a free address for every camera that shares its address or lies outside
// its adapter's subnet, printed and, with --apply, given.

#include "discoverywait.h"
#include "scancli.h"
#include "scanreport.h"

#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "doctor/addressplan.h"
#include "net/adapters.h"
#include "net/addresses.h"
#include "net/udpinterface.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <QThread>
#include <QTimer>

namespace {

// How long a camera is given to take a new address before the next command or the look after.
constexpr int AddressSettleMs = 200;

QList<UdpCamInfo> records(const QList<CameraSnapshot> &cameras) {
    QList<UdpCamInfo> out;
    for (const CameraSnapshot &c : cameras)
        out << c.info;
    return out;
}

// Rediscovers until every moved camera answers at its new address, at most the wait.
QList<UdpCamInfo> lookAgain(const ScanOptions &o, const NetAdapterInfo &chosen,
                            const QList<CameraSnapshot> &cameras, const QList<AddressMove> &moves) {
    UdpCamManager manager;
    manager.setTargets(o.targetAddresses);
    manager.restartDiscovery(&chosen);
    const auto allAnswer = [&] {
        const QList<UdpCamInfo> found = records(heardSnapshots(manager));
        for (const AddressMove &m : moves) {
            if (m.ip != NoIp && !answersAt(cameraNamed(cameras, m.camera)->info, m.ip, found)) return false;
        }
        return true;
    };
    QEventLoop loop;
    QTimer::singleShot(o.waitMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    QTimer tick; // unlisted cameras announce nothing: look now and then as well
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (allAnswer()) loop.quit();
    });
    tick.start(100);
    if (!allAnswer()) loop.exec();
    return records(heardSnapshots(manager));
}

} // namespace

int assignMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen) {
    const bool all = isAllAdapters(chosen);
    const QString adapterName = QString::fromLocal8Bit(chosen.name);
    if (!all && (chosen.ip == NoIp || chosen.ip == UnparsedIp))
        return refuse(
            QStringLiteral("adapter \"%1\" has no IPv4 address to place cameras in").arg(adapterName));
    if (!all && o.firstIp && (o.firstIp & chosen.mask) != (chosen.ip & chosen.mask))
        return refuse(QStringLiteral("--first %1 is outside the subnet of adapter \"%2\" (%3 / %4)")
                          .arg(ipToText(o.firstIp), adapterName, ipToText(chosen.ip), ipToText(chosen.mask)));

    UdpCamManager manager;
    manager.setTargets(o.targetAddresses);
    manager.restartDiscovery(&chosen);
    listenForCameras(manager, o);
    const QList<CameraSnapshot> cameras = heardSnapshots(manager);
    QList<quint32> inUse;
    for (const NetAdapterInfo &a : adapters)
        inUse << a.ip;
    const QList<AddressMove> moves = planAddressesProbed(cameras, o.firstIp, inUse, addressAnswers);

    QList<int> sent; // positions in `moves`
    QList<UdpCamInfo> after;
    if (o.apply) {
        for (int i = 0; i < moves.size(); ++i) {
            const AddressMove &m = moves.at(i);
            if (m.ip == NoIp) continue;
            if (manager.setAddressByMac(cameraNamed(cameras, m.camera)->info, m.ip, m.mask).outcome ==
                AddressChange::Sent)
                sent << i;
            QThread::msleep(AddressSettleMs); // one camera at a time; nothing else to handle meanwhile
        }
        after = lookAgain(o, chosen, cameras, moves);
    }

    // The command goes by broadcast on a camera's own segment, which no router passes.
    int routed = 0;
    for (const CameraSnapshot &c : cameras)
        routed += isRouted(c.info) ? 1 : 0;
    const QString routedNote =
        routed ? QStringLiteral(
                     "%1 camera(s) behind a router are not planned: a new address reaches a camera only "
                     "on its own segment, which the router does not pass.\n")
                     .arg(routed)
               : QString();

    bool allMoved = true;
    QJsonArray plan;
    QList<QStringList> rows{planHeadings(o.apply)};
    for (int i = 0; i < moves.size(); ++i) {
        const AddressMove &m = moves.at(i);
        const CameraSnapshot &camera = *cameraNamed(cameras, m.camera); // the plan moves only these
        const UdpCamInfo &c = camera.info;
        const bool answered = o.apply && m.ip != NoIp && answersAt(c, m.ip, after);
        allMoved = allMoved && m.ip != NoIp && (!o.apply || answered);
        const PlanLine line{camera, m, sent.contains(i), answered};
        plan.append(planLineJson(line, o.apply));
        rows << planCells(line, o.apply);
    }

    if (o.json) {
        QJsonObject out;
        out.insert(QStringLiteral("adapter"), adapterName);
        out.insert(QStringLiteral("adapters"), adaptersJson(adapters));
        out.insert(QStringLiteral("applied"), o.apply);
        out.insert(QStringLiteral("plan"), plan);
        printJson(out);
    } else if (moves.isEmpty() && routedNote.isEmpty()) {
        printTo(stdout,
                QStringLiteral("Every camera on %1 has an address of its own in its adapter's subnet; "
                               "nothing to move.\n")
                    .arg(adapterName));
    } else if (moves.isEmpty()) {
        printTo(stdout, routedNote);
    } else {
        printTo(stdout,
                alignedTable(rows) + routedNote +
                    (o.apply ? QString()
                             : QStringLiteral(
                                   "\nNothing was sent; --apply gives the cameras these addresses.\n")));
    }
    return allMoved ? 0 : 1;
}
