#include "platform/echoprobe.h"

#include <winsock2.h>

#include <iphlpapi.h>

#include <icmpapi.h>

#include <cstring>
#include <vector>

namespace platform {
namespace {

// IcmpSendEcho2Ex chooses the source address; the headers of older toolchains do not declare it.
using SendEchoEx = DWORD(WINAPI *)(HANDLE, HANDLE, FARPROC, PVOID, IPAddr, IPAddr, LPVOID, WORD,
                                   PIP_OPTION_INFORMATION, LPVOID, DWORD, DWORD);

SendEchoEx sendEchoEx() {
    static const SendEchoEx function = [] {
        const HMODULE module = GetModuleHandleW(L"iphlpapi.dll");
        return module ? reinterpret_cast<SendEchoEx>(
                            reinterpret_cast<void *>(GetProcAddress(module, "IcmpSendEcho2Ex")))
                      : nullptr;
    }();
    return function;
}

} // namespace

EchoResult echoUnfragmented(std::uint32_t target, std::uint32_t source, unsigned, int ipSize, int timeoutMs) {
    if (ipSize < EchoHeaderBytes || ipSize - EchoHeaderBytes > 0xFFFF) return EchoResult::TooBig;
    const HANDLE icmp = IcmpCreateFile();
    if (icmp == INVALID_HANDLE_VALUE) return EchoResult::Unavailable;
    std::vector<unsigned char> request(size_t(ipSize - EchoHeaderBytes));
    for (size_t i = 0; i < request.size(); ++i)
        request[i] = static_cast<unsigned char>(i);
    // Room for the reply with its data, an ICMP error and the status block the call appends.
    std::vector<unsigned char> reply(sizeof(ICMP_ECHO_REPLY) + request.size() + 8 + 64);
    IP_OPTION_INFORMATION options{};
    options.Ttl = 64;
    options.Flags = IP_FLAG_DF;
    const IPAddr to = htonl(target);
    const WORD size = WORD(request.size());
    const DWORD replies =
        source != 0 && sendEchoEx()
            ? sendEchoEx()(icmp, nullptr, nullptr, nullptr, htonl(source), to, request.data(), size, &options,
                           reply.data(), DWORD(reply.size()), DWORD(timeoutMs))
            : IcmpSendEcho2(icmp, nullptr, nullptr, nullptr, to, request.data(), size, &options, reply.data(),
                            DWORD(reply.size()), DWORD(timeoutMs));
    const DWORD error = replies == 0 ? GetLastError() : 0;
    IcmpCloseHandle(icmp);
    if (replies == 0) return error == IP_PACKET_TOO_BIG ? EchoResult::TooBig : EchoResult::NoAnswer;
    ICMP_ECHO_REPLY answer;
    memcpy(&answer, reply.data(), sizeof answer);
    if (answer.Status == IP_PACKET_TOO_BIG) return EchoResult::TooBig;
    return answer.Status == IP_SUCCESS && answer.Address == to && answer.DataSize == size
               ? EchoResult::Answered
               : EchoResult::NoAnswer;
}

bool answeredArp(std::uint32_t target, std::uint32_t source) {
    ULONG mac[2] = {0, 0};
    ULONG length = 6;
    return SendARP(htonl(target), htonl(source), mac, &length) == NO_ERROR && length > 0;
}

} // namespace platform
