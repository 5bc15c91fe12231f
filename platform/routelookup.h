#pragma once

// What the system's routing table says about one IPv4 destination: the adapter a datagram to it leaves
// by, the local address it leaves from, and the gateway it goes through. Without Qt, like the adapter
// source, so that the Windows implementation builds on its own.
#include <cstdint>
#include <string>

namespace platform {

enum class RouteAnswer {
    Routed,  // the system would send there; the route says how
    NoRoute, // no route leads there (or one that refuses: unreachable, blackhole, prohibit)
    Unknown, // the system could not be asked
};

// Addresses in host byte order, as everywhere in the program.
struct HostRoute {
    std::uint32_t source = 0;  // the local address a datagram there leaves from
    std::uint32_t gateway = 0; // the next hop; 0 when the destination is on the adapter's own link
    unsigned interfaceIndex = 0;
    std::string interfaceName; // as the adapter inventory names the adapter
    bool local = false;        // the destination is one of this computer's own addresses
};

class RouteSource {
public:
    virtual ~RouteSource() = default;
    // `out` is filled only for Routed.
    virtual RouteAnswer routeTo(std::uint32_t destination, HostRoute &out) = 0;
};

// The running system's table (Linux: a netlink route request; Windows: IP Helper's best route).
RouteSource &systemRoutes();

} // namespace platform
