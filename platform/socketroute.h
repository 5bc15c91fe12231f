#pragma once

// Which interface a socket's datagrams leave through, without Qt so that the Windows implementation
// builds on its own.
#include <cstdint>

namespace platform {

// Sends every unicast and broadcast datagram of the socket out of the interface with this index,
// whatever the routing table would pick. Two adapters on one subnet share a route, and the system
// would send everything out of the first. Needs no privileges. False when the system refuses.
bool pinSendInterface(std::intptr_t socketDescriptor, unsigned interfaceIndex);

} // namespace platform
