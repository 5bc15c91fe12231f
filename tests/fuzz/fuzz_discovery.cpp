// Any datagram arriving on a discovery socket, in either dialect.
#include "net/camrecord.h"

#include <QByteArray>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray reply(reinterpret_cast<const char *>(data), int(size));
    const ReceivingAdapter at{0xC0A84701, 0xFFFFFF00, 1500};

    UdpCamInfo rec;
    if (standardRecordFromReply(reply, 0xC0A84714, at, &rec)) {
        // A record is only ever made from a whole reply, and always names a usable command port.
        if (reply.size() < 52 || rec.protocol != 0 || rec.cameraIp != 0xC0A84714) abort();
        if (rec.cameraPort < 1027 || rec.cameraPort > 1029) abort();
    }
    UdpCamInfo adv;
    if (advancedRecordFromReply(reply, 0xC0A84715, at, &adv)) {
        if (reply.size() < 55 || adv.protocol != 1 || adv.cameraPort != 9000 || adv.link10G > 1) abort();
        if (adv.cameraMask != at.mask || adv.macHigh > 0xFFFF) abort();
    }
    return 0;
}
