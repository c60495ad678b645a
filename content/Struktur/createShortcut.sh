#!/bin/sh
# Writes a desktop entry at the second argument that starts the program of the first.
# Placed in the autostart folder, the entry starts the program at login.
set -eu

if [ "$#" -ne 2 ]; then
    echo "Brug: createShortcut.sh PROGRAM GENVEJ" >&2
    exit 2
fi
program=$1
genvej=$2

if [ ! -f "$program" ]; then
    echo "Programmet findes ikke: $program" >&2
    exit 1
fi
case "$program" in
    *"
"*) echo "Programmets sti må ikke indeholde linjeskift." >&2; exit 1 ;;
esac

# Exec takes the path in double quotes, where \ " ` and $ get a backslash; the value as
# a whole then doubles every backslash, and % is written %%.
citeret=$(printf '%s' "$program" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')

mappe=$(dirname -- "$genvej")
if [ ! -d "$mappe" ]; then
    echo "Mappen findes ikke: $mappe" >&2
    exit 1
fi
midlertidig=$(mktemp "$mappe/.genvej.XXXXXX") || { echo "Genvejen kan ikke skrives i $mappe" >&2; exit 1; }
trap 'rm -f "$midlertidig"' EXIT
cat > "$midlertidig" <<ENTRY
[Desktop Entry]
Type=Application
Name=Ankerhus
Comment=Start Ankerhus ved login
Exec="$citeret"
Terminal=false
X-GNOME-Autostart-enabled=true
ENTRY
chmod 644 "$midlertidig"
mv -f "$midlertidig" "$genvej"
trap - EXIT
