#!/usr/bin/env bash
# Start-up of quarnel.exe under Wine on Xvfb: the time from starting the program to its main window
# being mapped on the X server (bench/map_watch), against the two floors of bench/win: an empty
# Win32 window of the same title and size, and the same window holding the 81 controls as plain
# STATIC, EDIT, BUTTON and COMBOBOX controls in the program's fonts. Runs are interleaved; medians
# and ratios are printed.
#
#   bench/startup-win.sh [RUNS]    RUNS rounds (default 15) after one round that is not counted
#
# The programs are measured as the packages ship them, without their debug information (Wine counts
# the whole executable in a process's memory, and quarnel.exe carries more debug information than
# the floor). Exit status 0 when the program is within 1.10 of the 81-control window in time and
# at most 1.00 in memory, 3 when it is not, other values on errors. Builds map_watch in the Linux build (build/ or $QUARNEL_BUILD_DIR)
# and the programs in the cross build (build-win/ or $QUARNEL_WIN_BUILD_DIR). The Wine prefix is
# the benchmark's own ($QUARNEL_WIN_BUILD_DIR/wineprefix-bench, made on first use), so that the
# Wine server it keeps running disturbs no other Wine work; QUARNEL_DISPLAY=:N takes display :N.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${QUARNEL_BUILD_DIR:-build}
win=${QUARNEL_WIN_BUILD_DIR:-build-win}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target map_watch >/dev/null
[ -f "$win/CMakeCache.txt" ] || cmake -S . -B "$win" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$win" -j2 --target quarnel floor_window >/dev/null
watch=$(cd "$build/bin" && pwd)/map_watch
title="砖混Quarnel器"

export WINEPREFIX="$PWD/$win/wineprefix-bench"
[ -f "$WINEPREFIX/system.reg" ] || scripts/wine-prefix.sh
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

tmp=$(mktemp -d)
xvfb="" resident=""
bin=$tmp/bin
mkdir "$bin"
strip=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "$win/CMakeCache.txt")
for program in quarnel floor_window; do "$strip" -o "$bin/$program.exe" "$win/bin/$program.exe"; done
cleanup() {
  exec 4>&- 2>/dev/null || true
  if [ -n "$resident" ]; then
    kill "$resident" 2>/dev/null || true
    wait "$resident" 2>/dev/null || true
  fi
  wineserver -k 2>/dev/null || true  # the benchmark's own prefix
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT

# A private X server without window manager (as bench/startup.sh).
if [ -n "${QUARNEL_DISPLAY:-}" ]; then
  QUARNEL_DISPLAY=${QUARNEL_DISPLAY#:}
  Xvfb ":$QUARNEL_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$tmp/xvfb.log" &
  xvfb=$!
  echo "$QUARNEL_DISPLAY" >"$tmp/display"
  sleep 1
else
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
fi
kill -0 "$xvfb" 2>/dev/null && [ -s "$tmp/display" ] || { cat "$tmp/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$tmp/display")"

# Wine's server and its system processes (services, explorer, plug and play) stay up between the
# starts, held by one idle console program, as on a desktop where they run from log-in on: each
# start then measures the program, not the start of Wine itself. The console program reads from a
# named pipe that this script holds open; it ends when the script closes the pipe or ends.
wineserver -p 2>/dev/null || true  # already running: held by the console program below
mkfifo "$tmp/hold"
wine cmd.exe <"$tmp/hold" >/dev/null 2>&1 &
resident=$!
exec 4>"$tmp/hold"
sleep 2

programs=("bare window|$bin/floor_window.exe bare" "81 controls|$bin/floor_window.exe plain"
  "quarnel.exe|$bin/quarnel.exe")

# One start of program number $1; appends "ms kB cpu-ms" to its results file.
measure() {
  local command=${programs[$1]#*|}
  # shellcheck disable=SC2086  # the command's words are split on purpose
  "$watch" "$title" wine $command >>"$tmp/result.$1" 2>>"$tmp/stderr.$1" || {
    cat "$tmp/stderr.$1" >&2
    echo "failed: $command" >&2
    exit 1
  }
}

for i in "${!programs[@]}"; do measure "$i"; done # not counted: fills the caches
for i in "${!programs[@]}"; do : >"$tmp/result.$i"; done
for _ in $(seq "$runs"); do
  for i in "${!programs[@]}"; do measure "$i"; done
done

# The median of column $2 of file $1.
median() {
  cut -d' ' -f"$2" "$1" | sort -n | awk '{v[NR] = $1} END {
    print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

echo "Start-up under Wine to the main window mapped, medians of $runs interleaved runs each"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
  "$(wine --version), load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-14s %10s %10s %12s\n' program "time ms" "RSS MB" "processor ms"
declare -a ms kb cpu
for i in "${!programs[@]}"; do
  ms[i]=$(median "$tmp/result.$i" 1)
  kb[i]=$(median "$tmp/result.$i" 2)
  cpu[i]=$(median "$tmp/result.$i" 3)
  printf '%-14s %10.1f %10.1f %12.1f\n' "${programs[$i]%%|*}" "${ms[i]}" \
    "$(echo "${kb[i]}" | awk '{print $1 / 1024}')" "${cpu[i]}"
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
for i in 0 1; do
  printf 'quarnel.exe / %-12s time %s  memory %s  processor %s\n' "${programs[$i]%%|*}" \
    "$(ratio "${ms[2]}" "${ms[i]}")" "$(ratio "${kb[2]}" "${kb[i]}")" \
    "$(ratio "${cpu[2]}" "${cpu[i]}")"
done

if awk -v t="$(ratio "${ms[2]}" "${ms[1]}")" -v m="$(ratio "${kb[2]}" "${kb[1]}")" \
  'BEGIN {exit !(t <= 1.10 && m <= 1.00)}'; then
  echo "goals met: within 1.10 of the 81-control window in time and 1.00 in memory"
else
  echo "goals missed: more than 1.10 of the 81-control window in time or 1.00 in memory"
  exit 3
fi
