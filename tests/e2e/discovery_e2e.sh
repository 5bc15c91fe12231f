#!/usr/bin/env bash
# Discovery end to end: two lab links (MTU 1500 and 9000) with Standard, Advanced and
# dual-dialect cameras behind them, some outside the app subnet. The driver runs the program's
# discovery and channels in the app namespace; check_discovery.py judges the results and the
# simulators' logs.
#   discovery_e2e.sh DRIVER CAMSIM NETLAB
set -u
here=$(cd "$(dirname "$0")" && pwd)

if [[ ${1:-} == --inside ]]; then
    # Runs inside the app namespace.
    driver=$2
    work=$3
    "$driver" --channels --ms 1500 >"$work/all.json" || exit 1

    # Garbage at every port the simulators listen on; the rounds below only pass if they survived.
    python3 - <<'PY' || exit 1
import os, random, socket, struct
random.seed(7)
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
heads = [b"", b"\x01\x00\x08\x01", b"\x01\x00\x08\x02", b"\x01\x00\x08\x0e", b"\x01\x00\x08\x17",
         b"\x01\x00\x08\xd2", struct.pack("<I", 0xABCD0004), struct.pack("<I", 0xABCD0007),
         struct.pack("<I", 0xABCD0004) + b"\x00\x02\x02\x00", struct.pack("<I", 0xABCD0004) + b"\x0b\x01\x02\x00"]
targets = ["192.168.71.255", "192.168.72.255", "192.168.71.10", "192.168.71.20", "10.9.0.5",
           "192.168.72.30", "192.168.72.40", "192.168.72.60"]
for n in range(1500):
    d = (random.choice(heads) + os.urandom(random.randint(0, 90)))[: random.randint(0, 100)]
    for port in (1027, 1028, 1029, 9000, 45611):
        try:
            s.sendto(d, (random.choice(targets), port))
        except OSError:
            pass
PY

    # Someone else holds 45056 on the first link's address: discovery must walk to 45057.
    python3 -c '
import socket, sys, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("192.168.71.1", 45056))
print("held", flush=True)
time.sleep(60)' >"$work/holder.out" &
holder=$!
for _ in $(seq 50); do
    grep -q held "$work/holder.out" 2>/dev/null && break
    sleep 0.1
done
"$driver" --ms 1000 >"$work/held.json"
rc=$?
kill "$holder"
wait "$holder" 2>/dev/null
((rc == 0)) || exit 1

"$driver" --open 192.168.72.1/255.255.255.0 --ms 1000 >"$work/lab1only.json" || exit 1
# Last, because it changes a camera: the camera outside the subnet is moved into it.
"$driver" --move 00:0c:9c:00:00:03=192.168.71.50/255.255.255.0 --ms 1000 >"$work/move.json" || exit 1
exit 0
fi

driver=${1:?driver}
camsim=${2:?camsim}
netlab=${3:?netlab}
if [[ $(id -u) != 0 ]]; then
    echo "SKIP: needs root for network namespaces"
    exit 77
fi
work=$(mktemp -d /tmp/vx-e2e-discovery.XXXXXX)

cat >"$work/lab0.json" <<'JSON'
[
  {"dialect": "standard", "name": "Std Ten", "model": 10, "variant": 5, "serial": 1001,
   "firmware": [3, 7], "mac": "00:0c:9c:00:00:01", "ip": "192.168.71.10", "mask": "255.255.255.0",
   "options": "WK", "status": 2},
  {"dialect": "advanced", "name": "Adv Clips", "model": 3, "serial": 1002, "firmware": 16909060,
   "mac": "00:0c:9c:00:00:02", "ip": "192.168.71.20", "link": 31,
   "clips": [
     {"clipNumber": 0, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 1, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 2, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 3, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 4, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 5, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 6, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 7, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 8, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900, "trimStart": 950, "trimEnd": 100},
     {"clipNumber": 9, "frameCount": 2000, "frameRate": 1000, "width": 640, "height": 480, "firstFrame": 0, "trimStart": 10, "trimEnd": 1999}
   ]},
  {"dialect": "standard", "name": "Std Outside", "model": 14, "variant": 2, "serial": 1003,
   "firmware": [1, 2], "mac": "00:0c:9c:00:00:03", "ip": "10.9.0.5", "mask": "255.255.0.0", "status": 5}
]
JSON
cat >"$work/lab1.json" <<'JSON'
[
  {"dialect": "standard", "name": "Dual", "model": 19, "variant": 12, "advancedModel": 1, "answerBoth": true,
   "serial": 2001, "firmware": [5, 6], "mac": "00:0c:9c:00:00:04", "ip": "192.168.72.30", "status": 3},
  {"dialect": "advanced", "name": "Adv Short", "model": 0, "serial": 2002, "firmware": 7,
   "mac": "00:0c:9c:00:00:05", "ip": "192.168.72.40", "link": 48,
   "clips": [
     {"clipNumber": 0, "frameCount": 500, "frameRate": 250, "width": 1024, "height": 768},
     {"clipNumber": 1, "frameCount": 8, "frameRate": 250, "width": 1024, "height": 768}
   ]},
  {"dialect": "standard", "name": "Std Jumbo", "model": 31, "variant": 7, "serial": 2003,
   "firmware": [9, 9], "mac": "00:0c:9c:00:00:06", "ip": "192.168.72.60", "status": 11}
]
JSON

"$netlab" --camsim "$camsim" --logdir "$work/logs" \
    --link "lab0:1500:192.168.71.1/24:$work/lab0.json" \
    --link "lab1:9000:192.168.72.1/24:$work/lab1.json" \
    --extra-ip lab0:192.168.71.50/24 \
    -- bash "$0" --inside "$driver" "$work"
rc=$?
if ((rc == 77)); then
    rm -rf "$work"
    exit 77
fi
if ((rc != 0)); then
    echo "FAIL: the lab run failed (exit $rc); results kept in $work"
    exit 1
fi
if python3 "$here/check_discovery.py" "$work"; then
    # VARNIX_E2E_KEEP=1 keeps the driver outputs and simulator logs of a passing run too.
    if [[ ${VARNIX_E2E_KEEP:-0} == 1 ]]; then
        echo "results kept in $work"
    else
        rm -rf "$work"
    fi
    exit 0
fi
echo "results kept in $work"
exit 1
