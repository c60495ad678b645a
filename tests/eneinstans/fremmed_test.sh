#!/usr/bin/env bash
# Another local account against the single-instance channel, with a real second account
# (root only; skipped otherwise):
#  1. it listens under the old guessable name in /tmp, open to all: the user's program
#     starts anyway, hands over to itself, and the other account receives nothing;
#  2. its socket stands where the program's own belongs: the start sees the stranger,
#     says so, sends it nothing and starts;
#  3. it reaches the program's socket after all: the program refuses it, logs it and goes on.
# The account is removed afterwards, whatever happened.
set -euo pipefail
program=$1
fremmed=$2
if [ "$(id -u)" != 0 ]; then
    echo "SKIP: needs root to create a second account"
    exit 77
fi
for v in useradd userdel setpriv; do
    command -v $v >/dev/null || { echo "SKIP: $v missing"; exit 77; }
done

dir=$(mktemp -d)
konto=ankfremmed$$
pids=()
gammel=
oprettet=
oprydning() {
    for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
    [ -n "$gammel" ] && rm -f "$gammel"
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$dir"
    if [ -n "$oprettet" ] && ! userdel "$konto"; then
        echo "FAIL: account $konto not removed"
        exit 1
    fi
}
trap oprydning EXIT
if ! useradd --system --no-create-home --user-group --shell /usr/sbin/nologin "$konto"; then
    echo "SKIP: could not create the account $konto"
    exit 77
fi
oprettet=1
som_fremmed=(setpriv --reuid="$konto" --regid="$konto" --init-groups --)

export HOME=$dir/home QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$dir/run
unset XDG_CACHE_HOME
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The other account's own folder, with its copy of the helper.
f=$dir/fremmed
mkdir -m 755 "$f"
chmod 711 "$dir"
install -m 755 "$fremmed" "$f/fremmed"
chown "$konto:" "$f"
source "$(dirname "$0")/faelles.sh"

hash=$(printf %s "$HOME/Ankerhusmappe" | sha1sum | cut -c1-12)
lyt_som_fremmed() { # socket path: a listener of the other account; sets lytter
    # setpriv becomes the listener itself, so its pid is the one to end.
    "${som_fremmed[@]}" "$f/fremmed" lyt "$1" "$f/log" >"$f/lyt.out" 2>&1 &
    lytter=$!
    pids+=("$lytter")
    for _ in $(seq 1 50); do grep -q lytter "$f/lyt.out" 2>/dev/null && return 0; sleep 0.1; done
    fail "the other account's listener did not start: $(cat "$f/lyt.out")"
}
modtaget() { [ -s "$f/log" ] && fail "the other account received: $(cat "$f/log")"; return 0; }

# 1. The recipe: a listener under the old name in /tmp.
gammel=/tmp/ankerhus-$(id -u)-$hash
lyt_som_fremmed "$gammel"
[ "$(stat -c %U "$gammel")" = "$konto" ] || fail "listener socket not the other account's"
start first
if ! sock=$(socket_in "$XDG_RUNTIME_DIR" 30); then
    kill -0 "$pid" 2>/dev/null || fail "the program ended at once; the other account received: $(cat "$f/log" 2>/dev/null)"
    fail "the program did not start its own channel"
fi
sleep 1
kill -0 "$pid" || fail "the program ended"
second_start
second_start
modtaget
kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
kill -KILL "$lytter"
wait "$lytter" 2>/dev/null || true

# 2. The stranger's socket where the program's own belongs (only root can put it there).
lyt_som_fremmed "$f/sokkel"
mv "$f/sokkel" "$sock"
start stranger
for _ in $(seq 1 300); do [ "$(stat -c %U "$sock" 2>/dev/null)" = root ] && break; sleep 0.1; done
[ "$(stat -c %U "$sock")" = root ] || fail "the stranger's socket was not replaced"
grep -q "^ankerhus: .*er ikke den kørende Ankerhus: .*anden bruger" "$dir/stranger.err" ||
    fail "the stranger was not reported"
kill -0 "$pid" || fail "the program ended"
second_start
sleep 1.5 # the listener logs a connection once it has been quiet for a second
modtaget

# 3. The other account reaches the socket anyway: refused by the program itself.
chmod 711 "$XDG_RUNTIME_DIR"
chmod 777 "$sock"
svar=$("${som_fremmed[@]}" "$f/fremmed" send "$sock" "ankerhus1 vis")
[[ $svar != *ankerhus1* ]] || fail "the other account got an answer: $svar"
grep -q "^ankerhus: forbindelse afvist: .*anden bruger (uid $(id -u "$konto"))" "$dir/stranger.err" ||
    fail "the refusal was not logged"
kill -0 "$pid" || fail "the program ended"
chmod 700 "$XDG_RUNTIME_DIR"
second_start
kill -TERM "$pid"
wait "$pid" || fail "exit code $?"
echo "1 passed, 0 failed"
