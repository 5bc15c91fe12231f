#pragma once

#include "platform/networkcategory.h"

#include <string>
#include <vector>

namespace platform {

// A Windows wide string as UTF-8 ("" for none).
std::string utf8(const wchar_t *text);

// A COM interface pointer, released when it goes.
template <class T> class Com {
public:
    Com() = default;
    Com(const Com &) = delete;
    Com &operator=(const Com &) = delete;
    ~Com() {
        if (p_) p_->Release();
    }
    T **out() { return &p_; }
    T *operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T *p_ = nullptr;
};

// Windows Defender Firewall as its policy object tells it to a user without administrator rights:
// {"windowsFirewall": {"program", "currentProfiles", "profiles": [...], "rules": [...]}}, the rules
// being the inbound ones for UDP or any protocol. What the system refuses is named in "error".
std::string windowsFirewallJson();

// The networks the system is connected to, with their categories and adapters (Network List Manager);
// false when the manager does not answer.
bool connectedNetworks(std::vector<ConnectedNetwork> &out);

} // namespace platform
