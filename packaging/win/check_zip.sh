#!/usr/bin/env bash
# Checks the portable package:
#   check_zip.sh CMAKE OBJDUMP WINDRES ZIP FOLDER
# it holds exactly FOLDER/quarnel.exe, FOLDER/quarnel-batch.exe and FOLDER/README.txt; both
# programs pass check_exe.sh, and the read-me names the version and tells how quarnel-batch is used.
set -euo pipefail
cmake=$1 objdump=$2 windres=$3 zip=$4 folder=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
listed=$(cd "$tmp" && "$cmake" -E tar tf "$zip" | sort | tr '\n' ' ')
expected="$folder/ $folder/README.txt $folder/quarnel-batch.exe $folder/quarnel.exe "
[ "$listed" = "$expected" ] || { echo "FAIL: $zip holds: $listed, not: $expected" >&2; exit 1; }
(cd "$tmp" && "$cmake" -E tar xf "$zip")
grep -q '2\.0\.0\.10' "$tmp/$folder/README.txt" || { echo "FAIL: the read-me names no version 2.0.0.10" >&2; exit 1; }
grep -q 'quarnel-batch 表格\.csv' "$tmp/$folder/README.txt" || { echo "FAIL: the read-me does not tell how quarnel-batch is used" >&2; exit 1; }
"$(dirname "$0")/check_exe.sh" "$objdump" "$windres" "$tmp/$folder/quarnel.exe"
"$(dirname "$0")/check_exe.sh" "$objdump" "$windres" "$tmp/$folder/quarnel-batch.exe" console
