#pragma once

// The Linux fact source over a directory tree of the caller's choice, so that the readings can be checked
// against /proc and /sys files and firewall tools a test writes. Linux only.
#include "platform/networkfacts.h"

#include <memory>
#include <string>

namespace platform {

// Reads /proc and /sys and runs nft, ufw and firewall-cmd below `root` ("" is the running system).
std::unique_ptr<NetworkFactSource> linuxNetworkFacts(const std::string &root);

} // namespace platform
