#pragma once

#include <QByteArray>
#include <QtGlobal>

// Little-endian view over one received datagram; bytes past the end read as zero, so a short
// datagram can never be read past its end or from an earlier datagram's bytes.
class ByteReader {
public:
    explicit ByteReader(const QByteArray &d) : d_(d) {}
    quint8 u8(int at) const { return at >= 0 && at < d_.size() ? quint8(d_[at]) : 0; }
    quint16 u16(int at) const { return quint16(u8(at) | u8(at + 1) << 8); }
    quint32 u32(int at) const { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; }
    quint64 u64(int at) const { return quint64(u32(at)) | quint64(u32(at + 4)) << 32; }
    int size() const { return d_.size(); }
    // Latin-1 text from `at` up to the first NUL byte or the end of the datagram, and at most
    // `maxBytes` long when that is given.
    QByteArray cString(int at, int maxBytes = -1) const;

private:
    QByteArray d_; // exactly the datagram, never the whole receive buffer
};

// Appends little-endian values; requests are built with it.
class ByteWriter {
public:
    ByteWriter &u8(quint8 v);
    ByteWriter &u16(quint16 v);
    ByteWriter &u32(quint32 v);
    const QByteArray &data() const { return d_; }

private:
    QByteArray d_;
};
