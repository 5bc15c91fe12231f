#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// One local network adapter.
struct NetAdapterInfo {
    char name[256] = {};
    char description[256] = {}; // cut before the first " - "
    char macText[256] = {};     // "AA:BB:CC:DD:EE:FF"
    quint32 ip = 0;             // first IPv4 address; UnparsedIp when its text does not parse
    quint32 mask = 0;
    quint32 mtu = 0; // 0 when no MTU was found
};

// How many adapters an inventory lists at most.
constexpr int MaxAdapters = 63;

// The entry that stands for every adapter at once: its name (also the stored default) and the value
// in its address and mask.
inline constexpr char AllAdaptersName[] = "*ALL*";
constexpr quint32 AllAdaptersIp = 0xFFFFFFFFu;
NetAdapterInfo allAdaptersEntry();
// Whether an adapter name as the settings and the scanner hold it means every adapter: the entry's
// name, or none given.
bool namesAllAdapters(const QString &name);
// Told by name and address together: an adapter whose address did not parse carries the same value.
bool isAllAdapters(const NetAdapterInfo &adapter);

namespace platform {
class AdapterSource;
}

// Fills up to `maximum` records from the platform's adapter list; returns how many.
int listAdapters(NetAdapterInfo *adapters, int maximum);
// Every adapter (up to MaxAdapters) that `source` lists, the installed source when null.
QList<NetAdapterInfo> adapterList(platform::AdapterSource *source = nullptr);
// MTU of the adapter that has `ip` (its first address first, then any further one); 1500 when none has it.
quint32 mtuForAddress(quint32 ip);

// Where the inventory reads the platform from; tests install a fake. Null restores the system's.
void setAdapterSource(platform::AdapterSource *source);
