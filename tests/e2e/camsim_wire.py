#!/usr/bin/env python3
"""The simulator's replies against byte images written out in full. Runs in the lab's app
namespace (192.168.73.1 on lab0) against the cameras of camsim_wire.sh."""
import socket
import struct
import sys
import time

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)


s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
s.bind(("192.168.73.1", 46000))
other = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
other.bind(("192.168.73.1", 46001))


def exchange(data, to, wait=0.4, sock=None):
    sock = sock or s
    sock.sendto(data, to)
    got = []
    end = time.time() + wait
    while time.time() < end:
        sock.settimeout(max(0.01, end - time.time()))
        try:
            d, a = sock.recvfrom(65536)
            got.append((a, d))
        except socket.timeout:
            pass
    return got


def h(text):
    return bytes.fromhex(text.replace(" ", ""))


DISCOVER = h("01 00 08 01 08 00 00 00")

# Standard discovery: the reply comes from the camera's own address, once per camera.
got = exchange(DISCOVER, ("192.168.73.255", 1028))
by_ip = {a[0]: d for a, d in got}
check(sorted(a[0] for a, _ in got) == ["192.168.73.10", "192.168.73.30"], "standard discovery answered by %s" % got)
std = by_ip.get("192.168.73.10", b"")
check(std == h("00 00 08 01 40 00 00 00" "0a 00 00 00 00 00 00 00" "39 30 00 00 03 00 00 00"
               "07 00 00 00 00 00 05 00" "00 00 00 00 0c 00 00 00" "a7 f2 81 9c 0a 49 a8 c0"
               "00 ff ff ff" + " 00" * 12),
      "standard discovery reply %s" % std.hex())

# Advanced discovery: answered at the port the request names, not the one it came from.
got = exchange(struct.pack("<IHH", 0xABCD0007, 46001, 0), ("192.168.73.255", 45611), sock=s)
check(got == [], "advanced reply went to the request's source port: %s" % got)
got = exchange(b"", ("192.168.73.1", 9), wait=0.3, sock=other)
adv = {a[0]: d for a, d in got}
check(sorted(adv) == ["192.168.73.20", "192.168.73.30"], "advanced discovery answered by %s" % sorted(adv))
check(adv.get("192.168.73.20") == h("06 00 cd ab" + " 00" * 12 + "04 03 02 01 d1 07 00 00 00 00 00 00"
                                    "01 00 00 00 00 00 00 00 00 0c 9c 00 00 20" + " 00" * 12 + "1f" + " 00" * 9),
      "advanced discovery reply %s" % adv.get("192.168.73.20", b"").hex())
check(adv.get("192.168.73.30", b"")[28:30] == h("07 00"), "dual camera's advanced model %s" % adv.get("192.168.73.30"))

# Commands go to the addressed camera only.
cam = ("192.168.73.10", 1028)
got = exchange(h("01 00 08 02 0c 00 00 00 32 00 00 00"), cam)
check([d for _, d in got] == [h("00 00 08 02 28 00 00 00") + b"Std Ten" + bytes(25)], "name reply %s" % got)
got = exchange(h("01 00 08 d2 08 00 00 00"), cam)
check([d for _, d in got] == [h("00 00 08 d2 10 00 00 00 00 00 00 00 00 00 58 47")], "option reply %s" % got)

# The status script: 1 for 1500 ms, then 2, repeating every 3000 ms from the simulator's start.
def status():
    got = exchange(h("01 00 08 0e 08 00 00 00"), cam, wait=0.2)
    replies = [d for _, d in got if d[3] == 14]
    readings = [d for _, d in got if d[3] == 39]
    check(len(replies) == 1 and len(replies[0]) == 16, "status reply %s" % got)
    check(readings == [h("00 00 08 27 0c 00 00 00 34 12 78 56")], "readings after status %s" % got)
    return struct.unpack_from("<I", replies[0], 12)[0] if replies else None


seen = []
end = time.time() + 4.2
while time.time() < end:
    seen.append(status())
    time.sleep(0.1)
changes = [v for i, v in enumerate(seen) if i == 0 or v != seen[i - 1]]
check(len(changes) >= 3 and set(changes) == {1, 2}, "status script gave %s" % changes)

# Register: an acknowledgement, then the clip list at the registered port, 8 entries at most each.
got = exchange(struct.pack("<I4BI", 0xABCD0004, 0, 2, 2, 0, 46001), ("192.168.73.20", 9000))
check([d for _, d in got] == [h("04 00 cd ab 00 80 00 00 00 00 00 00")], "register acknowledgement %s" % got)
got = exchange(b"", ("192.168.73.1", 9), wait=0.3, sock=other)
lists = [d for _, d in got]
check([len(d) for d in lists] == [16 + 8 * 48, 16 + 2 * 48], "clip list sizes %s" % [len(d) for d in lists])
if len(lists) == 2:
    check(lists[0][:16] == h("02 00 cd ab 00 00 00 00 0a 00 08 00 00 00 00 00"), "first header %s" % lists[0][:16].hex())
    check(lists[1][:16] == h("02 00 cd ab 00 00 00 00 0a 00 02 00 00 00 00 00"), "second header %s" % lists[1][:16].hex())
    entry = lists[1][16 + 48:16 + 96]
    check(entry == h("00" * 8 + "e8 03 00 00 00 00 00 00" + "00" * 12 + "00 00 fa 43" + "00" * 8 +
                     "00 05 00 04 09 00 00 00"), "48-byte entry %s" % entry.hex())
got = exchange(struct.pack("<I4BI", 0xABCD0004, 0x0B, 1, 2, 0, 0), ("192.168.73.20", 9000))
check([d for _, d in got] == [h("04 00 cd ab 0b 01 02 00") + bytes(60) + b"Adv" + bytes(61)],
      "advanced name reply %s" % got)

# Set-address: a wrong MAC changes nothing; the right one moves the camera to the new address.
def set_address(ip, mask, mac_low, mac_high):
    return h("01 00 08 17 18 00 00 00") + struct.pack("<IIII", ip, mask, mac_low, mac_high)


exchange(set_address(0xC0A84963, 0xFFFFFF00, 0x9C81F2A8, 0x000C), ("192.168.73.255", 1028), wait=0.2)
check(len(exchange(DISCOVER, ("192.168.73.10", 1028))) == 1, "wrong MAC moved the camera")
exchange(set_address(0xC0A84963, 0xFFFFFF00, 0x9C81F2A7, 0x000C), ("255.255.255.255", 1028), wait=0.3)
check(exchange(h("01 00 08 0e 08 00 00 00"), cam) == [], "moved camera still answers at its old address")
got = exchange(DISCOVER, ("192.168.73.255", 1028))
check(sorted(a[0] for a, _ in got) == ["192.168.73.30", "192.168.73.99"], "after the move %s" % got)

for f in failures:
    print("FAIL:", f)
print("%d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
