#include "platform/firewall_win.h"
#include "platform/networkcategory.h"

#include <windows.h>

#include <netlistmgr.h>
#include <objbase.h>

namespace platform {
namespace {

// Far more than a workstation is ever connected to; the bound only stops an enumerator that never ends.
constexpr int MaxEnumerated = 1000;
// The enumerators are read one item at a time, by the item: Wine's leave the count fetched unset.

std::vector<std::string> adapterIds(INetwork *network) {
    std::vector<std::string> ids;
    Com<IEnumNetworkConnections> connections;
    if (FAILED(network->GetNetworkConnections(connections.out())) || !connections) return ids;
    for (int n = 0; n < MaxEnumerated; ++n) {
        Com<INetworkConnection> connection;
        ULONG got = 0;
        if (connections->Next(1, connection.out(), &got) != S_OK || !connection) break;
        GUID id = {};
        wchar_t text[64] = {};
        if (SUCCEEDED(connection->GetAdapterId(&id)) && StringFromGUID2(id, text, 64) > 0)
            ids.push_back(utf8(text));
    }
    return ids;
}

bool readNetworks(INetworkListManager *manager, std::vector<ConnectedNetwork> &out) {
    Com<IEnumNetworks> networks;
    if (FAILED(manager->GetNetworks(NLM_ENUM_NETWORK_CONNECTED, networks.out())) || !networks) return false;
    for (int n = 0; n < MaxEnumerated; ++n) {
        Com<INetwork> network;
        ULONG got = 0;
        if (networks->Next(1, network.out(), &got) != S_OK || !network) break;
        ConnectedNetwork one;
        NLM_NETWORK_CATEGORY category = NLM_NETWORK_CATEGORY_PUBLIC;
        if (SUCCEEDED(network->GetCategory(&category))) one.category = int(category);
        one.adapterIds = adapterIds(network.operator->());
        out.push_back(one);
    }
    return true;
}

} // namespace

bool connectedNetworks(std::vector<ConnectedNetwork> &out) {
    out.clear();
    // Qt may have joined this thread to an apartment already; either kind serves the manager.
    const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(joined) && joined != RPC_E_CHANGED_MODE) return false;
    bool answered = false;
    {
        Com<INetworkListManager> manager;
        if (SUCCEEDED(CoCreateInstance(__uuidof(NetworkListManager), nullptr, CLSCTX_ALL,
                                       __uuidof(INetworkListManager),
                                       reinterpret_cast<void **>(manager.out()))) &&
            manager)
            answered = readNetworks(manager.operator->(), out);
    }
    if (SUCCEEDED(joined)) CoUninitialize();
    return answered;
}

} // namespace platform
