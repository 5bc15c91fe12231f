#include "platform/socketroute.h"

#include <winsock2.h>

#include <ws2tcpip.h>

namespace platform {

bool pinSendInterface(std::intptr_t socketDescriptor, unsigned interfaceIndex) {
    if (socketDescriptor < 0 || interfaceIndex == 0) return false;
    // IPv4 wants the index in network byte order.
    const DWORD index = htonl(interfaceIndex);
    return setsockopt(SOCKET(socketDescriptor), IPPROTO_IP, IP_UNICAST_IF,
                      reinterpret_cast<const char *>(&index), sizeof index) == 0;
}

} // namespace platform
