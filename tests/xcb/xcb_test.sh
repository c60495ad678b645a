#!/usr/bin/env bash
# Runs a test program on a display of its own with a window manager, where keys, focus
# and window frames behave as on a desktop. Skipped (exit 77) where Xvfb or openbox is
# missing.
set -u
program=$1
shift
source "$(dirname "$0")/../skaerm.sh"
need Xvfb openbox
xvfb_pid= wm_pid=
trap 'kill $wm_pid $xvfb_pid 2>/dev/null' EXIT
start_xvfb 1280x1024x24
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
start_openbox || { echo "openbox did not start"; exit 1; }

"$program" "$@"
