// varnix-scan: finds the cameras on one adapter (or all) and prints them, with the first network
// conflict the camera list would warn about; can also give one camera a new address.

#include "discoverywait.h"
#include "networkmodes.h"
#include "scanoptions.h"
#include "scanreport.h"

#include "app/settings.h"
#include "cameras/conflicts.h"
#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/addresses.h"
#include "net/udpinterface.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

constexpr int AddressSettleMs = 200;

void print(FILE *to, const QString &text) {
    printTo(to, text);
}

int refuse(const QString &message) {
    print(stderr, QStringLiteral("varnix-scan: %1\nTry 'varnix-scan --help'.\n").arg(message));
    return 2;
}

QList<NetAdapterInfo> inventory() {
    std::vector<NetAdapterInfo> buffer(MaxAdapters);
    const int n = listAdapters(buffer.data(), MaxAdapters);
    QList<NetAdapterInfo> adapters;
    for (int i = 0; i < n; ++i)
        adapters.append(buffer[size_t(i)]);
    return adapters;
}

// The adapter entry whose name matches, as the window's adapter list picks it: the last match.
const NetAdapterInfo *findAdapter(const QList<NetAdapterInfo> &adapters, const QString &name) {
    const NetAdapterInfo *found = nullptr;
    for (const NetAdapterInfo &a : adapters) {
        if (QString::fromLocal8Bit(a.name) == name) found = &a;
    }
    return found;
}

void printJson(const QJsonObject &o) {
    print(stdout, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)));
}

// Lets the event loop run for `ms`, or less when `done` holds after a camera was listed or answered.
template <typename Done> void listen(UdpCamManager &manager, int ms, Done done) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    const auto check = [&] {
        if (done()) loop.quit();
    };
    QObject::connect(&manager, &UdpCamManager::updateCameraList, &loop, check);
    QObject::connect(&manager, &UdpCamManager::updateCameraStatus, &loop, check);
    if (!done()) loop.exec();
}

UdpInterface *cameraAt(const UdpCamManager &manager, quint32 ip) {
    for (int i = 0; i < manager.cameraCount(); ++i) {
        UdpInterface *channel = manager.camera(i);
        if (channel && channel->camInfo.cameraIp == ip) return channel;
    }
    return nullptr;
}

int listAdaptersMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters) {
    if (o.json) {
        QJsonObject out;
        out.insert(QStringLiteral("adapters"), adaptersJson(adapters));
        printJson(out);
    } else {
        print(stdout, adapterTable(adapters));
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
        print(stdout, text + QLatin1String("\n\n") + cameraTable(manager));
        const QString note = shortNote(manager);
        if (!note.isEmpty()) print(stdout, QLatin1Char('\n') + note);
        if (conflict != ConflictKind::None)
            print(stdout, QStringLiteral("\nWarning: %1\n").arg(conflictText(conflict)));
    }
    return 0;
}

int setAddressMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters,
                   const NetAdapterInfo &chosen) {
    QJsonObject before;
    bool sent = false;
    {
        // The camera is looked for until it has told its name, so that the report can say which it was.
        UdpCamManager manager;
        manager.restartDiscovery(&chosen);
        listen(manager, o.waitMs, [&] {
            const UdpInterface *found = cameraAt(manager, o.cameraIp);
            return found && found->nameAnswered;
        });
        UdpInterface *target = cameraAt(manager, o.cameraIp);
        if (!target) {
            print(stderr,
                  QStringLiteral("varnix-scan: no camera answers from %1\n").arg(ipToText(o.cameraIp)));
            return 1;
        }
        before = cameraJson(*target, target->index);
        const AddressChange change = manager.setCameraAddress(target, o.newIp, o.newMask);
        if (change.outcome == AddressChange::Refused)
            return refuse(newAddressRefusal(o.newIp, o.newMask, target->camInfo.adapterIp));
        sent = change.outcome == AddressChange::Sent;
        QThread::msleep(AddressSettleMs); // nothing to handle meanwhile: the manager goes next
    }

    // Found again as a scan finds it, with its name and first status; no longer than that.
    UdpCamManager manager;
    manager.restartDiscovery(&chosen);
    listen(manager, o.waitMs, [&] {
        const UdpInterface *found = cameraAt(manager, o.newIp);
        return found && UdpCamManager::toldAll(*found);
    });
    const UdpInterface *moved = cameraAt(manager, o.newIp);
    const bool answered = moved != nullptr;

    const QString who = QStringLiteral("%1 (%2, MAC %3)")
                            .arg(visibleText(before.value(QStringLiteral("title")).toString()),
                                 before.value(QStringLiteral("model")).toString(),
                                 before.value(QStringLiteral("mac")).toString());
    const QString from = before.value(QStringLiteral("ip")).toString();
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
        out.insert(QStringLiteral("camera"), before);
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
        if (moved) text += QLatin1Char('\n') + cameraTable(manager, moved->index);
        print(stdout, text);
    }
    if (!answered)
        print(stderr,
              QStringLiteral("varnix-scan: the camera did not answer at %1\n").arg(ipToText(o.newIp)));
    return answered ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnix-scan"));

    ScanOptions o;
    QString error;
    if (!parseScanOptions(QCoreApplication::arguments().mid(1), &o, &error)) return refuse(error);
    if (o.mode == ScanOptions::Help) {
        print(stdout, scanUsage());
        return 0;
    }
    if (o.mode == ScanOptions::Version) {
        print(stdout, QStringLiteral("varnix-scan %1\n").arg(QLatin1String(VARNIX_VERSION)));
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
        } else if (o.adapterGiven) {
            return refuse(QStringLiteral("unknown adapter \"%1\" (see --list-adapters)").arg(name));
        } else {
            // The window falls back to all adapters when the stored one is gone; so do we.
            print(stderr, QStringLiteral("varnix-scan: stored adapter \"%1\" not found, using %2\n")
                              .arg(name, QLatin1String(AllAdaptersName)));
        }
    }

    if (o.mode == ScanOptions::SetAddress) {
        // The workstation's own addresses are known before any camera is: refuse them before discovery.
        for (const NetAdapterInfo &a : adapters) {
            const QString refusal = newAddressRefusal(o.newIp, o.newMask, a.ip);
            if (!refusal.isEmpty()) return refuse(refusal);
        }
        return setAddressMode(o, adapters, chosen);
    }
    const int jumboPacket = o.datagramGiven ? o.jumboPacket : stored.jumboPacket;
    if (o.mode == ScanOptions::Doctor) return doctorMode(o, adapters, chosen, jumboPacket);
    if (o.mode == ScanOptions::Watch) return watchMode(o, adapters, chosen, jumboPacket);
    return scanMode(o, adapters, chosen, jumboPacket);
}
