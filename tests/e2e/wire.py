#!/usr/bin/env python3
"""The simulator's replies against byte images written out in full. Runs in the lab's app namespace
of e2e.sh; requests that name a reply port name 46001 (b1b3)."""
import socket
import sys
import time

s, named = socket.socket(socket.AF_INET, socket.SOCK_DGRAM), socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
s.bind(("", 46000))
named.bind(("", 46001))


def replies(sock, wait):
    got, end = {}, time.time() + wait
    while (left := end - time.time()) > 0:
        sock.settimeout(left)
        try:
            d, a = sock.recvfrom(65536)
        except socket.timeout:
            break
        got.setdefault(a[0], []).append(d.hex())
    return got


def h(*parts):
    return "".join(parts).replace(" ", "")


def adv_found(fw_serial, model, mac, link):  # an Advanced discovery reply
    return h("0600cdab", "00" * 12, fw_serial, "00000000", model, "00" * 6, mac, "00" * 12, link, "00" * 9)


# Request, destination, then every reply as {sender: [datagram, ...]}: at the requesting socket,
# and at the port the request names.
CASES = [
    ("0100080108000000", ("192.168.71.255", 1028),
     {"192.168.71.10": [h("00000801 40000000 0a000000 00000000 e9030000 03000000 07000000 00000500",
                          "00000000 0c000000 0100009c 0a47a8c0 00ffffff", "00" * 12)],
      "10.9.0.5": [h("00000801 40000000 0e000000 00000000 eb030000 01000000 02000000 00000200",
                     "00000000 0c000000 0300009c 0500090a 0000ffff", "00" * 12)]}, {}),
    ("0700cdab b1b30000", ("192.168.72.255", 45611), {},
     {"192.168.72.30": [adv_found("05000000 d1070000", "0100", "000c9c000004", "00")],
      "192.168.72.40": [adv_found("07000000 d2070000", "0000", "000c9c000005", "30")]}),
    ("01000802 0c000000 32000000", ("192.168.71.10", 1028),
     {"192.168.71.10": [h("00000802 28000000", b"Std Ten".hex(), "00" * 25)]}, {}),
    ("010008d2 08000000", ("192.168.71.10", 1028),
     {"192.168.71.10": [h("000008d2 10000000 00000000 00004b57")]}, {}),
    ("0100080e 08000000", ("10.9.0.5", 1027), {"10.9.0.5": [h("0000080e 10000000 00000000 05000000")]}, {}),
    # Register: an acknowledgement, and the clip list (one 48-byte entry) at the registered port.
    ("0400cdab 00020200 b1b30000", ("192.168.72.40", 9000), {"192.168.72.40": [h("0400cdab 00800000 00000000")]},
     {"192.168.72.40": [h("0200cdab 00000000 01000100 00000000", "00" * 8, "f401000000000000", "00" * 12,
                          "00007a43", "00" * 8, "00040003 00000000")]}),
]
failures = 0
for request, to, want, want_named in CASES:
    s.sendto(bytes.fromhex(request), to)
    got, got_named = replies(s, 0.4), replies(named, 0.05)
    if (got, got_named) != (want, want_named):
        failures += 1
        print("FAIL: %s to %s\n  got  %s %s\n  want %s %s" % (request, to, got, got_named, want, want_named))
sys.exit(1 if failures else 0)
