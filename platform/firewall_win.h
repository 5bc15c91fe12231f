#pragma once

#include <string>

namespace platform {

// A Windows wide string as UTF-8 ("" for none).
std::string utf8(const wchar_t *text);

// Windows Defender Firewall as its policy object tells it to a user without administrator rights:
// {"windowsFirewall": {"program", "currentProfiles", "profiles": [...], "rules": [...]}}, the rules
// being the inbound ones for UDP or any protocol. What the system refuses is named in "error".
std::string windowsFirewallJson();

} // namespace platform
