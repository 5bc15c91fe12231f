#pragma once

// Moves the calling process into a network namespace of its own in which only loopback exists, so
// that the window's discovery can never send on one of the machine's real interfaces. Must run before
// any thread is started. False when that is impossible (not root, no namespaces).
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

inline bool enterPrivateNetwork() {
    const int fd = geteuid() == 0 && unshare(CLONE_NEWNET) == 0 ? socket(AF_INET, SOCK_DGRAM, 0) : -1;
    ifreq request{{"lo"}, {}}; // loopback, no flags yet
    bool up = fd >= 0 && ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags = short(request.ifr_flags | IFF_UP);
    up = up && ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    if (fd >= 0) close(fd);
    return up;
}
