#include "net/adapters.h"

#include "net/addresses.h"
#include "platform/adaptersource.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

platform::AdapterSource *installedSource = nullptr;

platform::AdapterSource &adapterSource() {
    return installedSource ? *installedSource : platform::systemAdapterSource();
}

// Copies as much of `text` as fits and always terminates, whatever the system handed us.
void copyText(char (&field)[256], const std::string &text) {
    const size_t length = std::min(text.size(), sizeof field - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

void formatMac(char (&field)[256], const unsigned char *mac) {
    std::snprintf(field, sizeof field, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3],
                  mac[4], mac[5]);
}

quint32 addressFromText(const std::string &text) {
    return ipFromText(QString::fromLatin1(text.c_str()));
}

} // namespace

NetAdapterInfo allAdaptersEntry() {
    NetAdapterInfo all;
    std::strcpy(all.name, AllAdaptersName);
    std::strcpy(all.description, "Broadcast");
    all.ip = AllAdaptersIp;
    all.mask = AllAdaptersIp;
    return all;
}

bool isAllAdapters(const NetAdapterInfo &adapter) {
    return adapter.ip == AllAdaptersIp && std::strcmp(adapter.name, AllAdaptersName) == 0;
}

void setAdapterSource(platform::AdapterSource *source) {
    installedSource = source;
}

namespace {

// Fills up to `maximum` records from `source`; with `more`, also gathers each listed adapter's further
// addresses.
int fillAdapters(platform::AdapterSource &source, NetAdapterInfo *adapters, int maximum,
                 std::vector<std::vector<quint32>> *more) {
    if (!adapters || maximum <= 0) return 0;

    std::vector<platform::AdapterRecord> records;
    if (!source.adapters(records)) return 0;

    int count = 0;
    bool matchByHardware = false;
    for (const platform::AdapterRecord &record : records) {
        if (count >= maximum) break;
        NetAdapterInfo &info = adapters[count++];
        info = NetAdapterInfo();
        copyText(info.name, record.name);
        // Drivers append the bound service ("- Packet Scheduler Miniport"); the list shows the card.
        copyText(info.description, record.description.substr(0, record.description.find(" - ")));
        formatMac(info.macText, record.mac);
        info.ip = addressFromText(record.ipText);
        info.mask = addressFromText(record.maskText);
        info.mtu = record.mtu;
        matchByHardware = matchByHardware || record.mtu == 0;
        if (more) {
            more->emplace_back();
            for (const std::string &text : record.moreIpTexts)
                more->back().push_back(addressFromText(text));
        }
    }
    if (count == 0 || !matchByHardware) return count;

    std::vector<platform::MtuRecord> mtus;
    if (!source.mtus(mtus)) return count;

    for (const platform::MtuRecord &entry : mtus) {
        if (entry.macLength < 6) continue;
        char macText[256];
        formatMac(macText, entry.mac);
        for (int i = 0; i < count; ++i) {
            if (qstricmp(adapters[i].macText, macText) == 0) {
                // Some drivers report no MTU at all; such adapters carry standard Ethernet frames.
                // An adapter that knows its own MTU keeps it.
                if (records[size_t(i)].mtu == 0)
                    adapters[i].mtu = (entry.mtu == 0 || entry.mtu == 0xFFFFFFFFu) ? 1500u : entry.mtu;
                break;
            }
        }
    }
    return count;
}

} // namespace

int listAdapters(NetAdapterInfo *adapters, int maximum) {
    return fillAdapters(adapterSource(), adapters, maximum, nullptr);
}

QList<NetAdapterInfo> adapterList(platform::AdapterSource *source) {
    std::vector<NetAdapterInfo> buffer(MaxAdapters);
    const int n = fillAdapters(source ? *source : adapterSource(), buffer.data(), MaxAdapters, nullptr);
    return QList<NetAdapterInfo>(buffer.begin(), buffer.begin() + n);
}

quint32 mtuForAddress(quint32 ip) {
    std::vector<NetAdapterInfo> adapters(MaxAdapters);
    std::vector<std::vector<quint32>> more;
    adapters.resize(size_t(fillAdapters(adapterSource(), adapters.data(), int(adapters.size()), &more)));
    for (const NetAdapterInfo &a : adapters) {
        if (a.ip == ip) return a.mtu;
    }
    // A camera found through an adapter's further address is behind that adapter all the same.
    for (size_t i = 0; i < more.size(); ++i) {
        if (std::find(more[i].begin(), more[i].end(), ip) != more[i].end()) return adapters[i].mtu;
    }
    return 1500;
}

bool namesAllAdapters(const QString &name) {
    return name.isEmpty() || name == QLatin1String(AllAdaptersName);
}
