#!/usr/bin/env bash
# The simulator's replies byte for byte, behind one lab link.
#   camsim_wire.sh CAMSIM NETLAB
set -u
here=$(cd "$(dirname "$0")" && pwd)
camsim=${1:?camsim}
netlab=${2:?netlab}
if [[ $(id -u) != 0 ]]; then
    echo "SKIP: needs root for network namespaces"
    exit 77
fi
work=$(mktemp -d /tmp/vx-camsim-wire.XXXXXX)
trap 'rm -rf "$work"' EXIT
cat >"$work/cams.json" <<'JSON'
{"cameras": [
  {"dialect": "standard", "name": "Std Ten", "model": 10, "variant": 5, "serial": 12345, "firmware": [3, 7],
   "mac": "00:0c:9c:81:f2:a7", "ip": "192.168.73.10", "options": "GX", "readings": [4660, 22136],
   "statusScript": [{"afterMs": 0, "status": 1}, {"afterMs": 1500, "status": 2}], "statusPeriodMs": 3000},
  {"dialect": "advanced", "name": "Adv", "model": 1, "serial": 2001, "firmware": 16909060,
   "mac": "00:0c:9c:00:00:20", "ip": "192.168.73.20", "link": 31,
   "clips": [{"clipNumber": 0, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 1, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 2, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 3, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 4, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 5, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 6, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 7, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 8, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024},
             {"clipNumber": 9, "frameCount": 1000, "frameRate": 500, "width": 1280, "height": 1024}]},
  {"dialect": "standard", "name": "Dual", "model": 19, "advancedModel": 7, "answerBoth": true,
   "mac": "00:0c:9c:00:00:30", "ip": "192.168.73.30"}
]}
JSON
"$netlab" --camsim "$camsim" --link "lab0:1500:192.168.73.1/24:$work/cams.json" \
    --extra-ip lab0:192.168.73.99/24 -- python3 "$here/camsim_wire.py"
