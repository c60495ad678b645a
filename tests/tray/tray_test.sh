#!/usr/bin/env bash
# Runs the tray tests on a display of their own: first without a tray host, then with
# one, then with a tray host and a window manager. Skipped (exit 77) where Xvfb or trayer
# is missing, and the window manager's part where openbox is missing.
set -u
program=$1
for nodvendig in Xvfb trayer; do
    command -v "$nodvendig" >/dev/null || { echo "SKIP: $nodvendig is not installed"; exit 77; }
done
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "PID $!"; wait)
read -r _ xvfb <&3
read -r nummer <&3
export DISPLAY=":$nummer" QT_QPA_PLATFORM=xcb
trayer_pid= openbox_pid=
# A stopped window manager would hold the display up: let it go on before it ends.
trap 'kill -CONT $openbox_pid 2>/dev/null; kill $openbox_pid $trayer_pid $xvfb 2>/dev/null' EXIT

"$program" refused_noTrayHost_minimisesAsUsual trayHostStartsLater_iconAppears || exit 1
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
trayer_pid=$!
sleep 1
"$program" withHost_enableMinimiseRestore || exit 1
command -v openbox >/dev/null || { echo "SKIP: openbox is not installed"; exit 77; }
openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
sleep 1
VINDUESHAANDTERER_PID=$openbox_pid "$program" withHost_enableMinimiseRestore \
    withHost_minimiseHidesWholeProgram_restoreBringsBackOnlyShown \
    busyWindowManager_startIntoTray_clickBringsWindowBack || exit 1
