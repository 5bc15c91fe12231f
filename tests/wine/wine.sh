#!/usr/bin/env bash
# The Windows build under Wine. Every Wine session runs inside a network namespace this script (or
# tools/lab/netlab.sh) made, so that Wine's network stack and IP Helper see only that namespace's links;
# it starts its own wineserver there and stops it (wineserver -k) when it ends.
#
#   wine.sh prepare BUILD WINBUILD SOURCE   cross-build (scripts/windows-build) and make the Wine prefix
#   wine.sh clean BUILD                     stop Wine and remove the prefix
#   wine.sh units|inventory|discovery|window|installer BUILD WINBUILD SOURCE
#
# BUILD is the Linux build (varnix, varnix-scan and varnix-camsim as the reference and the lab,
# varnix-shotrows for the window), WINBUILD the Windows build directory (its dist/ folder, tests and
# installer), SOURCE the source tree. Outputs stay in BUILD/wine-<mode>/. Exit 77 (skipped, with the
# reason) without Wine, without the Qt for Windows or without root; the other modes also without a
# Windows build.
set -u

mode=${1:?mode}
build=${2:?Linux build directory}
winbuild=${3:-}
src=${4:-}

skip() {
    echo "wine: SKIP: $*"
    exit 77
}
fail() {
    echo "wine: FAIL: $*"
    exit 1
}

export WINEPREFIX=$build/wine-prefix
export WINEDEBUG=-all
# No Mono or Gecko installer prompts on the first start.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

qt_archive() {
    echo "${VARNIX_QT_ARCHIVE:-$src/../shared/toolchains/qt5-mingw-x86_64.tar.xz}"
}

# Wine's launcher warns about the missing 32-bit half on every start; nothing else is dropped.
quiet_wine() {
    wine "$@" 2> >(grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
        -e 'apt-get install wine32' >&2)
}

stop_wine() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
}

check_tools() {
    command -v wine >/dev/null && command -v wineserver >/dev/null ||
        skip "Wine is not installed (scripts/setup installs it)"
    [[ $(id -u) == 0 ]] || skip "needs root for network namespaces"
}

check_build() {
    check_tools
    [[ -x $winbuild/dist/varnix.exe && -d $WINEPREFIX/drive_c ]] ||
        skip "no Windows build in $winbuild or no Wine prefix (needs the Qt for Windows at $(qt_archive))"
}

# Runs "$@" in a network namespace of its own with only loopback, removed afterwards.
in_private_net() {
    local ns=vxw$$-$RANDOM rc
    ip netns add "$ns" || fail "cannot create network namespace $ns"
    ip -n "$ns" link set lo up
    ip netns exec "$ns" "$@"
    rc=$?
    ip netns exec "$ns" wineserver -k 2>/dev/null
    ip netns del "$ns"
    return $rc
}

# Paths as Windows programs see them (Wine maps the Linux root to drive Z:).
winpath() {
    echo "Z:$1"
}

# Test functions that fail under Wine for reasons of Wine's own, with the reason (also in the README).
known_wine_failures=(
    "tst_channel talksToACameraOverLoopback: Wine gives every loopback address the sender 127.0.0.1"
    "tst_enumerator repliesBecomeRecordsOnce: Wine gives every loopback address the sender 127.0.0.1"
    "tst_enumerator secondCameraAtAKnownAddressIsKept: Wine gives every loopback address the sender 127.0.0.1"
)

# The unit tests, in a namespace with only loopback and on an X server of their own (Wine needs one to
# create any window, even for the offscreen platform). QtTest output goes to a file, because a Windows
# program's console output does not always reach a pipe under Wine.
units() {
    local out=$build/wine-units failed=0 t name fn known
    rm -rf "$out" && mkdir -p "$out"
    export WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM=offscreen
    WINEPATH=$(winpath "$winbuild/qt5-mingw/bin")
    QT_PLUGIN_PATH=$(winpath "$winbuild/qt5-mingw/plugins")
    for t in "$winbuild"/tests/*/tst_*.exe; do
        name=$(basename "$t" .exe)
        (cd "$(dirname "$t")" && quiet_wine "$t" -o "$(winpath "$out/$name.txt"),txt" >/dev/null)
        echo "$?" >"$out/$name.rc"
    done
    for t in "$out"/*.rc; do
        name=$(basename "$t" .rc)
        grep -H '^Totals:' "$out/$name.txt" || { echo "$name: no result (exit $(cat "$t"))"; failed=$((failed + 1)); }
        [[ $(cat "$t") == 0 ]] && continue
        grep -q '^FAIL!' "$out/$name.txt" || { echo "--- $name: exit $(cat "$t") without a failed test"; failed=$((failed + 1)); }
        while read -r fn; do
            known=$(printf '%s\n' "${known_wine_failures[@]}" | grep "^$name $fn:")
            if [[ -n $known ]]; then
                echo "  known under Wine: $known"
            else
                failed=$((failed + 1))
                echo "--- $name::$fn failed"
                grep -A4 "::$fn(" "$out/$name.txt" | grep -E '^(FAIL|   |QWARN|QSYSTEM)' | head -12
            fi
        done < <(sed -n 's/^FAIL!  : [A-Za-z_]*::\([A-Za-z_]*\)(.*/\1/p' "$out/$name.txt" | sort -u)
    done
    ((failed == 0)) || fail "$failed Windows unit tests failed under Wine"
    echo "wine: the Windows unit tests passed"
}

