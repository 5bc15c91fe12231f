// A camera channel fed any sequence of datagrams from its camera. The first input byte picks the
// dialect and model (so every clip entry size is reached); the rest is a series of datagrams, each
// preceded by a two-byte length, all delivered to one channel so the clip-list merge keeps state.
#include "net/camrecord.h"
#include "net/datagrams.h"
#include "net/udpinterface.h"

#include <QCoreApplication>
#include <QSet>
#include <cstdlib>

namespace {
QCoreApplication *app = nullptr;
const quint32 models[] = {46, 47, 55, 48, 51, 12, 10, 28};
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    app = new QCoreApplication(*argc, *argv); // lives for the whole run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    UdpInterface channel;
    // protocol, model, sensor, options, serial, firmware, revision, IP, mask, MAC low and high, port,
    // adapter IP and mask
    const quint32 model = models[(data[0] >> 1) % (sizeof models / sizeof models[0])];
    channel.camInfo = {data[0] & 1u, model, 0, 0, 0, 0, 0, 0x7F000001, 0, 0, 0, 9000, 0x7F000001, 0xFF000000};
    channel.active = true;

    size_t at = 1;
    while (at + 2 <= size) {
        const size_t len = size_t(data[at]) | size_t(data[at + 1]) << 8;
        at += 2;
        const size_t take = len < size - at ? len : size - at;
        channel.handleDatagram(QByteArray(reinterpret_cast<const char *>(data + at), int(take)), 0x7F000001);
        at += take;
    }

    // Each stored clip has its own number, so a peer can never grow the list past 65536 entries.
    QSet<quint16> numbers;
    for (int i = 0; i < channel.clips.size(); ++i) {
        const ClipInfo *c = channel.clip(i);
        if (!c || numbers.contains(c->clipNumber)) abort();
        numbers.insert(c->clipNumber);
        if (c->raw.size() != ClipInfo::Size) abort();
    }
    if (channel.clip(channel.clips.size()) != nullptr) abort();
    // A name never outgrows the longest name field, and its text rendering holds no control character.
    if (channel.cameraName.size() > Proto::MaxNameBytes) abort();
    for (const QChar c : visibleText(channel.cameraName))
        if (c.category() == QChar::Other_Control) abort();
    return 0;
}
