#!/usr/bin/env bash
# Our bookmarks against a real Firefox: a fresh headless profile takes our export at its
# first start and writes its own export at shutdown, which must keep every address and
# folder; then our Firefox reader reads the places.sqlite that Firefox made.
set -euo pipefail
program=$1
firefox=$(command -v firefox-esr || command -v firefox || true)
if [ -z "$firefox" ]; then
    echo "SKIP: firefox-esr is not installed"
    exit 77
fi
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*"; exit 1; }
user=$(id -un)

# A first start makes the user's folders; the bookmark options need them.
first_start() { # home
    HOME=$1 "$program" & pid=$!
    for _ in $(seq 1 300); do [ -e "$1/Ankerhusmappe/$user/Egenskaber" ] && break; sleep 0.1; done
    [ -e "$1/Ankerhusmappe/$user/Egenskaber" ] || fail "no options folder in $1"
    sleep 1
    kill -TERM $pid
    wait $pid || fail "first start exit code $?"
    pid=
}
# Firefox writes "https://host" as "https://host/": the same address.
hrefs() { grep -o 'HREF="[^"]*"' "$1" | sed -E 's#^(HREF="[a-z]+://[^/"]+)"$#\1/"#' | sort -u; }
folders() { grep -o '<H3[^>]*>[^<]*</H3>' "$1" | sed 's/<[^>]*>//g' | sort -u; }

# Our groups, from a bookmarks file, and our export of them.
ours=$work/ours
mkdir -p "$ours"
first_start "$ours"
cat > "$work/kilde.html" <<'HTML'
<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Bookmarks</TITLE>
<DL><p>
    <DT><H3>Nyheder</H3>
    <DL><p>
        <DT><A HREF="https://nyheder.example/" ADD_DATE="1700000000" LAST_VISIT="1700003600">Nyhederne</A>
        <DT><A HREF="https://vejret.example/i/dag?by=aarhus&amp;dage=3">Vejret &amp; vinden</A>
        <DT><H3>Lokalt</H3>
        <DL><p>
            <DT><A HREF="http://lokal.example/avis">Lokalavisen</A>
        </DL><p>
    </DL><p>
    <DT><H3>Arbejde "nu" &lt;her&gt;</H3>
    <DL><p>
        <DT><A HREF="ftp://ftp.example/pub/">Arkivet</A>
        <DT><A HREF="file:///srv/delt/plan.pdf">Planen</A>
    </DL><p>
</DL><p>
HTML
HOME=$ours "$program" --importer "$work/kilde.html" >/dev/null || fail "import of the source file: $?"
HOME=$ours "$program" --eksporter "$work/vores.html" >/dev/null || fail "export: $?"
# The first start's own groups come along too.
missing=$(comm -23 <(hrefs "$work/kilde.html") <(hrefs "$work/vores.html"))
[ -z "$missing" ] || fail "our export lacks: $missing"
links=$(grep -c 'HREF=' "$work/vores.html")
groups=$(folders "$work/vores.html" | wc -l)

# A Firefox profile where our reader looks for it; Firefox imports our file at its first
# start and writes the same file anew at shutdown.
ff=$work/ff
profil=$ff/.mozilla/firefox/ank.test
mkdir -p "$profil"
printf '[Profile0]\nName=test\nIsRelative=1\nPath=ank.test\nDefault=1\n\n[General]\nStartWithLastProfile=1\n' \
    > "$ff/.mozilla/firefox/profiles.ini"
cp "$work/vores.html" "$work/firefox.html"
cat > "$profil/user.js" <<JS
user_pref("browser.places.importBookmarksHTML", true);
user_pref("browser.bookmarks.file", "$work/firefox.html");
user_pref("browser.bookmarks.autoExportHTML", true);
user_pref("dom.allow_scripts_to_close_windows", true);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.page", 0);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("startup.homepage_welcome_url", "");
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.healthreport.uploadEnabled", false);
user_pref("toolkit.telemetry.enabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("app.update.enabled", false);
user_pref("app.normandy.enabled", false);
user_pref("extensions.update.enabled", false);
user_pref("browser.safebrowsing.update.enabled", false);
user_pref("browser.safebrowsing.malware.enabled", false);
user_pref("browser.safebrowsing.phishing.enabled", false);
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
user_pref("network.dns.disablePrefetch", true);
user_pref("network.prefetch-next", false);
user_pref("services.settings.server", "http://127.0.0.1:9/");
user_pref("browser.region.network.url", "");
user_pref("extensions.getAddons.cache.enabled", false);
JS
# The page closes the only window after Places has started; the last window closing
# ends Firefox the ordinary way, so it writes its export and its database.
echo '<html><script>setTimeout(function(){window.close()},3000)</script></html>' > "$work/luk.html"
set +e
HOME=$ff MOZ_HEADLESS=1 timeout 60 "$firefox" --headless --no-remote --profile "$profil" \
    "file://$work/luk.html" > "$work/firefox.log" 2>&1
rc=$?
set -e
[ $rc -eq 0 ] || fail "firefox exit code $rc: $(tail -5 "$work/firefox.log")"
grep -q 'automatically generated' "$work/firefox.html" || fail "firefox wrote no export"
[ -s "$profil/places.sqlite" ] || fail "firefox made no places.sqlite"

# Every address and folder of ours comes back from Firefox' own export.
missing=$(comm -23 <(hrefs "$work/vores.html") <(hrefs "$work/firefox.html"))
[ -z "$missing" ] || fail "addresses lost by firefox: $missing"
missing=$(comm -23 <(folders "$work/vores.html") <(folders "$work/firefox.html"))
[ -z "$missing" ] || fail "folders lost by firefox: $missing"

# Our reader finds the profile by itself and reads what Firefox wrote.
first_start "$ff"
out=$(HOME=$ff "$program" --importer firefox) || fail "firefox import: $?"
[ "$out" = "Importeret: $links elementer i $groups nye grupper." ] || fail "firefox summary: $out"
web=$ff/Ankerhusmappe/$user/Program
while IFS= read -r mappe; do
    [ -d "$web/Bogmærkemenuen - $mappe" ] || fail "no group for folder $mappe: $(ls "$web")"
done < <(folders "$work/vores.html" | sed 's/&quot;/"/g; s/&lt;/</g; s/&gt;/>/g; s/&amp;/\&/g')
HOME=$ff "$program" --eksporter "$work/igen.html" >/dev/null || fail "second export: $?"
missing=$(comm -23 <(hrefs "$work/vores.html") <(hrefs "$work/igen.html"))
[ -z "$missing" ] || fail "addresses lost on the way through firefox: $missing"
echo "PASS"
