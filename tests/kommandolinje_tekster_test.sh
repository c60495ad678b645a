#!/usr/bin/env bash
# The program's answers on the terminal, in every language the system may be set to:
# the help all in Danish, and a wrong argument told in Danish at once, also where no
# display can be reached (a terminal over ssh, a key binding gone wrong).
set -uo pipefail
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home
fail() { echo "FAIL: $*"; exit 1; }
for sprog in da_DK.UTF-8 C.UTF-8 en_US.UTF-8 zh_CN.UTF-8; do
    export LANG=$sprog LC_ALL=$sprog
    out=$("$program" --help) || fail "$sprog: --help exit code $?"
    for dansk in 'Brug:' 'Valgmuligheder:' 'Argumenter:' '--importer <KILDE>' 'Vis denne hjælp.'; do
        grep -qF -- "$dansk" <<<"$out" || fail "$sprog: --help lacks '$dansk': $out"
    done
    for engelsk in 'Usage:' 'Options:' 'Arguments:' '[options]'; do
        ! grep -qF -- "$engelsk" <<<"$out" || fail "$sprog: --help has English '$engelsk': $out"
    done
    # No display at all: the message comes all the same, not a crash in the window system.
    for forkert in '--ukendt' '--find=x' '--importer'; do
        err=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "$program" "$forkert" 2>&1 >/dev/null)
        rc=$?
        [ $rc -eq 2 ] || fail "$sprog: $forkert: exit code $rc: $err"
        grep -q '^ankerhus: ' <<<"$err" || fail "$sprog: $forkert: no message: $err"
        ! grep -qi 'platform plugin\|could not connect\|unknown option\|unexpected value' <<<"$err" ||
            fail "$sprog: $forkert: $err"
    done
done
# Qt's own options still reach the windows: the program runs until it is stopped.
export XDG_RUNTIME_DIR=$home/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
timeout 5 "$program" -platform offscreen >/dev/null 2>&1
rc=$?
[ $rc -eq 124 ] || fail "-platform offscreen: ended by itself with exit code $rc"
echo "PASS"
