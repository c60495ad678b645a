#!/usr/bin/env bash
# Pictures of every window in the styles Sky and Carbon, on a display of its own.
# Usage: skaermbilleder.sh <program> <output folder> [scale]
# The pictures go to <output folder>/<style>/; a scale of 2 gives a screen with twice
# the pixels per point.
set -eu
program=$1
ud=$2
skala=${3:-1}
command -v Xvfb >/dev/null || { echo "Xvfb mangler: installer pakken xvfb." >&2; exit 1; }
case $skala in
    ''|*[!0-9.]*|*.*.*) echo "Skalaen skal være et tal, f.eks. 2, ikke \"$skala\"." >&2; exit 1 ;;
esac
awk -v s="$skala" 'BEGIN { exit !(s > 0 && s <= 4) }' || { echo "Skalaen skal ligge mellem 0 og 4." >&2; exit 1; }
# Room for the tallest window (the information window, 968 points high) at this scale.
bredde=$(awk -v s="$skala" 'BEGIN { printf "%d", 1280 * s + 0.5 }')
hoejde=$(awk -v s="$skala" 'BEGIN { printf "%d", 1024 * s + 0.5 }')

exec 3< <(Xvfb -displayfd 1 -screen 0 "${bredde}x${hoejde}x24" -nolisten tcp 2>/dev/null & echo "PID $!"; wait)
read -r _ xvfb <&3
read -r nummer <&3 || { echo "Xvfb kunne ikke starte." >&2; exit 1; }
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=":$nummer" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$skala"
unset QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING

for stil in Sky Carbon; do
    mkdir -p "$ud/$stil"
    "$program" "$ud/$stil" "$stil" 2>"$ud/$stil/log.txt" || {
        echo "Billederne i stilen $stil mislykkedes; se $ud/$stil/log.txt:" >&2
        grep -v '^ \|^$' "$ud/$stil/log.txt" | tail -5 >&2
        exit 1
    }
    rm -f "$ud/$stil/log.txt"
    echo "$stil: $(ls "$ud/$stil"/*.png | wc -l) billeder i $ud/$stil"
done
