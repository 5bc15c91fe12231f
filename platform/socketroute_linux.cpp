#include "platform/socketroute.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace platform {

bool pinSendInterface(std::intptr_t socketDescriptor, unsigned interfaceIndex) {
    if (socketDescriptor < 0 || interfaceIndex == 0) return false;
    // The option takes the index in network byte order, as on Windows where it comes from.
    const std::uint32_t index = htonl(interfaceIndex);
    return setsockopt(int(socketDescriptor), IPPROTO_IP, IP_UNICAST_IF, &index, sizeof index) == 0;
}

} // namespace platform
