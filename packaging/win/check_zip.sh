#!/usr/bin/env bash
# Checks the portable package:
#   check_zip.sh CMAKE OBJDUMP WINDRES CHANGELOG ZIP FOLDER
# it holds exactly FOLDER/quarnel.exe, FOLDER/quarnel-batch.exe and FOLDER/README.txt; both
# programs pass check_exe.sh, and the read-me names the release at the top of CHANGELOG and gives
# the full path of quarnel-batch.exe for the command line, installed and unpacked.
set -euo pipefail
cmake=$1 objdump=$2 windres=$3 changelog=$4 zip=$5 folder=$6
source "$(dirname "$0")/release.sh"
release_of "$changelog"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
listed=$(cd "$tmp" && "$cmake" -E tar tf "$zip" | sort | tr '\n' ' ')
expected="$folder/ $folder/README.txt $folder/quarnel-batch.exe $folder/quarnel.exe "
[ "$listed" = "$expected" ] || { echo "FAIL: $zip holds: $listed, not: $expected" >&2; exit 1; }
(cd "$tmp" && "$cmake" -E tar xf "$zip")
readme="$tmp/$folder/README.txt"
grep -qF "砖混Quarnel器 $release_shown (Windows x64)" "$readme" ||
  { echo "FAIL: the read-me does not name the release $release_shown" >&2; exit 1; }
for command in '"C:\Program Files\Quarnel\quarnel-batch.exe" 表格.csv' \
  "\"D:\\Quarnel\\$folder\\quarnel-batch.exe\" 表格.csv"; do
  grep -qxF "    $command"$'\r' "$readme" ||
    { echo "FAIL: the read-me does not give the command line $command" >&2; exit 1; }
done
"$(dirname "$0")/check_exe.sh" "$objdump" "$windres" "$changelog" "$tmp/$folder/quarnel.exe"
"$(dirname "$0")/check_exe.sh" "$objdump" "$windres" "$changelog" "$tmp/$folder/quarnel-batch.exe" console
