#include "platform/adaptersource.h"

// The C library's interface headers come before the kernel's, which would redefine them otherwise.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/ethernet.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <netinet/in.h>
#include <netpacket/packet.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <linux/ethtool.h>
#include <linux/sockios.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace platform {
namespace {

// What getifaddrs tells about one interface, gathered over its entries of every family.
struct Interface {
    std::string name;
    unsigned short hardwareType = 0;
    unsigned macLength = 0;
    unsigned char mac[sizeof sockaddr_ll::sll_addr] = {};
    bool hasIpv4 = false;
    std::string ipText;
    std::string maskText;
    std::vector<std::string> moreIpTexts;

    bool sameHardware(const Interface &other) const {
        return macLength >= ETH_ALEN && macLength == other.macLength &&
               std::memcmp(mac, other.mac, macLength) == 0;
    }
};

// An IPv4 entry's address or netmask; the system may leave the netmask out.
std::string dotted(const sockaddr *address) {
    char text[INET_ADDRSTRLEN] = "0.0.0.0";
    if (address)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(address)->sin_addr, text, sizeof text);
    return text;
}

// The interface an address entry belongs to. A labelled address ("eth0:7") is named by its label,
// which starts with its interface's name; interface names never contain ':'. The longest known name
// wins, so that "eth1" does not take the addresses of "eth10".
std::vector<Interface>::iterator owner(std::vector<Interface> &known, const char *entryName) {
    const std::string name(entryName);
    auto best = known.end();
    for (auto it = known.begin(); it != known.end(); ++it) {
        if (it->name == name) return it;
        const bool prefix = name.compare(0, it->name.size(), it->name) == 0;
        if (prefix && (best == known.end() || it->name.size() > best->name.size())) best = it;
    }
    return best;
}

// Interfaces in the order getifaddrs first names them, loopback left out. Every interface has a
// link entry, and the link entries come first, so labelled addresses find their interface.
bool scan(std::vector<Interface> &out) {
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0) return false;
    for (const ifaddrs *entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_name || !entry->ifa_addr || (entry->ifa_flags & IFF_LOOPBACK)) continue;
        const int family = entry->ifa_addr->sa_family;
        if (family != AF_PACKET && family != AF_INET) continue;
        auto it = family == AF_PACKET
                      ? std::find_if(out.begin(), out.end(),
                                     [entry](const Interface &i) { return i.name == entry->ifa_name; })
                      : owner(out, entry->ifa_name);
        if (it == out.end()) {
            out.emplace_back();
            it = out.end() - 1;
            it->name = entry->ifa_name;
        }
        if (family == AF_PACKET) {
            const auto *link = reinterpret_cast<const sockaddr_ll *>(entry->ifa_addr);
            it->hardwareType = link->sll_hatype;
            it->macLength = std::min<unsigned>(link->sll_halen, sizeof it->mac);
            std::memcpy(it->mac, link->sll_addr, it->macLength);
        } else if (!it->hasIpv4) {
            it->hasIpv4 = true;
            it->ipText = dotted(entry->ifa_addr);
            it->maskText = dotted(entry->ifa_netmask);
        } else {
            it->moreIpTexts.push_back(dotted(entry->ifa_addr));
        }
    }
    freeifaddrs(list);
    return true;
}

// The interfaces worth offering: those with an IPv4 address, and those without one that have a hardware
// address of their own. A bridge port, bond member or VLAN parent shares its address with the interface
// that carries the IPv4 address; listed first, it would take that interface's MTU.
std::vector<Interface> listed(const std::vector<Interface> &all) {
    std::vector<Interface> out;
    for (const Interface &i : all) {
        if (i.hasIpv4) {
            out.push_back(i);
            continue;
        }
        if (i.macLength < ETH_ALEN) continue;
        const bool shadowed = std::any_of(all.begin(), all.end(), [&i](const Interface &other) {
            return other.hasIpv4 && other.sameHardware(i);
        });
        if (!shadowed) out.push_back(i);
    }
    return out;
}

