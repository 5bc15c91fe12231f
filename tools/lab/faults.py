#!/usr/bin/env python3
"""A plant's faults in the namespace lab (tools/lab/netlab.sh), for the fault lab test and the soak.

Runs inside the lab's app namespace (netlab.sh's COMMAND), on link lab0 and the camera namespace behind it:
the carrier pulled and back, the adapter re-addressed, the veth deleted and made again under its name, a
camera silenced, a camera given a new address by a set-address command (the simulator takes it with
--take-addresses lab0). Also follows a running watch: its events and its metrics file.

    faults.py soak SECONDS OUTDIR CAMERAS -- SCAN...
        (inside the lab, the cameras of the simulator's config CAMERAS behind lab0 at 10.77.1.1/24) the watch
        for SECONDS under a fault every 20 s drawn at random; its file descriptors, memory and events every
        second in OUTDIR/samples.jsonl, and the first and last minute's figures on standard output
    faults.py readdress|gone|back CIDR
        (inside the lab) one fault on lab0, whose address is CIDR: the next address in its subnet, the veth
        deleted, or deleted and made again 3 s later (scripts/demo --fault)
"""
import ipaddress
import json
import os
import random
import socket
import subprocess
import sys
import time

LINK, CAMDEV = "lab0", "cam0"


def camera_namespace(link=LINK):
    return dict(item.split("=") for item in os.environ["VARNIX_LAB_CAMNS"].split())[link]


def ip(*args, ns=None):
    subprocess.run(["ip"] + (["-n", ns] if ns else []) + list(args), check=True)


class Lab:
    """Faults on lab0; `cidr` is the adapter's address, as it is now."""

    def __init__(self, cidr):
        self.cidr, self.camns = cidr, camera_namespace()

    def carrier(self, on):
        ip("link", "set", CAMDEV, "up" if on else "down", ns=self.camns)

    def readdress(self, cidr):
        # Old off first, as a new lease does: deleting a primary address deletes its secondaries.
        ip("addr", "del", self.cidr, "dev", LINK)
        ip("addr", "add", cidr, "brd", "+", "dev", LINK)
        self.cidr = cidr

    def remove(self):
        """Deletes the veth pair; the camera end's addresses are kept for remake()."""
        shown = subprocess.run(["ip", "-n", self.camns, "-4", "-o", "addr", "show", "dev", CAMDEV], check=True,
                               capture_output=True, text=True).stdout
        self.camera_cidrs = [line.split()[3] for line in shown.splitlines()]
        ip("link", "del", LINK)

    def remake(self):
        """The veth pair again under its names, with the addresses both ends had (a re-plugged adapter)."""
        ip("link", "add", LINK, "type", "veth", "peer", "name", CAMDEV, "netns", self.camns)
        mtu = "1500"
        ip("link", "set", LINK, "mtu", mtu)
        ip("link", "set", CAMDEV, "mtu", mtu, ns=self.camns)
        ip("addr", "add", self.cidr, "brd", "+", "dev", LINK)
        for cidr in self.camera_cidrs:
            ip("addr", "add", cidr, "brd", "+", "dev", CAMDEV, ns=self.camns)
        for ns, dev in ((None, LINK), (self.camns, CAMDEV)):
            subprocess.run((["ip", "netns", "exec", ns] if ns else []) +
                           ["sysctl", "-qw", "net.ipv4.conf.%s.rp_filter=0" % dev], check=True)
            ip("link", "set", dev, "up", ns=ns)

    def silence(self, camera_ip, on):
        """Drops (or no longer drops) what the camera sends to the app namespace: silent as a camera off."""
        if on:
            rules = "table inet vxsilent%s { chain in { type filter hook input priority 0; policy accept; " \
                    "ip saddr %s drop; }; }" % (camera_ip.replace(".", "_"), camera_ip)
            subprocess.run(["nft", rules], check=True)
        else:
            subprocess.run(["nft", "delete table inet vxsilent%s" % camera_ip.replace(".", "_")], check=True)

    def move(self, mac, new_ip, mask="255.255.255.0"):
        """The Standard set-address command by broadcast to the camera with `mac`, written out byte by byte:
        header (version 1, opcode 23, length 24), then address, mask, MAC low and high, little-endian."""
        m = bytes.fromhex(mac.replace(":", ""))
        le = lambda dotted: socket.inet_aton(dotted)[::-1]
        datagram = bytes.fromhex("0100081718000000") + le(new_ip) + le(mask) + m[2:][::-1] + m[1::-1] + bytes(2)
        net = ipaddress.ip_interface(self.cidr).network
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
            s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
            s.bind((self.cidr.split("/")[0], 0))
            s.sendto(datagram, (str(net.broadcast_address), 1029))


