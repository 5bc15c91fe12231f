#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace Proto {
// Standard opcodes
constexpr quint8 OpDiscover = 1;
constexpr quint8 OpName = 2;
constexpr quint8 OpStatus = 14;
constexpr quint8 OpReadings = 39;
constexpr quint8 OpSetAddress = 23;
constexpr quint8 OpOptions = 210;

// Advanced magics
constexpr quint32 AdvClipList = 0xABCD0002;
constexpr quint32 AdvCommand = 0xABCD0004;
constexpr quint32 AdvDiscoverReply = 0xABCD0006;
constexpr quint32 AdvDiscover = 0xABCD0007;
constexpr quint8 AdvNameReplyCode = 11;

// Ports
constexpr quint16 DiscoveryBasePort = 45056;
constexpr int DiscoveryBindTries = 200;
constexpr quint16 StdDiscoverPortA = 1028;
constexpr quint16 StdDiscoverPortB = 1029;
constexpr quint16 AdvDiscoverPort = 45611;
constexpr quint16 AdvCameraPort = 9000;

// Layout lengths of replies
constexpr int StdDiscoverReplyLength = 52;
constexpr int AdvDiscoverReplyLength = 55;
constexpr int StdStatusReplyLength = 16;
constexpr int AdvNameOffset = 68;
// The longest camera name kept: no camera's name field is longer (the Standard name query asks for 50
// bytes). Text beyond it is a reply without its NUL, and would pad every table to its width.
constexpr int MaxNameBytes = 64;
constexpr int ClipListHeaderLength = 16;
} // namespace Proto

// Requests, byte for byte.
QByteArray opDiscover();
QByteArray opName();
QByteArray opStatus();
QByteArray opOptions();
QByteArray opSetAddress(quint32 ip, quint32 mask, quint32 macLow, quint32 macHigh);
QByteArray advDiscover(quint16 localPort);
QByteArray advRegister(quint16 localPort);
QByteArray advNameQuery();
