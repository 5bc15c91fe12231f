#pragma once

#include "scanoptions.h"

#include <QList>

struct NetAdapterInfo;

// varnix-scan --doctor: discovers, then reports what is wrong with the network. 0 no problem, 1 a problem.
int doctorMode(const ScanOptions &options, const QList<NetAdapterInfo> &adapters,
               const NetAdapterInfo &chosen, int jumboPacket);
// varnix-scan --watch: one line per event until interrupted or for --duration. 0 when it ends.
int watchMode(const ScanOptions &options, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
              int jumboPacket);
