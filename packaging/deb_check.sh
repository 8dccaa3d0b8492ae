#!/usr/bin/env bash
# Builds the Debian package from the build directory $1, checks its fields and file list, unpacks
# it into a scratch root, validates the menu entry, the metainfo and the manual page of
# quarnel-batch, runs the unpacked quarnel-batch on the example table, and starts the unpacked
# window program twice: offscreen, and on a private X server, where its main window must be mapped.
# Both must still be running after two seconds; then they are ended.
set -euo pipefail
build=$(cd "$1" && pwd)
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

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quarnel ] || fail "package name"
[ "$(field Version)" = 2.0.0.10 ] || fail "version $(field Version)"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n \
  fonts-wqy-microhei; do
  field Depends | tr ',' '\n' | grep -q "^ *$dep\b" || fail "no dependency on $dep"
done

dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/files"
for f in ./usr/bin/quarnel ./usr/share/applications/quarnel.desktop \
  ./usr/share/metainfo/quarnel.metainfo.xml ./usr/bin/quarnel-batch \
  ./usr/share/man/man1/quarnel-batch.1.gz ./usr/share/doc/quarnel/example-building.csv; do
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
entry="$root/usr/share/applications/quarnel.desktop"
desktop-file-validate "$entry" || fail "menu entry"
grep -qx 'Name\[zh_CN\]=砖混Quarnel器' "$entry" || fail "Chinese name of the menu entry"
grep -qx 'Categories=Science;Engineering;' "$entry" || fail "categories of the menu entry"
grep -qx 'Exec=quarnel' "$entry" || fail "command of the menu entry"
# The component id is the program's name: the program has no domain of its own for a reverse one.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
  "$root/usr/share/metainfo/quarnel.metainfo.xml" >"$tmp/metainfo.log" ||
  { cat "$tmp/metainfo.log" >&2; fail "metainfo"; }

# The manual page without a warning of the formatter; quarnel-batch's version, and the example
# table calculated (six axes under the caption line).
man_page="$root/usr/share/man/man1/quarnel-batch.1.gz"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man_page" 2>"$tmp/man.log" | grep -q '^EXIT STATUS' &&
  [ ! -s "$tmp/man.log" ] || { cat "$tmp/man.log" >&2; fail "manual page of quarnel-batch"; }
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
DISPLAY="$display" xwininfo -name "砖混Quarnel器" | grep -q 'Map State: IsViewable' ||
  fail "the main window is not shown"
echo "ok: $(basename "$deb"), $(wc -l <"$tmp/files") entries, started offscreen and on $display"
