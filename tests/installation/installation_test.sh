#!/usr/bin/env bash
# `cmake --install` of the build into a package root (prefix /usr under DESTDIR) and into a
# plain prefix: the expected files and no others, the desktop entry, icon and AppStream
# data agree with each other, the installed program starts in an empty home, and the
# browser module is found and shows a page from where it was installed; without it the
# text browser stands in and says why.
# Arguments: build folder, the module probe. The install folders come from the environment.
set -euo pipefail
build=$1
sonde=$2
: "${BINDIR:?}" "${LIBDIR:?}" "${DATADIR:?}" "${MANDIR:?}"
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
fail() { echo "FAIL: $*"; exit 1; }
id=dk.ankerhus.Ankerhus
passed=0

wait_for() { # file, seconds
    for _ in $(seq 1 $(($2 * 10))); do [ -e "$1" ] && return 0; sleep 0.1; done
    return 1
}

kontroller() { # installed prefix as seen on disk
    local p=$1
    local forventet
    forventet=$(printf '%s\n' "$BINDIR/ankerhus" "$LIBDIR/ankerhus/ankerhus-web.so" \
        "$DATADIR/applications/$id.desktop" "$DATADIR/metainfo/$id.metainfo.xml" \
        "$DATADIR/icons/hicolor/scalable/apps/$id.svg" "$MANDIR/man1/ankerhus.1.gz" | sort)
    [ "$(cd "$p" && find . -type f -printf '%P\n' | sort)" = "$forventet" ] ||
        fail "$p holds: $(cd "$p" && find . -type f -printf '%P ')"
    [ -x "$p/$BINDIR/ankerhus" ] || fail "program not executable"
    # No path into the build tree stays in what was installed.
    local f stier
    for f in "$p/$BINDIR/ankerhus" "$p/$LIBDIR/ankerhus/ankerhus-web.so"; do
        stier=$(readelf -d "$f" | grep -E 'RPATH|RUNPATH' || true)
        [[ $stier != *"$build"* ]] || fail "$f keeps a path into the build: $stier"
    done

    local desktop=$p/$DATADIR/applications/$id.desktop
    desktop-file-validate "$desktop" || fail "desktop entry not valid"
    grep -qx "Exec=ankerhus" "$desktop" || fail "Exec is not the installed program's name"
    grep -qx "Icon=$id" "$desktop" || fail "Icon is not the installed icon's name"
    grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$p/$DATADIR/metainfo/$id.metainfo.xml" ||
        fail "metainfo does not launch the desktop entry"
    cmp -s "$p/$DATADIR/icons/hicolor/scalable/apps/$id.svg" "$(dirname "$0")/../../icons/ankerhus.svg" ||
        fail "installed icon is not the program's own"
    gzip -t "$p/$MANDIR/man1/ankerhus.1.gz" || fail "manual page not gzip"

    # The installed program builds the data root in an empty home and closes on SIGTERM.
    local home=$tmp/home-$passed
    mkdir "$home"
    HOME=$home "$p/$BINDIR/ankerhus" & pid=$!
    wait_for "$home/Ankerhusmappe/$(id -un)/Egenskaber" 30 || fail "installed program built no data root"
    sleep 1
    kill -TERM $pid
    wait $pid || fail "installed program exit code $?"
    pid=
    [ -f "$home/Ankerhusmappe/$(id -un)/Egenskaber/main.txt" ] || fail "installed program wrote no main.txt"

    # Beside the installed program, the browser is made from the installed module.
    cp "$sonde" "$p/$BINDIR/ankerhus-modulsonde"
    local ud
    ud=$("$p/$BINDIR/ankerhus-modulsonde" 2>"$tmp/sonde.err") || fail "probe: $ud $(tail -5 "$tmp/sonde.err")"
    grep -qxF "modul: $(realpath "$p/$LIBDIR/ankerhus/ankerhus-web.so")" <<<"$ud" || fail "wrong module: $ud"
    grep -qx "side: side.html" <<<"$ud" || fail "page not shown: $ud"
    # Without the module the text browser stands in, and says the module was not found.
    mv "$p/$LIBDIR/ankerhus/ankerhus-web.so" "$tmp/gemt.so"
    local status=0
    ud=$("$p/$BINDIR/ankerhus-modulsonde" 2>/dev/null) || status=$?
    [ $status = 1 ] && [ "$ud" = "tekstbrowser: ankerhus-web.so blev ikke fundet." ] ||
        fail "without the module ($status): $ud"
    mv "$tmp/gemt.so" "$p/$LIBDIR/ankerhus/ankerhus-web.so"
    rm "$p/$BINDIR/ankerhus-modulsonde"
    passed=$((passed + 1))
}

DESTDIR=$tmp/pakke cmake --install "$build" --prefix /usr >/dev/null
kontroller "$tmp/pakke/usr"
cmake --install "$build" --prefix "$tmp/anden prefix" >/dev/null
kontroller "$tmp/anden prefix"
echo "$passed passed, 0 failed"
