#!/usr/bin/env bash
# The installer under Wine, as a user would use it:
#   install_test.sh CHANGELOG SETUP.EXE PROGRAM.EXE BATCH.EXE
# installs silently into C:\QuarnelTest, checks the installed programs (the same bytes as
# PROGRAM.EXE and BATCH.EXE, the programs of the package), the read-me's command line, the
# Start-menu entries and the desktop shortcut of quarnel-batch.exe, and the entry in the list of
# installed programs with the release at the top of CHANGELOG (as the programs show it); runs the
# installed quarnel-batch.exe, starts it from its Start-menu entry (its console stays open with the
# usage until a key is pressed), starts the program through its Start-menu entry and waits for its
# main window on the X display; while either runs, the installer (and the uninstaller) refuses
# with status 2 and touches no file; closes them, upgrades in place over an older version (every
# file replaced, the user's reports at c:\ and in Documents kept), uninstalls silently and checks
# that everything installed is gone and nothing else: a table the user saved in the program's
# folder, a file on the desktop and another program's Start-menu entry stay.
# Needs $DISPLAY (Xvfb), xwininfo and xprop; uses $WINEPREFIX (made by scripts/wine-prefix.sh).
set -euo pipefail
changelog=$1 setup=$2 program=$3 batch=$4
source "$(dirname "$0")/release.sh"
release_of "$changelog"
# The prefix of the Windows tests: $WINEPREFIX, or wineprefix next to the installer.
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "$setup")" && pwd)/wineprefix}"
: "${DISPLAY:?needs an X display, e.g. xvfb-run}"
# As scripts/wine.sh, and no menu entries of the host desktop for the shortcut.
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

title="砖混Quarnel器"
batch_title="quarnel-batch 表格计算书"
dir="$WINEPREFIX/drive_c/QuarnelTest"
menu_win='C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
desktop="$WINEPREFIX/drive_c/users/Public/Desktop"  # the desktop of all users
link="$menu/$title.lnk" batch_link="$menu/$batch_title.lnk" desktop_link="$desktop/$batch_title.lnk"
# Files of the user's own beside what the installer writes.
own_table="$dir/三号楼.csv" own_desktop="$desktop/三号楼计算书.txt" own_link="$menu/其他程序.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\quarnel'
fail() {
  echo "FAIL: $*" >&2
  wine taskkill /F /IM quarnel.exe >/dev/null 2>&1 || true  # programs started by this test
  wine taskkill /F /IM quarnel-batch.exe >/dev/null 2>&1 || true
  exit 1
}
registered() { wine reg query "$key" >/dev/null 2>&1; }
running() { wine tasklist 2>/dev/null | grep -qi "^$1"; }
# While the program $1 runs, the installer ends with status 2 and touches nothing (the installed
# read-me, changed by the user, stays as it is).
refused_while() {
  echo "a user's line" >>"$dir/README.txt"
  local status=0
  wine "$setup" /S || status=$?
  [ "$status" = 2 ] || fail "the installer ended with status $status while $1 runs"
  tail -n 1 "$dir/README.txt" | grep -qx "a user's line" || fail "the installer wrote while $1 runs"
  sed -i '$d' "$dir/README.txt"
}
shown() { xwininfo -name "$title" >/dev/null 2>&1; }
# Waits up to $1 half-seconds until the command after it succeeds.
within() {
  local n=$1
  shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.5; done
  return 1
}
# The target of the shortcut $2 (its local path, in the system's code page) is the installed program $1.
points_at() { strings -a "$2" | grep -qxF "C:\\QuarnelTest\\$1"; }

# The report files at both places, which a dropped table appends to and the upgrade must keep: the
# test writes its own, and those that are there already are kept aside and put back at the end.
report="$WINEPREFIX/drive_c/Quarnel书.txt"
documents="$WINEPREFIX/drive_c/users/$(id -un)/Documents/Quarnel书.txt"
for r in "$report" "$documents"; do [ -e "$r" ] && mv "$r" "$r.kept"; done
trap 'for r in "$report" "$documents"; do rm -f "$r"; [ -e "$r.kept" ] && mv "$r.kept" "$r"; done' EXIT

