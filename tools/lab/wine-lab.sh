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
