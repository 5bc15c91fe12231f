#pragma once

#include <QString>
#include <QtGlobal>

struct UdpCamInfo;

// 0xC0A8010A -> "192.168.1.10"
QString ipToText(quint32 ip);
// Dotted text -> address; 0xFFFFFFFF when the text does not parse.
quint32 ipFromText(const QString &text);
// Like ipFromText, but tells a text that does not parse apart from "255.255.255.255".
bool parseIp(const QString &text, quint32 *out);
// "00:0c:9c:81:f2:a7"
QString macToText(quint32 macLow, quint32 macHigh);
// 0 fits, 1 adapter uses jumbo datagrams while cameras use standard ones, 2 adapter MTU too small.
int jumboMismatch(const UdpCamInfo &cam, quint32 datagramSize);
