#!/usr/bin/env bash
# The program itself, started as a user starts it, on tables whose file names have Chinese
# characters:
#   program_test.sh DATA PROGRAM...     (PROGRAM...: build/bin/quarnel-batch, or under Wine
#                                        scripts/wine.sh quarnel-batch.exe)
# the worked examples append the report lines written out by hand and print the table by hand; a
# table with a failing line appends nothing, names the line and ends with status 1; --version; the
# table from standard input as CSV; the results into a file of their own (-r), which may be neither
# the table nor the report file however it is written, the null device but not a folder; on Linux
# the report file in the home folder. Under Wine, as on a Chinese Windows (code page 936): what is
# written to a file or a pipe without a console is in the ANSI code page with CR LF, and in a
# console (cmd with chcp 936 and 65001) in the console's code page, "?" for what it lacks; the CSV
# stays UTF-8 with a byte-order mark.
set -euo pipefail
data=$(cd "$1" && pwd)
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
fail() { echo "FAIL: $*" >&2; exit 1; }
case "$*" in *.exe*) windows=1 ;; *) windows= ;; esac
if [ -n "$windows" ]; then
  # A Chinese Windows: Wine takes its code pages from the locale (936 for zh_CN), which glibc must
  # know (made here) for Wine to keep UTF-8 file names.
  mkdir "$tmp/locale"
  localedef -i zh_CN -f UTF-8 "$tmp/locale/zh_CN.UTF-8" 2>/dev/null ||
    [ -d "$tmp/locale/zh_CN.UTF-8" ] || fail "localedef cannot make zh_CN.UTF-8 (package locales)"
  export LOCPATH=$tmp/locale QUARNEL_WINE_LC_ALL=zh_CN.UTF-8
fi
# Text as the program writes it to a file or a pipe (standard input: UTF-8 with LF), and what such
# a file says (as UTF-8 with LF): on Windows in code page 936 with CR LF.
printed() { if [ -n "$windows" ]; then iconv -f UTF-8 -t GBK | sed 's/$/\r/'; else cat; fi; }
said() { if [ -n "$windows" ]; then iconv -f GBK -t UTF-8 "$1" | tr -d '\r'; else cat "$1"; fi; }
# Runs the program with standard input from $input; keeps its status, out.txt and err.txt.
input=/dev/null
run() {
  status=0
  "$@" <"$input" >out.txt 2>err.txt || status=$?
}

cp "$data/worked_examples.csv" 楼层表.csv
printf 'earlier\r\n' >计算书.txt
{ cat 计算书.txt; iconv -f UTF-8 -t GBK "$data/golden/worked_examples.txt"; } >expected.txt
run "$@" -o 计算书.txt 楼层表.csv
[ "$status" = 0 ] || fail "status $status: $(cat err.txt)"
cmp -s expected.txt 计算书.txt || fail "the appended bytes are not the worked examples' report"
printed <"$data/worked_examples.out" | cmp -s - out.txt || fail "printed: $(od -c out.txt)"
echo "2 条轴线的计算书已写入 计算书.txt" | printed | cmp -s - err.txt || fail "said: $(od -c err.txt)"

cp 计算书.txt before.txt
{ head -n 2 "$data/worked_examples.csv"; echo 'B,,,,,,,,,,,,,,,,,,,,,0,,'; } >坏表.csv
run "$@" -o 计算书.txt 坏表.csv
[ "$status" = 1 ] || fail "a failing line: status $status"
said err.txt | grep -qx '坏表.csv:3: qcd: 墙长度输入错!' || fail "a failing line: $(said err.txt)"
cmp -s before.txt 计算书.txt || fail "a table with a failing line appended to the report"

# The table as its own report file, a folder as the table, results that cannot be printed.
cp 坏表.csv 坏表前.csv
run "$@" -o ./坏表.csv 坏表.csv
[ "$status" = 2 ] && cmp -s 坏表前.csv 坏表.csv || fail "-o onto the table: status $status"
mkdir 文件夹
run "$@" -o 计算书.txt 文件夹
[ "$status" = 1 ] && said err.txt | grep -qx '文件夹: 是文件夹，不是表格文件' || fail "a folder: $(said err.txt)"
cp 计算书.txt 满盘前.txt
status=0
"$@" -o 计算书.txt 楼层表.csv </dev/null >/dev/full 2>err.txt || status=$?
[ "$status" = 1 ] && said err.txt | grep -q '计算书已写入 计算书.txt' && said err.txt | grep -q '结果没有写出' ||
  fail "results to a full disk: status $status, $(said err.txt)"
cmp -s 满盘前.txt <(head -c "$(wc -c <满盘前.txt)" 计算书.txt) || fail "results to a full disk"
cp 满盘前.txt 计算书.txt
{ sleep 1; status=0; "$@" -n 楼层表.csv </dev/null 2>err.txt || status=$?; echo $status >status.txt; } | true
[ "$(cat status.txt)" = 1 ] && said err.txt | grep -q '计算书没有写入' && said err.txt | grep -q '结果没有写出' ||
  fail "results to a closed pipe: status $(cat status.txt), $(said err.txt)"

run "$@" --version
[ "$status:$(said out.txt)" = "0:quarnel-batch 2.00.0010" ] || fail "--version: $status $(cat out.txt)"

input=楼层表.csv
run "$@" --csv -n -
[ "$status" = 0 ] || fail "standard input: status $status"
printf '\xEF\xBB\xBF' | cmp -s -n 3 - out.txt || fail "the CSV has no byte-order mark"
grep -q '^B,内墙,209.261,41.73,27.124,289.088'$'\r''$' out.txt || fail "CSV: $(cat out.txt)"
cmp -s before.txt 计算书.txt || fail "a dry run appended to the report"

