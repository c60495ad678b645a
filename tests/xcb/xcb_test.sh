#!/usr/bin/env bash
# Runs a test program on a display of its own with a window manager, where keys, focus
# and window frames behave as on a desktop. Skipped (exit 77) where Xvfb or openbox is
# missing.
set -u
program=$1
shift
for nodvendig in Xvfb openbox; do
    command -v "$nodvendig" >/dev/null || { echo "SKIP: $nodvendig is not installed"; exit 77; }
done
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & echo "PID $!"; wait)
read -r _ xvfb <&3
read -r nummer <&3
export DISPLAY=":$nummer" QT_QPA_PLATFORM=xcb LANG=C.UTF-8
klar=$(mktemp -d)
wm=
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$klar"' EXIT

# The window manager says when it manages the screen.
openbox --sm-disable --startup "touch $klar/wm" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
    [ -e "$klar/wm" ] && break
    sleep 0.1
done
[ -e "$klar/wm" ] || { echo "openbox did not start"; exit 1; }

"$program" "$@"
