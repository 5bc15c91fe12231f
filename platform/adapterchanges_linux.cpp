#include "platform/adapterchanges.h"

#include <sys/socket.h>
#include <unistd.h>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>

#include <cerrno>

namespace platform {

std::intptr_t openAdapterChanges() {
    const int fd = socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
    if (fd < 0) return NoAdapterChanges;
    // Only listens: the kernel's groups for links and IPv4 addresses. Nothing is ever sent on it.
    sockaddr_nl groups = {};
    groups.nl_family = AF_NETLINK;
    groups.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR;
    if (bind(fd, reinterpret_cast<const sockaddr *>(&groups), sizeof groups) != 0) {
        close(fd);
        return NoAdapterChanges;
    }
    return fd;
}

bool readAdapterChanges(std::intptr_t handle) {
    if (handle == NoAdapterChanges) return false;
    // What the messages say is not read: the inventory is looked at again whole. A buffer that
    // overflowed (ENOBUFS) lost messages, which is a change all the same.
    char buffer[8192];
    bool told = false;
    for (;;) {
        const ssize_t n = recv(int(handle), buffer, sizeof buffer, 0);
        if (n > 0) {
            told = true;
            continue;
        }
        if (n < 0 && errno == ENOBUFS) {
            told = true;
            continue;
        }
        return told;
    }
}

void closeAdapterChanges(std::intptr_t handle) {
    if (handle != NoAdapterChanges) close(int(handle));
}

} // namespace platform
