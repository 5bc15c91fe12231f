#include "platform/adaptersource.h"

#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>

#include <cstring>

namespace platform {
namespace {

// The IP Helper lists are chains of structures with pointers into the same block, so the block is
// kept in 8-byte units to give those structures their natural alignment.
class ChainBuffer {
public:
    void resize(ULONG bytes) { block_.assign((bytes + 7) / 8, 0); }
    void *data() { return block_.empty() ? nullptr : block_.data(); }

private:
    std::vector<unsigned long long> block_;
};

// Calls an IP Helper list routine with `firstSize` bytes and, if it asks for more, once more with the
// size it asked for. Any other answer than success means no list.
template <typename Call> bool fetchChain(ChainBuffer &buffer, ULONG firstSize, Call call) {
    ULONG size = firstSize;
    buffer.resize(size);
    ULONG result = call(buffer.data(), &size);
    if (result == ERROR_BUFFER_OVERFLOW) {
        buffer.resize(size);
        result = call(buffer.data(), &size);
    }
    return result == NO_ERROR;
}

// The system terminates these fixed arrays; the bound only guards against one that it did not.
template <size_t N> std::string fixedText(const char (&text)[N]) {
    return std::string(text, strnlen(text, N));
}

class WindowsAdapterSource : public AdapterSource {
public:
    bool adapters(std::vector<AdapterRecord> &out) override {
        ChainBuffer buffer;
        const bool ok = fetchChain(buffer, 704, [](void *data, ULONG *size) {
            return GetAdaptersInfo(static_cast<IP_ADAPTER_INFO *>(data), size);
        });
        if (!ok) return false;
        out.clear();
        for (const IP_ADAPTER_INFO *a = static_cast<const IP_ADAPTER_INFO *>(buffer.data()); a; a = a->Next) {
            AdapterRecord record;
            record.name = fixedText(a->AdapterName);
            record.description = fixedText(a->Description);
            std::memcpy(record.mac, a->Address, sizeof record.mac);
            record.ipText = fixedText(a->IpAddressList.IpAddress.String);
            record.maskText = fixedText(a->IpAddressList.IpMask.String);
            for (const IP_ADDR_STRING *more = a->IpAddressList.Next; more; more = more->Next)
                record.moreIpTexts.push_back(fixedText(more->IpAddress.String));
            out.push_back(record);
        }
        return true;
    }

    bool mtus(std::vector<MtuRecord> &out) override {
        ChainBuffer buffer;
        const bool ok = fetchChain(buffer, 448, [](void *data, ULONG *size) {
            return GetAdaptersAddresses(AF_INET, GAA_FLAG_INCLUDE_PREFIX, nullptr,
                                        static_cast<IP_ADAPTER_ADDRESSES *>(data), size);
        });
        if (!ok) return false;
        out.clear();
        for (const IP_ADAPTER_ADDRESSES *a = static_cast<const IP_ADAPTER_ADDRESSES *>(buffer.data()); a;
             a = a->Next) {
            MtuRecord entry;
            entry.macLength = a->PhysicalAddressLength < sizeof entry.mac ? a->PhysicalAddressLength
                                                                          : unsigned(sizeof entry.mac);
            std::memcpy(entry.mac, a->PhysicalAddress, entry.macLength);
            entry.mtu = a->Mtu;
            out.push_back(entry);
        }
        return true;
    }
};

} // namespace

AdapterSource &systemAdapterSource() {
    static WindowsAdapterSource source;
    return source;
}

} // namespace platform