class Watch:
    """varnix-scan --watch --json (SCAN, a command) running with its events in a file."""

    def __init__(self, scan, work, adapter, rescan_ms, duration_ms, *extra):
        self.events_path, self.metrics_path = os.path.join(work, "events.jsonl"), os.path.join(work, "watch.prom")
        self.out = open(self.events_path, "w")
        self.process = subprocess.Popen(scan + ["--watch", "--json", "--adapter", adapter, "--rescan", str(rescan_ms),
                                                "--duration", str(duration_ms), "--metrics-file", self.metrics_path]
                                        + list(extra), stdout=self.out, stderr=sys.stderr)
        self.seen = 0

    def events(self):
        with open(self.events_path) as f:
            return [json.loads(line) for line in f if line.endswith("\n")]

    def since(self):
        """Events since the last call, as "event who" (who: the camera's address or the adapter)."""
        got = self.events()
        new, self.seen = got[self.seen:], len(got)
        return [e["event"] + " " + (e["camera"]["ip"] if "camera" in e else e["adapter"]) for e in new]

    def metrics(self):
        """The samples of the metrics file, as (name{labels}, value) in the file's order."""
        with open(self.metrics_path) as f:
            return [tuple(line.rsplit(" ", 1)) for line in f.read().splitlines() if line and line[0] != "#"]

    def summary(self):
        """Who is up where: every varnix_camera_up value in serial order, varnix_adapter_up, and the
        addresses of varnix_camera_info: "up 111 adapter 1 at 10.77.1.21 10.77.1.22 10.77.1.23"."""
        samples = sorted(self.metrics())
        pick = lambda name: "".join(v for k, v in samples if k.startswith(name + "{"))
        ips = sorted(k.split('ip="')[1].split('"')[0] for k, _ in samples if k.startswith("varnix_camera_info{"))
        return "up %s adapter %s at %s" % (pick("varnix_camera_up"), pick("varnix_adapter_up"), " ".join(ips))

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
        return self.process.wait(60)


def until(what, check, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if got := check():
            return got
        time.sleep(0.25)
    sys.exit("FAIL: %s: not within %d s" % (what, seconds))


def soak(seconds, out, cameras, scan):
    """A fault every 20 s, drawn from the list, each undone before the next; one sample a second."""
    lab, cameras = Lab("10.77.1.1/24"), json.load(open(cameras))
    cameras = cameras["cameras"] if isinstance(cameras, dict) else cameras
    watch = Watch(scan, out, LINK, 3000, seconds * 1000)
    pid, start, samples = watch.process.pid, time.monotonic(), open(os.path.join(out, "samples.jsonl"), "w")
    moved = {}

    def sample():
        status = dict(line.split(":", 1) for line in open("/proc/%d/status" % pid))
        samples.write(json.dumps({"t": round(time.monotonic() - start, 1), "fds": len(os.listdir("/proc/%d/fd" % pid)),
                                  "rssKiB": int(status["VmRSS"].split()[0]), "events": len(watch.events())}) + "\n")
        samples.flush()

    def wait(s):
        end = time.monotonic() + s
        while time.monotonic() < end and watch.process.poll() is None:
            sample()
            time.sleep(1)

    kinds = ["carrier", "readdress", "remake", "silence", "move"]
    wait(20)
    while time.monotonic() - start < seconds - 25 and watch.process.poll() is None:
        kind = random.choice(kinds)
        print("soak: %5.0f s %s (before: %s)" % (time.monotonic() - start, kind, watch.summary()), flush=True)
        if kind == "carrier":
            lab.carrier(False), wait(14), lab.carrier(True), wait(6)
        elif kind == "readdress":
            lab.readdress("10.77.1.%d/24" % (2 if lab.cidr.startswith("10.77.1.1/") else 1)), wait(20)
        elif kind == "remake":
            lab.remove(), wait(8), lab.remake(), wait(12)
        elif kind == "silence":
            camera = random.choice(cameras)["ip"]
            lab.silence(camera, True), wait(10), lab.silence(camera, False), wait(10)
        else:
            camera = random.choice([c for c in cameras if c.get("dialect") != "advanced"])
            now = moved.get(camera["mac"], camera["ip"])
            moved[camera["mac"]] = camera["ip"] if now != camera["ip"] else camera["ip"].rsplit(".", 1)[0] + ".%d" % (
                    int(camera["ip"].rsplit(".", 1)[1]) + 100)
            lab.move(camera["mac"], moved[camera["mac"]]), wait(20)
    rc = watch.process.wait(seconds + 60)
    samples.close()
    rows = [json.loads(line) for line in open(os.path.join(out, "samples.jsonl"))]
    for name, part in (("first minute", [r for r in rows if r["t"] < 60]),
                       ("last minute", [r for r in rows if r["t"] >= rows[-1]["t"] - 60])):
        print("soak: %s: fds %d-%d, RSS %d-%d KiB, events %d-%d" % (
            name, min(r["fds"] for r in part), max(r["fds"] for r in part), min(r["rssKiB"] for r in part),
            max(r["rssKiB"] for r in part), part[0]["events"], part[-1]["events"]))
    print("soak: the watch exited with %d" % rc)
    return rc


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] in ("readdress", "gone", "back"):
        lab = Lab(sys.argv[2])
        if sys.argv[1] == "readdress":
            at = ipaddress.ip_interface(sys.argv[2])
            sys.exit(lab.readdress("%s/%d" % (at.ip + 1, at.network.prefixlen)))
        lab.remove()
        sys.exit(sys.argv[1] == "back" and (time.sleep(3), lab.remake())[1])
    if len(sys.argv) < 7 or sys.argv[1] != "soak" or sys.argv[5] != "--":
        sys.exit(__doc__)
    sys.exit(soak(int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[6:]))
