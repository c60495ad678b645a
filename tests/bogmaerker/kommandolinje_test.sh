#!/usr/bin/env bash
# The real program's options in an empty home: --help, --importer and --eksporter without
# windows, and an import handed to the running copy, whose lists then keep the new groups.
set -euo pipefail
program=$1
data=$2
home=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*"; exit 1; }
wait_for() { # file, seconds
    for _ in $(seq 1 $(($2 * 10))); do [ -e "$1" ] && return 0; sleep 0.1; done
    return 1
}
user=$(id -un)
web=$home/Ankerhusmappe/$user/Program

out=$("$program" --help) || fail "--help exit code $?"
grep -q -- '--importer <KILDE>' <<<"$out" || fail "--help: $out"
grep -q -- '--eksporter <FIL>' <<<"$out" || fail "--help: $out"

set +e
err=$("$program" --importer "$data/bogmaerker.html" 2>&1); rc=$?
set -e
[ $rc -ne 0 ] || fail "import before the first start succeeded"
grep -q 'Start Ankerhus én gang først' <<<"$err" || fail "before the first start: $err"
[ ! -e "$home/Ankerhusmappe/$user" ] || fail "import before the first start made the user's folder"

set +e
"$program" --importer a --eksporter b 2>/dev/null; rc=$?
set -e
[ $rc -eq 2 ] || fail "both options: exit code $rc"

# The running copy does the import and keeps the groups in its lists.
"$program" & pid=$!
wait_for "$home/Ankerhusmappe/$user/Egenskaber" 30 || fail "no options folder"
sleep 1
out=$(cd / && timeout 60 "$program" --importer "$data/bogmaerker.html") || fail "import through the running copy: $?"
[ "$out" = "Importeret: 4 elementer i 2 nye grupper." ] || fail "summary: $out"
kill -0 $pid || fail "the running copy died"
# "DR" is too short a name: the address's host names it.
[ -f "$web/Nyheder/dr.example.txt" ] || fail "no Nyheder/dr.example.txt: $(ls "$web/Nyheder")"
[ -f "$web/Nyheder - Lokalt/Lokalavisen.txt" ] || fail "no Lokalavisen"
kill -TERM $pid
wait $pid || fail "program exit code $?"
pid=
grep -q '^Nyheder - Lokalt' "$web/webgruppe.txt" || fail "group list lost the import: $(cat "$web/webgruppe.txt")"
grep -q '^Importeret' "$web/webgruppe.txt" || fail "no Importeret in the group list"

# Without a running copy the start does it alone; relative paths are from here.
cp "$data/Bookmarks" "$home/Bookmarks"
out=$(cd "$home" && "$program" --importer Bookmarks) || fail "Chromium import: $?"
[ "$out" = "Importeret: 3 elementer i 3 nye grupper." ] || fail "Chromium summary: $out"
out=$(cd "$home" && "$program" --eksporter ud.html) || fail "export: $?"
grep -q '^Eksporteret: ' <<<"$out" || fail "export summary: $out"
grep -q 'NETSCAPE-Bookmark-file-1' "$home/ud.html" || fail "export is no bookmarks file"
grep -q 'HREF="http://lokal.example/avis"' "$home/ud.html" || fail "export lacks an imported link"

set +e
err=$("$program" --importer /findes/ikke.html 2>&1); rc=$?
set -e
[ $rc -eq 1 ] || fail "missing file: exit code $rc"
grep -q 'kunne ikke åbnes' <<<"$err" || fail "missing file: $err"
echo "PASS"
