#include "bytes.h"

QByteArray ByteReader::cString(int at, int maxBytes) const {
    if (at < 0 || at >= d_.size()) return QByteArray();
    const int end = d_.indexOf('\0', at);
    const int length = (end < 0 ? d_.size() : end) - at;
    return d_.mid(at, maxBytes >= 0 ? qMin(length, maxBytes) : length);
}

ByteWriter &ByteWriter::u8(quint8 v) {
    d_.append(char(v));
    return *this;
}

ByteWriter &ByteWriter::u16(quint16 v) {
    return u8(quint8(v)).u8(quint8(v >> 8));
}

ByteWriter &ByteWriter::u32(quint32 v) {
    return u16(quint16(v)).u16(quint16(v >> 16));
}
