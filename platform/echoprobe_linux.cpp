#include "platform/echoprobe.h"

#include "platform/socketroute.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr int IpHeaderBytes = 20;

std::atomic<unsigned> sequence{0};

std::uint16_t checksum(const std::vector<unsigned char> &data) {
    std::uint32_t sum = 0;
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        sum += std::uint32_t(data[i]) << 8 | data[i + 1];
    if (data.size() % 2) sum += std::uint32_t(data.back()) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return std::uint16_t(~sum);
}

class Socket {
public:
    // An ICMP datagram socket where net.ipv4.ping_group_range lets this user have one, else a raw
    // socket, which needs root (or CAP_NET_RAW).
    Socket() {
        fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, IPPROTO_ICMP);
        if (fd >= 0) return;
        fd = socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, IPPROTO_ICMP);
        raw = true;
    }
    ~Socket() {
        if (fd >= 0) close(fd);
    }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    int fd = -1;
    bool raw = false;
};

} // namespace

EchoResult echoUnfragmented(std::uint32_t target, std::uint32_t source, unsigned interfaceIndex, int ipSize,
                            int timeoutMs) {
    if (ipSize < EchoHeaderBytes || ipSize > 0xFFFF) return EchoResult::TooBig;
    Socket s;
    if (s.fd < 0) return EchoResult::Unavailable;
    // Don't Fragment, and the adapter's MTU rather than a path MTU the kernel learnt earlier decides
    // whether the packet may leave: the probe is what finds the path's limit.
    const int discover = IP_PMTUDISC_PROBE;
    if (setsockopt(s.fd, IPPROTO_IP, IP_MTU_DISCOVER, &discover, sizeof discover) != 0)
        return EchoResult::Unavailable;
    if (source != 0) {
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(source);
        bind(s.fd, reinterpret_cast<const sockaddr *>(&local), sizeof local);
    }
    // Out of the camera's own adapter, as its channel sends (index 0 binds to none); where the system
    // refuses both, the routing table decides.
    const int index = int(interfaceIndex);
    if (setsockopt(s.fd, SOL_SOCKET, SO_BINDTOIFINDEX, &index, sizeof index) != 0)
        pinSendInterface(s.fd, interfaceIndex);

    const std::uint16_t id = std::uint16_t(getpid());
    const std::uint16_t seq = std::uint16_t(++sequence);
    std::vector<unsigned char> request(size_t(ipSize - IpHeaderBytes));
    // ICMP's fields are in network order.
    const auto put16 = [&request](size_t at, std::uint16_t value) {
        request[at] = value >> 8, request[at + 1] = value & 0xFF;
    };
    request[0] = ICMP_ECHO;
    put16(4, id);
    put16(6, seq);
    for (size_t i = ICMP_MINLEN; i < request.size(); ++i)
        request[i] = static_cast<unsigned char>(i);
    put16(2, checksum(request));

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(target);
    if (sendto(s.fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr *>(&to), sizeof to) <
        0)
        return errno == EMSGSIZE ? EchoResult::TooBig : EchoResult::NoAnswer;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<unsigned char> reply(0x10000);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return EchoResult::NoAnswer;
        pollfd p = {};
        p.fd = s.fd, p.events = POLLIN;
        if (poll(&p, 1, int(left)) != 1) continue;
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t got =
            recvfrom(s.fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr *>(&from), &fromLength);
        if (from.sin_addr.s_addr != to.sin_addr.s_addr) continue;
        // A raw socket sees the IP header and every echo reply to this host; a datagram socket only the
        // ICMP message of its own exchange, with the identifier the kernel chose. A failed read (-1)
        // has no sender and fits no size.
        size_t at = 0;
        if (s.raw) at = size_t(reply[0] & 0x0F) * 4;
        if (size_t(got) != at + request.size() || reply[at] != ICMP_ECHOREPLY) continue;
        if (s.raw && (reply[at + 4] != request[4] || reply[at + 5] != request[5])) continue;
        if (reply[at + 6] == request[6] && reply[at + 7] == request[7]) return EchoResult::Answered;
    }
}

bool answeredArp(std::uint32_t target, std::uint32_t) {
    // "10.77.1.100  0x1  0x2  02:..  *  eth0": flag 0x2 means the hardware address is known. The
    // heading's words parse as no address.
    std::ifstream table("/proc/net/arp");
    std::string ip, type, flags, rest;
    while (table >> ip >> type >> flags && std::getline(table, rest)) {
        in_addr address{};
        if (inet_pton(AF_INET, ip.c_str(), &address) == 1 && ntohl(address.s_addr) == target &&
            (std::strtoul(flags.c_str(), nullptr, 16) & 0x2))
            return true;
    }
    return false;
}

} // namespace platform
