#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

struct UdpCamInfo;

// What ipFromText gives for a text that does not parse; the same bits as 255.255.255.255, which is
// why an adapter's address is never taken for the all-adapters entry by its value alone.
constexpr quint32 UnparsedIp = 0xFFFFFFFFu;
// An adapter without an IPv4 address reports 0.0.0.0.
constexpr quint32 NoIp = 0;

// 0xC0A8010A -> "192.168.1.10"
QString ipToText(quint32 ip);
// Dotted text -> address; UnparsedIp when the text does not parse.
quint32 ipFromText(const QString &text);
// Like ipFromText, but tells a text that does not parse apart from "255.255.255.255".
bool parseIp(const QString &text, quint32 *out);
// Exactly four decimal numbers 0-255 separated by dots, nothing before, between or after: what a
// command line takes, where a typing slip must not become some other address.
bool parseStrictIp(const QString &text, quint32 *out);
// What an address field refuses among the texts parseIp reads: it keeps parseIp's leading blanks and
// a port after the address, but a sign or a fifth number is a typing slip, not an address.
enum class IpTextFault { None, Unreadable, Sign, FifthNumber };
IpTextFault ipTextFault(const QString &text);
// "00:0c:9c:81:f2:a7"
QString macToText(quint32 macLow, quint32 macHigh);
// 0 fits, 1 adapter uses jumbo datagrams while cameras use standard ones, 2 adapter MTU too small.
int jumboMismatch(const UdpCamInfo &cam, quint32 datagramSize);

// Whether a camera may be given `ip` with `mask`. Anything but Usable is refused: the camera would
// become unreachable or would answer for a whole network.
enum class AddressVerdict {
    Usable,
    MaskZero,          // 0.0.0.0
    MaskNotContiguous, // ones after a zero, such as 255.0.255.0
    AddressZero,
    AddressAllOnes,   // 255.255.255.255
    AddressLoopback,  // 127/8
    AddressMulticast, // 224/4
    AddressReserved,  // 240/4
    NetworkAddress,   // host part all zeros
    BroadcastAddress, // host part all ones
    AdapterAddress,   // the workstation's own address on the camera's network
};
// `adapterIp` is the address of the adapter the camera is reached through, NoIp when not known.
AddressVerdict judgeCameraAddress(quint32 ip, quint32 mask, quint32 adapterIp = NoIp);
// The reason given for a refusal, in English; translated in the context "IPEditDlg". Null for Usable.
const char *addressRefusalText(AddressVerdict verdict);
// Why a camera behind a router is given no new address (AddressChange::BehindRouter), in English;
// translated in the context "IPEditDlg".
const char *behindRouterText();

// What a request to give a camera a new address did. Anything but Sent means nothing was sent.
struct AddressChange {
    // BehindRouter: the command goes by broadcast on the camera's own segment, which no router passes.
    enum Outcome { Sent, Unchanged, NoCamera, Refused, BehindRouter };
    Outcome outcome = NoCamera;
    AddressVerdict refusal = AddressVerdict::Usable; // why, when Refused
};
bool isContiguousMask(quint32 mask);

// Whether a reply from `sender`, heard on the adapter at `adapterIp`/`adapterMask`, can come from a
// camera. No camera answers from 0.0.0.0, a broadcast, loopback, multicast or reserved address, nor
// from the adapter's own, network or broadcast address; such a reply is forged or misconfigured, and
// asking its sender anything would reach everybody or nobody.
bool canBeCameraSource(quint32 sender, quint32 adapterIp, quint32 adapterMask);

// Reasons to think twice about an address the rule above accepts; none of them stops the change.
enum AddressCaution {
    OutsideAdapterSubnet = 0x1, // the camera would be listed in red and may become unreachable
    UsedByOtherCamera = 0x2,
};
// `othersInUse` are the addresses of the other cameras listed.
int addressCautions(quint32 ip, quint32 adapterIp, quint32 adapterMask, const QList<quint32> &othersInUse);
