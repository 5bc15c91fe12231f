#include "platform/routelookup.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace platform {
namespace {

std::atomic<std::uint32_t> sequence{0};

// One route request: the header, the route message and the destination as its only attribute, each
// 4-byte aligned as netlink wants, so that the structure has no padding.
struct Request {
    nlmsghdr header;
    rtmsg route;
    rtattr destinationAttribute;
    std::uint32_t destination;
};
static_assert(sizeof(Request) == NLMSG_LENGTH(sizeof(rtmsg)) + RTA_LENGTH(sizeof(std::uint32_t)),
              "a route request has no padding");

class Descriptor {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    const int fd;
};

// The kernel's messages are read field by field from the bytes received, never through pointers into
// the buffer, which need not be aligned for the structures.
template <typename T> bool readAt(const unsigned char *bytes, size_t size, size_t at, T &out) {
    if (at > size || size - at < sizeof out) return false;
    std::memcpy(&out, bytes + at, sizeof out);
    return true;
}

// A route whose answer is a refusal is no route: unreachable, blackhole and prohibit routes.
RouteAnswer refusal(int error) {
    return error == ENETUNREACH || error == EHOSTUNREACH || error == EINVAL || error == EACCES
               ? RouteAnswer::NoRoute
               : RouteAnswer::Unknown;
}

RouteAnswer readRoute(const unsigned char *bytes, size_t at, size_t end, HostRoute &out) {
    rtmsg route;
    if (!readAt(bytes, end, at, route)) return RouteAnswer::Unknown;
    if (route.rtm_type != RTN_UNICAST && route.rtm_type != RTN_LOCAL && route.rtm_type != RTN_BROADCAST)
        return RouteAnswer::NoRoute;
    HostRoute found;
    found.local = route.rtm_type == RTN_LOCAL;
    for (size_t a = at + NLMSG_ALIGN(sizeof route); a < end;) {
        rtattr attribute;
        if (!readAt(bytes, end, a, attribute) || attribute.rta_len < sizeof attribute ||
            attribute.rta_len > end - a)
            break;
        std::uint32_t value = 0;
        if (attribute.rta_len >= RTA_LENGTH(sizeof value)) readAt(bytes, end, a + RTA_LENGTH(0), value);
        if (attribute.rta_type == RTA_OIF) found.interfaceIndex = value;
        if (attribute.rta_type == RTA_PREFSRC) found.source = ntohl(value);
        if (attribute.rta_type == RTA_GATEWAY) found.gateway = ntohl(value);
        a += RTA_ALIGN(attribute.rta_len);
    }
    char name[IF_NAMESIZE] = {};
    if (found.interfaceIndex == 0 || !if_indextoname(found.interfaceIndex, name)) return RouteAnswer::Unknown;
    found.interfaceName = name;
    out = found;
    return RouteAnswer::Routed;
}

class LinuxRoutes : public RouteSource {
public:
    RouteAnswer routeTo(std::uint32_t destination, HostRoute &out) override {
        const Descriptor socket_(socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
        if (socket_.fd < 0) return RouteAnswer::Unknown;
        // The kernel answers at once; the bound only keeps a caller from waiting for ever.
        const timeval patience{1, 0};
        setsockopt(socket_.fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);

        Request request{};
        request.header.nlmsg_len = sizeof request;
        request.header.nlmsg_type = RTM_GETROUTE;
        request.header.nlmsg_flags = NLM_F_REQUEST;
        request.header.nlmsg_seq = ++sequence;
        request.route.rtm_family = AF_INET;
        request.route.rtm_dst_len = 32;
        request.destinationAttribute.rta_len = RTA_LENGTH(sizeof request.destination);
        request.destinationAttribute.rta_type = RTA_DST;
        request.destination = htonl(destination);
        sockaddr_nl kernel{};
        kernel.nl_family = AF_NETLINK;
        if (sendto(socket_.fd, &request, sizeof request, 0, reinterpret_cast<const sockaddr *>(&kernel),
                   sizeof kernel) != ssize_t(sizeof request))
            return RouteAnswer::Unknown;

        unsigned char bytes[8192];
        for (;;) {
            const ssize_t got = recv(socket_.fd, bytes, sizeof bytes, 0);
            if (got <= 0) return RouteAnswer::Unknown;
            for (size_t at = 0; at < size_t(got);) {
                nlmsghdr header;
                if (!readAt(bytes, size_t(got), at, header) || header.nlmsg_len < sizeof header ||
                    header.nlmsg_len > size_t(got) - at)
                    return RouteAnswer::Unknown;
                const size_t body = at + NLMSG_HDRLEN, end = at + header.nlmsg_len;
                if (header.nlmsg_seq == request.header.nlmsg_seq) {
                    if (header.nlmsg_type == RTM_NEWROUTE) return readRoute(bytes, body, end, out);
                    nlmsgerr error;
                    if (header.nlmsg_type == NLMSG_ERROR && readAt(bytes, end, body, error) &&
                        error.error != 0)
                        return refusal(-error.error);
                }
                at += NLMSG_ALIGN(header.nlmsg_len);
            }
        }
    }
};

} // namespace

RouteSource &systemRoutes() {
    static LinuxRoutes routes;
    return routes;
}

} // namespace platform
