#pragma once

// The category Windows gives each network it is connected to (the Network List Manager's answer), and
// what it means for one adapter. The judgement is plain C++ so that it builds and is tested everywhere.
#include <string>
#include <vector>

namespace platform {

// NLM_NETWORK_CATEGORY's values; Unread where the system did not say.
enum NetworkCategory { UnreadCategory = -1, PublicCategory = 0, PrivateCategory = 1, DomainCategory = 2 };

struct ConnectedNetwork {
    int category = UnreadCategory;
    std::vector<std::string> adapterIds; // its connections' adapters, "{GUID}" as IP Helper names them
};

// The category of the networks the adapter `name` is connected to: Public when any of them is (the
// firewall then keeps to its strictest profile on it), else the least trusted of them. -1 when it is in
// none; -1 with `unread` set when one of them would not say, or when none names an adapter whose link is
// up (Windows files every such adapter under some network, if only an unidentified one).
int adapterNetworkCategory(const std::vector<ConnectedNetwork> &networks, const std::string &name,
                           bool linkUp, bool &unread);

} // namespace platform
