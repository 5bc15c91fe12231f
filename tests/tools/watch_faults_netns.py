#!/usr/bin/env python3
# The watch through a plant's faults in the namespace lab, one after another without a restart: started
# before its adapter is there, the carrier pulled for 14 s, the adapter re-addressed, the veth deleted and
# made again under its name, a camera silent for 10 s, a camera moved by a set-address command. Exactly
# these events after each, the metrics file right after each, exit 0 at --duration. With --only readdress
# (the Windows build under Wine) the re-address alone. Exits 77 without root.
#   watch_faults_netns.py SCAN CAMSIM NETLAB SOURCE [--only readdress]   (SCAN: a command, split at spaces)
import collections, json, os, subprocess, sys, tempfile, time

CAMERAS = [{"model": 19, "serial": 601, "mac": "02:00:00:00:06:01", "ip": "10.77.1.21", "name": "S21"},
           {"model": 19, "serial": 602, "mac": "02:00:00:00:06:02", "ip": "10.77.1.22", "name": "S22"},
           {"dialect": "advanced", "model": 4, "serial": 603, "mac": "02:00:00:00:06:03", "ip": "10.77.1.23"}]
IPS = [c["ip"] for c in CAMERAS]
AT, LOST, FOUND = "up 111 adapter 1 at " + " ".join(IPS), ["lost " + i for i in IPS], ["found " + i for i in IPS]


def inner(work, source, only, scan):
    sys.path.insert(0, os.path.join(source, "tools/lab"))
    from faults import Lab, Watch, until
    path = os.path.join(work, "adapters.json")  # a file: Wine's console may miss a pipe
    subprocess.run(scan + ["--list-adapters", "--json"], stdout=open(path, "w"))
    name = next(a["name"] for a in json.load(open(path))["adapters"] if "lab0" in (a["name"], a["description"]))
    lab = Lab("10.77.1.1/24")
    # Wine names an adapter by its interface index, which a new veth does not keep: there the adapter is
    # there from the start.
    if not only:
        lab.remove()
    # The datagram size given, so that none stored (Wine's registry, a user's settings) raises a conflict.
    watch = Watch(scan, work, name, 3000, 60000 if only else 120000, "--wait-for-adapter", "--datagram-size",
                  "1500")

    def step(what, fault, want, metrics, ignore=()):
        until("the watch to start", lambda: watch.events(), 30)
        fault()
        got, want = [], collections.Counter(want)
        seen = lambda: got.extend(e for e in watch.since() if e.split()[0] not in ignore) or not want - collections.Counter(got)
        until(what, seen, 40)
        time.sleep(4)  # a rescan more: nothing else comes
        seen()
        if collections.Counter(got) != want or watch.summary() != metrics:
            sys.exit("FAIL: %s: events %s, metrics %s" % (what, got, watch.summary()))
        print("watch faults: %s: %s; %s" % (what, ", ".join(got), metrics), flush=True)

    step("started", lambda: only or lab.remake(), ([] if only else ["adapter-down " + name, "adapter-up " + name]) +
         FOUND, AT, ignore=("name", "status", "options"))
    if not only:
        step("carrier off 14 s", lambda: (lab.carrier(False), time.sleep(14), lab.carrier(True)),
             LOST + FOUND, AT)
    step("re-addressed", lambda: lab.readdress("10.77.1.2/24"), ["adapter-address " + name], AT)
    with open(os.path.join(work, "lab0.camlog.jsonl")) as f:  # status requests from the new address
        if sum(d["src"].startswith("10.77.1.2:") and d["hex"][:8] == "0100080e" for d in map(json.loads, f)) < 2:
            sys.exit("FAIL: the cameras are not polled from the adapter's new address")
    if not only:
        step("veth deleted", lab.remove, ["adapter-down " + name] + LOST, "up 000 adapter 0 at " + " ".join(IPS))
        step("veth made again", lab.remake, ["adapter-up " + name] + FOUND, AT)
        step("camera silent 10 s", lambda: (lab.silence(IPS[0], True), time.sleep(10), lab.silence(IPS[0], False)),
             ["lost " + IPS[0], "found " + IPS[0]], AT)
        step("camera moved", lambda: lab.move(CAMERAS[1]["mac"], "10.77.1.32"), ["address 10.77.1.32"],
             "up 111 adapter 1 at 10.77.1.21 10.77.1.23 10.77.1.32")
    rc = watch.process.wait(200)
    print("watch faults: exit %d at --duration" % rc)
    return rc


def outer(scan, camsim, netlab, source, *only):
    if os.geteuid() != 0:
        print("SKIP: needs root for network namespaces")
        return 77
    with tempfile.TemporaryDirectory(prefix="vxfaults") as work:
        with open(os.path.join(work, "cameras.json"), "w") as f:
            json.dump(CAMERAS, f)
        return subprocess.run([netlab, "--camsim", camsim, "--logdir", work, "--take-addresses", "lab0", "--link",
                               "lab0:1500:10.77.1.1/24:" + os.path.join(work, "cameras.json"), "--", sys.executable,
                               os.path.abspath(__file__), "--inner", work, source, "1" if only else ""] +
                              scan.split()).returncode


if __name__ == "__main__":
    if sys.argv[1:2] == ["--inner"]:
        sys.exit(inner(sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:]))
    sys.exit(outer(*sys.argv[1:5], *sys.argv[6:7]) if len(sys.argv) in (5, 7) else __doc__)
