#!/usr/bin/env bash
# The Windows build under Wine, in the Wine lab of tools/lab/wine-lab.sh (which makes the prefix).
#
#   wine.sh units|scan|routed|doctor|window|installer|watch BUILD WINBUILD SOURCE
#
# BUILD is the Linux build (varnix-camsim and tst_scan_netns for the lab),
# WINBUILD the Windows build directory (dist/, tests/, package/), SOURCE the source tree. Outputs stay
# in BUILD/wine-<mode>/. Exit 77 (skipped, with the reason) without Wine, root or a Windows build.
set -u

mode=${1:?mode}
source "${4:?source tree}/tools/lab/wine-lab.sh"
wine_lab "${@:2}"

skip() {
    echo "wine: SKIP: $*"
    exit 77
}
# Test functions that fail under Wine for reasons of Wine's own, with the reason (also in docs/windows.md).
known_wine_failures=(
    "tst_channel talksToACameraOverLoopback: Wine gives every loopback address the sender 127.0.0.1"
    "tst_enumerator repliesBecomeRecordsOnce: Wine gives every loopback address the sender 127.0.0.1"
    "tst_enumerator secondCameraAtAKnownAddressIsKept: Wine gives every loopback address the sender 127.0.0.1"
)

# The unit tests, on an X server of their own (Wine needs one for any window, even offscreen). QtTest
# output goes to a file: a Windows program's console output does not always reach a pipe under Wine.
units() {
    local out=$build/wine-units failed=0 t name fn known rc
    export WINEPATH="Z:$winbuild/qt5-mingw/bin" QT_PLUGIN_PATH="Z:$winbuild/qt5-mingw/plugins"
    export QT_QPA_PLATFORM=offscreen
    for t in "$winbuild"/tests/*/tst_*.exe; do
        name=$(basename "$t" .exe)
        (cd "$(dirname "$t")" && quiet_wine "$t" -o "Z:$out/$name.txt,txt" >/dev/null)
        rc=$?
        grep -H '^Totals:' "$out/$name.txt" || { echo "$name: no result (exit $rc)"; failed=$((failed + 1)); }
        ((rc == 0)) && continue
        grep -q '^FAIL!' "$out/$name.txt" || { echo "--- $name: exit $rc without a failed test"; failed=$((failed + 1)); }
        while read -r fn; do
            known=$(printf '%s\n' "${known_wine_failures[@]}" | grep "^$name $fn:") &&
                { echo "  known under Wine: $known" && continue; }
            failed=$((failed + 1))
            echo "--- $name::$fn failed"
            grep -A4 "::$fn(" "$out/$name.txt" | grep -E '^(FAIL|   |QWARN|QSYSTEM)' | head -12
        done < <(sed -n 's/^FAIL!  : [A-Za-z_]*::\([A-Za-z_]*\)(.*/\1/p' "$out/$name.txt" | sort -u)
    done
    ((failed == 0)) || fail "$failed Windows unit tests failed under Wine"
}

# varnix-scan.exe --doctor in a lab with one Standard camera behind lab0 (MTU 9000, so only the driver
# settings can stop 8680-byte datagrams), its driver settings seeded in the registry key of network
# adapters as Windows keeps them: first too small a *JumboPacket, few receive buffers and no interrupt
# moderation, then settings that fit. A decoy key for another adapter must not be taken for it.
doctor() {
    local cams=$out/lab0.json
    echo '[{"model": 19, "options": "WK", "serial": 42, "firmware": [5, 2], "status": 3,
        "mac": "00:0c:9c:81:f2:a7", "ip": "10.60.1.20", "name": "Std-A"}]' >"$cams"
    "$src/tools/lab/netlab.sh" --camsim "$build/tools/camsim/varnix-camsim" --logdir "$out" \
        --link "lab0:9000:10.60.1.1/24:$cams" -- "$0" _doctor "$build" "$winbuild" "$src" || fail "the lab failed"
    python3 - "$out" <<'PY' || fail "the findings under Wine are not as expected (see $out)"
