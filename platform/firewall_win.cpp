#include "platform/firewall_win.h"

#include <windows.h>

#include <netfw.h>
#include <oleauto.h>

#include <cstdio>
#include <string>

namespace platform {

std::string utf8(const wchar_t *text) {
    if (!text || !*text) return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(size_t(size - 1));
    return out;
}

namespace {

constexpr LONG UdpProtocol = 17;
constexpr LONG AnyProtocol = 256;
// A firewall never holds this many rules; the bound only stops an enumerator that never ends.
constexpr int MaxRules = 100000;

std::string jsonText(const std::string &text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += char(c);
        }
    }
    return out + '"';
}

const char *jsonBool(VARIANT_BOOL value) {
    return value != VARIANT_FALSE ? "true" : "false";
}

// A BSTR property read through `get`; rules store programs with environment variables, which are
// expanded so that they compare with the program's own path.
template <class Get> std::string text(Get get, bool expand = false) {
    BSTR value = nullptr;
    std::string out;
    if (SUCCEEDED(get(&value)) && value) {
        if (expand) {
            wchar_t expanded[4096];
            const DWORD n =
                ExpandEnvironmentStringsW(value, expanded, DWORD(sizeof expanded / sizeof *expanded));
            out = n > 0 && n <= sizeof expanded / sizeof *expanded ? utf8(expanded) : utf8(value);
        } else {
            out = utf8(value);
        }
    }
    SysFreeString(value);
    return out;
}

std::string failed(const char *what, HRESULT hr) {
    char line[96];
    std::snprintf(line, sizeof line, "%s (0x%08lx)", what, static_cast<unsigned long>(hr));
    return line;
}

std::string ruleJson(INetFwRule *rule) {
    NET_FW_RULE_DIRECTION direction = NET_FW_RULE_DIR_OUT;
    LONG protocol = 0;
    if (FAILED(rule->get_Direction(&direction)) || direction != NET_FW_RULE_DIR_IN) return std::string();
    if (FAILED(rule->get_Protocol(&protocol)) || (protocol != UdpProtocol && protocol != AnyProtocol))
        return std::string();
    VARIANT_BOOL enabled = VARIANT_FALSE;
    NET_FW_ACTION action = NET_FW_ACTION_BLOCK;
    LONG profiles = 0;
    rule->get_Enabled(&enabled);
    rule->get_Action(&action);
    rule->get_Profiles(&profiles);
    return "{\"name\": " + jsonText(text([&](BSTR *v) { return rule->get_Name(v); })) +
           ", \"enabled\": " + jsonBool(enabled) +
           ", \"action\": " + (action == NET_FW_ACTION_ALLOW ? "\"allow\"" : "\"block\"") +
           ", \"protocol\": " + std::to_string(protocol) + ", \"application\": " +
           jsonText(text([&](BSTR *v) { return rule->get_ApplicationName(v); }, true)) +
           ", \"service\": " + jsonText(text([&](BSTR *v) { return rule->get_ServiceName(v); })) +
           ", \"localPorts\": " + jsonText(text([&](BSTR *v) { return rule->get_LocalPorts(v); })) +
           ", \"profiles\": " + std::to_string(profiles) + "}";
}

// The profiles and rules read through the policy object; "" when it answered everything asked.
std::string readPolicy(INetFwPolicy2 *policy, std::string &json) {
    LONG current = 0;
    HRESULT hr = policy->get_CurrentProfileTypes(&current);
    if (FAILED(hr)) return failed("current profiles", hr);
    json += ", \"currentProfiles\": " + std::to_string(current) + ", \"profiles\": [";
    const NET_FW_PROFILE_TYPE2 types[] = {NET_FW_PROFILE2_DOMAIN, NET_FW_PROFILE2_PRIVATE,
                                          NET_FW_PROFILE2_PUBLIC};
    for (NET_FW_PROFILE_TYPE2 type : types) {
        VARIANT_BOOL enabled = VARIANT_FALSE, blockAll = VARIANT_FALSE;
        NET_FW_ACTION inbound = NET_FW_ACTION_BLOCK;
        if (FAILED(hr = policy->get_FirewallEnabled(type, &enabled))) return failed("profile state", hr);
        if (FAILED(hr = policy->get_BlockAllInboundTraffic(type, &blockAll)))
            return failed("profile state", hr);
        if (FAILED(hr = policy->get_DefaultInboundAction(type, &inbound))) return failed("profile state", hr);
        json += std::string(type == NET_FW_PROFILE2_DOMAIN ? "" : ", ") +
                "{\"type\": " + std::to_string(type) + ", \"enabled\": " + jsonBool(enabled) +
                ", \"blockAllInbound\": " + jsonBool(blockAll) +
                ", \"defaultInbound\": " + (inbound == NET_FW_ACTION_ALLOW ? "\"allow\"" : "\"block\"") + "}";
    }
    json += "], \"rules\": [";
    Com<INetFwRules> rules;
    Com<IUnknown> unknown;
    Com<IEnumVARIANT> each;
    if (FAILED(hr = policy->get_Rules(rules.out())) || !rules) return failed("rules", hr);
    if (FAILED(hr = rules->get__NewEnum(unknown.out())) || !unknown) return failed("rules", hr);
    if (FAILED(hr = unknown->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void **>(each.out()))))
        return failed("rules", hr);
    bool first = true;
    for (int n = 0; n < MaxRules; ++n) {
        VARIANT item;
        VariantInit(&item);
        ULONG got = 0;
        if (each->Next(1, &item, &got) != S_OK || got != 1) break;
        Com<INetFwRule> rule;
        if (item.vt == VT_DISPATCH && item.pdispVal &&
            SUCCEEDED(
                item.pdispVal->QueryInterface(__uuidof(INetFwRule), reinterpret_cast<void **>(rule.out())))) {
            const std::string one = ruleJson(rule.operator->());
            if (!one.empty()) {
                json += (first ? "" : ", ") + one;
                first = false;
            }
        }
        VariantClear(&item);
    }
    json += "]";
    return std::string();
}

} // namespace

std::string windowsFirewallJson() {
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(sizeof path / sizeof *path));
    std::string json =
        "{\"windowsFirewall\": {\"program\": " +
        jsonText(length > 0 && length < sizeof path / sizeof *path ? utf8(path) : std::string());
    // Qt may have joined this thread to an apartment already; either kind serves the policy object.
    const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string error, policyJson;
    if (FAILED(joined) && joined != RPC_E_CHANGED_MODE) {
        error = failed("COM", joined);
    } else {
        Com<INetFwPolicy2> policy;
        const HRESULT hr = CoCreateInstance(__uuidof(NetFwPolicy2), nullptr, CLSCTX_INPROC_SERVER,
                                            __uuidof(INetFwPolicy2), reinterpret_cast<void **>(policy.out()));
        error = SUCCEEDED(hr) && policy ? readPolicy(policy.operator->(), policyJson)
                                        : failed("policy object", hr);
    }
    if (SUCCEEDED(joined)) CoUninitialize();
    // A half-read policy is not given: the judgement would take a missing rule for no rule.
    json += error.empty() ? policyJson : ", \"error\": " + jsonText(error);
    return json + "}}";
}

} // namespace platform
