#include "addresses.h"

#include "camrecord.h"

#include <QByteArray>

QString ipToText(quint32 ip) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ip >> 24 & 0xFF)
        .arg(ip >> 16 & 0xFF)
        .arg(ip >> 8 & 0xFF)
        .arg(ip & 0xFF);
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One dotted field read the way a C decimal conversion reads it: leading blanks, an optional sign,
// digits up to the first non-digit, the rest ignored. Negative values count as huge unsigned ones.
bool readField(const QByteArray &field, quint32 *out) {
    int i = 0;
    while (i < field.size() && isBlank(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    quint32 value = 0;
    int digits = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits) {
        value = value * 10 + quint32(field[i] - '0');
        if (value > 255) return false;
    }
    if (digits == 0 || (negative && value != 0)) return false;
    *out = value;
    return true;
}

} // namespace

bool parseIp(const QString &text, quint32 *out) {
    QByteArray bytes = text.toLatin1();
    if (bytes.size() > 254) return false;
    // "host]:port" leaves the closing bracket where the last dot would go.
    const int bracket = bytes.indexOf(']');
    if (bracket >= 0)
        bytes[bracket] = '.';
    else
        bytes.append('.');

    quint32 result = 0;
    int from = 0;
    for (int part = 0; part < 4; ++part) {
        const int dot = bytes.indexOf('.', from);
        if (dot < 0) return false;
        quint32 value = 0;
        if (!readField(bytes.mid(from, dot - from), &value)) return false;
        result = result << 8 | value;
        from = dot + 1;
    }
    if (out) *out = result;
    return true;
}

quint32 ipFromText(const QString &text) {
    quint32 ip = 0;
    return parseIp(text, &ip) ? ip : UnparsedIp;
}

QString macToText(quint32 macLow, quint32 macHigh) {
    const quint32 bytes[6] = {macHigh >> 8 & 0xFF, macHigh & 0xFF,     macLow >> 24 & 0xFF,
                              macLow >> 16 & 0xFF, macLow >> 8 & 0xFF, macLow & 0xFF};
    QString text;
    for (int i = 0; i < 6; ++i) {
        if (i) text += QLatin1Char(':');
        text += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    }
    return text;
}

int jumboMismatch(const UdpCamInfo &cam, quint32 datagramSize) {
    const quint32 mtu = cam.adapterMtu;
    if (datagramSize < 1500 && mtu > 1550) return 1;
    return mtu < datagramSize ? 2 : 0;
}

bool isContiguousMask(quint32 mask) {
    // A contiguous mask is ones followed by zeros: its inverse plus one is a power of two (or zero).
    const quint32 hostPart = ~mask;
    return (hostPart & (hostPart + 1)) == 0;
}

AddressVerdict judgeCameraAddress(quint32 ip, quint32 mask) {
    if (mask == 0) return AddressVerdict::MaskZero;
    if (!isContiguousMask(mask)) return AddressVerdict::MaskNotContiguous;
    if (ip == 0) return AddressVerdict::AddressZero;
    if (ip == 0xFFFFFFFFu) return AddressVerdict::AddressAllOnes;
    const quint32 top = ip >> 24;
    if (top == 127) return AddressVerdict::AddressLoopback;
    if (top >= 224 && top <= 239) return AddressVerdict::AddressMulticast;
    if (top >= 240) return AddressVerdict::AddressReserved;
    // A /31 or /32 has no network or broadcast address of its own.
    const quint32 hostPart = ~mask;
    if (hostPart > 1) {
        if ((ip & hostPart) == 0) return AddressVerdict::NetworkAddress;
        if ((ip & hostPart) == hostPart) return AddressVerdict::BroadcastAddress;
    }
    return AddressVerdict::Usable;
}

int addressCautions(quint32 ip, quint32 adapterIp, quint32 adapterMask, const QList<quint32> &othersInUse) {
    int cautions = 0;
    if ((ip & adapterMask) != (adapterIp & adapterMask)) cautions |= OutsideAdapterSubnet;
    if (othersInUse.contains(ip)) cautions |= UsedByOtherCamera;
    if (ip == adapterIp) cautions |= UsedByAdapter;
    return cautions;
}
