// Address texts typed by a user or reported by the platform.
#include "net/addresses.h"

#include <QString>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    for (const QString &text : {QString::fromLatin1(bytes), QString::fromUtf8(bytes)}) {
        quint32 parsed = 0;
        const bool ok = parseIp(text, &parsed);
        const quint32 plain = ipFromText(text);
        // The two entry points must agree, and what parses must survive a round trip.
        if (ok ? plain != parsed : plain != 0xFFFFFFFFu) abort();
        if (ok && ipFromText(ipToText(parsed)) != parsed) abort();
    }
    return 0;
}