# Leftovers of an earlier run that failed half-way.
rm -rf "$dir" "$dir.reg" "$link" "$batch_link" "$desktop_link" "$own_desktop" "$own_link"
registered && wine reg delete "$key" /f >/dev/null
! shown || fail "a window \"$title\" is already open"
echo "a file of the user's" >"$own_desktop"
echo "another program's entry" >"$own_link"

echo "installing $setup into C:\\QuarnelTest"
wine "$setup" /S '/D=C:\QuarnelTest' || fail "the installer ended with status $?"
for f in quarnel.exe quarnel-batch.exe README.txt uninstall.exe; do
  [ -f "$dir/$f" ] || fail "$f not installed"
done
cmp -s "$dir/quarnel.exe" "$program" || fail "the installed quarnel.exe is not the program of the package"
cmp -s "$dir/quarnel-batch.exe" "$batch" || fail "the installed quarnel-batch.exe is not the package's"
grep -qxF '    "C:\Program Files\Quarnel\quarnel-batch.exe" 表格.csv'$'\r' "$dir/README.txt" ||
  fail "the installed README.txt does not give the full path of quarnel-batch.exe"
version=$(wine 'C:\QuarnelTest\quarnel-batch.exe' --version </dev/null) ||
  fail "the installed quarnel-batch.exe ended with status $?"
version=${version%$'\r'}  # a line of a program's redirected output ends with CR LF
[ "$version" = "quarnel-batch $release_shown" ] || fail "the installed quarnel-batch.exe says: $version"
[ -f "$link" ] || fail "no Start-menu entry $title.lnk"
points_at quarnel.exe "$link" || fail "the Start-menu entry does not point at C:\\QuarnelTest\\quarnel.exe"
for l in "$batch_link" "$desktop_link"; do
  [ -f "$l" ] || fail "no shortcut $l"
  points_at quarnel-batch.exe "$l" || fail "$l does not point at C:\\QuarnelTest\\quarnel-batch.exe"
done

# The entry in the list of installed programs (exported in UTF-16).
wine reg export "$key" "$dir.reg" /y >/dev/null || fail "no key $key"
entry=$(iconv -f UTF-16 -t UTF-8 "$dir.reg" | tr -d '\r')
rm -f "$dir.reg"
for value in "\"DisplayName\"=\"$title\"" "\"DisplayVersion\"=\"$release_shown\"" \
  '"Publisher"="Quarnel developers"' '"DisplayIcon"="C:\\QuarnelTest\\quarnel.exe,0"' \
  '"UninstallString"="\"C:\\QuarnelTest\\uninstall.exe\""'; do
  grep -qxF "$value" <<<"$entry" || fail "uninstall key: no $value in"$'\n'"$entry"
done

# quarnel-batch.exe from its Start-menu entry, without a table: its own console, which stays open
# with the usage until a key is pressed (a program that ended at once would take it away).
console="C:\\QuarnelTest\\quarnel-batch.exe"  # the console's title
echo "starting quarnel-batch.exe from its Start-menu entry"
wine start "$menu_win\\$batch_title.lnk" </dev/null >/dev/null 2>&1 || fail "the entry of quarnel-batch does not start"
within 120 xwininfo -name "$console" >/dev/null 2>&1 ||
  fail "no console \"$console\" within 60 s; running: $(wine tasklist 2>/dev/null | grep -i quarnel)"
sleep 2
xwininfo -name "$console" >/dev/null 2>&1 || fail "the console of quarnel-batch.exe closed without a key"
refused_while quarnel-batch.exe
wine taskkill /F /IM quarnel-batch.exe >/dev/null || fail "taskkill found no quarnel-batch.exe"
within 20 eval '! xwininfo -name "$console" >/dev/null 2>&1' || fail "the console stayed after the program ended"

# A table dropped on the desktop shortcut (Explorer starts the target with the table's path):
# the same report as the command line appends with -o, into the report file.
echo "dropping a table on the desktop shortcut"
cp "$(dirname "$0")/../../docs/example-building.csv" "$own_table"
out=$(wine 'C:\QuarnelTest\quarnel-batch.exe' -o 'C:\QuarnelTest\expected.txt' 'C:\QuarnelTest\三号楼.csv' \
  </dev/null 2>&1) || fail "quarnel-batch.exe could not append the example table: $out"