# Runs a Windows program of the dist folder from inside that folder (where ./Languages is).
run_dist() {
    (cd "$winbuild/dist" && quiet_wine "$@")
}

# Known adapters: NAME MAC MTU UP ADDRESSES (first address first; "-" for none). The peers of the veth
# pairs live in a second namespace, so that only these are seen.
inventory_links=(
    "vxa 02:00:00:00:0A:01 9000 up 10.41.1.5/24"
    "vxb 02:00:00:00:0B:02 1400 down 10.42.0.7/16"
    "vxc 02:00:00:00:0C:03 1500 up -"
    "vxd 02:00:00:00:0D:04 1500 up 10.43.2.9/23,10.44.0.1/24"
)

inventory() {
    ns=vxwi$$ peer=vxwp$$
    local out=$build/wine-inventory item name mac mtu state addrs a
    rm -rf "$out" && mkdir -p "$out"
    ip netns add "$ns" || fail "cannot create network namespace $ns"
    ip netns add "$peer" || { ip netns del "$ns"; fail "cannot create network namespace $peer"; }
    trap 'ip netns exec "$ns" wineserver -k 2>/dev/null; ip netns del "$ns"; ip netns del "$peer"' EXIT
    ip -n "$ns" link set lo up
    for item in "${inventory_links[@]}"; do
        read -r name mac mtu state addrs <<<"$item"
        ip -n "$ns" link add "$name" type veth peer name "p$name" netns "$peer" || fail "veth $name"
        ip -n "$ns" link set "$name" address "$mac" mtu "$mtu" || fail "link $name"
        ip -n "$peer" link set "p$name" up
        [[ $addrs == - ]] || for a in ${addrs//,/ }; do ip -n "$ns" addr add "$a" dev "$name" || fail "address $a"; done
        [[ $state == up ]] && ip -n "$ns" link set "$name" up
    done
    ip netns exec "$ns" "$build/tools/scan/varnix-scan" --list-adapters --json >"$out/linux.json" ||
        fail "the Linux build cannot list the adapters"
    ip netns exec "$ns" bash -c "cd '$winbuild/dist' && wine varnix-scan.exe --list-adapters --json \
        >'$out/wine.json' 2>'$out/wine.err'; echo \$? >'$out/wine.rc'; wineserver -k"
    [[ $(cat "$out/wine.rc") == 0 ]] || fail "varnix-scan.exe --list-adapters exited with $(cat "$out/wine.rc")"
    python3 - "$out/wine.json" "$out/linux.json" "${inventory_links[@]}" <<'PY' || fail "the inventory under Wine differs"
import ipaddress, json, sys
wine = json.load(open(sys.argv[1]))["adapters"]
linux = json.load(open(sys.argv[2]))["adapters"]
bad = []
names = [a["name"] for a in wine]
if len(set(names)) != len(names):
    bad.append("adapter names are not unique: %s" % names)
for item in sys.argv[3:]:
    name, mac, mtu, state, addrs = item.split()
    first = ipaddress.ip_interface(addrs.split(",")[0]) if addrs != "-" else None
    want = {"mac": mac, "mtu": int(mtu),
            "ip": str(first.ip) if first else "0.0.0.0",
            "mask": str(first.netmask) if first else "0.0.0.0"}
    got = [a for a in wine if a["description"] == name]
    same = [a for a in linux if a["description"].split()[-1] == name]
    if len(got) != 1:
        bad.append("%s: listed %d times under Wine" % (name, len(got)))
        continue
    for key, value in want.items():
        if got[0][key] != value:
            bad.append("%s: %s is %r, not %r" % (name, key, got[0][key], value))
        if same and same[0][key] != got[0][key]:
            bad.append("%s: %s is %r under Wine, %r on Linux" % (name, key, got[0][key], same[0][key]))
    print("%-5s %-40s %-10s %-15s %5d %s" % (name, got[0]["name"], got[0]["ip"], got[0]["mask"], got[0]["mtu"], got[0]["mac"]))
extra = [a["description"] for a in wine if a["description"] not in [i.split()[0] for i in sys.argv[3:]]]
if extra:
    bad.append("adapters nobody made: %s" % extra)
for b in bad:
    print("wine: " + b)
sys.exit(1 if bad else 0)
PY
    echo "wine: the inventory under Wine lists every adapter as the Linux build does"
}

# Two camera links in the namespace lab: the Linux build and the Windows build under Wine scan them in
# turn, from the same app namespace; then the Windows build moves a camera.
lab() {
    bash "$src/tools/lab/netlab.sh" --camsim "$build/tools/camsim/varnix-camsim" --logdir "$1" \
        --link "lab0:1500:10.10.1.1/24:$src/tests/wine/lab0.json" \
        --link "lab1:9000:10.10.2.1/24:$src/tests/wine/lab1.json" --extra-ip lab0:10.10.1.50/24 -- "${@:2}"
}

# The Wine adapter name ("{...}") of the Linux interface called $1, from a --list-adapters --json.
wine_adapter() {
    python3 -c 'import json, sys
print(next(a["name"] for a in json.load(open(sys.argv[1]))["adapters"] if a["description"] == sys.argv[2]))' "$2" "$1"
}

discovery_in_lab() {
    local out=$build/wine-discovery
    "$build/tools/scan/varnix-scan" --adapter '*ALL*' --datagram-size optimal --json >"$out/linux.json"
    echo $? >"$out/linux.rc"
    run_dist varnix-scan.exe --adapter '*ALL*' --datagram-size optimal --json >"$out/wine.json" 2>"$out/wine.err"
    echo $? >"$out/wine.rc"
    run_dist varnix-scan.exe --list-adapters --json >"$out/adapters.json" 2>>"$out/wine.err"
    run_dist varnix-scan.exe --set-address 10.10.1.20 10.10.1.50 255.255.255.0 \
        --adapter "$(wine_adapter lab0 "$out/adapters.json")" --json >"$out/move.json" 2>>"$out/wine.err"
    echo $? >"$out/move.rc"
    run_dist varnix-scan.exe --adapter "$(wine_adapter lab0 "$out/adapters.json")" --json --wait 1500 \
        >"$out/after.json" 2>>"$out/wine.err"
    stop_wine
}

discovery() {
    local out=$build/wine-discovery
    rm -rf "$out" && mkdir -p "$out"
    lab "$out" "$0" _discovery "$build" "$winbuild" "$src" || fail "the lab failed (see $out)"
    for run in linux:0 wine:0 move:0; do
        [[ $(cat "$out/${run%:*}.rc" 2>/dev/null) == "${run#*:}" ]] ||
            fail "${run%:*} run exited with $(cat "$out/${run%:*}.rc" 2>/dev/null) (see $out)"
    done
    python3 - "$out" <<'PY' || fail "discovery under Wine differs from the Linux build (see $out)"
import json, os, sys
out = sys.argv[1]
load = lambda name: json.load(open(os.path.join(out, name)))
linux, wine, move, after = load("linux.json"), load("wine.json"), load("move.json"), load("after.json")
bad = []
# Adapter names are the system's own (Linux interface names, Wine "{...}" identifiers); the rest must match.
strip = lambda a: {k: v for k, v in a.items() if k not in ("name", "description")}
lab = lambda doc: sorted((strip(a) for a in doc["adapters"]), key=lambda a: a["ip"])
if lab(linux) != lab(wine):
    bad.append("adapters differ:\n  linux %s\n  wine  %s" % (lab(linux), lab(wine)))
cams = lambda doc: {c["ip"]: {k: v for k, v in c.items() if k != "index"} for c in doc["cameras"]}
lc, wc = cams(linux), cams(wine)
if sorted(lc) != sorted(wc) or len(lc) != 4:
    bad.append("cameras: linux %s, wine %s" % (sorted(lc), sorted(wc)))
for ip in sorted(set(lc) & set(wc)):
    for key in sorted(set(lc[ip]) | set(wc[ip])):
        if lc[ip].get(key) != wc[ip].get(key):
            bad.append("%s %s: linux %r, wine %r" % (ip, key, lc[ip].get(key), wc[ip].get(key)))
if linux.get("conflict") != wine.get("conflict"):
    bad.append("conflict: linux %r, wine %r" % (linux.get("conflict"), wine.get("conflict")))
if not (move.get("sent") and move.get("answered") and move.get("answer", {}).get("ip") == "10.10.1.50"):
    bad.append("set-address did not move 10.10.1.20: %r" % move)
ips = sorted(c["ip"] for c in after["cameras"])
if ips != ["10.10.1.50", "10.20.0.7"]:
    bad.append("after the move the lab0 scan finds %s" % ips)
for b in bad:
    print("wine: " + b)
if not bad:
    print("wine: %d cameras, same fields as the Linux build; 10.10.1.20 moved to 10.10.1.50" % len(wc))
sys.exit(1 if bad else 0)
PY
}

# Geometry "W H X Y" of the largest mapped top-level window titled "Halvorn Varnix" (the main window, not
# a message box); empty after 30 s.
main_window() {
    local line
    for _ in $(seq 60); do
        line=$(xwininfo -root -tree 2>/dev/null | grep '"Halvorn Varnix"' |
            sed -n 's/.* \([0-9]*\)x\([0-9]*\)+\([0-9-]*\)+\([0-9-]*\) .*/\1 \2 \3 \4/p' |
            awk '$1 * $2 > 40000 {print $1 * $2, $0}' | sort -n | tail -1 | cut -d' ' -f2-)
        [[ -n $line ]] && { echo "$line"; return 0; }
        sleep 0.5
    done
    return 1
}

# Waits for the window and for the list to settle (first status poll after 3 s), then grabs the rows.
grab_rows() { # grab_rows TAG
    local w h x y
    read -r w h x y <<<"$(main_window)" || return 1
    [[ -n ${w:-} ]] || return 1
    sleep 6
    "$build/tests/wine/varnix-shotrows" "$out/$1.png" "$x" "$y" "$w" "$h" >"$out/$1.rows"
}

# Asks varnix.exe to close as a user would (WM_CLOSE to its windows) and records its exit code in TAG.rc;
# one that is still running after 15 s is killed and recorded as "hung".
close_varnix() { # close_varnix PID TAG
    quiet_wine taskkill /IM varnix.exe >/dev/null 2>&1
    for _ in $(seq 30); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.5
    done
    if kill -0 "$1" 2>/dev/null; then
        quiet_wine taskkill /F /IM varnix.exe >/dev/null 2>&1
        wait "$1"
        echo hung >"$out/$2.rc"
    else
        wait "$1"
        echo "$?" >"$out/$2.rc"
    fi
}

settings_query() {
    quiet_wine reg query 'HKCU\Software\Halvorn\Tovek\Settings' 2>/dev/null | tr -d '\r' |
        awk 'NF == 3 {print $1, $3}' | sort
}

window_in_lab() {
    local out=$build/wine-window pid
    export XDG_RUNTIME_DIR=$out/runtime
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    # One X client for the whole run: Xvfb resets when its last client leaves.
    xprop -root -spy >/dev/null 2>&1 &
    local keeper=$!

    # The Linux build, as the reference, with a settings store of its own.
    mkdir -p "$out/linux-config"
    (cd "$build" && XDG_CONFIG_HOME=$out/linux-config exec ./app/varnix) >/dev/null 2>&1 &
    pid=$!
    grab_rows linux
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null

    # Under Wine, from the installed folder, with no settings yet: English.
    quiet_wine reg delete 'HKCU\Software\Halvorn' /f >/dev/null 2>&1
    run_dist varnix.exe >/dev/null 2>&1 &
    pid=$!
    grab_rows wine-en
    close_varnix "$pid" wine-en
    settings_query >"$out/settings-en.txt"

    # German and datagram size 2920 stored (which both links carry, so no warning comes up): the
    # translation is read from Languages/.
    quiet_wine reg add 'HKCU\Software\Halvorn\Tovek\Settings' /v Language /t REG_DWORD /d 1 /f >/dev/null 2>&1
    quiet_wine reg add 'HKCU\Software\Halvorn\Tovek\Settings' /v JumboPacket /t REG_DWORD /d 1 /f >/dev/null 2>&1
    (cd "$winbuild/dist" && WINEDEBUG=trace+file exec wine varnix.exe) >/dev/null 2>"$out/wine-de.trace" &
    pid=$!
    grab_rows wine-de
    close_varnix "$pid" wine-de
    settings_query >"$out/settings-de.txt"
    grep -i -o 'Languages\\\+Varnix_de\.qm' "$out/wine-de.trace" | sort -u >"$out/translation.txt"
    rm -f "$out/wine-de.trace"
    stop_wine
    kill "$keeper" 2>/dev/null
}

window() {
    local out=$build/wine-window
    rm -rf "$out" && mkdir -p "$out"
    command -v xwininfo >/dev/null && command -v xprop >/dev/null || skip "xwininfo and xprop (x11-utils) are missing"
    bash "$src/tools/lab/netlab.sh" --camsim "$build/tools/camsim/varnix-camsim" --logdir "$out" \
        --link "lab0:9000:10.10.1.1/24:$src/tests/wine/window0.json" \
        --link "lab1:9000:10.10.2.1/24:$src/tests/wine/window1.json" -- \
        "$src/tools/lab/with-xvfb.sh" -- "$0" _window "$build" "$winbuild" "$src" || fail "the lab failed (see $out)"
    python3 - "$out" <<'PY' || fail "the window under Wine is not as expected (see $out)"
import os, sys
out = sys.argv[1]
def read(name):
    try:
        return open(os.path.join(out, name)).read().split("\n")
    except OSError:
        return []
def rows(tag):
    lines = read(tag + ".rows")
    return sorted(l.split()[3] for l in lines if l.startswith("row ")), [l for l in lines if l.startswith("header ")]
bad = []
linux, _ = rows("linux")
en, en_header = rows("wine-en")
de, de_header = rows("wine-de")
print("wine: rows (status bullets): linux %s, wine %s, wine in German %s" % (linux, en, de))
if len(linux) != 3 or en != linux or de != linux:
    bad.append("the camera rows differ from the Linux build's three")
if not en_header or en_header == de_header:
    bad.append("the German window's labels look like the English ones")
want_en = ["JumboPacket 0xffffffff", "Language 0x0", "NetAdapter *ALL*"]
want_de = ["JumboPacket 0x1", "Language 0x1", "NetAdapter *ALL*"]
got_en = [l for l in read("settings-en.txt") if l]
got_de = [l for l in read("settings-de.txt") if l]
print("wine: registry after the runs: %s / %s" % (got_en, got_de))
if got_en != want_en or got_de != want_de:
    bad.append("the settings in the registry are not as expected")
if not [l for l in read("translation.txt") if l]:
    bad.append("Languages\\Varnix_de.qm was never opened")
for tag in ("wine-en", "wine-de"):
    if read(tag + ".rc")[:1] != ["0"]:
        bad.append("varnix.exe (%s) exited with %s" % (tag, read(tag + ".rc")[:1]))
for b in bad:
    print("wine: " + b)
sys.exit(1 if bad else 0)
PY
}

# The installer, silently, in a namespace with one known link; then the installed scanner lists it, and
# the uninstaller removes everything again.
installer_in_ns() {
    local out=$build/wine-installer setup dir c_drive=$WINEPREFIX/drive_c
    setup=$(ls "$winbuild"/package/varnix-*-win64.exe 2>/dev/null | tail -1)
    [[ -n $setup ]] || fail "no installer in $winbuild/package"
    ip link add vxi0 type veth peer name vxi1 && ip link set vxi0 address 02:00:00:00:1E:01 mtu 1500 &&
        ip addr add 10.50.0.1/24 dev vxi0 && ip link set vxi0 up || fail "cannot make the link"
    quiet_wine "$setup" /S >"$out/install.log" 2>&1
    echo "$?" >"$out/install.rc"
    wineserver -w
    dir=$(find "$c_drive" -maxdepth 3 -type d -name Varnix -path '*Program Files*' | head -1)
    echo "${dir:-none}" >"$out/dir.txt"
    find "$c_drive" -name 'Varnix.lnk' -o -name 'Uninstall.lnk' | grep -i 'start menu' >"$out/shortcuts.txt"
    if [[ -n $dir ]]; then
        (cd "$dir" && find . -type f | sort) >"$out/files.txt"
        # Only what the installer put there: no WINEPATH to the build's Qt.
        (cd "$dir" && wine varnix-scan.exe --list-adapters --json) >"$out/adapters.json" 2>"$out/scan.err"
        echo "$?" >"$out/scan.rc"
        quiet_wine "$dir/Uninstall.exe" /S >"$out/uninstall.log" 2>&1
        wineserver -w
        [[ -e $dir/varnix.exe ]] && echo left >"$out/uninstalled.txt" || echo gone >"$out/uninstalled.txt"
        find "$c_drive" -name 'Varnix.lnk' | grep -i 'start menu' >>"$out/uninstalled.txt"
    fi
    stop_wine
}

installer() {
    local out=$build/wine-installer
    rm -rf "$out" && mkdir -p "$out"
    in_private_net "$0" _installer "$build" "$winbuild" "$src"
    python3 - "$out" <<'PY' || fail "the installer under Wine did not do its work (see $out)"
import json, os, sys
out = sys.argv[1]
read = lambda name: open(os.path.join(out, name)).read().split() if os.path.exists(os.path.join(out, name)) else []
bad = []
if read("install.rc") != ["0"]:
    bad.append("the installer exited with %s" % read("install.rc"))
files = read("files.txt")
for f in ["./varnix.exe", "./varnix-scan.exe", "./Qt5Core.dll", "./Qt5Widgets.dll", "./platforms/qwindows.dll",
          "./libstdc++-6.dll", "./Languages/Varnix_de.qm", "./Languages/Varnix_it.qm", "./Languages/Varnix_ja.qm",
          "./Uninstall.exe"]:
    if f not in files:
        bad.append("not installed: " + f)
shortcuts = open(os.path.join(out, "shortcuts.txt")).read() if os.path.exists(os.path.join(out, "shortcuts.txt")) else ""
if "Varnix.lnk" not in shortcuts or "Uninstall.lnk" not in shortcuts:
    bad.append("Start-menu entries missing: %r" % shortcuts)
try:
    adapters = json.load(open(os.path.join(out, "adapters.json")))["adapters"]
    if [(a["description"], a["ip"], a["mac"]) for a in adapters if a["description"] == "vxi0"] != [("vxi0", "10.50.0.1", "02:00:00:00:1E:01")]:
        bad.append("the installed varnix-scan.exe does not list vxi0: %r" % adapters)
except (OSError, ValueError, KeyError) as e:
    bad.append("the installed varnix-scan.exe --list-adapters gave no list (%s)" % e)
if read("uninstalled.txt") != ["gone"]:
    bad.append("the uninstaller left %s" % read("uninstalled.txt"))
if not bad:
    print("wine: installed into %s: %d files, Start-menu entries; varnix-scan.exe listed vxi0; uninstalled" %
          (" ".join(read("dir.txt")), len(files)))
for b in bad:
    print("wine: " + b)
sys.exit(1 if bad else 0)
PY
}

case $mode in
prepare)
    # Without what the tests need, the tests themselves say so and skip; preparing has nothing to do.
    if ! command -v wine >/dev/null || [[ $(id -u) != 0 ]]; then
        echo "wine: Wine or root is missing; the Wine tests will be skipped"
        exit 0
    fi
    if [[ ! -d $winbuild/qt5-mingw && ! -r $(qt_archive) ]]; then
        echo "wine: no Qt for Windows at $(qt_archive); the Wine tests will be skipped"
        exit 0
    fi
    "$src/scripts/windows-build" "$winbuild" || fail "the Windows build failed"
    stop_wine
    rm -rf "$WINEPREFIX"
    in_private_net bash -c "wine wineboot -i >/dev/null 2>&1; wineserver -w" ||
        fail "cannot make the Wine prefix $WINEPREFIX"
    [[ -d $WINEPREFIX/drive_c ]] || fail "wineboot made no prefix in $WINEPREFIX"
    ;;

clean)
    stop_wine
    rm -rf "$WINEPREFIX"
    ;;

units)
    check_build
    in_private_net "$src/tools/lab/with-xvfb.sh" -- "$0" _units "$build" "$winbuild" "$src"
    ;;

_units)
    units
    rc=$?
    stop_wine
    exit $rc
    ;;

inventory)
    check_build
    inventory
    ;;

discovery)
    check_build
    discovery
    ;;

_discovery)
    discovery_in_lab
    ;;

window)
    check_build
    window
    ;;

_window)
    window_in_lab
    ;;

installer)
    check_build
    installer
    ;;

_installer)
    installer_in_ns
    ;;

*)
    fail "unknown mode '$mode'"
    ;;
esac
