#include "bytes.h"

QByteArray ByteReader::cString(int at) const {
    if (at < 0 || at >= d_.size()) return QByteArray();
    const int end = d_.indexOf('\0', at);
    return d_.mid(at, (end < 0 ? d_.size() : end) - at);
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