wine start 'C:\users\Public\Desktop\'"$batch_title.lnk" 'C:\QuarnelTest\三号楼.csv' </dev/null >/dev/null 2>&1 ||
  fail "the desktop shortcut does not start"
within 120 cmp -s "$report" "$dir/expected.txt" || fail "the dropped table did not append its report to c:\\Quarnel书.txt"
rm -f "$report" "$dir/expected.txt"
wine taskkill /F /IM quarnel-batch.exe >/dev/null || fail "quarnel-batch.exe did not wait for a key"

echo "starting the program from its Start-menu entry"
wine start "$menu_win\\$title.lnk" </dev/null >/dev/null 2>&1 || fail "the Start-menu entry does not start"
within 120 shown || fail "no window \"$title\" within 60 s"
id=$(xwininfo -name "$title" | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
xprop -id "$id" WM_CLASS | grep -q '"quarnel.exe"' || fail "the window \"$title\" is not quarnel.exe's"
refused_while quarnel.exe
wine 'C:\QuarnelTest\uninstall.exe' /S '_?=C:\QuarnelTest' && fail "uninstalled while quarnel.exe runs"
registered && [ -f "$dir/quarnel.exe" ] || fail "the refused uninstaller removed something"
wine taskkill /IM quarnel.exe >/dev/null || fail "taskkill found no quarnel.exe"
within 20 eval '! shown' || fail "the main window did not close on WM_CLOSE"
within 20 eval '! running quarnel.exe' || fail "quarnel.exe did not end"

# An upgrade over an older version, in place (the folder from the uninstall key): every file is
# replaced, the entry names the new version, and the user's reports at both places stay as they are.
echo "upgrading over an older version"
for f in quarnel.exe quarnel-batch.exe README.txt uninstall.exe; do echo "older $f" >"$dir/$f"; done
wine reg add "$key" /v DisplayVersion /d 1.00.0001 /f >/dev/null
printf '\xd2\xd4\xc7\xb0\xb5\xc4\xbc\xc6\xcb\xe3\xca\xe9\r\n' | tee "$report" >"$documents"
wine "$setup" /S || fail "the upgrade ended with status $?"
cmp -s "$dir/quarnel.exe" "$program" && cmp -s "$dir/quarnel-batch.exe" "$batch" &&
  cmp -s "$dir/README.txt" "$(dirname "$setup")/package/README.txt" &&
  [ "$(head -c 2 "$dir/uninstall.exe")" = MZ ] || fail "the upgrade left an older file"
wine reg query "$key" /v DisplayVersion | grep -q "$release_shown" || fail "the upgrade's entry is older"
for r in "$report" "$documents"; do
  [ "$(od -An -tx1 "$r" | tr -d ' \n')" = d2d4c7b0b5c4bcc6cbe3cae90d0a ] || fail "the upgrade changed $r"
done
rm -f "$report" "$documents"

echo "uninstalling"
wine 'C:\QuarnelTest\uninstall.exe' /S || fail "the uninstaller ended with status $?"
# The uninstaller goes on in a copy of itself; the key is the last thing it removes.
within 60 eval '! registered' || fail "uninstall key $key still there after 30 s"
# Everything installed is gone, and only that: the folder keeps the user's table.
[ -d "$dir" ] || fail "the uninstaller removed C:\\QuarnelTest with the user's table in it"
left=$(cd "$dir" && find . -mindepth 1)
[ "$left" = "./三号楼.csv" ] || fail "in C:\\QuarnelTest, left: ${left:-nothing}"
cmp -s "$own_table" "$(dirname "$0")/../../docs/example-building.csv" || fail "the user's table changed"
for l in "$link" "$batch_link" "$desktop_link"; do
  [ ! -e "$l" ] || fail "left behind: $l"
done
[ -f "$own_desktop" ] && [ -f "$own_link" ] || fail "the uninstaller removed files not its own"
rm -rf "$dir" "$own_desktop" "$own_link"
echo "installed, refused while running, upgraded, uninstalled: nothing of it left, nothing else removed"
