#include "platform/networkfacts_linux.h"

#include <net/if.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace platform {
namespace {

// Reads one integer (decimal, or hexadecimal with 0x) from a /proc or /sys file; -1 when it cannot.
long long readNumber(const std::string &path) {
    std::ifstream in(path);
    std::string text;
    if (!(in >> text)) return -1;
    char *end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 0);
    return errno == 0 && end && *end == '\0' ? value : -1;
}

std::string readWord(const std::string &path) {
    std::ifstream in(path);
    std::string word;
    in >> word;
    return word;
}

// An interface name goes into a path; anything that could leave /sys/class/net is refused.
bool plainName(const std::string &name) {
    return !name.empty() && name.size() < IFNAMSIZ && name.find('/') == std::string::npos && name != "." &&
           name != "..";
}

// Runs an installed tool (the first of `paths` below `root` that exists) in the C locale and reads what it
// prints. With `anyExit` its output counts whatever it exits with (firewall-cmd --state exits 252 to say
// "not running").
bool runTool(const std::string &root, const std::vector<const char *> &paths, const std::string &arguments,
             std::string &out, bool anyExit = false, bool *installed = nullptr) {
    std::string tool;
    for (const char *path : paths) {
        if (access((root + path).c_str(), X_OK) == 0) {
            tool = root + path;
            break;
        }
    }
    if (installed) *installed = !tool.empty();
    if (tool.empty()) return false;
    const std::string command = "LC_ALL=C " + tool + " " + arguments + " 2>/dev/null";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe) return false;
    out.clear();
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        out += char(c);
    const int status = pclose(pipe);
    return WIFEXITED(status) && (anyExit || WEXITSTATUS(status) == 0);
}

// An interface name that may go into a command line as it is.
bool shellSafe(const std::string &name) {
    if (!plainName(name)) return false;
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && std::string("._:@-").find(c) == std::string::npos)
            return false;
    }
    return true;
}

const std::vector<const char *> firewallCmd = {"/usr/bin/firewall-cmd", "/bin/firewall-cmd",
                                               "/usr/sbin/firewall-cmd"};

class LinuxNetworkFacts : public NetworkFactSource {
public:
    explicit LinuxNetworkFacts(const std::string &root) : root_(root) {}

    InterfaceFacts interfaceFacts(const std::string &name) override {
        InterfaceFacts facts;
        facts.rpFilterAll = int(readNumber(root_ + "/proc/sys/net/ipv4/conf/all/rp_filter"));
        if (!plainName(name)) return facts;
        facts.rpFilterInterface = int(readNumber(root_ + "/proc/sys/net/ipv4/conf/" + name + "/rp_filter"));
        const std::string sys = root_ + "/sys/class/net/" + name;
        const long long flags = readNumber(sys + "/flags");
        const std::string state = readWord(sys + "/operstate");
        if (flags >= 0) {
            // "unknown" is what drivers without carrier reporting say; only "down" and its kin mean down.
            const bool operDown = state == "down" || state == "lowerlayerdown" || state == "notpresent";
            facts.up = (flags & IFF_UP) && !operDown ? 1 : 0;
        }
        // The file cannot be read while the link is down, and reads -1 when the driver does not know.
        const long long speed = readNumber(sys + "/speed");
        facts.speedMbps = speed > 0 && speed < 10000000 ? int(speed) : -1;
        return facts;
    }

    long long receiveBufferMax() override { return readNumber(root_ + "/proc/sys/net/core/rmem_max"); }

    bool firewallRuleset(std::string &json) override {
        // Without the right to read the rule set nft fails; that says nothing about the firewall.
        bool installed = false;
        const bool read = runTool(root_, {"/usr/sbin/nft", "/sbin/nft", "/usr/bin/nft", "/bin/nft"},
                                  "-j list ruleset", json, false, &installed);
        refused_ = installed && !read;
        return read;
    }
    bool firewallRefused() override { return refused_; }

    bool ufwStatus(std::string &out) override {
        // Only root may ask; anyone else learns nothing and the nft rule set decides.
        return runTool(root_, {"/usr/sbin/ufw", "/sbin/ufw", "/usr/bin/ufw"}, "status verbose", out);
    }

    bool firewalldState(std::string &out) override {
        return runTool(root_, firewallCmd, "--state", out, true);
    }

    bool firewalldZone(const std::string &interface, std::string &out) override {
        if (!shellSafe(interface)) return false;
        std::string zone;
        if (!runTool(root_, firewallCmd, "--get-zone-of-interface=" + interface, zone) &&
            !runTool(root_, firewallCmd, "--get-default-zone", zone))
            return false;
        while (!zone.empty() && std::isspace(static_cast<unsigned char>(zone.back())))
            zone.pop_back();
        return shellSafe(zone) && runTool(root_, firewallCmd, "--list-all --zone=" + zone, out);
    }

private:
    const std::string root_;
    bool refused_ = false;
};

} // namespace

std::unique_ptr<NetworkFactSource> linuxNetworkFacts(const std::string &root) {
    return std::make_unique<LinuxNetworkFacts>(root);
}

NetworkFactSource &systemNetworkFacts() {
    static LinuxNetworkFacts source("");
    return source;
}

} // namespace platform