bool exists(const std::string &path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string deviceType(const std::string &name) {
    std::ifstream uevent("/sys/class/net/" + name + "/uevent");
    const std::string key = "DEVTYPE=";
    std::string line;
    while (std::getline(uevent, line)) {
        if (line.compare(0, key.size(), key) == 0) return line.substr(key.size());
    }
    return std::string();
}

// An interface query about `name`, the rest of the request zero.
ifreq requestFor(const std::string &name) {
    ifreq request = {};
    std::snprintf(request.ifr_name, sizeof request.ifr_name, "%s", name.c_str());
    return request;
}

std::string driverName(int fd, const std::string &name) {
    ethtool_drvinfo info = {};
    info.cmd = ETHTOOL_GDRVINFO;
    ifreq request = requestFor(name);
    request.ifr_data = reinterpret_cast<char *>(&info);
    // Without a query socket (fd -1) the call fails as any other refusal does.
    if (ioctl(fd, SIOCETHTOOL, &request) != 0) return std::string();
    return std::string(info.driver, strnlen(info.driver, sizeof info.driver));
}

// A short readable kind for the adapter list: "Ethernet eth0", "Wireless wlan0", "veth veth-a1".
std::string describe(int fd, const Interface &i) {
    const std::string sys = "/sys/class/net/" + i.name;
    const std::string type = deviceType(i.name);
    std::string kind;
    if (type == "wlan" || exists(sys + "/wireless") || exists(sys + "/phy80211"))
        kind = "Wireless";
    else if (type == "bridge" || exists(sys + "/bridge"))
        kind = "Bridge";
    else if (type == "bond" || exists(sys + "/bonding"))
        kind = "Bond";
    else if (type == "vlan")
        kind = "VLAN";
    else if (i.hardwareType == ARPHRD_ETHER && exists(sys + "/device"))
        kind = "Ethernet";
    else
        kind = driverName(fd, i.name);
    if (kind.empty()) kind = i.hardwareType == ARPHRD_ETHER ? "Ethernet" : "Network";
    return kind + " " + i.name;
}

// 0 where the interface vanished since the scan or no query socket could be made.
std::uint32_t interfaceMtu(int fd, const std::string &name) {
    ifreq request = requestFor(name);
    return ioctl(fd, SIOCGIFMTU, &request) == 0 ? std::uint32_t(request.ifr_mtu) : 0;
}

// The socket only carries interface queries; nothing is ever sent on it.
class QuerySocket {
public:
    QuerySocket() : fd_(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}
    ~QuerySocket() {
        if (fd_ >= 0) close(fd_);
    }
    QuerySocket(const QuerySocket &) = delete;
    QuerySocket &operator=(const QuerySocket &) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

class LinuxAdapterSource : public AdapterSource {
public:
    bool adapters(std::vector<AdapterRecord> &out) override {
        std::vector<Interface> all;
        if (!scan(all)) return false;
        QuerySocket socket;
        out.clear();
        for (const Interface &i : listed(all)) {
            AdapterRecord record;
            record.name = i.name;
            record.description = describe(socket.fd(), i);
            if (i.macLength >= ETH_ALEN) std::memcpy(record.mac, i.mac, ETH_ALEN);
            record.ipText = i.hasIpv4 ? i.ipText : "0.0.0.0";
            record.maskText = i.hasIpv4 ? i.maskText : "0.0.0.0";
            record.moreIpTexts = i.moreIpTexts;
            // Each interface's own MTU: a VLAN shares its parent's hardware address and a tunnel has none,
            // so matching by hardware address would give them the wrong MTU or none.
            record.mtu = interfaceMtu(socket.fd(), i.name);
            out.push_back(record);
        }
        return true;
    }

    // Every record carries its interface's MTU already.
    bool mtus(std::vector<MtuRecord> &out) override {
        out.clear();
        return true;
    }
};

} // namespace

AdapterSource &systemAdapterSource() {
    static LinuxAdapterSource source;
    return source;
}

} // namespace platform