import json, re, sys
out = sys.argv[1]
settings = ["jumbo-packet", "receive-buffers", "interrupt-moderation", "datagram-size"]
bad = 0
for run, codes in {"small": settings[:3], "fits": []}.items():
    rc = open(f"{out}/{run}.rc").read().strip()
    doc = json.load(open(f"{out}/{run}.json"))
    got = [f for f in doc["findings"] if f["code"] in settings]
    # Wine's network list files every network as Public: the camera link is named, by its interface index.
    public = [f for f in doc["findings"] if f["code"] == "network-profile"]
    print(f"wine: {run}: exit {rc}, firewall {doc['firewall']}, unreadable {doc['unreadable']}, findings {got} {public}")
    bad |= sorted(f["code"] for f in got) != sorted(codes) or rc not in ("0", "1") or len(doc["cameras"]) != 1
    bad |= run == "small" and "-RegistryValue 9014" not in got[0]["fix"][0]
    bad |= len(public) != 1 or not re.fullmatch(r"Set-NetConnectionProfile -InterfaceIndex [1-9][0-9]* "
                                                 "-NetworkCategory Private", public[0]["fix"][0])
sys.exit(bad)
PY
}

# Inside the lab: seed, run, and keep the answers (the Wine session is this namespace's alone).
doctor_runs() {
    local key='HKLM\SYSTEM\CurrentControlSet\Control\Class\{4d36e972-e325-11ce-bfc1-08002be10318}'
    local name run jumbo buffers moderation value
    run_dist varnix-scan.exe --list-adapters --json >"$out/list.json" || fail "cannot list the adapters"
    name=$(adapters "$out/list.json" name description | awk '$2 == "lab0" {print $1}')
    [[ -n $name ]] || fail "Wine lists no lab0"
    quiet_wine reg add "$key\0100" /v NetCfgInstanceId /d '{00000063-0000-0000-0000-4E6574446576}' /f >/dev/null
    quiet_wine reg add "$key\0100" /v '*JumboPacket' /d 1514 /f >/dev/null
    for run in "small 1514 256 0" "fits 9014 2048 1"; do
        read -r run jumbo buffers moderation <<<"$run"
        for value in "NetCfgInstanceId=$name" "*JumboPacket=$jumbo" "*ReceiveBuffers=$buffers" "*InterruptModeration=$moderation"; do
            quiet_wine reg add "$key\0101" /v "${value%%=*}" /d "${value#*=}" /f >/dev/null
        done
        quiet_wine reg add "$key\0101\Ndi\params\*ReceiveBuffers" /v max /d 4096 /f >/dev/null
        (cd "$winbuild/dist" && timeout 120 wine varnix-scan.exe --doctor --json --adapter "$name" \
            --datagram-size 8680 --wait 1500 >"$out/$run.json" 2>"$out/$run.err")
        echo $? >"$out/$run.rc"
    done
    quiet_wine reg delete "$key\0100" /f >/dev/null 2>&1
    quiet_wine reg delete "$key\0101" /f >/dev/null 2>&1
}

