#include "addresses.h"

#include "camrecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

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
bool readField(const QByteArray &field, quint32 *out, bool *sign) {
    int i = 0;
    while (i < field.size() && isBlank(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        *sign = true;
        negative = field[i++] == '-';
    }
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

IpTextFault readIp(const QString &text, quint32 *out) {
    QByteArray bytes = text.toLatin1();
    if (bytes.size() > 254) return IpTextFault::Unreadable;
    // "host]:port" leaves the closing bracket where the last dot would go.
    const int bracket = bytes.indexOf(']');
    if (bracket >= 0)
        bytes[bracket] = '.';
    else
        bytes.append('.');

    quint32 result = 0;
    int from = 0;
    bool sign = false;
    for (int part = 0; part < 4; ++part) {
        const int dot = bytes.indexOf('.', from);
        if (dot < 0) return IpTextFault::Unreadable;
        quint32 value = 0;
        if (!readField(bytes.mid(from, dot - from), &value, &sign)) return IpTextFault::Unreadable;
        result = result << 8 | value;
        from = dot + 1;
    }
    if (out) *out = result;
    // A digit right after the fourth number's dot starts a fifth number ("10.1.2.3.4").
    while (from < bytes.size() && isBlank(bytes[from]))
        ++from;
    if (from < bytes.size() && bytes[from] >= '0' && bytes[from] <= '9') return IpTextFault::FifthNumber;
    return sign ? IpTextFault::Sign : IpTextFault::None;
}

} // namespace

bool parseIp(const QString &text, quint32 *out) {
    return readIp(text, out) != IpTextFault::Unreadable;
}

IpTextFault ipTextFault(const QString &text) {
    return readIp(text, nullptr);
}

bool parseStrictIp(const QString &text, quint32 *out) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4) return false;
    quint32 result = 0;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > 3) return false;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        }
        const uint value = part.toUInt();
        if (value > 255) return false;
        result = result << 8 | value;
    }
    if (out) *out = result;
    return true;
}

quint32 ipFromText(const QString &text) {
    quint32 ip = 0;
    return parseIp(text, &ip) ? ip : UnparsedIp;
}

QString macToText(quint32 macLow, quint32 macHigh) {
    QStringList parts;
    for (quint32 byte : {macHigh >> 8, macHigh, macLow >> 24, macLow >> 16, macLow >> 8, macLow})
        parts << QStringLiteral("%1").arg(byte & 0xFF, 2, 16, QLatin1Char('0'));
    return parts.join(QLatin1Char(':'));
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

AddressVerdict judgeCameraAddress(quint32 ip, quint32 mask, quint32 adapterIp) {
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
    // The camera would answer from the workstation's own address, which the workstation never asks.
    if (adapterIp != NoIp && ip == adapterIp) return AddressVerdict::AdapterAddress;
    return AddressVerdict::Usable;
}

const char *addressRefusalText(AddressVerdict verdict) {
    switch (verdict) {
    case AddressVerdict::MaskZero:
        return QT_TRANSLATE_NOOP("IPEditDlg", "The subnet mask 0.0.0.0 cannot be used.");
    case AddressVerdict::MaskNotContiguous:
        return QT_TRANSLATE_NOOP("IPEditDlg",
                                 "The subnet mask must be ones followed by zeros, such as 255.255.255.0.");
    case AddressVerdict::AddressZero:
        return QT_TRANSLATE_NOOP("IPEditDlg", "The address 0.0.0.0 cannot be given to a camera.");
    case AddressVerdict::AddressAllOnes:
        return QT_TRANSLATE_NOOP("IPEditDlg", "The address 255.255.255.255 cannot be given to a camera.");
    case AddressVerdict::AddressLoopback:
        return QT_TRANSLATE_NOOP("IPEditDlg", "Loopback addresses (127.x.x.x) cannot be given to a camera.");
    case AddressVerdict::AddressMulticast:
        return QT_TRANSLATE_NOOP("IPEditDlg", "Multicast addresses (224.x.x.x to 239.x.x.x) cannot be given "
                                              "to a camera.");
    case AddressVerdict::AddressReserved:
        return QT_TRANSLATE_NOOP("IPEditDlg", "Reserved addresses (240.x.x.x and above) cannot be given to a "
                                              "camera.");
    case AddressVerdict::NetworkAddress:
        return QT_TRANSLATE_NOOP("IPEditDlg", "This is the network address of its subnet; it cannot be given "
                                              "to a camera.");
    case AddressVerdict::BroadcastAddress:
        return QT_TRANSLATE_NOOP("IPEditDlg", "This is the broadcast address of its subnet; it cannot be "
                                              "given to a camera.");
    case AddressVerdict::AdapterAddress:
        return QT_TRANSLATE_NOOP("IPEditDlg", "The network adapter itself uses this address.");
    case AddressVerdict::Usable:
        break;
    }
    return nullptr;
}

const char *behindRouterText() {
    return QT_TRANSLATE_NOOP("IPEditDlg",
                             "The camera answers through a router. A new address goes by broadcast "
                             "on the camera's own network segment, which the router does not "
                             "pass: give it its address from a computer on that segment.");
}

bool canBeCameraSource(quint32 sender, quint32 adapterIp, quint32 adapterMask) {
    const quint32 top = sender >> 24;
    // Only the loopback interface hears a loopback sender, and there every sender has its address.
    if (adapterIp >> 24 == 127) return top == 127;
    if (sender == 0 || sender == 0xFFFFFFFFu || top == 127 || top >= 224 || sender == adapterIp) return false;
    const quint32 hostPart = ~adapterMask;
    // A /31 or /32 has no network or broadcast address of its own.
    if (hostPart > 1 && (sender & adapterMask) == (adapterIp & adapterMask))
        return (sender & hostPart) != 0 && (sender & hostPart) != hostPart;
    return true;
}

int addressCautions(quint32 ip, quint32 adapterIp, quint32 adapterMask, const QList<quint32> &othersInUse) {
    int cautions = 0;
    if ((ip & adapterMask) != (adapterIp & adapterMask)) cautions |= OutsideAdapterSubnet;
    if (othersInUse.contains(ip)) cautions |= UsedByOtherCamera;
    return cautions;
}
