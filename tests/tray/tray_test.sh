#!/usr/bin/env bash
# Runs the tray tests on a display of their own: first without a tray host, then with
# one, then with a tray host and a window manager. Skipped (exit 77) where Xvfb or trayer
# is missing, and the window manager's part where openbox is missing.
set -u
program=$1
source "$(dirname "$0")/../skaerm.sh"
need Xvfb trayer
xvfb_pid= wm_pid= trayer_pid=
# A stopped window manager would hold the display up: let it go on before it ends.
trap 'kill -CONT $wm_pid 2>/dev/null; kill $wm_pid $trayer_pid $xvfb_pid 2>/dev/null' EXIT
start_xvfb 1024x768x24
export QT_QPA_PLATFORM=xcb

"$program" refused_noTrayHost_minimisesAsUsual trayHostStartsLater_iconAppears || exit 1
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
trayer_pid=$!
sleep 1
"$program" withHost_enableMinimiseRestore || exit 1
need openbox
start_openbox || { echo "openbox did not start"; exit 1; }
VINDUESHAANDTERER_PID=$wm_pid "$program" withHost_enableMinimiseRestore \
    withHost_minimiseHidesWholeProgram_restoreBringsBackOnlyShown \
    busyWindowManager_startIntoTray_clickBringsWindowBack || exit 1