# One start of varnix.exe: wait for its window, look for GL, then close it as a user would (WM_CLOSE)
# and record its exit code, or "hung" if it is still running after 15 s.
window_run() { # window_run TAG
    local pid p
    (cd "$winbuild/dist" && exec wine varnix.exe) >/dev/null 2>"$out/$1.trace" &
    pid=$!
    # Up to 30 s for its main window (titled "Halvorn Varnix").
    for _ in $(seq 60); do
        xwininfo -root -tree 2>/dev/null | grep -q '"Halvorn Varnix"' && break
        sleep 0.5
    done
    xwininfo -root -tree 2>/dev/null | grep -q '"Halvorn Varnix"' || echo "no window" >>"$out/$1.rc"
    sleep 3
    # The GL libraries mapped by the Wine processes (server, services, varnix.exe) of our prefix: there
    # must be none. Xvfb is not one of them; it links libGL itself, but loads no driver without GLX.
    for p in /proc/[0-9]*; do
        [[ $(readlink "$p/exe") == */wine/* ]] || continue
        tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
        grep -E 'swrast|libGLX|libGL\.|_dri\.so|/dri/|llvmpipe' "$p/maps" | awk '{print $6}' | sort -u |
            sed "s|^|${p#/proc/} |"
    done >>"$out/gl.txt"
    quiet_wine taskkill /IM varnix.exe >/dev/null 2>&1
    for _ in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    kill -0 "$pid" 2>/dev/null && { quiet_wine taskkill /F /IM varnix.exe >/dev/null 2>&1; echo hung >>"$out/$1.rc"; }
    wait "$pid"
    echo "$?" >>"$out/$1.rc"
    quiet_wine reg query "$settings_key" 2>/dev/null | tr -d '\r' | awk 'NF == 3 {print $1, $3}' | sort >"$out/$1.reg"
}

# Windows-only parts of the window: closing writes the settings to the registry, and a stored language
# loads its translation from Languages\.
window() {
    quiet_wine reg delete 'HKCU\Software\Halvorn' /f >/dev/null 2>&1
    window_run en
    quiet_wine reg add "$settings_key" /v Language /t REG_DWORD /d 1 /f >/dev/null 2>&1
    quiet_wine reg add "$settings_key" /v JumboPacket /t REG_DWORD /d 1 /f >/dev/null 2>&1
    WINEDEBUG=trace+file window_run de
    # Opened, not only looked for: the CreateFileW that follows returns a handle.
    awk '/CreateFileW L.*Languages\\+Varnix_de\.qm/ {want = 1; next}
        want && /CreateFileW returning/ {print $NF; want = 0}' "$out/de.trace" | grep -v '^F*$' >"$out/translation.txt"
    rm -f "$out"/*.trace
    local bad=0
    [[ -s $out/gl.txt ]] && { echo "wine: GL libraries mapped:"; cat "$out/gl.txt"; bad=1; }
    [[ $(cat "$out/en.rc" "$out/de.rc") == $'0\n0' ]] || { echo "wine: varnix.exe did not close by itself"; bad=1; }
    diff <(echo $'JumboPacket 0xffffffff\nLanguage 0x0\nNetAdapter *ALL*') "$out/en.reg" || bad=1
    diff <(echo $'JumboPacket 0x1\nLanguage 0x1\nNetAdapter *ALL*') "$out/de.reg" || bad=1
    [[ -s $out/translation.txt ]] || { echo "wine: Languages\\Varnix_de.qm was never opened"; bad=1; }
    ((bad == 0)) || fail "the window under Wine is not as expected (see $out)"
}

# varnix-scan.exe --watch in the fault lab of the Linux test, started before its adapter is there and then
# through the adapter's new address: Windows is told nothing, so the adapter is looked at again.
watch() {
    python3 "$src/tests/tools/watch_faults_netns.py" "wine $winbuild/dist/varnix-scan.exe" \
        "$build/tools/camsim/varnix-camsim" "$src/tools/lab/netlab.sh" "$src" --only readdress
}

# The firewall rules that the recorded netsh calls leave, one a line ("name|dir|action|protocol|program|
# enable", lower case), replayed on a firewall that held the rules of FIRST already; a call that is not
# the system folder's netsh adding or deleting a rule by name is printed as "bad: ...".
firewall_rules() { # firewall_rules CALLS FIRST
    python3 - "$@" <<'PY'
import shlex, sys
rules = []
calls = open(sys.argv[2], encoding="utf-8").readlines() + open(sys.argv[1], encoding="utf-8").readlines()
for line in filter(str.strip, calls):
    words = shlex.split(line.lower())
    pairs = dict(w.split("=", 1) for w in words[5:] if "=" in w)
    if words[0] != r"c:\windows\system32\netsh.exe" or words[1:3] != ["advfirewall", "firewall"] \
            or words[3:5] not in (["add", "rule"], ["delete", "rule"]) or "name" not in pairs:
        print("bad:", line.strip())
    elif words[3] == "delete":
        rules = [r for r in rules if r["name"] != pairs["name"]]
    else:
        rules.append(pairs)
for r in sorted(rules, key=lambda r: r["name"]):
    print("|".join(r.get(k, "-") for k in ("name", "dir", "action", "protocol", "program", "enable")))
PY
}

# Known links (NAME MAC MTU UP ADDRESSES, "-" for none) for the installed scanner to list, and what it
# must say of each.
inventory_links=(
    "vxa 02:00:00:00:0A:01 9000 up 10.41.1.5/24"
    "vxb 02:00:00:00:0B:02 1400 down 10.42.0.7/16"
    "vxc 02:00:00:00:0C:03 1500 up -"
    "vxd 02:00:00:00:0D:04 1500 up 10.43.2.9/23,10.44.0.1/24"
)
inventory_expected="vxa 10.41.1.5 255.255.255.0 9000 02:00:00:00:0A:01
vxb 10.42.0.7 255.255.0.0 1400 02:00:00:00:0B:02
vxc 0.0.0.0 0.0.0.0 1500 02:00:00:00:0C:03
vxd 10.43.2.9 255.255.254.0 1500 02:00:00:00:0D:04"

# The installer, silently, in a namespace with the known links; then the installed scanner lists them
# using only the installed DLLs (no WINEPATH), and the uninstaller removes everything again. netsh.exe is a
# recorder here: the firewall rules replayed from its calls must be one inbound UDP rule for each
# program after an installation and after a second one over it (an older rule of the same name gone
# too), and none after the uninstallation.
installer() {
    local setup dir c_drive=$WINEPREFIX/drive_c f
    local netsh=$WINEPREFIX/drive_c/windows/system32/netsh.exe calls=$WINEPREFIX/drive_c/netsh-calls.txt
    local first=$out/firewall-before.txt want item name mac mtu state addrs a
    setup=$(ls "$winbuild"/package/varnix-*-win64.exe 2>/dev/null | tail -1)
    [[ -n $setup ]] || fail "no installer in $winbuild/package"
    x86_64-w64-mingw32-gcc -O2 -o "$out/netsh.exe" "$src/tests/wine/netsh-recorder.c" ||
        fail "cannot build the netsh recorder"
    cp "$netsh" "$out/netsh.orig" && cp "$out/netsh.exe" "$netsh" || fail "cannot put the recorder in place"
    # Expanded now: the function's locals are gone by the time the shell exits.
    trap "cp '$out/netsh.orig' '$netsh'" EXIT
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;netsh.exe=n"
    rm -f "$calls"
    echo '"C:\windows\system32\netsh.exe" advfirewall firewall add rule name="Varnix" dir=in action=allow protocol=UDP program="C:\Old\varnix.exe" enable=yes' >"$first"
    for item in "${inventory_links[@]}"; do
        read -r name mac mtu state addrs <<<"$item"
        ip link add "$name" type veth peer name "p$name" && ip link set "$name" address "$mac" mtu "$mtu" &&
            ip link set "p$name" up || fail "cannot make the link $name"
        [[ $addrs == - ]] || for a in ${addrs//,/ }; do ip addr add "$a" dev "$name" || fail "address $a"; done
        [[ $state == up ]] && ip link set "$name" up
    done
    for f in 1 2; do
        quiet_wine "$setup" /S >"$out/install$f.log" 2>&1 || fail "installation $f exited with $?"
        wineserver -w
        dir=$(find "$c_drive" -maxdepth 3 -type d -name Varnix -path '*Program Files*' | head -1)
        [[ -n $dir ]] || fail "nothing installed under Program Files"
        want="varnix|in|allow|udp|c:\\program files\\varnix\\varnix.exe|yes
varnix scanner|in|allow|udp|c:\\program files\\varnix\\varnix-scan.exe|yes"
        diff <(echo "$want") <(firewall_rules "$calls" "$first") ||
            fail "installation $f leaves other firewall rules (the calls are in $calls)"
    done
    for f in varnix.exe varnix-scan.exe Qt5Core.dll Qt5Widgets.dll platforms/qwindows.dll libstdc++-6.dll \
        Languages/Varnix_de.qm Languages/Varnix_it.qm Languages/Varnix_ja.qm Uninstall.exe; do
        [[ -f $dir/$f ]] || fail "not installed: $f"
    done
    [[ $(find "$c_drive" -iname 'Varnix.lnk' -o -iname 'Uninstall.lnk' | grep -ci 'start menu') == 2 ]] ||
        fail "the Start-menu entries are missing"
    (cd "$dir" && wine varnix-scan.exe --list-adapters --json) >"$out/adapters.json" 2>"$out/scan.err"
    adapters "$out/adapters.json" name description ip mask mtu mac | tee "$out/adapters.txt"
    diff <(cut -d' ' -f2- "$out/adapters.txt" | grep '^vx[a-d] ' | sort) <(echo "$inventory_expected") ||
        fail "the installed varnix-scan.exe does not list the links made"
    [[ -z $(cut -d' ' -f1 "$out/adapters.txt" | sort | uniq -d) ]] || fail "adapter names are not unique"
    quiet_wine "$dir/Uninstall.exe" /S >"$out/uninstall.log" 2>&1
    wineserver -w
    [[ ! -e $dir/varnix.exe && -z $(find "$c_drive" -iname 'Varnix.lnk') ]] || fail "the uninstaller left files"
    diff /dev/null <(firewall_rules "$calls" "$first") || fail "the uninstaller left firewall rules"
    cp "$calls" "$out/"
}

case $mode in
units | scan | routed | doctor | window | installer | watch)
    command -v wine >/dev/null && command -v wineserver >/dev/null ||
        skip "Wine is not installed (scripts/setup installs it)"
    [[ $(id -u) == 0 ]] || skip "needs root for network namespaces"
    [[ -x $winbuild/dist/varnix.exe && -d $WINEPREFIX/drive_c ]] ||
        skip "no Windows build in $winbuild or no Wine prefix (needs the Qt for Windows at $qt_archive)"
    stop_wine # a server left from elsewhere would make this session's sockets in its namespace
    out=$build/wine-$mode
    rm -rf "$out" && mkdir -p "$out"
    case $mode in
    units) in_private_net "$src/tools/lab/with-xvfb.sh" -- "$0" _units "$build" "$winbuild" "$src" ;;
    # The Linux end-to-end test of varnix-scan, run against varnix-scan.exe.
    scan) VARNIX_SCAN="$(realpath "$0") _scan $build $winbuild $src" "$build/tests/tools/tst_scan_netns" ;;
    # The router lab: --target through IP Helper's route, cameras behind the router listed as routed.
    routed) VARNIX_SCAN="$(realpath "$0") _scan $build $winbuild $src" "$build/tests/tools/tst_router_netns" ;;
    window)
        command -v xwininfo >/dev/null || skip "xwininfo (x11-utils) is missing"
        in_private_net "$src/tools/lab/with-xvfb.sh" -- "$0" _window "$build" "$winbuild" "$src" ;;
    installer) in_private_net "$0" _installer "$build" "$winbuild" "$src" ;;
    doctor) doctor ;;
    watch) watch ;;
    esac
    rc=$?
    stop_wine
    exit $rc
    ;;
_units | _window | _installer | _doctor)
    out=$build/wine-${mode#_}
    if [[ $mode == _doctor ]]; then doctor_runs; else "${mode#_}"; fi
    rc=$?
    stop_wine
    exit $rc
    ;;
_scan)
    shift 4
    as_linux_scan "$@"
    ;;
*)
    fail "unknown mode '$mode'"
    ;;
esac
