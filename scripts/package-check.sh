#!/usr/bin/env bash
# Builds the Debian package and checks it as a teacher's machine would meet it: the archive's checkers
# find no error, apt installs it, the installed program starts, and removing it leaves none of its files.
# Needs root (it installs and removes the package); CI runs it from .ci/run. Whatever happens, it ends
# with the package removed and the program it started stopped, so the steps after it find the machine
# as it was.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGE=morvelle3
APP_ID=fr.morvelle.Morvelle3
CHECKERS=(lintian desktop-file-utils appstream)

apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600 "$@"; }
fail() { echo "package-check: $*" >&2; exit 1; }
installed() { # in any state but gone: installed, half installed, or config files kept
    local status
    status=$(dpkg-query -W -f='${db:Status-Status}' "$PACKAGE" 2>/dev/null) || return 1
    [ -n "$status" ] && [ "$status" != not-installed ]
}

work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    if installed; then apt_get purge "$PACKAGE" >/dev/null 2>&1 || dpkg --purge --force-all "$PACKAGE" || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

[ "$(id -u)" -eq 0 ] || fail "run as root: it installs and removes the package"
missing=()
for p in "${CHECKERS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt_get update >/dev/null
    apt_get install --no-install-recommends "${missing[@]}" >/dev/null
fi
# A package left by an interrupted run would hide what this one installs.
if installed; then apt_get purge "$PACKAGE" >/dev/null; fi

deb=$(scripts/morvelle.sh package | tail -n 1)
[ -f "$deb" ] || fail "no package was built"
echo "package-check: $deb"

# What the archive's checkers say.
lintian --fail-on error "$deb"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/$APP_ID.desktop"
appstreamcli validate --no-net --explain "$work/root/usr/share/metainfo/$APP_ID.metainfo.xml"
# One id names the three files and ties them together: the menu finds the icon and the software centre the entry.
grep -qx "Icon=$APP_ID" "$work/root/usr/share/applications/$APP_ID.desktop" || fail "the desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$work/root/usr/share/metainfo/$APP_ID.metainfo.xml" ||
    fail "the metainfo launches another desktop entry"
dpkg-deb -c "$deb" | awk '{print $NF}' | grep -E '/bin/.' | grep -vx './usr/bin/morvelle3' &&
    fail "a program other than morvelle3 (a test or a build tool) is in the package"
for png in "$work"/root/usr/share/icons/hicolor/*x*/apps/"$APP_ID".png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file "$png" | grep -q "${size/x/ x }" || fail "$png is not ${size} pixels"
done

# Installed as the README tells a teacher to, with apt fetching what it needs.
apt_get install "$PWD/$deb" >/dev/null
dpkg-query -L "$PACKAGE" | sort > "$work/files"
for f in /usr/bin/morvelle3 /usr/share/applications/$APP_ID.desktop /usr/share/metainfo/$APP_ID.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/$APP_ID.svg /usr/share/icons/hicolor/48x48/apps/$APP_ID.png; do
    grep -qx "$f" "$work/files" || fail "$f is not installed"
done
if ldd /usr/bin/morvelle3 | grep 'not found'; then fail "a library of the installed program is missing"; fi

# The installed program starts on the machine's own libraries, fonts and plugins, and keeps running.
(cd "$work" && exec env QT_QPA_PLATFORM=offscreen /usr/bin/morvelle3 >"$work/run.log" 2>&1) &
pid=$!
sleep 5
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log" >&2; fail "the installed program did not stay running"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "package-check: the installed program ran for 5 seconds"

# Removed as the README tells, it leaves none of its files behind.
apt_get remove "$PACKAGE" >/dev/null
installed && fail "$PACKAGE is still known to dpkg after its removal"
left=()
while read -r f; do
    [ -e "$f" ] || continue
    [ -d "$f" ] && dpkg-query -S "$f" >/dev/null 2>&1 && continue # shared with other packages
    [ -d "$f" ] && [ -n "$(ls -A "$f")" ] && continue                # holds files of others
    left+=("$f")
done < "$work/files"
[ ${#left[@]} -eq 0 ] || fail "left after removal: ${left[*]}"
echo "package-check: installed, started and removed cleanly"
