#!/usr/bin/env python3
"""Judges the discovery lab run: driver outputs (*.json) and simulator logs in WORKDIR."""
import json
import struct
import sys

work = sys.argv[1]
failures = []


def check(cond, what):
    if not cond:
        failures.append(what)


def load(name):
    with open("%s/%s" % (work, name)) as f:
        return json.load(f)


def log(link):
    with open("%s/logs/%s.camlog.jsonl" % (work, link)) as f:
        return [json.loads(line) for line in f if line.strip()]


LAB0 = {"adapterIp": "192.168.71.1", "adapterMask": "255.255.255.0", "adapterMtu": 1500}
LAB1 = {"adapterIp": "192.168.72.1", "adapterMask": "255.255.255.0", "adapterMtu": 9000}
COMMON = {"options": 0, "reserved": 0, "modelQualifier": 0}

# What the program must make of each camera's discovery reply, written out by hand.
EXPECTED = {
    "192.168.71.10": [dict(LAB0, protocol=0, cameraType=9, sensorType=1, serialNumber=1001, firmwareVersion=3,
                           firmwareRevision=7, cameraMask="255.255.255.0", mac="00:0c:9c:00:00:01",
                           cameraPort=1028, link10G=0)],
    "192.168.71.20": [dict(LAB0, protocol=1, cameraType=51, sensorType=10, serialNumber=1002,
                           firmwareVersion=0x01020304, firmwareRevision=0x01020304, cameraMask="255.255.255.0",
                           mac="00:0c:9c:00:00:02", cameraPort=9000, link10G=1)],
    "10.9.0.5": [dict(LAB0, protocol=0, cameraType=14, sensorType=2, serialNumber=1003, firmwareVersion=1,
                      firmwareRevision=2, cameraMask="255.255.0.0", mac="00:0c:9c:00:00:03", cameraPort=1027,
                      link10G=0)],
    # Answers both dialects: announced once, in the dialect of whichever reply came first.
    "192.168.72.30": [dict(LAB1, protocol=0, cameraType=25, sensorType=4, serialNumber=2001, firmwareVersion=5,
                           firmwareRevision=6, cameraMask="255.255.255.0", mac="00:0c:9c:00:00:04",
                           cameraPort=1029, link10G=0),
                      dict(LAB1, protocol=1, cameraType=47, sensorType=0, serialNumber=2001, firmwareVersion=5,
                           firmwareRevision=5, cameraMask="255.255.255.0", mac="00:0c:9c:00:00:04",
                           cameraPort=9000, link10G=0)],
    "192.168.72.40": [dict(LAB1, protocol=1, cameraType=46, sensorType=0, serialNumber=2002, firmwareVersion=7,
                           firmwareRevision=7, cameraMask="255.255.255.0", mac="00:0c:9c:00:00:05",
                           cameraPort=9000, link10G=0)],
    "192.168.72.60": [dict(LAB1, protocol=0, cameraType=37, sensorType=0, serialNumber=2003, firmwareVersion=9,
                           firmwareRevision=9, cameraMask="255.255.255.0", mac="00:0c:9c:00:00:06",
                           cameraPort=1029, link10G=0)],
}


def check_records(run, expected_ips, label):
    cams = run["cameras"]
    ips = [c["cameraIp"] for c in cams]
    for ip in set(ips):
        check(ips.count(ip) == 1, "%s: camera %s recorded %d times" % (label, ip, ips.count(ip)))
    check(sorted(set(ips)) == sorted(expected_ips), "%s: cameras %s, expected %s" % (label, sorted(ips),
                                                                                     sorted(expected_ips)))
    for cam in cams:
        choices = EXPECTED.get(cam["cameraIp"], [])
        ok = any(all(cam.get(k) == v for k, v in dict(COMMON, **want).items()) for want in choices)
        check(ok, "%s: record %s does not match any of %s" % (label, cam, choices))


def check_sockets(run, want, label):
    got = [(s["address"], s["port"], s["mtu"]) for s in run["sockets"]]
    check(got == want, "%s: sockets %s, expected %s" % (label, got, want))


ALL = sorted(EXPECTED)

first = load("all.json")
check_sockets(first, [("192.168.71.1", 45056, 1500), ("192.168.72.1", 45056, 9000)], "all adapters")
check_records(first, ALL, "all adapters")

channels = {c["cameraIp"]: c for c in first.get("channels", [])}
check(sorted(channels) == ALL, "channels opened for %s" % sorted(channels))


