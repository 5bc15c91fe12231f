#pragma once

// What the adapter inventory needs from the operating system, without Qt so that the Windows
// implementation builds on its own.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct AdapterRecord {
    std::string name;
    std::string description;
    unsigned char mac[6] = {};
    std::string ipText;   // first IPv4 address, dotted ("0.0.0.0" when the adapter has none)
    std::string maskText; // its subnet mask, dotted
    // The adapter's further IPv4 addresses (secondary or labelled ones), dotted; cameras found through
    // them are behind this adapter too.
    std::vector<std::string> moreIpTexts;
    // The adapter's own MTU where the system tells it per adapter; 0 leaves it to the MTU entries,
    // which are matched by hardware address.
    std::uint32_t mtu = 0;
};

struct MtuRecord {
    unsigned macLength = 0; // how many bytes of `mac` are the hardware address
    unsigned char mac[8] = {};
    std::uint32_t mtu = 0;
};

class AdapterSource {
public:
    virtual ~AdapterSource() = default;
    // Adapters in the system's order; false when the system call fails.
    virtual bool adapters(std::vector<AdapterRecord> &out) = 0;
    // MTU entries keyed by hardware address, for adapters whose record carries no MTU; false when the
    // system call fails.
    virtual bool mtus(std::vector<MtuRecord> &out) = 0;
};

// The running system's source (Linux: netlink/ioctl view of the interfaces; Windows: IP Helper).
AdapterSource &systemAdapterSource();

} // namespace platform
