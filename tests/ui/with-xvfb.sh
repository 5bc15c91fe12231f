#!/usr/bin/env bash
# Runs COMMAND with DISPLAY set to a private Xvfb server, which is stopped afterwards (also on
# failure). Xvfb picks a free display number itself (-displayfd), so parallel runs never collide.
#   with-xvfb.sh [--size WxHxD] -- COMMAND [ARGS...]
set -u
size=1024x768x24
while (($#)); do
    case $1 in
    --size) size=${2:?--size needs WxHxD}; shift 2 ;;
    --) shift; break ;;
    *) break ;;
    esac
done
(($#)) || { echo "with-xvfb: no COMMAND given" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "with-xvfb: SKIP: Xvfb is not installed" >&2; exit 77; }

fifo=$(mktemp -u /tmp/with-xvfb.XXXXXX)
mkfifo "$fifo" || exit 2
xpid=
cleanup() {
    trap "" INT TERM
    [[ -n $xpid ]] && { kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; }
    rm -f "$fifo"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$fifo" 2>/dev/null &
xpid=$!
display=
read -r -t 20 display <"$fifo"
[[ -n $display ]] || { echo "with-xvfb: Xvfb did not start" >&2; exit 2; }

DISPLAY=:$display "$@"
