#!/usr/bin/env bash
# End to end in the namespace lab: two links (MTU 1500 and 9000) with Standard, Advanced and
# dual-dialect cameras, one of them outside the app subnet.
#   e2e.sh discovery DRIVER CAMSIM NETLAB   the program's discovery and channels, run by DRIVER
#   e2e.sh camsim_wire DRIVER CAMSIM NETLAB        the simulator's replies byte for byte (wire.py)
set -u
here=$(cd "$(dirname "$0")" && pwd)

# Each line of $2 (an extended regex) matches exactly one line of file $1, which holds nothing else.
expect() {
    local n=0 bad=0 re
    while read -r re; do
        n=$((n + 1))
        (($(grep -cxE -- "$re" "$1") == 1)) || { echo "FAIL: $1: want one line like: $re"; bad=1; }
    done <<<"$2"
    (($(wc -l <"$1") == n)) || { echo "FAIL: $1: $(wc -l <"$1") lines, want $n"; bad=1; }
    ((bad)) && cat "$1"
    return $bad
}

if [[ $1 == --inside ]]; then
    [[ $2 == camsim_wire ]] && exec python3 "$here/wire.py"
    driver=$3
    work=$4
    "$driver" --channels >"$work/all.txt" || exit 1
    # Someone else holds 45056 on the first link's address (without SO_REUSEADDR): discovery must
    # walk to 45057.
    python3 -c 'import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("192.168.71.1", 45056))
print("held", flush=True)
time.sleep(60)' >"$work/holder.out" &
    for _ in $(seq 50); do
        grep -q held "$work/holder.out" && break
        sleep 0.1
    done
    "$driver" >"$work/held.txt" || exit 1
    kill $!

    m=255.255.255.0
    a0="via 192.168.71.1/$m mtu 1500"
    a1="via 192.168.72.1/$m mtu 9000"
    # What the program makes of each camera's discovery reply. The dual camera is recorded once, in
    # the dialect of whichever reply came first.
    cams="cam 192.168.71.10 0 9 1 1001 3 7 $m 00:0c:9c:00:00:01 1028 $a0 10g 0
cam 192.168.71.20 1 51 10 1002 16909060 16909060 $m 00:0c:9c:00:00:02 9000 $a0 10g 1
cam 10.9.0.5 0 14 2 1003 1 2 255.255.0.0 00:0c:9c:00:00:03 1027 $a0 10g 0
cam 192.168.72.30 (0 25 4 2001 5 6 $m 00:0c:9c:00:00:04 1029|1 47 0 2001 5 5 $m 00:0c:9c:00:00:04 9000) $a1 10g 0
cam 192.168.72.40 1 46 0 2002 7 7 $m 00:0c:9c:00:00:05 9000 $a1 10g 0
cam 192.168.72.60 0 37 0 2003 9 9 $m 00:0c:9c:00:00:06 1029 $a1 10g 0"
    # Clips arrive over two datagrams; trim positions become relative to the clip's first frame.
    # 48-byte entries carry no trim range: the whole clip is the range.
    channels='ch 192.168.71.10 0 2 8 "Std Ten"
ch 192.168.71.20 1 0 0 "Adv Clips" 0:1000:900:50-200:1280x1024@500 1:300:100:20-250:1024x768@250 2:2000:0:10-1999:640x480@1000
ch 10.9.0.5 0 5 0 "Std Outside"
ch 192.168.72.30 (0 3|1 0) 0 "Dual"
ch 192.168.72.40 1 0 0 "Adv Short" 0:500:0:0-499:1024x768@250
ch 192.168.72.60 0 11 0 "Std Jumbo"'
    expect "$work/all.txt" "sock 192.168.71.1 45056 mtu 1500
sock 192.168.72.1 45056 mtu 9000
$cams
$channels" || exit 1
    expect "$work/held.txt" "sock 192.168.71.1 45057 mtu 1500
sock 192.168.72.1 45057 mtu 9000
$cams"
    exit
fi

driver=${2:?driver}
camsim=${3:?camsim}
netlab=${4:?netlab}
if [[ $(id -u) != 0 ]]; then
    echo "SKIP: needs root for network namespaces"
    exit 77
fi
work=$(mktemp -d /tmp/vx-e2e.XXXXXX)
trap 'rm -rf "$work"' EXIT
cat >"$work/lab0.json" <<'JSON'
[{"dialect": "standard", "name": "Std Ten", "model": 10, "variant": 5, "serial": 1001, "firmware": [3, 7],
  "mac": "00:0c:9c:00:00:01", "ip": "192.168.71.10", "options": "WK", "status": 2},
 {"dialect": "advanced", "name": "Adv Clips", "model": 3, "serial": 1002, "firmware": 16909060,
  "mac": "00:0c:9c:00:00:02", "ip": "192.168.71.20", "link": 31, "clipsPerDatagram": 2, "clips": [
   {"clipNumber": 0, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024, "firstFrame": 900,
    "trimStart": 950, "trimEnd": 100},
   {"clipNumber": 1, "frameCount": 300, "frameRate": 250, "width": 1024, "height": 768, "firstFrame": 100,
    "trimStart": 120, "trimEnd": 350},
   {"clipNumber": 2, "frameCount": 2000, "frameRate": 1000, "width": 640, "height": 480, "trimStart": 10,
    "trimEnd": 1999}]},
 {"dialect": "standard", "name": "Std Outside", "model": 14, "variant": 2, "serial": 1003, "firmware": [1, 2],
  "mac": "00:0c:9c:00:00:03", "ip": "10.9.0.5", "mask": "255.255.0.0", "status": 5}]
JSON
cat >"$work/lab1.json" <<'JSON'
[{"dialect": "standard", "name": "Dual", "model": 19, "variant": 12, "advancedModel": 1, "answerBoth": true,
  "serial": 2001, "firmware": [5, 6], "mac": "00:0c:9c:00:00:04", "ip": "192.168.72.30", "status": 3},
 {"dialect": "advanced", "name": "Adv Short", "model": 0, "serial": 2002, "firmware": 7, "mac": "00:0c:9c:00:00:05",
  "ip": "192.168.72.40", "link": 48, "clips": [{"clipNumber": 0, "frameCount": 500, "frameRate": 250,
  "width": 1024, "height": 768}]},
 {"dialect": "standard", "name": "Std Jumbo", "model": 31, "variant": 7, "serial": 2003, "firmware": [9, 9],
  "mac": "00:0c:9c:00:00:06", "ip": "192.168.72.60", "status": 11}]
JSON
"$netlab" --camsim "$camsim" --link "lab0:1500:192.168.71.1/24:$work/lab0.json" \
    --link "lab1:9000:192.168.72.1/24:$work/lab1.json" -- bash "$0" --inside "$1" "$driver" "$work"
