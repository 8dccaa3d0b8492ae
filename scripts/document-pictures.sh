#!/usr/bin/env bash
# The pictures of the calculation document in the README: the example building's document printed
# by headless Chromium, page 1, the page of axis A and the chart at 60 dpi (the chart cropped); and
# of the building with the wall check (tests/batch/libreoffice/building-checks.csv), the page of
# axis B's check, which fails, and the summary page with the failing axis first.
#   scripts/document-pictures.sh [build/bin/quarnel-batch]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/quarnel-batch}")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp docs/example-building.csv tests/batch/libreoffice/building-checks.csv "$tmp/"
print() {
  (cd "$tmp" && "$program" -n -d "$1.html" --title 示例住宅楼 --date 2026-01-15 "$2" >/dev/null 2>&1)
  HOME="$tmp" chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$tmp/chromium" --no-pdf-header-footer --print-to-pdf="$tmp/$1.pdf" \
    "file://$tmp/$1.html" >/dev/null 2>&1
}
print doc example-building.csv
print checks building-checks.csv
# The page of a text, found in the text of each page of a PDF (doc.pdf unless given).
page_of() {
  local n pdf="$tmp/${2:-doc}.pdf"
  for n in $(seq 1 "$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')"); do
    pdftotext -f "$n" -l "$n" "$pdf" - | tr -d ' ' | grep -q "$1" && { echo "$n"; return; }
  done
}
check=$(page_of 'N=2063.993kN>Nu' checks) failing=$(page_of '不满足的轴线' checks)
pdftoppm -png -r 60 -singlefile -f "$check" -l "$check" "$tmp/checks.pdf" docs/document-check
pdftoppm -png -r 60 -singlefile -f "$failing" -l "$failing" "$tmp/checks.pdf" docs/document-failing
axis=$(page_of '3.1轴线A') chart=$(page_of '5荷载设计值图')
pdftoppm -png -r 60 -singlefile -f 1 -l 1 "$tmp/doc.pdf" docs/document-cover
pdftoppm -png -r 60 -singlefile -f "$axis" -l "$axis" "$tmp/doc.pdf" docs/document-axis
pdftoppm -png -r 60 -singlefile -f "$chart" -l "$chart" "$tmp/doc.pdf" "$tmp/chart"
# From the chart's heading (the word "5" that begins it) to above the page number, in pixels.
read -r top bottom < <(pdftotext -bbox -f "$chart" -l "$chart" "$tmp/doc.pdf" - | awk -F'"' '
  /<word .*>5<\/word>/ && !top { top = int($4 * 60 / 72) - 8 }
  /<word .*>第<\/word>/ { bottom = int($4 * 60 / 72) - 4 } END { print top, bottom }')
convert "$tmp/chart.png" -crop "496x$((bottom - top))+0+$top" +repage -trim -bordercolor white \
  -border 12 docs/document-chart.png
ls -l docs/document-*.png
