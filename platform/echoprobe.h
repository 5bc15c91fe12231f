#pragma once

// One ICMP echo that must not be fragmented: whether a packet of a given size gets to a host and back
// unchanged. Blocking, so that callers run it off the GUI thread; without Qt, like the adapter source.
#include <cstdint>

namespace platform {

enum class EchoResult {
    Answered,    // the echo reply came back
    NoAnswer,    // nothing came back in time: dropped on the way, or the host does not answer echo
    TooBig,      // the local adapter cannot send a packet this large without fragmenting it
    Unavailable, // this process may not send ICMP echo (no socket)
};

// Sends one echo request that makes an IPv4 packet of `ipSize` bytes with Don't Fragment set to
// `target`, from the local address `source` out of the interface with `interfaceIndex` (0: as routed),
// and waits at most `timeoutMs` for its reply. Addresses in host byte order. The system's cached path
// MTU is not consulted: only the packet itself decides.
EchoResult echoUnfragmented(std::uint32_t target, std::uint32_t source, unsigned interfaceIndex, int ipSize,
                            int timeoutMs);

// Whether a host at `target` gave its hardware address to the adapter at `source` (it answered ARP,
// which a host that ignores echo still does). On Linux the neighbour table is read, so an echo or any
// datagram to `target` goes first; on Windows an ARP request is sent. Blocking.
bool answeredArp(std::uint32_t target, std::uint32_t source);

// The IPv4 and ICMP echo headers inside `ipSize`: the rest is payload.
constexpr int EchoHeaderBytes = 20 + 8;

} // namespace platform
