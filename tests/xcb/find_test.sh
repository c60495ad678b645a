#!/usr/bin/env bash
# `ankerhus --find TEKST` from a desktop key: without a running copy the program starts
# with the find window open on that text; with one running, a second start opens the
# find window there and ends at once. Enter then starts the hit, as the user would.
# Runs inside xcb_test.sh (a display with a window manager).
set -euo pipefail
program=$1
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }
dir=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done; rm -rf "$dir"' EXIT
export HOME=$dir/home XDG_RUNTIME_DIR=$dir/run
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/../eneinstans/faelles.sh"

# A program element that leaves a mark when started, under a name with "ø".
bruger=$(id -un)
samling=$HOME/Ankerhusmappe/$bruger/Programmer
mkdir -p "$samling/Maskiner" "$HOME/Ankerhusmappe/$bruger/Program"
printf '#!/bin/sh\necho x >> "%s/koert"\n' "$dir" > "$dir/mark.sh"
chmod +x "$dir/mark.sh"
printf 'Maskiner\r\n' > "$samling/webgruppe.txt"
printf '%s\r\nMarkør\r\nDato\r\nXX:XX\r\n0\r\n%s\r\n' "$dir/mark.sh" "$samling/Maskiner/Markør.txt" |
    iconv -f UTF-8 -t WINDOWS-1252 > "$samling/Maskiner/Markør.txt"

# Waits for the find window to be the active window, then presses Enter in it.
enter_i_find() {
    for _ in $(seq 1 100); do
        aktiv=$(xdotool getactivewindow getwindowname 2>/dev/null || true)
        [ "$aktiv" = "Find element" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the program ended"
        sleep 0.1
    done
    [ "$aktiv" = "Find element" ] || fail "$1: the find window is not active (active: '$aktiv')"
    sleep 0.3
    xdotool key Return
}

koert() { [ -f "$dir/koert" ] && wc -l < "$dir/koert" || echo 0; }

# Without a running copy: the start itself opens the find window on the text.
start first --find markoer
enter_i_find "start"
for _ in $(seq 1 50); do [ "$(koert)" = 1 ] && break; sleep 0.1; done
[ "$(koert)" = 1 ] || fail "Enter in the find window at start did not start the element"
grep -q '^1$' <(iconv -f WINDOWS-1252 -t UTF-8 "$samling/Maskiner/Markør.txt" | tr -d '\r' | sed -n 5p) ||
    fail "the use was not recorded"

# With it running: a second start hands the text over and ends at once.
socket_in "$XDG_RUNTIME_DIR" 30 >/dev/null || fail "no socket"
second_start --find mark
enter_i_find "second start"
for _ in $(seq 1 50); do [ "$(koert)" = 2 ] && break; sleep 0.1; done
[ "$(koert)" = 2 ] || fail "Enter in the find window of the running copy did not start the element"
kill -0 "$pid" || fail "the running copy died"
kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
echo "1 passed, 0 failed"
