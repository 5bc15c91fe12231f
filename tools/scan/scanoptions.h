#pragma once

#include "report/expectedline.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What one run of varnix-scan is asked to do.
struct ScanOptions {
    enum Mode { Scan, ListAdapters, SetAddress, AssignAddresses, Doctor, Watch, Help, Version };
    Mode mode = Scan;
    bool json = false;
    bool csv = false; // a scan only: the camera list as CSV
    bool adapterGiven = false;
    QString adapter; // as --list-adapters prints it, or "*ALL*"
    bool waitGiven = false;
    int waitMs = 3500; // long enough for every Standard camera to be polled once
    bool datagramGiven = false;
    int jumboPacket = -1; // -1 "optimal", else an index into datagramSizes
    quint32 cameraIp = 0; // --set-address only
    quint32 newIp = 0;
    quint32 newMask = 0;
    quint32 firstIp = 0;         // --assign-addresses: where the plan starts; 0 from each subnet's first host
    bool apply = false;          // --assign-addresses: send the plan, not only print it
    int rescanMs = 0;            // --watch: rediscover on this period; 0 never
    int durationMs = -1;         // --watch: stop after this long; -1 when interrupted
    QString metricsFile;         // --watch: the Prometheus text file kept up to date; "" none
    bool waitForAdapter = false; // --watch: an adapter named that is not there yet is waited for

    // Cameras behind a router, and the line as it should be.
    QStringList targets; // --target values as given, each a comma-separated list of addresses and ranges
    QString expectFile;  // --expect: a saved camera list, the expected line; "" none
    // Read by the program once the adapters are known (readScope), before anything is sent.
    QList<quint32> targetAddresses;
    ExpectedLine expected; // without cameras when none is expected
};

// Reads the arguments after the program name. False with a message in `error` when they are
// not usable; nothing about the network is looked at here.
bool parseScanOptions(const QStringList &arguments, ScanOptions *options, QString *error);

QString scanUsage();

// Why a camera must not be given `ip` with `mask` when reached through the adapter at `adapterIp`
// (NoIp: judged without an adapter), in the words of the window's dialog; "" when it may.
QString newAddressRefusal(quint32 ip, quint32 mask, quint32 adapterIp);
