#pragma once

#include "cameras/camerasnapshot.h"

#include <QList>
#include <QtGlobal>

#include <functional>

// The cameras a plan is made for are every camera the network holds, listed in the window or heard only
// behind a listed one's address: heardSnapshots().

// One camera to move: which of the cameras handed in, and where it goes. `ip` is NoIp when its adapter's
// subnet has no free address left.
struct AddressMove {
    CameraRef camera;
    quint32 ip = 0;
    quint32 mask = 0;
};

// Which cameras must move, and where: every camera outside its adapter's subnet, and of the cameras that
// share an address on one adapter all but one, none of them behind a router (the first listed one keeps it,
// else the first). Each gets the first free address of its adapter's subnet from `firstIp` on (from the
// subnet's first host address when `firstIp` lies outside it), wrapping once, with the adapter's mask. Free:
// not the adapter's own, network or broadcast address, no camera's address, none of `inUse`, and one a camera
// may take. The moves come in the order of the cameras.
QList<AddressMove> planAddresses(const QList<CameraSnapshot> &cameras, quint32 firstIp,
                                 const QList<quint32> &inUse = {});

// The same, with each proposed address asked first whether something answers there (`answers` gets the
// address and the adapter's address); an address that answers counts as in use and the plan is made
// again. Every address found in use is added to `inUse`.
QList<AddressMove> planAddressesProbed(const QList<CameraSnapshot> &cameras, quint32 firstIp,
                                       QList<quint32> &inUse,
                                       const std::function<bool(quint32 ip, quint32 adapterIp)> &answers);

// Whether a host answers at `ip`, asked from the adapter at `adapterIp`: by echo, else by ARP. Blocks up
// to a few hundred milliseconds; off the GUI thread.
bool addressAnswers(quint32 ip, quint32 adapterIp);

// Whether a camera answers at the address planned for it: one of `found` has its MAC address there.
bool answersAt(const UdpCamInfo &camera, quint32 ip, const QList<UdpCamInfo> &found);
