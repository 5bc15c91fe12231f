#!/usr/bin/env bash
# The Wine lab of the Windows build: its environment and helpers (sourced by tests/wine/wine.sh), and
# the making and removal of its prefix (run directly). Every Wine session runs inside a network
# namespace with a wineserver of its own, stopped when the session ends: Wine's sockets are made by its
# server, so a server started elsewhere would send on that namespace's links.
#
#   wine-lab.sh prepare|clean BUILD WINBUILD SOURCE
#
# prepare cross-builds the program into WINBUILD (scripts/windows-build) and makes a fresh prefix in
# BUILD/wine-prefix; without Wine, root or the Qt for Windows it does nothing (the tests then skip).

# BUILD WINBUILD SOURCE: the Linux build, the Windows build directory, the source tree.
wine_lab() {
    build=${1:?Linux build directory}
    winbuild=${2:-}
    src=${3:-}
    export WINEPREFIX=$build/wine-prefix
    export WINEDEBUG=-all
    # No Mono or Gecko installer prompts on the first start.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    qt_archive=${VARNIX_QT_ARCHIVE:-$src/../shared/toolchains/qt5-mingw-x86_64.tar.xz}
}

fail() {
    echo "wine: FAIL: $*"
    exit 1
}
stop_wine() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
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

settings_key='HKCU\Software\Halvorn\Tovek\Settings'

# Wine's launcher warns about the missing 32-bit half on every start; nothing else is dropped.
quiet_wine() {
    wine "$@" 2> >(grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
        -e 'apt-get install wine32' >&2)
}
# A program of the dist folder, started from there (where ./Languages is).
run_dist() {
    (cd "$winbuild/dist" && quiet_wine "$@")
}

# The given fields of each adapter in a --list-adapters --json, one adapter a line.
adapters() { # adapters JSON FIELD...
    python3 -c 'import json, sys
for a in json.load(open(sys.argv[1]))["adapters"]: print(*(a[f] for f in sys.argv[2:]))' "$@"
}

# varnix-scan.exe called as the Linux varnix-scan is, for tst_scan_netns: Wine names the adapters
# "{0000000N-...}" and keeps the Linux name as the description, so names are translated both ways, line
# ends too; the settings in $XDG_CONFIG_HOME/Halvorn/Tovek.conf are put into the registry first.
as_linux_scan() {
    local tmp name desc key value type arg prev= args=() back=(-e 's/\r$//') rc
    declare -A named
    tmp=$(mktemp -d)
    run_dist varnix-scan.exe --list-adapters --json >"$tmp/list.json" || fail "cannot list the adapters"
    while read -r name desc; do
        named[$desc]=$name
        back+=(-e "s/$name/$desc/g")
    done < <(adapters "$tmp/list.json" name description)
    quiet_wine reg delete 'HKCU\Software\Halvorn' /f >/dev/null 2>&1
    while IFS='=' read -r key value; do
        [[ -n $value ]] || continue
        [[ $value =~ ^[0-9]+$ ]] && type=REG_DWORD || type=REG_SZ
        quiet_wine reg add "$settings_key" /v "$key" /t $type /d "${named[$value]:-$value}" /f >/dev/null
    done < <(tr -d '\r' <"${XDG_CONFIG_HOME:-$HOME/.config}/Halvorn/Tovek.conf" 2>/dev/null)
    for arg in "$@"; do
        [[ $prev == --adapter ]] && arg=${named[$arg]:-$arg}
        [[ $arg == --adapter=* ]] && arg=--adapter=${named[${arg#*=}]:-${arg#*=}}
        args+=("$arg") prev=$arg
    done
    run_dist varnix-scan.exe "${args[@]}" >"$tmp/out" 2>"$tmp/err"
    rc=$?
    sed "${back[@]}" "$tmp/out"
    sed "${back[@]}" "$tmp/err" >&2
    rm -rf "$tmp"
    return $rc
}

[[ ${BASH_SOURCE[0]} == "$0" ]] || return 0
set -u
mode=${1:?prepare or clean}
wine_lab "${@:2}"
case $mode in
prepare)
    if ! command -v wine >/dev/null || [[ $(id -u) != 0 ]]; then
        echo "wine: Wine or root is missing; the Wine tests will be skipped"
        exit 0
    fi
    if [[ ! -d $winbuild/qt5-mingw && ! -r $qt_archive ]]; then
        echo "wine: no Qt for Windows at $qt_archive; the Wine tests will be skipped"
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
*) fail "unknown mode '$mode'" ;;
esac
