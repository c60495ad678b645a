#!/usr/bin/env bash
# Installs the Debian package in a freshly made, minimal Debian 12 and starts it there, so
# the package's Depends are shown to be all that a clean system needs. Slow (it fetches a
# few hundred MB from Debian's archive), needs root and debootstrap; not part of `make test`.
# Usage: dist/pakke_test.sh [build folder]    (`make pakke-test` builds the package first)
set -euo pipefail
build=${1:-build}
rod=/tmp/chroot-bookworm
id=dk.ankerhus.Ankerhus
fejl() { echo "FEJL: $*" >&2; exit 1; }

[ "$(id -u)" = 0 ] || fejl "pakke_test.sh skal køres som root (debootstrap og chroot)."
command -v debootstrap >/dev/null || fejl "debootstrap mangler (make pakke-test installerer det)."
shopt -s nullglob
debs=("$build"/ankerhus_*.deb)
[ ${#debs[@]} = 1 ] || fejl "forventede én ankerhus_*.deb i $build/ (make package), fandt ${#debs[@]}."
deb=${debs[0]}
sonde=$build/tests/ankerhus-modulsonde
[ -x "$sonde" ] || fejl "$sonde mangler (make build)."

# The archive this machine itself uses.
spejl=$(grep -hE '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '$2 !~ /security/ {print $2; exit}' || true)
[ -n "$spejl" ] || spejl=$(awk '$1 == "deb" && $2 !~ /security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
spejl=${spejl:-http://deb.debian.org/debian}
sikkerhed=$(grep -hE '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '$2 ~ /security/ {print $2; exit}' || true)
sikkerhed=${sikkerhed:-http://deb.debian.org/debian-security}

afmonter() {
    local m
    for m in dev/shm dev/pts proc; do
        mountpoint -q "$rod/$m" && umount -l "$rod/$m"
    done
    return 0
}
trap afmonter EXIT
afmonter
rm -rf "$rod"

echo "== debootstrap bookworm fra $spejl"
debootstrap --variant=minbase bookworm "$rod" "$spejl" >/tmp/pakke_test-debootstrap.log 2>&1 ||
    fejl "debootstrap slog fejl, se /tmp/pakke_test-debootstrap.log"
printf 'deb %s bookworm main\ndeb %s bookworm-updates main\ndeb %s bookworm-security main\n' \
    "$spejl" "$spejl" "$sikkerhed" >"$rod/etc/apt/sources.list"
mount -t proc proc "$rod/proc"
mkdir -p "$rod/dev/shm" "$rod/dev/pts"
mount -t tmpfs -o mode=1777 shm "$rod/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$rod/dev/pts" || true

i_rod() { chroot "$rod" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

echo "== apt-get install ./$(basename "$deb") (uden anbefalede pakker)"
cp "$deb" "$rod/tmp/"
i_rod apt-get update -qq
i_rod sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ./$(basename "$deb")" \
    >/tmp/pakke_test-apt.log 2>&1 || { tail -20 /tmp/pakke_test-apt.log; fejl "installationen slog fejl"; }
grep -E '^(Setting up ankerhus|[0-9]+ upgraded)' /tmp/pakke_test-apt.log
i_rod dpkg-query -W -f='${Package} ${Version} ${Status}\n' ankerhus

echo "== filer"
for f in /usr/bin/ankerhus /usr/lib/ankerhus/ankerhus-web.so /usr/share/applications/$id.desktop \
    /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/metainfo/$id.metainfo.xml \
    /usr/share/man/man1/ankerhus.1.gz; do
    [ -f "$rod$f" ] || fejl "$f mangler"
    echo "$f"
done
zcat "$rod/usr/share/man/man1/ankerhus.1.gz" | grep -q '^\.SH NAVN' || fejl "manualsiden kan ikke læses"
for f in /usr/bin/ankerhus /usr/lib/ankerhus/ankerhus-web.so; do
    ! i_rod ldd "$f" | grep 'not found' || fejl "$f mangler biblioteker"
done
echo "ingen manglende biblioteker (ldd)"
i_rod fc-list | grep -q 'DejaVu Sans Condensed' || fejl "skriften DejaVu Sans Condensed mangler"
echo "skriften DejaVu Sans Condensed findes"

echo "== QT_QPA_PLATFORM=offscreen HOME=/tmp/h timeout 10 ankerhus"
mkdir -p "$rod/tmp/h"
status=0
i_rod QT_QPA_PLATFORM=offscreen HOME=/tmp/h timeout 10 ankerhus >/tmp/pakke_test-start.log 2>&1 || status=$?
cat /tmp/pakke_test-start.log
# 124: still running when timeout's SIGTERM came; it then closed as the user would.
[ $status = 124 ] || fejl "ankerhus sluttede med $status før tiden"
[ -f "$rod/tmp/h/Ankerhusmappe/root/Egenskaber/main.txt" ] || fejl "ingen main.txt efter lukningen"
(cd "$rod/tmp/h" && find Ankerhusmappe -maxdepth 3 -type d | sort | sed 's/^/  /')

echo "== hjælpesidernes browser fra /usr/lib/ankerhus (sonden ved siden af programmet)"
cp "$sonde" "$rod/usr/bin/ankerhus-modulsonde"
status=0
i_rod QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 HOME=/tmp/h ankerhus-modulsonde \
    >/tmp/pakke_test-sonde.log 2>/tmp/pakke_test-sonde.err || status=$?
rm "$rod/usr/bin/ankerhus-modulsonde"
cat /tmp/pakke_test-sonde.log
[ $status = 0 ] || { tail -5 /tmp/pakke_test-sonde.err; fejl "sonden sluttede med $status"; }
grep -qx 'modul: /usr/lib/ankerhus/ankerhus-web.so' /tmp/pakke_test-sonde.log || fejl "forkert modul"
echo "OK: pakken installerer og starter på et rent Debian 12"
