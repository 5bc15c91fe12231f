#include "datagrams.h"

#include "bytes.h"

namespace {

// Every Standard request starts with the same header; byte 0 marks it as a request.
ByteWriter standardHeader(quint8 opcode, quint16 length) {
    ByteWriter w;
    w.u8(1).u8(0).u8(8).u8(opcode).u16(length).u16(0);
    return w;
}

QByteArray advCommand(quint8 code, quint8 b5, quint8 b6, quint8 b7, quint32 argument) {
    ByteWriter w;
    w.u32(Proto::AdvCommand).u8(code).u8(b5).u8(b6).u8(b7).u32(argument);
    return w.data();
}

} // namespace

QByteArray opDiscover() {
    return standardHeader(Proto::OpDiscover, 8).data();
}

QByteArray opName() {
    return standardHeader(Proto::OpName, 12).u32(50).data();
}

QByteArray opStatus() {
    return standardHeader(Proto::OpStatus, 8).data();
}

QByteArray opOptions() {
    return standardHeader(Proto::OpOptions, 8).data();
}

QByteArray opSetAddress(quint32 ip, quint32 mask, quint32 macLow, quint32 macHigh) {
    return standardHeader(Proto::OpSetAddress, 24).u32(ip).u32(mask).u32(macLow).u32(macHigh).data();
}

QByteArray advDiscover(quint16 localPort) {
    ByteWriter w;
    w.u32(Proto::AdvDiscover).u16(localPort).u16(0);
    return w.data();
}

QByteArray advRegister(quint16 localPort) {
    return advCommand(0x00, 0x02, 0x02, 0x00, localPort);
}

QByteArray advNameQuery() {
    return advCommand(Proto::AdvNameReplyCode, 0x01, 0x02, 0x00, 0);
}
