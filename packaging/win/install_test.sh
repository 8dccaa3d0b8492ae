#!/usr/bin/env bash
# The installer under Wine, as a user would use it:
#   install_test.sh SETUP.EXE PROGRAM.EXE BATCH.EXE
# installs silently into C:\QuarnelTest, checks the installed programs (the same bytes as
# PROGRAM.EXE and BATCH.EXE, the programs of the package), the Start-menu entry and the entry in the
# list of installed programs, runs the installed quarnel-batch.exe, starts the program through its
# Start-menu entry and waits for its main window on the X display, closes it, uninstalls silently
# and checks that nothing is left behind.
# Needs $DISPLAY (Xvfb), xwininfo and xprop; uses $WINEPREFIX (made by scripts/wine-prefix.sh).
set -euo pipefail
setup=$1 program=$2 batch=$3
# The prefix of the Windows tests: $WINEPREFIX, or wineprefix next to the installer.
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "$setup")" && pwd)/wineprefix}"
: "${DISPLAY:?needs an X display, e.g. xvfb-run}"
# As scripts/wine.sh, and no menu entries of the host desktop for the shortcut.
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

title="砖混Quarnel器"
dir="$WINEPREFIX/drive_c/QuarnelTest"
link_win="C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\$title.lnk"
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$title.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\quarnel'
fail() {
  echo "FAIL: $*" >&2
  wine taskkill /F /IM quarnel.exe >/dev/null 2>&1 || true  # a program started by this test
  exit 1
}
registered() { wine reg query "$key" >/dev/null 2>&1; }
shown() { xwininfo -name "$title" >/dev/null 2>&1; }
# Waits up to $1 half-seconds until the command after it succeeds.
within() {
  local n=$1
  shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.5; done
  return 1
}

# Leftovers of an earlier run that failed half-way.
rm -rf "$dir" "$dir.reg" "$link"
registered && wine reg delete "$key" /f >/dev/null
! shown || fail "a window \"$title\" is already open"

echo "installing $setup into C:\\QuarnelTest"
wine "$setup" /S '/D=C:\QuarnelTest' || fail "the installer ended with status $?"
for f in quarnel.exe quarnel-batch.exe README.txt uninstall.exe; do
  [ -f "$dir/$f" ] || fail "$f not installed"
done
cmp -s "$dir/quarnel.exe" "$program" || fail "the installed quarnel.exe is not the program of the package"
cmp -s "$dir/quarnel-batch.exe" "$batch" || fail "the installed quarnel-batch.exe is not the package's"
version=$(wine 'C:\QuarnelTest\quarnel-batch.exe' --version </dev/null) ||
  fail "the installed quarnel-batch.exe ended with status $?"
[ "$version" = "quarnel-batch 2.00.0010" ] || fail "the installed quarnel-batch.exe says: $version"
[ -f "$link" ] || fail "no Start-menu entry $title.lnk"
# The shortcut names the installed program (its path is stored in UTF-16).
strings -a -el "$link" | grep -qx 'C:\\QuarnelTest\\quarnel.exe' || fail "the shortcut does not point at C:\\QuarnelTest\\quarnel.exe"

# The entry in the list of installed programs (exported in UTF-16).
wine reg export "$key" "$dir.reg" /y >/dev/null || fail "no key $key"
entry=$(iconv -f UTF-16 -t UTF-8 "$dir.reg" | tr -d '\r')
rm -f "$dir.reg"
for value in "\"DisplayName\"=\"$title\"" '"DisplayVersion"="2.0.0.10"' \
  '"Publisher"="Quarnel developers"' '"DisplayIcon"="C:\\QuarnelTest\\quarnel.exe,0"' \
  '"UninstallString"="\"C:\\QuarnelTest\\uninstall.exe\""'; do
  grep -qxF "$value" <<<"$entry" || fail "uninstall key: no $value in"$'\n'"$entry"
done

echo "starting the program from its Start-menu entry"
wine start "$link_win" </dev/null >/dev/null 2>&1 || fail "the Start-menu entry does not start"
within 40 shown || fail "no window \"$title\" within 20 s"
id=$(xwininfo -name "$title" | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
xprop -id "$id" WM_CLASS | grep -q '"quarnel.exe"' || fail "the window \"$title\" is not quarnel.exe's"
wine taskkill /IM quarnel.exe >/dev/null || fail "taskkill found no quarnel.exe"
within 20 eval '! shown' || fail "the main window did not close on WM_CLOSE"

echo "uninstalling"
wine 'C:\QuarnelTest\uninstall.exe' /S || fail "the uninstaller ended with status $?"
# The uninstaller goes on in a copy of itself; the key is the last thing it removes.
within 60 eval '! registered' || fail "uninstall key $key still there after 30 s"
[ ! -e "$dir" ] || fail "left behind: $(find "$dir")"
[ ! -e "$link" ] || fail "left behind: the Start-menu entry"
echo "installed, started, closed and uninstalled: nothing left"