def channel(ip, name, status, options, clips=None):
    ch = channels.get(ip)
    if not ch:
        return
    check(ch["name"] == name, "channel %s: name %r, expected %r" % (ip, ch["name"], name))
    check(ch["status"] == status, "channel %s: status %d, expected %d" % (ip, ch["status"], status))
    check(ch["options"] == options, "channel %s: options %#x, expected %#x" % (ip, ch["options"], options))
    if clips is not None:
        got = [(c["clipNumber"], c["frameCount"], c["firstFrame"], c["trimStart"], c["trimEnd"], c["width"],
                c["height"], c["frameRate"]) for c in ch["clips"]]
        check(got == clips, "channel %s: clips %s, expected %s" % (ip, got, clips))


channel("192.168.71.10", "Std Ten", 2, 0x8, [])
# Ten clips over two datagrams; trim positions become relative to the clip's first frame.
channel("192.168.71.20", "Adv Clips", 0, 0,
        [(n, 1000, 900, 50, 200, 1280, 1024, 500) for n in range(9)] + [(9, 2000, 0, 10, 1999, 640, 480, 1000)])
channel("10.9.0.5", "Std Outside", 5, 0, [])
dual = channels.get("192.168.72.30", {})
channel("192.168.72.30", "Dual", 3 if dual.get("protocol") == 0 else 0, 0, [])
# 48-byte entries carry no trim range: the whole clip is the range.
channel("192.168.72.40", "Adv Short", 0, 0, [(0, 500, 0, 0, 499, 1024, 768, 250), (1, 8, 0, 0, 7, 1024, 768, 250)])
channel("192.168.72.60", "Std Jumbo", 11, 0, [])

held = load("held.json")
check_sockets(held, [("192.168.71.1", 45057, 1500), ("192.168.72.1", 45057, 9000)], "45056 taken")
check_records(held, ALL, "45056 taken")

one = load("lab1only.json")
check_sockets(one, [("192.168.72.1", 45056, 9000)], "one adapter")
check_records(one, [ip for ip in ALL if ip.startswith("192.168.72.")], "one adapter")

move = load("move.json")
check(move.get("moved") is True, "set-address: no channel for the camera to move")
after = move.get("after", {"cameras": [], "sockets": []})
moved = [c for c in after["cameras"] if c["mac"] == "00:0c:9c:00:00:03"]
check([c["cameraIp"] for c in moved] == ["192.168.71.50"], "set-address: camera found at %s" % moved)
check(moved and moved[0]["cameraMask"] == "255.255.255.0", "set-address: new mask not taken: %s" % moved)
check(sorted(c["cameraIp"] for c in after["cameras"]) == sorted(set(ALL) - {"10.9.0.5"} | {"192.168.71.50"}),
      "set-address: cameras after the move %s" % sorted(c["cameraIp"] for c in after["cameras"]))

# The simulators saw the program's requests, byte for byte.
lab0, lab1 = log("lab0"), log("lab1")


def seen(lines, what, **want):
    check(any(all(line.get(k) == v for k, v in want.items()) for line in lines), "log: no %s (%s)" % (what, want))


for lines, me in ((lab0, "192.168.71.1"), (lab1, "192.168.72.1")):
    for port in (45056, 45057):
        src = "%s:%d" % (me, port)
        seen(lines, "discover on 1028", src=src, dstPort=1028, dst="255.255.255.255", hex="0100080108000000")
        seen(lines, "discover on 1029", src=src, dstPort=1029, dst="255.255.255.255", hex="0100080108000000")
        seen(lines, "advanced discover", src=src, dstPort=45611, dst="255.255.255.255",
             hex="0700cdab" + struct.pack("<H", port).hex() + "0000")
seen(lab0, "option query", dst="192.168.71.10", dstPort=1028, hex="010008d208000000")
seen(lab0, "name query", dst="192.168.71.10", dstPort=1028, hex="010008020c00000032000000")
seen(lab0, "status query", dst="10.9.0.5", dstPort=1027, hex="0100080e08000000")
if "192.168.71.20" in channels:
    port = channels["192.168.71.20"]["localPort"]
    seen(lab0, "register", dst="192.168.71.20", dstPort=9000,
         hex="0400cdab00020200" + struct.pack("<I", port).hex())
seen(lab0, "advanced name query", dst="192.168.71.20", dstPort=9000, hex="0400cdab0b01020000000000")
seen(lab0, "set-address broadcast", dst="192.168.71.255", dstPort=1027,
     hex="0100081718000000" + struct.pack("<IIII", 0xC0A84732, 0xFFFFFF00, 0x9C000003, 0x000C).hex())

for f in failures:
    print("FAIL:", f)
print("%d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
