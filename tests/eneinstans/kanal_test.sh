#!/usr/bin/env bash
# The real program's single-instance channel: the socket in the runtime folder, closed to
# others; two second starts in a row hand over, each within a second; the socket a killed
# program leaves is replaced at once; without a runtime folder the user's cache folder.
set -euo pipefail
program=$1
dir=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done; rm -rf "$dir"' EXIT
export HOME=$dir/home QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$dir/run
unset XDG_CACHE_HOME
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/faelles.sh"

# In the runtime folder, the user's alone.
start first
sock=$(socket_in "$XDG_RUNTIME_DIR" 30) || fail "no socket in the runtime folder"
[ "$(stat -c %a "$XDG_RUNTIME_DIR")" = 700 ] || fail "runtime folder opened up"
[ $((0$(stat -c %a "$sock") & 077)) = 0 ] || fail "socket open to others: $(stat -c %a "$sock")"
[ "$(stat -c %u "$sock")" = "$(id -u)" ] || fail "socket owner"
second_start
second_start
kill -0 "$pid" || fail "first instance died"
hash=$(printf %s "$HOME/Ankerhusmappe" | sha1sum | cut -c1-12)
[ ! -e "/tmp/ankerhus-$(id -u)-$hash" ] || fail "socket under the old name in /tmp"

# A killed program leaves its socket; the next start replaces it without waiting.
kill -KILL "$pid"
wait "$pid" || true
[ -S "$sock" ] || fail "no socket left by the killed program"
gammel=$(stat -c %i "$sock")
t0=$(ms)
start after_kill
for _ in $(seq 1 2000); do
    [ "$(stat -c %i "$sock" 2>/dev/null)" != "$gammel" ] && [ -S "$sock" ] && break
    sleep 0.01
done
t=$(($(ms) - t0))
[ "$(stat -c %i "$sock" 2>/dev/null)" != "$gammel" ] && [ -S "$sock" ] || fail "stale socket not replaced"
[ $t -lt $((3000 * faktor)) ] || fail "replacing the stale socket took $t ms"
! grep -q '^ankerhus:' "$dir/after_kill.err" || fail "start after kill: $(cat "$dir/after_kill.err")"
second_start
kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
[ ! -e "$sock" ] || fail "socket left after a normal end"

# No runtime folder: a folder of the user's own in the cache, created closed.
unset XDG_RUNTIME_DIR
start cache
socket_in "$HOME/.cache/ankerhus" 30 >/dev/null || fail "no socket in the cache folder"
[ "$(stat -c %a "$HOME/.cache/ankerhus")" = 700 ] || fail "cache folder mode $(stat -c %a "$HOME/.cache/ankerhus")"
second_start
kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
echo "1 passed, 0 failed"
