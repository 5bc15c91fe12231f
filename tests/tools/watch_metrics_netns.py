#!/usr/bin/env python3
# The watch's metrics file as a workstation's monitoring reads it: Debian's node_exporter (textfile
# collector) and Prometheus (scraping every second) on the loopback of the namespace lab, with cameras
# that stop answering (the metrics through vanished and moved cameras and adapters: watch_faults_netns).
# Also the README's alert rule, by promtool.
# Exits 77 without root or the programs.
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request

QUIET, MUTE = "02:00:00:00:05:01", "02:00:00:00:05:04"
CAMERAS = [
    {"model": 19, "serial": 501, "mac": QUIET, "ip": "10.77.1.21", "name": "Quiet"},
    # Answers discovery, never a poll: however often the watch rediscovers, it stops responding.
    {"model": 19, "serial": 504, "mac": MUTE, "ip": "10.77.1.25", "discoveryOnly": True},
]
# Never through a proxy: every request goes to the lab's loopback.
HTTP = urllib.request.build_opener(urllib.request.ProxyHandler({}))


def fail(message):
    sys.exit("FAIL: " + message)


def outer(scan, camsim, netlab, source):
    if os.geteuid() != 0 or not all(map(shutil.which, ["prometheus", "promtool", "prometheus-node-exporter"])):
        print("SKIP: needs root, prometheus, promtool and prometheus-node-exporter (scripts/setup installs them)")
        return 77
    rules = os.path.join(source, "tools/monitoring/varnix.rules.yml")
    with open(rules) as f, open(os.path.join(source, "README.md")) as readme:
        if f.read() not in readme.read():
            fail("the README does not show tools/monitoring/varnix.rules.yml as it is")
    promtool(["test", "rules", os.path.join(source, "tests/tools/varnix_rules_test.yml")])
    with tempfile.TemporaryDirectory(prefix="vxmetrics", ignore_cleanup_errors=True) as work:
        os.chmod(work, 0o755)
        config = os.path.join(work, "cameras.json")
        with open(config, "w") as f:
            json.dump(CAMERAS, f)
        return subprocess.run([netlab, "--camsim", camsim, "--link", "lab0:1500:10.77.1.1/24:" + config, "--",
                               sys.executable, os.path.abspath(__file__), "--inner", work, scan, rules]).returncode


def promtool(args, stdin=None):
    check = subprocess.run(["promtool"] + args, stdin=stdin, capture_output=True, text=True)
    if check.returncode != 0:
        fail("promtool %s:\n%s%s" % (" ".join(args), check.stdout, check.stderr))


def until(what, check, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if got := check():
                return got
        except OSError:
            pass
        time.sleep(0.5)
    fail("%s: not within %d s" % (what, seconds))


def wait_for(what, expr, want, seconds):
    """Waits until the values of the query's result are `want`."""
    url = "http://127.0.0.1:9090/api/v1/query?" + urllib.parse.urlencode({"query": expr})
    values = lambda: sorted(s["value"][1] for s in json.load(HTTP.open(url, timeout=5))["data"]["result"])
    until("%s (%s is not %s)" % (what, expr, want), lambda: values() == want, seconds)


def camera_ns(*args):
    ns = dict(item.split("=") for item in os.environ["VARNIX_LAB_CAMNS"].split())["lab0"]
    subprocess.run(["ip", "netns", "exec", ns] + list(args), check=True)


def block(ip, drop=True):
    camera_ns("nft", ("add" if drop else "delete") + " element inet vxtest blocked { %s }" % ip)


def inner(work, scan, rules):
    textfiles = os.path.join(work, "textfile")
    metrics = os.path.join(textfiles, "varnix.prom")

    refused = subprocess.run([scan, "--watch", "--adapter", "lab0", "--duration", "3000", "--metrics-file",
                              os.path.join(work, "missing", "varnix.prom")], capture_output=True, text=True)
    if refused.returncode != 2 or "cannot write" not in refused.stderr:
        fail("an unwritable metrics file: exit %d, %s" % (refused.returncode, refused.stderr))
    os.mkdir(textfiles)

    camera_ns("nft", "add table inet vxtest { set blocked { type ipv4_addr; }; chain out { type filter hook "
              "output priority 0; policy accept; ip saddr @blocked drop; }; }")
    with open(os.path.join(work, "prometheus.yml"), "w") as f:
        f.write("global: {scrape_interval: 1s, evaluation_interval: 1s}\nrule_files: ['%s']\n"
                "scrape_configs:\n  - job_name: workstation\n    static_configs: [{targets: ['127.0.0.1:9100']}]\n"
                % rules)
    log = open(os.path.join(work, "daemons.log"), "w")
    events = open(os.path.join(work, "events.jsonl"), "w")
    daemons = [
        subprocess.Popen(["prometheus-node-exporter", "--web.listen-address=127.0.0.1:9100",
                          "--collector.disable-defaults", "--collector.textfile",
                          "--collector.textfile.directory=" + textfiles], stdout=log, stderr=log),
        subprocess.Popen(["prometheus", "--config.file=" + os.path.join(work, "prometheus.yml"),
                          "--storage.tsdb.path=" + os.path.join(work, "data"),
                          "--web.listen-address=127.0.0.1:9090"], stdout=log, stderr=log),
        subprocess.Popen([scan, "--watch", "--json", "--adapter", "lab0", "--rescan", "5000", "--duration",
                          "150000", "--metrics-file", metrics], stdout=events, stderr=log),
    ]
    try:
        wait_for("both listed", "varnix_camera_up", ["1", "1"], 40)
        responding = 'varnix_camera_responding{mac="%s"}' % QUIET
        wait_for("answering", responding, ["1"], 20)
        block("10.77.1.21")
        wait_for("stopped answering", responding, ["0"], 30)
        block("10.77.1.21", drop=False)
        wait_for("answers again", responding, ["1"], 30)

        wait_for("never answers a poll", 'varnix_camera_responding{mac="%s"}' % MUTE, ["0"], 30)

        with open(metrics) as f:
            promtool(["check", "metrics"], f)
        # node_exporter serves the first of two samples with the same labels and drops the other quietly.
        with open(metrics) as f:
            series = [line.rsplit(" ", 1)[0] for line in f if not line.startswith("#")]
        if len(series) != len(set(series)):
            fail("a series twice in the file:\n" + "\n".join(series))
        print("watch metrics: all checks passed", flush=True)
        return 0
    finally:
        for d in daemons:
            d.terminate()
        for d in daemons:
            try:
                d.wait(10)
            except subprocess.TimeoutExpired:
                d.kill()


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit("usage: watch_metrics_netns.py SCAN CAMSIM NETLAB SOURCE_DIR")
    sys.exit(inner(*sys.argv[2:]) if sys.argv[1] == "--inner" else outer(*sys.argv[1:]))
