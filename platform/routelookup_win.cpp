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

std::uint32_t dotted(const IP_ADDR_STRING &entry) {
    return ntohl(inet_addr(entry.IpAddress.String));
}

// The adapter the route leaves by, as the adapter inventory lists it (GetAdaptersInfo's AdapterName),
// and its IPv4 addresses with their masks.
struct Adapter {
    std::string name;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> addresses;
};

bool adapterOf(unsigned index, Adapter &out) {
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
            out.name.assign(a->AdapterName, strnlen(a->AdapterName, sizeof a->AdapterName));
            for (const IP_ADDR_STRING *e = &a->IpAddressList; e; e = e->Next)
                out.addresses.emplace_back(dotted(*e), ntohl(inet_addr(e->IpMask.String)));
            return true;
        }
        return false;
    }
    return false;
}

bool unreachable(DWORD result) {
    return result == ERROR_NETWORK_UNREACHABLE || result == ERROR_HOST_UNREACHABLE ||
           result == ERROR_NOT_FOUND;
}

class WindowsRoutes : public RouteSource {
public:
    RouteAnswer routeTo(std::uint32_t destination, HostRoute &out) override {
        SOCKADDR_INET to = {};
        to.Ipv4.sin_family = AF_INET;
        to.Ipv4.sin_addr.s_addr = htonl(destination);
        MIB_IPFORWARD_ROW2 row = {};
        SOCKADDR_INET from = {};
        HostRoute found;
        DWORD result = GetBestRoute2(nullptr, 0, nullptr, &to, 0, &row, &from);
        if (result == NO_ERROR) {
            found.source = hostOrder(from);
            found.gateway = hostOrder(row.NextHop);
            found.interfaceIndex = row.InterfaceIndex;
        } else if (result == ERROR_NOT_SUPPORTED) {
            // Where only the older IPv4 call is there (Wine): it names the next hop but not the source.
            MIB_IPFORWARDROW old = {};
            result = GetBestRoute(htonl(destination), 0, &old);
            found.gateway = old.dwForwardType == MIB_IPROUTE_TYPE_INDIRECT ? ntohl(old.dwForwardNextHop) : 0;
            found.interfaceIndex = old.dwForwardIfIndex;
        }
        if (unreachable(result)) return RouteAnswer::NoRoute;
        if (result != NO_ERROR) return RouteAnswer::Unknown;
        Adapter adapter;
        const bool listed = adapterOf(found.interfaceIndex, adapter);
        found.interfaceName = adapter.name;
        // The source, where the call did not say it: the adapter's address on the next hop's subnet.
        const std::uint32_t next = found.gateway ? found.gateway : destination;
        std::uint32_t first = 0, onSubnet = 0;
        for (const auto &[ip, mask] : adapter.addresses) {
            if (ip == 0) continue;
            if (!first) first = ip;
            if (!onSubnet && (ip & mask) == (next & mask)) onSubnet = ip;
            found.local = found.local || ip == destination;
        }
        if (!found.source) found.source = onSubnet ? onSubnet : first;
        // A route to one of this computer's own addresses may leave by the loopback interface, which
        // the adapter list leaves out.
        found.local = found.local || found.source == destination;
        if (!listed && !found.local) return RouteAnswer::Unknown;
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
