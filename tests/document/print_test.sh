#!/usr/bin/env bash
# The calculation document as users see it: quarnel-batch writes the document of the example
# building, headless Chromium prints it to PDF and poppler's tools read the PDF back; LibreOffice
# Writer converts it to .docx.
#   print_test.sh EXAMPLE_TABLE CHECKS_TABLE PROGRAM...   (PROGRAM...: build/bin/quarnel-batch, or
#                                             under Wine scripts/wine.sh quarnel-batch.exe)
# Checks: every page A4; the cover, every axis and the summary in the text; the worked values; no
# word past the right edge of the printable width (nor the left), and every table in the .docx.
# The example building with the wall check (CHECKS_TABLE, whose axis B fails): each axis's two
# blocks, the failing axis first on the summary page under 不满足的轴线, nothing past the width.
# Then the same width check on a table of unkind labels: 200 characters without a blank, in
# Latin and in Chinese, HTML in a label, a title on two lines.
# QUARNEL_PRINT_KEEP=DIR keeps the document and the PDF there.
set -euo pipefail
table=$(realpath "$1")
checks=$(realpath "$2")
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
fail() { echo "FAIL: $*" >&2; exit 1; }
cp "$table" example-building.csv
"$@" -n -d doc.html --date 2026-01-15 example-building.csv >out.txt 2>err.txt ||
  fail "quarnel-batch: $(cat err.txt)"

# One self-contained HTML5 file: nothing from outside, no script, no byte-order mark, LF line ends.
head -c 50 doc.html | grep -q '^<!DOCTYPE html>$' || fail "no HTML5 doctype at the start"
grep -q '^<html lang="zh-CN">$' doc.html && grep -q '^<meta charset="utf-8">$' doc.html ||
  fail "not a Chinese UTF-8 page"
! grep -qiE 'https?:|file:|@import|url\(|<script|<link|src=|'$'\r' doc.html ||
  fail "something from outside, a script or a CR: $(grep -oiE 'https?:|file:|@import|url\(|<script|<link|src=' doc.html | head -3)"

# Chromium and LibreOffice each with a profile of their own ($HOME may be shared).
print() {
  HOME="$tmp" timeout 180 chromium --headless --no-sandbox --disable-gpu --disable-quic \
    --no-first-run --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$tmp/chromium" --no-pdf-header-footer --print-to-pdf="$tmp/$1.pdf" \
    "file://$tmp/$1.html" >chromium.log 2>&1 || fail "chromium: $(tail -5 chromium.log)"
}
print doc
[ -n "${QUARNEL_PRINT_KEEP:-}" ] && cp doc.html doc.pdf "$QUARNEL_PRINT_KEEP"/

pages=$(pdfinfo doc.pdf | awk '/^Pages:/ {print $2}')
[ "$pages" -ge 3 ] || fail "$pages pages"
pdfinfo -f 1 -l "$pages" doc.pdf | awk '/^Page +[0-9]+ size:/ {
    if ($4 < 594 || $4 > 596 || $6 < 841 || $6 > 843) { print "page " $2 ": " $4 " x " $6; bad = 1 }
  } END { exit bad }' || fail "a page is not A4"

pdftotext -enc UTF-8 doc.pdf doc.txt
text=$(tr -d ' \n' <doc.txt)
for part in example-building 计算书 "quarnel-batch2.00" 2026-01-15 example-building.csv \
  "$(sha256sum example-building.csv | cut -c1-16)" 设计 校对 审核 1设计依据 GB55001-2021 2基本数据 \
  轴线A（外墙） 轴线D（外墙） 轴线B（内墙） 轴线C（内墙） 轴线1（外墙） 轴线8（外墙） 4汇总表 \
  5荷载设计值图 359.889 312.726 272.489 236.386 332.64 289.088; do
  [[ "$text" == *"$part"* ]] || fail "not in the printed text: $part"
done

