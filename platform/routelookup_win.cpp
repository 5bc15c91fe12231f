#include "platform/routelookup.h"

#include <winsock2.h>
#include <ws2ipdef.h>

#include <windows.h>

#include <iphlpapi.h>

#include <cstring>
#include <vector>

namespace platform {
namespace {

std::uint32_t hostOrder(const SOCKADDR_INET &address) {
    return address.si_family == AF_INET ? ntohl(address.Ipv4.sin_addr.s_addr) : 0;
}

// The adapter inventory names an adapter by GetAdaptersInfo's AdapterName; the route gives its index.
bool adapterName(unsigned index, std::string &out) {
    ULONG size = 16 * 1024;
    for (int attempt = 0; attempt < 2; ++attempt) {
        // In 8-byte units: the list is a chain of structures with pointers into the same block.
        std::vector<unsigned long long> block((size + 7) / 8, 0);
        auto *list = reinterpret_cast<IP_ADAPTER_INFO *>(block.data());
        const ULONG result = GetAdaptersInfo(list, &size);
        if (result == ERROR_BUFFER_OVERFLOW) continue;
        if (result != NO_ERROR) return false;
        for (const IP_ADAPTER_INFO *a = list; a; a = a->Next) {
            if (a->Index != index) continue;
            out.assign(a->AdapterName, strnlen(a->AdapterName, sizeof a->AdapterName));
            return true;
        }
        return false;
    }
    return false;
}

class WindowsRoutes : public RouteSource {
public:
    RouteAnswer routeTo(std::uint32_t destination, HostRoute &out) override {
        SOCKADDR_INET to = {};
        to.Ipv4.sin_family = AF_INET;
        to.Ipv4.sin_addr.s_addr = htonl(destination);
        MIB_IPFORWARD_ROW2 row = {};
        SOCKADDR_INET from = {};
        const DWORD result = GetBestRoute2(nullptr, 0, nullptr, &to, 0, &row, &from);
        if (result == ERROR_NETWORK_UNREACHABLE || result == ERROR_HOST_UNREACHABLE ||
            result == ERROR_NOT_FOUND)
            return RouteAnswer::NoRoute;
        if (result != NO_ERROR) return RouteAnswer::Unknown;
        HostRoute found;
        found.source = hostOrder(from);
        found.gateway = hostOrder(row.NextHop);
        found.interfaceIndex = row.InterfaceIndex;
        // A route to one of this computer's addresses leaves from that address itself.
        found.local = found.source == destination;
        if (!adapterName(found.interfaceIndex, found.interfaceName) && !found.local)
            return RouteAnswer::Unknown;
        out = found;
        return RouteAnswer::Routed;
    }
};

} // namespace

RouteSource &systemRoutes() {
    static WindowsRoutes routes;
    return routes;
}

} // namespace platform
