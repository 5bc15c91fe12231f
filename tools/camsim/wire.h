#pragma once

// The simulator's own little-endian helpers. Replies are laid out at fixed offsets the way a
// camera fills its transmit buffer, independently of the program's request builders.
#include <QByteArray>
#include <QtGlobal>
#include <cstring>

namespace wire {

// Fixed-size zeroed datagram written at absolute offsets; writes past the end are ignored.
class Packet {
public:
    explicit Packet(int size) : d_(size, '\0') {}
    Packet &u8(int at, quint8 v) {
        if (at >= 0 && at < d_.size()) d_[at] = char(v);
        return *this;
    }
    Packet &u16(int at, quint16 v) { return u8(at, quint8(v)).u8(at + 1, quint8(v >> 8)); }
    Packet &u32(int at, quint32 v) { return u16(at, quint16(v)).u16(at + 2, quint16(v >> 16)); }
    Packet &u64(int at, quint64 v) { return u32(at, quint32(v)).u32(at + 4, quint32(v >> 32)); }
    Packet &f32(int at, float v) {
        quint32 bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        return u32(at, bits);
    }
    // Copies text and leaves at least one NUL byte before `limit` (exclusive end offset).
    Packet &text(int at, const QByteArray &s, int limit) {
        for (int i = 0; i < s.size() && at + i < limit - 1; ++i)
            u8(at + i, quint8(s[i]));
        return *this;
    }
    const QByteArray &data() const { return d_; }

private:
    QByteArray d_;
};

// Reads only the bytes that arrived; anything past the end reads as zero.
class Reader {
public:
    explicit Reader(const QByteArray &d) : d_(d) {}
    quint8 u8(int at) const { return at >= 0 && at < d_.size() ? quint8(d_[at]) : 0; }
    quint16 u16(int at) const { return quint16(u8(at) | u8(at + 1) << 8); }
    quint32 u32(int at) const { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; }
    int size() const { return d_.size(); }

private:
    const QByteArray &d_;
};

} // namespace wire
