#!/usr/bin/env bash
# The real program in an empty home: the first start builds the data root, SIGTERM closes
# it as the user would, a second start while it runs leaves at once and writes nothing.
set -euo pipefail
program=$1
home=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*"; exit 1; }

wait_for() { # file, seconds
    for _ in $(seq 1 $(($2 * 10))); do [ -e "$1" ] && return 0; sleep 0.1; done
    return 1
}

"$program" & pid=$!
user=$(id -un)
root=$home/Ankerhusmappe
wait_for "$root/$user/Egenskaber" 30 || fail "no options folder"
sleep 1
[ -f "$root/Struktur/Ankerhusinfo/struktur.txt" ] || fail "no Struktur"
[ -f "$root/$user/Program/webgruppe.txt" ] || fail "templates not copied to Program"
[ -f "$root/$user/Programmer/webgruppe.txt" ] || fail "templates not copied to Programmer"

# A second start brings the first to the front and writes nothing.
before=$(find "$root" -type f -printf '%p %s %T@\n' | sort)
timeout 20 "$program" || fail "second start did not leave by itself"
after=$(find "$root" -type f -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "second start changed files"
kill -0 $pid || fail "first instance died"

kill -TERM $pid
wait $pid || fail "program exit code $?"
expected=$(printf 'Sky\r\n120\r\n120\r\n595\r\n380\r\n\r\n\r\n\r\n0\r\n')
[ "$(cat "$root/$user/Egenskaber/main.txt")" = "$expected" ] || fail "main.txt: $(od -c "$root/$user/Egenskaber/main.txt")"
[ -f "$root/$user/Egenskaber/ankerHus.txt" ] || fail "no ankerHus.txt"

# Another start copies nothing, even if the templates changed.
rm "$root/$user/Program/webgruppe.txt"
mkdir "$root/Struktur/Program/Ekstra"
"$program" & pid=$!
sleep 2
kill -TERM $pid
wait $pid || fail "second run exit code $?"
[ ! -e "$root/$user/Program/webgruppe.txt" ] || fail "templates copied again"
[ ! -e "$root/$user/Program/Ekstra" ] || fail "new template copied"
echo "1 passed, 0 failed"
