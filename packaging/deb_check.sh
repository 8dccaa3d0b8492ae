#!/usr/bin/env bash
# Builds the Debian package from the build directory $1, runs lintian on it (any error or warning
# fails), checks its fields and file list, unpacks it into a scratch root, checks the copyright
# file against LICENSE and the changelog's release against the package, validates the menu entry,
# the AppStream metainfo (no warning, no pedantic note) and that a software centre's catalog built
# from the tree finds its icon, reads both manual pages, runs the unpacked quarnel-batch on the
# example table, and starts the unpacked window program twice: offscreen, and on a private X
# server, where its main window must be mapped under the window class of the menu entry. Both must
# still be running after two seconds; then they are ended.
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
id=io.github.quarnel.quarnel
tmp=$(mktemp -d)
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do # each program before the X server it runs on
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true # a program ended by the signal reports it as its status
  done
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$tmp"/out/*.deb)
[ "$(basename "$deb")" = "quarnel_2.0.0.10_$(dpkg --print-architecture).deb" ] || fail "file name $deb"

# lintian as Debian runs it on every package: overrides (usr/share/lintian/overrides) only where
# the package says why; any E: or W: line fails.
lintian --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>"$tmp/lintian.err" &&
  ! grep -E '^[EW]: ' "$tmp/lintian.log" || { cat "$tmp/lintian.log" "$tmp/lintian.err" >&2; fail "lintian"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quarnel ] || fail "package name"
[ "$(field Version)" = 2.0.0.10 ] || fail "version $(field Version)"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n \
  fonts-wqy-microhei; do
  field Depends | tr ',' '\n' | grep -q "^ *$dep\b" || fail "no dependency on $dep"
done
# The long description as Debian shows it: within 80 columns.
field Description | awk 'length > 80 { bad = 1 } END { exit bad }' || fail "description lines over 80 columns"

dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/files"
for f in ./usr/bin/quarnel ./usr/share/applications/$id.desktop \
  ./usr/share/metainfo/$id.metainfo.xml ./usr/bin/quarnel-batch ./usr/share/man/man1/quarnel.1.gz \
  ./usr/share/man/man1/quarnel-batch.1.gz ./usr/share/doc/quarnel/example-building.csv \
  ./usr/share/doc/quarnel/copyright ./usr/share/doc/quarnel/changelog.gz; do
  grep -qx "$f" "$tmp/files" || fail "$f not in the package"
done
for size in 16 32 48 64 128 256; do
  f=./usr/share/icons/hicolor/${size}x$size/apps/quarnel.png
  grep -qx "$f" "$tmp/files" || fail "$f not in the package"
done
grep -v '/$' "$tmp/files" | grep -v -e '^./usr/bin/' -e '^./usr/share/' &&
  fail "files outside /usr/bin and /usr/share"

root="$tmp/root"
dpkg -x "$deb" "$root"
for size in 16 32 48 64 128 256; do
  file "$root/usr/share/icons/hicolor/${size}x$size/apps/quarnel.png" |
    grep -q "PNG image data, $size x $size" || fail "icon of $size pixels"
done
# The copyright file in the machine-readable format, its licence the text of LICENSE.
copyright="$root/usr/share/doc/quarnel/copyright"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright: not the machine-readable format"
grep -qx 'Files: \*' "$copyright" && grep -q '^Copyright: .*Quarnel developers$' "$copyright" &&
  [ "$(grep -c '^License: Expat$' "$copyright")" = 2 ] || fail "copyright: no Expat (MIT) licence for every file"
diff <(sed -n '/^License: Expat$/,$p' "$copyright" | sed -n '/^ Permission/,$p' | sed 's/^ //; s/^\.$//') \
  <(sed -n '/^Permission/,$p' "$source/LICENSE") >"$tmp/licence.diff" ||
  { cat "$tmp/licence.diff" >&2; fail "copyright: the licence text is not that of LICENSE"; }
# The changelog's latest release is the package's version.
gzip -dc "$root/usr/share/doc/quarnel/changelog.gz" >"$tmp/changelog"
[ "$(dpkg-parsechangelog -l "$tmp/changelog" -S Version)" = "$(field Version)" ] ||
  fail "the changelog's release is not the package's version"

