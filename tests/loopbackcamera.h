#pragma once

// A camera record for 127.0.0.n: a Karvelo G4-S2 with serial 1000 + n and MAC 00:0c:9c:81:f2:a6 + n,
// answering on `port`, found through the adapter 127.0.0.1 with a /32 mask, so that a set-address
// "subnet broadcast" is a unicast to 127.0.0.1, where a test can listen.
#include "net/camrecord.h"

inline UdpCamInfo loopbackCamera(quint32 n, quint32 port = 47123, quint32 protocol = 0, quint32 mtu = 1500) {
    UdpCamInfo c{protocol,       28,     2,   0, 1000 + n, 0, 0, 0x7F000000 + n, 0xFFFFFF00,
                 0x9C81F2A6 + n, 0x000C, port};
    c.adapterIp = 0x7F000001, c.adapterMask = 0xFFFFFFFF, c.adapterMtu = mtu;
    return c;
}
