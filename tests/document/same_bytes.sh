#!/usr/bin/env bash
# The Windows program writes the very bytes of the Linux program's document:
#   same_bytes.sh LINUX_PROGRAM TABLE CHECKS_TABLE PROGRAM...   (PROGRAM...: scripts/wine.sh
#                                                                quarnel-batch.exe)
# for the table under a Chinese file name, with a title of HTML characters and without one, and
# for a table with the wall check.
set -euo pipefail
linux=$(realpath "$1")
table=$(realpath "$2")
checks=$(realpath "$3")
shift 3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
fail() { echo "FAIL: $*" >&2; exit 1; }
cp "$table" 楼层表.csv
for title in '三号楼 <计算> & "A" '"'"'B'"'" ''; do
  args=(-n --date 2026-01-15 楼层表.csv)
  [ -n "$title" ] && args+=(--title "$title")
  "$linux" -d linux.html "${args[@]}" >/dev/null 2>err.txt || fail "Linux: $(cat err.txt)"
  "$@" -d windows.html "${args[@]}" >/dev/null 2>err.txt || fail "Windows: $(cat err.txt)"
  cmp linux.html windows.html || fail "the documents differ (title: $title)"
done
grep -q '<title>楼层表 计算书</title>' windows.html || fail "the default title"
cp "$checks" 墙体验算.csv
"$linux" -n -d linux.html --date 2026-01-15 墙体验算.csv >/dev/null 2>err.txt || fail "Linux: $(cat err.txt)"
"$@" -n -d windows.html --date 2026-01-15 墙体验算.csv >/dev/null 2>err.txt || fail "Windows: $(cat err.txt)"
cmp linux.html windows.html || fail "the documents of the wall check differ"
grep -q '墙体受压承载力验算' windows.html || fail "no wall check in the document"
echo "the same $(wc -c <windows.html) bytes"
