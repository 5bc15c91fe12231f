#!/usr/bin/env bash
# Runs COMMAND with DISPLAY set to a private Xvfb server, which is stopped afterwards (also on
# failure). Xvfb picks a free display number itself (-displayfd), so parallel runs never collide.
# No GL anywhere: the server offers no GLX and Qt's xcb plugin is told not to look for it, so no
# software GL driver is loaded into the program (its code is generated for the CPU it runs on, and
# it leaks at unload on some CPUs, which the leak checker then reports against the program).
#   with-xvfb.sh [--size WxHxD] -- COMMAND [ARGS...]
set -u
size=1024x768x24
[[ ${1:-} == --size ]] && { size=${2:?--size needs WxHxD}; shift 2; }
[[ ${1:-} == -- ]] && shift
command -v Xvfb >/dev/null || { echo "with-xvfb: SKIP: Xvfb is not installed" >&2; exit 77; }

fifo=$(mktemp -u /tmp/with-xvfb.XXXXXX)
mkfifo "$fifo" || exit 2
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -extension GLX 3>"$fifo" 2>/dev/null &
xpid=$!
trap 'trap "" INT TERM; kill $xpid 2>/dev/null; wait $xpid 2>/dev/null; rm -f "$fifo"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
read -r -t 20 display <"$fifo"
[[ -n ${display:-} ]] || { echo "with-xvfb: Xvfb did not start" >&2; exit 2; }
DISPLAY=:$display QT_XCB_GL_INTEGRATION=none "$@"
