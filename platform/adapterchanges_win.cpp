#include "platform/adapterchanges.h"

#include <winsock2.h>
#include <ws2ipdef.h>

#include <windows.h>

#include <iphlpapi.h>
#include <netioapi.h>

#include <map>
#include <utility>

namespace platform {
namespace {

// IP Helper calls these on a thread of its own: they only set the event the program's loop waits on.
void WINAPI interfaceChanged(PVOID event, PMIB_IPINTERFACE_ROW, MIB_NOTIFICATION_TYPE) {
    SetEvent(event);
}
void WINAPI addressChanged(PVOID event, PMIB_UNICASTIPADDRESS_ROW, MIB_NOTIFICATION_TYPE) {
    SetEvent(event);
}

using NotifyInterfaces = DWORD(WINAPI *)(ADDRESS_FAMILY, PIPINTERFACE_CHANGE_CALLBACK, PVOID, BOOLEAN,
                                         HANDLE *);
using NotifyAddresses = DWORD(WINAPI *)(ADDRESS_FAMILY, PUNICAST_IPADDRESS_CHANGE_CALLBACK, PVOID, BOOLEAN,
                                        HANDLE *);
using CancelNotify = DWORD(WINAPI *)(HANDLE);

// Looked up when first needed: a system (or Wine) without them is looked at on a period only.
template <typename Function> Function lookUp(const char *name) {
    const HMODULE module = GetModuleHandleW(L"iphlpapi.dll");
    return module ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)))
                  : nullptr;
}

// The two registrations behind each event handed out, for closing them.
std::map<HANDLE, std::pair<HANDLE, HANDLE>> &registrations() {
    static std::map<HANDLE, std::pair<HANDLE, HANDLE>> all;
    return all;
}

} // namespace

std::intptr_t openAdapterChanges() {
    const auto notifyInterfaces = lookUp<NotifyInterfaces>("NotifyIpInterfaceChange");
    const auto notifyAddresses = lookUp<NotifyAddresses>("NotifyUnicastIpAddressChange");
    const auto cancel = lookUp<CancelNotify>("CancelMibChangeNotify2");
    if (!notifyInterfaces || !notifyAddresses || !cancel) return NoAdapterChanges;
    // Reset by the wait that sees it set, so that every change after the wait is told again.
    const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!event) return NoAdapterChanges;
    HANDLE interfaces = nullptr, addresses = nullptr;
    if (notifyInterfaces(AF_INET, interfaceChanged, event, FALSE, &interfaces) != NO_ERROR ||
        notifyAddresses(AF_INET, addressChanged, event, FALSE, &addresses) != NO_ERROR) {
        if (interfaces) cancel(interfaces);
        CloseHandle(event);
        return NoAdapterChanges;
    }
    registrations()[event] = {interfaces, addresses};
    return reinterpret_cast<std::intptr_t>(event);
}

bool readAdapterChanges(std::intptr_t handle) {
    // The wait that woke the program has reset the event already.
    return handle != NoAdapterChanges;
}

void closeAdapterChanges(std::intptr_t handle) {
    if (handle == NoAdapterChanges) return;
    const HANDLE event = reinterpret_cast<HANDLE>(handle);
    const auto it = registrations().find(event);
    if (it != registrations().end()) {
        // Returns once no callback runs any more, so the event outlives them all.
        const auto cancel = lookUp<CancelNotify>("CancelMibChangeNotify2");
        cancel(it->second.first);
        cancel(it->second.second);
        registrations().erase(it);
    }
    CloseHandle(event);
}

} // namespace platform
