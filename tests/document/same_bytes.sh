#!/usr/bin/env bash
# The Windows program writes the very bytes of the Linux program's document:
#   same_bytes.sh LINUX_PROGRAM TABLE PROGRAM...   (PROGRAM...: scripts/wine.sh quarnel-batch.exe)
# for the table under a Chinese file name, with a title of HTML characters and without one.
set -euo pipefail
linux=$(realpath "$1")
table=$(realpath "$2")
shift 2
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
echo "the same $(wc -c <windows.html) bytes"
