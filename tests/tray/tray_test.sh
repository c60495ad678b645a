#!/usr/bin/env bash
# Runs the tray tests on a display of their own: first without a tray host, then with
# one. Skipped (exit 77) where Xvfb or trayer is missing.
set -u
program=$1
for nodvendig in Xvfb trayer; do
    command -v "$nodvendig" >/dev/null || { echo "SKIP: $nodvendig is not installed"; exit 77; }
done
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "PID $!"; wait)
read -r _ xvfb <&3
read -r nummer <&3
export DISPLAY=":$nummer" QT_QPA_PLATFORM=xcb
trayer_pid=
trap 'kill $trayer_pid $xvfb 2>/dev/null' EXIT

"$program" refused_noTrayHost_minimisesAsUsual || exit 1
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
trayer_pid=$!
sleep 1
"$program" withHost_enableMinimiseRestore || exit 1
