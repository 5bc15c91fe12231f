#pragma once

// What the operating system knows about the network beyond the adapter list: the facts that explain
// why a camera answers but never shows up. Without Qt, like the adapter source.
#include <string>
#include <vector>

namespace platform {

// In any field of the facts: the system does not say (or the platform has no such setting).
constexpr int NotTold = -1;

struct InterfaceFacts {
    int rpFilterAll = NotTold;       // net.ipv4.conf.all.rp_filter
    int rpFilterInterface = NotTold; // net.ipv4.conf.<name>.rp_filter
    int up = NotTold;                // 1 administratively up with a carrier, 0 down or without carrier
    int speedMbps = NotTold;         // link speed as the driver reports it
    // The driver's advanced properties (Windows), as stored for the adapter.
    int jumboPacketBytes = NotTold;    // *JumboPacket: the largest frame in bytes, Ethernet header included
    int receiveBuffers = NotTold;      // *ReceiveBuffers: receive descriptors
    int receiveBuffersMax = NotTold;   // the largest *ReceiveBuffers the driver offers
    int interruptModeration = NotTold; // *InterruptModeration: 1 on, 0 off
    std::string displayName;           // the name the system shows the user (UTF-8), when it differs
    int interfaceIndex = NotTold;      // the system's interface index (Windows)
    int networkCategory = NotTold;     // Windows: the category of its network (NetworkCategory)
    // Facts of this adapter the system refused to give ("link state", "adapter settings").
    std::vector<std::string> unreadable;
};

class NetworkFactSource {
public:
    virtual ~NetworkFactSource() = default;
    virtual InterfaceFacts interfaceFacts(const std::string &name) = 0;
    // net.core.rmem_max in bytes, or -1.
    virtual long long receiveBufferMax() = 0;
    // The packet filter's rules as JSON: nft's rule set on Linux; on Windows {"windowsFirewall": {...}}
    // with the profiles and the inbound UDP rules as the firewall's policy object gives them. False
    // when there is nothing to read.
    virtual bool firewallRuleset(std::string &json) = 0;
    // Whether the last firewallRuleset found the packet filter's tool but was not let read the rules:
    // then the firewall is unknown because of this program's rights, not because there is none.
    virtual bool firewallRefused() { return false; }
    // The front ends that own the rules where they are installed, each in its own words: `ufw status
    // verbose`, `firewall-cmd --state`, and `firewall-cmd --list-all` of the zone that holds the
    // interface (or of the default zone). False when the tool is missing or cannot be asked.
    virtual bool ufwStatus(std::string &) = 0;
    virtual bool firewalldState(std::string &) = 0;
    virtual bool firewalldZone(const std::string &, std::string &) = 0;
};

// The running system's facts (Linux: /proc, /sys, nft, ufw and firewalld; Windows: IP Helper, the
// adapters' registry keys and the firewall policy).
NetworkFactSource &systemNetworkFacts();

} // namespace platform
