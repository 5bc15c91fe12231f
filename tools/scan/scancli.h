#pragma once

// What every mode of varnix-scan shares: its output, its refusals, the adapters, and waiting on the
// manager.

#include "scanoptions.h"

#include "net/adapters.h"

#include <QEventLoop>
#include <QJsonObject>
#include <QList>
#include <QTimer>

#include <cstdio>

class UdpCamManager;
class UdpInterface;
struct UdpCamInfo;

void printJson(const QJsonObject &o);
// Says why the arguments cannot be used, and answers the exit code for it (2).
int refuse(const QString &message);

QList<NetAdapterInfo> inventory();
// The adapter entry whose name matches, as the window's adapter list picks it: the last match.
const NetAdapterInfo *findAdapter(const QList<NetAdapterInfo> &adapters, const QString &name);

// Reads what the options name beyond themselves into `o`: the addresses --target names, each judged as
// the window judges them and with a route that leaves by the adapter scanned (by one with an address for
// all adapters), and the --expect file. False with the reason: nothing may be sent then.
bool readScope(ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
               QString *error);

// The listed camera answering from `ip` (and, given `who`, the same camera as that record), or null.
UdpInterface *cameraAt(const UdpCamManager &manager, quint32 ip, const UdpCamInfo *who = nullptr);

// Lets the event loop run for `ms`, or less when `done` holds after a camera was listed or answered.
template <typename Manager, typename Done> void listen(Manager &manager, int ms, Done done) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    const auto check = [&] {
        if (done()) loop.quit();
    };
    QObject::connect(&manager, &Manager::updateCameraList, &loop, check);
    QObject::connect(&manager, &Manager::updateCameraStatus, &loop, check);
    if (!done()) loop.exec();
}

// The modes; each answers the program's exit code.
int listAdaptersMode(const ScanOptions &options, const QList<NetAdapterInfo> &adapters);
int scanMode(const ScanOptions &options, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
             int jumboPacket);
// 0 when the camera answers at its new address, 1 when it does not.
int setAddressMode(const ScanOptions &options, const QList<NetAdapterInfo> &adapters,
                   const NetAdapterInfo &chosen);
// 0 when every camera planned answers at its new address (or none has to move), 1 when one does not or
// has no free address, 2 when the adapter has no address or --first lies outside it.
int assignMode(const ScanOptions &options, const QList<NetAdapterInfo> &adapters,
               const NetAdapterInfo &chosen);
// 0 without a problem, 1 with one (warnings do not count).
int doctorMode(const ScanOptions &options, const QList<NetAdapterInfo> &adapters,
               const NetAdapterInfo &chosen, int jumboPacket);
// One line per event until interrupted or for --duration; 0 when it ends, 2 when the metrics file
// cannot be written.
int watchMode(const ScanOptions &options, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
              int jumboPacket);
