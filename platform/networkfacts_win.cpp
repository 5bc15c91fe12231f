#include "platform/networkfacts.h"

namespace platform {
namespace {

// Reverse-path filtering, the receive buffer cap and nft are Linux settings; on Windows the facts stay
// unknown and the checks that need them say nothing.
class WindowsNetworkFacts : public NetworkFactSource {
public:
    InterfaceFacts interfaceFacts(const std::string &) override { return InterfaceFacts(); }
    long long receiveBufferMax() override { return -1; }
    bool firewallRuleset(std::string &) override { return false; }
};

} // namespace

NetworkFactSource &systemNetworkFacts() {
    static WindowsNetworkFacts source;
    return source;
}

} // namespace platform
