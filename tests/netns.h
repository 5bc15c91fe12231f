#pragma once

// Moves the calling process into a network namespace of its own, which vanishes with it, so that nothing a
// test sends can reach one of the machine's real interfaces. Loopback comes up, then `ip` runs with each
// entry of `setup`. Must run before any thread starts. False when that is impossible (not root, no
// namespaces) or a set-up step fails (ip says why on stderr).
#include <sched.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>
#include <string>

inline bool enterOwnNetwork(std::initializer_list<const char *> setup = {}) {
    if (geteuid() != 0 || unshare(CLONE_NEWNET) != 0 || std::system("ip link set lo up") != 0) return false;
    for (const char *args : setup) {
        if (std::system((std::string("ip ") + args).c_str()) != 0) return false;
    }
    return true;
}