entry="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$entry" || fail "menu entry"
grep -qx 'Name\[zh_CN\]=砖混Quarnel器' "$entry" || fail "Chinese name of the menu entry"
grep -qx 'Categories=Science;Engineering;' "$entry" || fail "categories of the menu entry"
grep -qx 'Exec=quarnel' "$entry" || fail "command of the menu entry"
# AppStream: the metainfo without any note, even pedantic, and the catalog a software centre would
# build from the unpacked tree: the component with its menu entry and the icon found in it.
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --pedantic --no-net "$metainfo" >"$tmp/metainfo.log" 2>&1 &&
  ! grep -E '^[EWIP]: ' "$tmp/metainfo.log" || { cat "$tmp/metainfo.log" >&2; fail "metainfo"; }
grep -q "^ *<release version=\"$(field Version)\" " "$metainfo" ||
  fail "the metainfo's releases do not name the package's version"
appstreamcli compose --no-net --origin=quarnel --result-root="$tmp/catalog" "$root" \
  >"$tmp/compose.log" 2>&1 || { cat "$tmp/compose.log" >&2; fail "AppStream catalog"; }
catalog=$(gzip -dc "$tmp/catalog/usr/share/swcatalog/xml/quarnel.xml.gz")
grep -qx "    <id>$id</id>" <<<"$catalog" &&
  grep -qx "    <launchable type=\"desktop-id\">$id.desktop</launchable>" <<<"$catalog" ||
  { cat "$tmp/compose.log" >&2; fail "the catalog has no component $id with its menu entry"; }
for size in 48 64 128; do
  grep -qx "    <icon type=\"cached\" width=\"$size\" height=\"$size\">$id.png</icon>" <<<"$catalog" &&
    [ -s "$tmp/catalog/usr/share/swcatalog/icons/quarnel/${size}x$size/$id.png" ] ||
    { cat "$tmp/compose.log" >&2; fail "the catalog found no icon of $size pixels"; }
done

# The manual pages without a warning of the formatter: the window program's with its report file,
# its exit status and quarnel-batch; quarnel-batch's with its exit status. Then quarnel-batch's
# version, and the example table calculated (six axes under the caption line).
for page in quarnel quarnel-batch; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" \
    >"$tmp/$page.txt" 2>"$tmp/man.log" && [ ! -s "$tmp/man.log" ] &&
    grep -q '^EXIT STATUS' "$tmp/$page.txt" || { cat "$tmp/man.log" >&2; fail "manual page of $page"; }
done
for text in 'Quarnel书.txt' 'quarnel-batch(1)' 'quarnel 2.00.0010'; do
  grep -qF "$text" "$tmp/quarnel.txt" || fail "the manual page of quarnel does not name $text"
done
[ "$("$root/usr/bin/quarnel-batch" --version)" = "quarnel-batch 2.00.0010" ] ||
  fail "quarnel-batch --version"
"$root/usr/bin/quarnel-batch" -n "$root/usr/share/doc/quarnel/example-building.csv" \
  >"$tmp/batch.txt" 2>"$tmp/batch.log" || { cat "$tmp/batch.log" >&2; fail "quarnel-batch"; }
[ "$(wc -l <"$tmp/batch.txt")" = 7 ] || fail "quarnel-batch printed: $(cat "$tmp/batch.txt")"

mkdir -p "$tmp/home"
# Starts the unpacked program in the background with the environment given as arguments.
start() {
  env HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp" "$@" "$root/usr/bin/quarnel" 2>>"$tmp/program.log" &
  pids+=($!)
}
running() { kill -0 "${pids[-1]}" 2>/dev/null || { cat "$tmp/program.log" >&2; fail "$1"; }; }

start QT_QPA_PLATFORM=offscreen
sleep 2
running "the program ended offscreen"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
display=":$(cat "$tmp/display")"
start QT_QPA_PLATFORM=xcb DISPLAY="$display" DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/no-bus"
sleep 2
running "the program ended on the X server"
DISPLAY="$display" xwininfo -name "砖混Quarnel器" >"$tmp/window" &&
  grep -q 'Map State: IsViewable' "$tmp/window" || fail "the main window is not shown"
# The desktop finds the menu entry of the window by its class.
window=$(sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p' "$tmp/window")
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
DISPLAY="$display" xprop -id "$window" WM_CLASS | grep -q ", \"$class\"\$" ||
  fail "the window's class is not StartupWMClass=$class of the menu entry"
echo "ok: $(basename "$deb"), $(wc -l <"$tmp/files") entries, started offscreen and on $display"
