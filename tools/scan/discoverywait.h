#pragma once

#include "scanoptions.h"

#include <QString>

#include <functional>

class UdpCamManager;

// Lets the event loop run while the cameras answer a discovery the manager has started. With --wait,
// exactly that long. Otherwise until the result is complete (every camera found has told what a scan
// shows, each answered the latest discovery round, and no new camera answered for a while), and at
// the latest after the default wait. A camera found less than `graceMs` before the end gets the rest
// of that time to answer. Cameras still being opened then are listed as they are. While `awaited` says
// something is still to come (an expected camera that has not answered), the wait does not end early.
void listenForCameras(UdpCamManager &manager, const ScanOptions &options, int graceMs = 0,
                      const std::function<bool()> &awaited = {});

// How many listed cameras have not told all that a scan shows.
int camerasShort(const UdpCamManager &manager);
// A line that says how many, or "" when none.
QString shortNote(const UdpCamManager &manager);
