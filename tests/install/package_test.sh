#!/usr/bin/env bash
# The Debian packages from CPack: files in place, desktop entry and AppStream metadata valid, the
# program stripped with its symbols in the debug package; unpacked into a scratch root and started
# by a user who can write only the home ("nobody" as root), it makes the user's files.
#   package_test.sh <build folder>
set -euo pipefail
# shellcheck source=tests/install/lib.sh
. "$(dirname "$0")/lib.sh"
build="$(cd "$1" && pwd)" app_id=org.kerani.kerani
need cpack dpkg-deb readelf desktop-file-validate appstreamcli Xvfb xdotool setpriv
new_workdir package && chmod 755 "$tmp" # the user the program runs as reads the scratch root in it

step "build the packages"
(cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -B "$tmp/packages") >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
deb="$(echo "$tmp"/packages/kerani_*.deb)" dbgsym="$(echo "$tmp"/packages/kerani-dbgsym_*.deb)"
[ -f "$deb" ] && [ -f "$dbgsym" ] || fail "cpack made $(ls "$tmp/packages")"
[[ "$(dpkg-deb -f "$deb" Depends)" == *libqt6widgets6* && "$(dpkg-deb -f "$deb" Recommends)" == *qt6-translations-l10n* ]] ||
    fail "the package does not depend on Qt's widgets or recommend Qt's translations"
allowed="^\./usr/(bin/kerani|share/kerani/.+|share/applications/$app_id\.desktop|share/metainfo/$app_id\.metainfo\.xml|share/icons/hicolor/([0-9]+x[0-9]+/apps/$app_id\.png|scalable/apps/$app_id\.svg))$"
stray="$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | grep -vE "$allowed" || true)"
[ -z "$stray" ] || fail "the package holds files out of place: $stray"

step "unpack into a scratch root: entries valid, the program stripped, its symbols in the debug package"
root="$tmp/root" && dpkg -x "$deb" "$root"
share="$root/usr/share/kerani" program="$root/usr/bin/kerani"
validate_desktop_entry "$root/usr/share/applications/$app_id.desktop"
appstream="$(appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" 2>&1)" &&
    ! grep -E '^[EWI]:' <<<"$appstream" || fail "appstreamcli has remarks on the metainfo: $appstream"
if readelf -S "$program" | grep -E '\.(symtab|debug_info)' >/dev/null; then fail "the program is not stripped"; fi
build_id="$(readelf -n "$program" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')"
debug_file="./usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"
[ -n "$build_id" ] && [ "$(dpkg-deb --fsys-tarfile "$dbgsym" | tar -t | grep -v '/$')" = "$debug_file" ] ||
    fail "the debug package does not hold exactly $debug_file"
dpkg-deb --fsys-tarfile "$dbgsym" | tar -xO "$debug_file" >"$tmp/kerani.debug"
readelf -S "$tmp/kerani.debug" | grep '\.debug_info' >/dev/null || fail "the debug file holds no debug information"

step "first start by an ordinary user: the user's files are made from the factory copies"
if [ "$(id -u)" = 0 ]; then
    user_id=65534 as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
else
    user_id="$(id -u)" as_user=() && chmod -R a-w "$root"
fi
home="$tmp/home" runtime="$tmp/runtime"
mkdir -m 700 "$home" "$runtime" && chown "$user_id" "$home" "$runtime"
if "${as_user[@]}" test -w "$share"; then fail "the scratch root is writable for the user"; fi
start_xvfb 1024x768x24
"${as_user[@]}" env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$runtime" \
    LANG=C.UTF-8 "$program" >"$tmp/run.log" 2>&1 &
pids+=($!)
shown() { [ "$(xdotool search --onlyvisible --pid "${pids[-1]}" 2>/dev/null | wc -l)" = 1 ]; }
wait_for 20 shown || { cat "$tmp/run.log" >&2; fail "the clock window did not show alone"; }
cmp "$home/.config/kerani/Kerani.ini" "$share/Kerani.bak" || fail "Kerani.ini is not the factory copy"
cmp "$home/.local/share/kerani/Cities.txt" "$share/Cities.bak" || fail "Cities.txt is not the factory copy"
[ "$(stat -c %u "$home/.config/kerani/Kerani.ini")" = "$user_id" ] || fail "Kerani.ini is not the user's"
if grep -q 'cannot save' "$tmp/run.log"; then fail "the program says it cannot save: $(cat "$tmp/run.log")"; fi
echo "package test passed: $(basename "$deb") $(stat -c %s "$deb") bytes"
