#include "camerastate.h"

#include "bytes.h"
#include "datagrams.h"

#include <QSet>

namespace {
// Trim positions arrive as absolute frame positions; the clip dialog wants them relative to the
// clip's first frame, inside the clip.
void normaliseTrim(ClipInfo &c, int entrySize) {
    if (entrySize <= 48) {
        c.firstFrame = 0;
        c.trimStart = 0;
        c.trimEnd = quint32(c.frameCount) - 1;
        return;
    }
    if (c.frameCount == 0) c.frameCount = 1;
    const quint64 n = c.frameCount;
    const quint32 n32 = quint32(n);
    const quint32 start = quint32(c.trimStart - c.firstFrame + n32);
    const quint32 end = quint32(n32 - c.firstFrame + c.trimEnd);
    c.trimStart = quint32(start % n);
    c.trimEnd = quint32(end % n);
    if (c.trimStart == c.trimEnd) c.trimEnd = quint32(n - 1);
}
} // namespace

CameraState::~CameraState() {
    qDeleteAll(clips);
}

bool CameraState::mergeClipList(const QByteArray &datagram) {
    const ByteReader r(datagram);
    if (r.size() < Proto::ClipListHeaderLength) return false;
    const int clipTotal = r.u16(8);
    const int entryCount = r.u16(10);
    const int entrySize = clipEntrySize(camInfo.cameraType);
    if (r.size() < Proto::ClipListHeaderLength + entryCount * entrySize) return false;

    if (clipTotal == 0) {
        const bool had = !clips.isEmpty();
        qDeleteAll(clips);
        clips.clear();
        return had;
    }
    if (clips.size() > clipTotal) {
        while (clips.size() > clipTotal)
            delete clips.takeLast();
        return true;
    }

    // Clip numbers are 16 bits and each is stored once, so the list never exceeds 65536 entries
    // whatever a camera sends.
    QSet<quint16> stored;
    for (const ClipInfo *c : qAsConst(clips))
        stored.insert(c->clipNumber);
    const int before = clips.size();
    for (int e = 0; e < entryCount; ++e) {
        const QByteArray entry = datagram.mid(Proto::ClipListHeaderLength + e * entrySize, entrySize);
        const quint16 number = ByteReader(entry).u16(44);
        if (stored.contains(number)) continue;
        ClipInfo c = ClipInfo::fromEntry(entry);
        normaliseTrim(c, entrySize);
        clips.append(new ClipInfo(c));
        stored.insert(number);
    }
    // A long list arrives in several datagrams; it is announced once, when it is complete.
    return clips.size() != before && clips.size() == clipTotal;
}