# UTF-8 with BOM: the CSV in CR LF, the table in the system's line ends (CR LF on Windows).
cr=${windows:+$'\r'}
input=/dev/null
run "$@" -n --csv -r 结果.csv 楼层表.csv
[ "$status" = 0 ] && [ ! -s out.txt ] || fail "-r: status $status, printed $(cat out.txt)"
{ printf '\xEF\xBB\xBF'; printf '%s\r\n' 轴线号,墙类型,恒荷载,活荷载,折减后活荷,荷载设计值 \
  A,外墙,244.219,43.492,28.27,332.64 B,内墙,209.261,41.73,27.124,289.088; } |
  cmp -s - 结果.csv || fail "-r --csv: $(od -c 结果.csv)"
run "$@" -n -r 结果.txt 楼层表.csv
{ printf '\xEF\xBB\xBF'; sed "s/\$/$cr/" "$data/worked_examples.out"; } | cmp -s - 结果.txt ||
  fail "-r: $(od -c 结果.txt)"
clashes=(./楼层表.csv ../"${tmp##*/}"/计算书.txt)
case "$*" in *.exe*) clashes+=(计算书.TXT 'sub\..\楼层表.csv') ;; esac
for clash in "${clashes[@]}"; do
  run "$@" -o 计算书.txt -r "$clash" 楼层表.csv
  [ "$status" = 2 ] || fail "-r $clash: status $status"
done
cmp -s before.txt 计算书.txt && cmp -s "$data/worked_examples.csv" 楼层表.csv ||
  fail "-r naming the table or the report wrote to it"

# In a console, as cmd's > and | and PowerShell take a program's output: the console's output code
# page with CR LF; "?" for each character the code page lacks (all Chinese ones in code page 437),
# only in what is printed, never in the results file.
if [ -n "$windows" ]; then
  sed 's/^A,/甲,/' 楼层表.csv >甲表.csv
  exe="Z:${!#}" wine_sh=$1  # a path without blanks: Wine would escape quotes around it for cmd
  in_console() { # CODE-PAGE ARGUMENTS...: cmd with that code page, its output to out.txt, err.txt
    local cp=$1
    shift
    SHELL=/bin/bash script -qec "$(printf '%q ' "$wine_sh" cmd /c \
      "chcp $cp >nul & ${exe//\//\\} $* >out.txt 2>err.txt")" /dev/null </dev/null >/dev/null
  }
  for cp in 936 65001 437; do
    case $cp in
      936) encode=(iconv -f UTF-8 -t GBK) ;;
      65001) encode=(cat) ;;
      437) encode=(perl -CI -pe 's/[^\x00-\x7F]/?/g') ;;
    esac
    in_console "$cp" -n 甲表.csv || fail "code page $cp: status $?"
    sed 's/^A      /甲     /;s/$/\r/' "$data/worked_examples.out" | "${encode[@]}" |
      cmp -s - out.txt || fail "printed in code page $cp: $(od -c out.txt)"
    printf '试算：2 条轴线，计算书没有写入。\r\n' | "${encode[@]}" | cmp -s - err.txt ||
      fail "said in code page $cp: $(od -c err.txt)"
  done
  in_console 437 -n -r 结果.txt 甲表.csv || fail "-r in code page 437: status $?"
  { printf '\xEF\xBB\xBF'; sed 's/^A      /甲     /;s/$/\r/' "$data/worked_examples.out"; } |
    cmp -s - 结果.txt || fail "-r in code page 437: $(od -c 结果.txt)"
fi

# The null device takes the results; a folder cannot, and the system says why in the user's
# language (Linux: LANGUAGE; Wine: its locale, which scripts/wine.sh takes from QUARNEL_WINE_LC_ALL).
case "$*" in *.exe*) null=NUL why='访问被拒绝' ;; *) null=/dev/null why='是一个目录' ;; esac
run "$@" -n -r "$null" 楼层表.csv
[ "$status" = 0 ] && said err.txt | grep -q "结果已写入 $null" || fail "-r $null: status $status, $(said err.txt)"
mkdir -p folder
cp 楼层表.csv table.csv
LANGUAGE=zh_CN LC_ALL=C.UTF-8 QUARNEL_WINE_LC_ALL=zh_CN.UTF-8 run "$@" -n -r folder table.csv
[ "$status" = 1 ] && said err.txt | grep -q "原因：$why" || fail "-r folder: status $status, $(said err.txt)"

case "$*" in
  *.exe*) ;;
  *)
    # In a folder that was removed: the results file cannot be made, as the system says.
    mkdir gone && cd gone && rmdir ../gone
    status=0
    "$@" -n -o r.txt -r x.txt "$tmp/楼层表.csv" </dev/null >"$tmp/out.txt" 2>"$tmp/err.txt" || status=$?
    cd "$tmp"
    [ "$status" = 1 ] && grep -q '^结果文件写入失败：x.txt$' err.txt || fail "a removed folder: $(cat err.txt)"
    input=/dev/null
    HOME=$tmp run "$@" -r "$tmp/Quarnel书.txt" 楼层表.csv
    [ "$status" = 2 ] || fail "-r naming the report file in the home folder: status $status"
    HOME=$tmp run "$@" 楼层表.csv
    cmp -s <(iconv -f UTF-8 -t GBK "$data/golden/worked_examples.txt") "$tmp/Quarnel书.txt" ||
      fail "the report in the home folder"
    ;;
esac
echo "ok: $*"
