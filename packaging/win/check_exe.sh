#!/usr/bin/env bash
# Checks a built quarnel.exe, or with "console" quarnel-batch.exe, or with "installer" the setup
# program (its version, as the programs show it, and its icon; the rest is NSIS's), without running
# it:
#   check_exe.sh OBJDUMP WINDRES CHANGELOG EXE [console|installer]
# - an x64 (x86-64) program of the Windows GUI subsystem (the console subsystem with "console");
# - its import table names only DLLs that come with Windows (so the C++ runtime, libgcc and
#   winpthread are linked in statically, and no toolkit DLL is needed), and no function that
#   Windows 7 to 8.1 lack;
# - its version record: the release at the top of CHANGELOG, 2.0.0.10 numeric and "2.00.0010" as
#   text, the names (quarnel-batch's own internal and file name), the Chinese (PRC) Unicode block;
# - one icon group of the sizes Windows shows at 100 to 200 % scaling and in its large views (16,
#   20, 24, 32, 40, 48, 64 and 256 pixels), each in 32-bit colour, the 256-pixel image
#   PNG-compressed (taken out with icoutils' wrestool);
# - the application manifest of the release, with per-monitor DPI awareness v2 falling back to v1
#   ("PerMonitorV2, PerMonitor") and the older "true/pm".
set -uo pipefail
objdump=$1 windres=$2 changelog=$3 exe=$4 kind=${5:-gui}
source "$(dirname "$0")/release.sh"
release_of "$changelog" || exit 1
shown=${release_shown//./\.} dotted=${release//./\.}  # as regular expressions
# What tells the programs apart: subsystem, a function each must import, the names (the string
# block's key as the programs' resource scripts write it; NSIS writes it in lower case).
names=("InternalName\", \"Quarnel" "OriginalFilename\", \"Quarnel\\.exe") block=080404B0
if [ "$kind" = console ]; then
  subsystem=3 kind_name="console" needs=WriteConsoleW
  names=("InternalName\", \"quarnel-batch" "OriginalFilename\", \"quarnel-batch\\.exe")
else
  subsystem=2 kind_name="GUI" needs=CreateWindowExW
fi
[ "$kind" = installer ] && kind_name="GUI installer" names=() block=080404b0
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

headers=$("$objdump" -p "$exe") || { echo "FAIL: $objdump cannot read $exe" >&2; exit 1; }
grep -q 'file format pei-x86-64' <<<"$headers" || fail "not an x64 (x86-64) Windows program"
grep -qE "^Subsystem[[:space:]]+0*$subsystem[[:space:]]" <<<"$headers" ||
  fail "not of the Windows $kind_name subsystem"

# DLLs that every Windows from 7 on has in its system folder (lower case).
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll shell32.dll ole32.dll oleaut32.dll
  advapi32.dll comdlg32.dll msvcrt.dll uxtheme.dll imm32.dll shlwapi.dll version.dll dwmapi.dll
  ws2_32.dll winmm.dll ntdll.dll "
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | tr -d '\r')
[ -n "$dlls" ] || fail "no import table found"
for dll in $dlls; do
  case "$system_dlls" in
    *" $dll "*) echo "imports $dll" ;;
    *) fail "imports $dll, which does not come with Windows" ;;
  esac
done

# Functions that Windows 7 to 8.1 lack: a program importing one at load time does not start there.
# The per-monitor DPI functions are looked up at run time instead.
newer="GetDpiForWindow GetDpiForSystem AdjustWindowRectExForDpi GetSystemMetricsForDpi
  SystemParametersInfoForDpi SetProcessDpiAwarenessContext SetThreadDpiAwarenessContext
  EnableNonClientDpiScaling GetDpiForMonitor SetProcessDpiAwareness"
functions=$(sed -nE 's/^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+([A-Za-z_][A-Za-z0-9_]*)$/\1/p' <<<"$headers")
grep -qx "$needs" <<<"$functions" || fail "the imported functions cannot be read (no $needs)"
for f in $newer; do
  grep -qx "$f" <<<"$functions" && fail "imports $f, which Windows 7 to 8.1 lack"
done

# The resources as a resource script.
rc=$("$windres" -i "$exe" -O rc 2>&1) || { echo "FAIL: $windres cannot read the resources: $rc" >&2; exit 1; }
expect() { # expect DESCRIPTION EXTENDED-REGEX
  grep -qE "$2" <<<"$rc" || fail "$1 (no line matching: $2)"
}
expect "numeric file version" "^ FILEVERSION $release_numbers\$"
expect "numeric product version" "^ PRODUCTVERSION $release_numbers\$"
expect "string block Chinese (PRC), Unicode" "^ +BLOCK \"$block\"\$"
expect "translation 0x0804, code page 1200" 'VALUE "Translation", 0x804, 1200$'
for value in "FileVersion\", \"$shown" "ProductVersion\", \"$shown" 'ProductName", "Quarnel' \
  "${names[@]}"; do
  expect "version string ${value%%\"*}" "^ +VALUE \"$value\"\$"
done
[ "$(grep -c '^ FILEVERSION' <<<"$rc")" = 1 ] || fail "not exactly one version record"
# The icon group as an .ico file: per image a directory entry of 16 bytes after the 6 of the
# header (width, 0 for 256; bits per pixel at 6; where its data begins at 12), the data a PNG file
# or a bitmap.
expect "one icon group" 'Has [0-9]+ elements'
[ "$(grep -c 'RT_GROUP_ICON' <<<"$rc")" = 1 ] || fail "not exactly one icon group"
ico=$(mktemp)
trap 'rm -f "$ico"' EXIT
wrestool -x -t14 "$exe" >"$ico" 2>/dev/null || fail "wrestool cannot take the icon out of $exe"
at() { od -An -t"$1" -j"$2" -N"$3" "$ico" | tr -d ' '; } # type, offset, bytes
images=""
for ((k = 0; k < $(at u2 4 2); k++)); do
  entry=$((6 + 16 * k)) data=bitmap
  [ "$(od -An -c -j$(($(at u4 $((entry + 12)) 4) + 1)) -N3 "$ico" | tr -d ' ')" = PNG ] && data=png
  images+=" $(at u1 "$entry" 1 | sed 's/^0$/256/')x$(at u2 $((entry + 6)) 2)-$data"
done
[ "$images" = " 16x32-bitmap 20x32-bitmap 24x32-bitmap 32x32-bitmap 40x32-bitmap 48x32-bitmap 64x32-bitmap 256x32-png" ] ||
  fail "the icon's images (size x bits per pixel) are:$images"
expect "application manifest" '^1 24 /\* RT_MANIFEST \*/$'
entries=('Microsoft\.Windows\.Common-Controls""? version=""6\.0\.0\.0' 'level=""asInvoker'
  '>PerMonitorV2, PerMonitor<' '>true/pm<' "name=\"\"Quarnel\\.Quarnel\"\" version=\"\"$dotted\"\""
  '35138b9a-5d96-4fbd-8e2d-a2440225f93a' '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a')
[ "$kind" = installer ] && entries=()  # the installer's manifest is NSIS's
for entry in "${entries[@]}"; do
  expect "manifest entry $entry" "$entry"
done

[ "$failures" = 0 ] || { echo "$failures check(s) failed for $exe" >&2; exit 1; }
echo "$exe: x86-64, $kind_name, only Windows DLLs, version record, icon and manifest as required"