# Every word of a PDF inside the printable width: 20 mm margins of 56.69 pt, 1 pt of tolerance.
within() {
  pdftotext -bbox "$1" words.html
  awk -F'"' '/<page / { page++ } /<word / {
      for (k = 2; k < NF; k += 2) if ($(k - 1) ~ /xMin=$/) x0 = $k; else if ($(k - 1) ~ /xMax=$/) x1 = $k
      if (x1 > 595.28 - 56.69 + 1 || x0 < 56.69 - 1) { print "page " page ": " x0 "-" x1 ": " $0; bad = 1 }
    } END { exit bad }' words.html >outside.txt || fail "$1 past the printable width: $(head -3 outside.txt)"
}
within doc.pdf

# Writer reads the HTML and writes .docx with every table of the document.
HOME="$tmp" timeout 180 soffice --headless "-env:UserInstallation=file://$tmp/libreoffice" \
  --infilter="HTML (StarWriter)" --convert-to 'docx:MS Word 2007 XML' --outdir "$tmp/docx" \
  doc.html >soffice.log 2>&1 || fail "soffice: $(cat soffice.log)"
tables=$(grep -o '<table' doc.html | wc -l)
converted=$(unzip -p docx/doc.docx word/document.xml | grep -o '<w:tbl>' | wc -l)
[ "$tables" -ge 9 ] && [ "$converted" = "$tables" ] || fail "$converted of $tables tables in the .docx"

cp "$checks" building-checks.csv
"$@" -n -d checks.html --date 2026-01-15 building-checks.csv >/dev/null 2>err.txt ||
  fail "quarnel-batch: $(cat err.txt)"
print checks
[ -n "${QUARNEL_PRINT_KEEP:-}" ] && cp checks.html checks.pdf "$QUARNEL_PRINT_KEEP"/
within checks.pdf
pdftotext -layout -enc UTF-8 checks.pdf checks.txt
for block in 墙体受压承载力验算 高厚比验算; do
  [ "$(grep -c "^[[:space:]]*$block" checks.txt)" = 6 ] || fail "$block not once for each of the 6 axes"
done
# The summary page: its heading, then 不满足的轴线, its column headings, and axis B's row first.
awk '/^[[:space:]]*4 汇总表/ { s = NR } s && /^[[:space:]]*不满足的轴线/ && !f { f = NR }
     f && NR == f + 2 { ok = ($1 == "B" && $2 == "内墙" && $3 == "2063.993" && /不满足/) }
     END { exit !ok }' checks.txt || fail "the failing axis B is not first under 不满足的轴线"

latin=$(printf 'W%.0s' {1..200}) chinese=$(printf '墙%.0s' {1..200})
cat >unkind.csv <<CSV
zxh,wall,zrz,crz,lmhh,lmdh,wmhh,wmdh,gqsl,nrq,yttccd,ytzcd,gqc1,gqds1,gqc2,gqds2,zscg,qcs,hhjscs,zjxs,zsqh,qcd,mcmj,lmjscd
$latin,外墙,22,0.45,2.0,3.60,0.7,7.0,0,6.858,1.2,,,,,,2.9,6,5,0.65,0.37,6.6,,3.3
$chinese,内墙,,,,,,,,,,,3.3,1,,,,,,,0.24,,,3.9
<b>A</b> &amp; <script>x</script>,,,,,,,,,,,,,,,,,,,,,,,
"1/A'""B""",,,,,,,,,,,,,,,,,,,,,,,
CSV
"$@" -n -d unkind.html --date 2026-01-15 --title "$(printf '三号楼\n<计算>')" unkind.csv >/dev/null 2>err.txt ||
  fail "quarnel-batch: $(cat err.txt)"
print unkind
[ -n "${QUARNEL_PRINT_KEEP:-}" ] && cp unkind.html unkind.pdf "$QUARNEL_PRINT_KEEP"/
within unkind.pdf
pdftotext -enc UTF-8 unkind.pdf unkind.txt
text=$(tr -d ' \n' <unkind.txt)
for part in 三号楼 "<计算>" "<b>A</b>&amp;<script>x</script>" "1/A'\"B\"" "$latin" "$chinese"; do
  [[ "$text" == *"$part"* ]] || fail "not as typed in the printed text: $part"
done
echo "$pages A4 pages, $tables tables in the .docx; the unkind labels within the page"
