#include "platform/firewall_win.h"
#include "platform/networkfacts.h"

#include <winsock2.h>
#include <ws2ipdef.h>

#include <windows.h>

#include <iphlpapi.h>

#include <cstring>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace platform {
namespace {

// The device class of network adapters; each adapter's driver settings live in a numbered key below it.
const wchar_t AdapterClassKey[] =
    L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e972-e325-11ce-bfc1-08002be10318}";

// A registry value as text (advanced properties are stored as strings; a DWORD is taken too), or "".
std::wstring registryText(HKEY key, const wchar_t *name) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size > 4096)
        return {};
    std::vector<BYTE> data(size + sizeof(wchar_t), 0);
    if (RegQueryValueExW(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return {};
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD value = 0;
        std::memcpy(&value, data.data(), sizeof value);
        return std::to_wstring(value);
    }
    if (type != REG_SZ) return {};
    std::wstring text(reinterpret_cast<const wchar_t *>(data.data()), size / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

// A non-negative decimal setting, or -1.
int registryNumber(HKEY key, const wchar_t *name) {
    const std::wstring text = registryText(key, name);
    if (text.empty() || text.size() > 9) return -1;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return -1;
        value = value * 10 + (c - L'0');
    }
    return value;
}

bool sameName(const std::wstring &a, const std::string &b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(wchar_t(static_cast<unsigned char>(b[i])))) return false;
    }
    return true;
}

// The driver settings of the adapter whose NetCfgInstanceId is `name`. An adapter without a key there
// (a virtual one) has none; a key this user may not open makes them unreadable.
void readAdvancedProperties(const std::string &name, InterfaceFacts &facts) {
    HKEY adapters = nullptr;
    LONG rc = RegOpenKeyExW(HKEY_LOCAL_MACHINE, AdapterClassKey, 0, KEY_READ, &adapters);
    if (rc != ERROR_SUCCESS) {
        if (rc == ERROR_ACCESS_DENIED) facts.unreadable.push_back("adapter settings");
        return;
    }
    bool denied = false, found = false;
    for (DWORD i = 0; !found; ++i) {
        wchar_t sub[256];
        DWORD subLength = sizeof sub / sizeof *sub;
        if (RegEnumKeyExW(adapters, i, sub, &subLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        // Only the numbered keys are adapters; "Properties" is closed to users and means nothing here.
        if (subLength != 4 || !std::iswdigit(sub[0])) continue;
        HKEY adapter = nullptr;
        rc = RegOpenKeyExW(adapters, sub, 0, KEY_READ, &adapter);
        if (rc != ERROR_SUCCESS) {
            denied = denied || rc == ERROR_ACCESS_DENIED;
            continue;
        }
        if (sameName(registryText(adapter, L"NetCfgInstanceId"), name)) {
            found = true;
            facts.jumboPacketBytes = registryNumber(adapter, L"*JumboPacket");
            facts.receiveBuffers = registryNumber(adapter, L"*ReceiveBuffers");
            facts.interruptModeration = registryNumber(adapter, L"*InterruptModeration");
            HKEY range = nullptr;
            if (RegOpenKeyExW(adapter, L"Ndi\\params\\*ReceiveBuffers", 0, KEY_READ, &range) ==
                ERROR_SUCCESS) {
                facts.receiveBuffersMax = registryNumber(range, L"max");
                RegCloseKey(range);
            }
        }
        RegCloseKey(adapter);
    }
    RegCloseKey(adapters);
    if (!found && denied) facts.unreadable.push_back("adapter settings");
}

// Link state and speed from the interface table, the adapter found by its name in IP Helper's list.
void readLink(const std::string &name, InterfaceFacts &facts) {
    std::vector<unsigned long long> block(16 * 1024 / 8);
    ULONG size = ULONG(block.size() * 8);
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG rc = GetAdaptersAddresses(AF_UNSPEC, flags, nullptr,
                                    reinterpret_cast<IP_ADAPTER_ADDRESSES *>(block.data()), &size);
    if (rc == ERROR_BUFFER_OVERFLOW) {
        block.assign((size + 7) / 8, 0);
        rc = GetAdaptersAddresses(AF_UNSPEC, flags, nullptr,
                                  reinterpret_cast<IP_ADAPTER_ADDRESSES *>(block.data()), &size);
    }
    if (rc != NO_ERROR) {
        // No adapter at all is an answer; anything else is a refusal.
        if (rc != ERROR_NO_DATA) facts.unreadable.push_back("link state");
        return;
    }
    for (const IP_ADAPTER_ADDRESSES *a = reinterpret_cast<const IP_ADAPTER_ADDRESSES *>(block.data()); a;
         a = a->Next) {
        if (!a->AdapterName || name != a->AdapterName) continue;
        facts.displayName = utf8(a->FriendlyName);
        facts.interfaceIndex = int(a->IfIndex);
        MIB_IF_ROW2 row = {};
        row.InterfaceLuid = a->Luid;
        if (GetIfEntry2(&row) != NO_ERROR) {
            facts.unreadable.push_back("link state");
            return;
        }
        if (row.OperStatus == IfOperStatusUp)
            facts.up = 1;
        else if (row.OperStatus == IfOperStatusDown || row.OperStatus == IfOperStatusLowerLayerDown ||
                 row.OperStatus == IfOperStatusNotPresent)
            facts.up = 0;
        // Without a link the speed is the last one negotiated, or a placeholder; it is left unknown.
        const ULONG64 bits = row.ReceiveLinkSpeed;
        if (facts.up == 1 && bits > 0 && bits / 1000000 < 10000000) facts.speedMbps = int(bits / 1000000);
        return;
    }
}

// Reverse-path filtering and the receive buffer cap are Linux settings and stay unknown here.
class WindowsNetworkFacts : public NetworkFactSource {
public:
    InterfaceFacts interfaceFacts(const std::string &name) override {
        InterfaceFacts facts;
        readLink(name, facts);
        readAdvancedProperties(name, facts);
        std::vector<ConnectedNetwork> networks;
        bool unread = !connectedNetworks(networks);
        if (!unread) facts.networkCategory = adapterNetworkCategory(networks, name, facts.up == 1, unread);
        if (unread) facts.unreadable.push_back("network category");
        return facts;
    }
    long long receiveBufferMax() override { return -1; }
    bool firewallRuleset(std::string &json) override {
        json = windowsFirewallJson();
        return true;
    }
    // Linux front ends of the packet filter: none here.
    bool ufwStatus(std::string &) override { return false; }
    bool firewalldState(std::string &) override { return false; }
    bool firewalldZone(const std::string &, std::string &) override { return false; }
};

} // namespace

NetworkFactSource &systemNetworkFacts() {
    static WindowsNetworkFacts source;
    return source;
}

} // namespace platform
