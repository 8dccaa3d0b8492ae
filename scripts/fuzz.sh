#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a bounded time on its
# corpus (build-fuzz/corpus/<target>, seeded from fuzz/corpus/<target> and kept between runs).
#   scripts/fuzz.sh                 every target for 20 s (what test.sh runs)
#   scripts/fuzz.sh 3600 report     one target for an hour
# Stops with the failing input under build-fuzz/artifacts/ when a check or a sanitizer fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(number calculation report batch)

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARNEL_GUI=OFF -DQUARNEL_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build build-fuzz --target fuzz_targets -j"$(nproc)"

mkdir -p build-fuzz/artifacts
for t in "${targets[@]}"; do
  bin=build-fuzz/bin/fuzz_$t
  [ -x "$bin" ] || { echo "no fuzz target $t"; exit 1; }
  mkdir -p "build-fuzz/corpus/$t"
  cp -rn "fuzz/corpus/$t/." "build-fuzz/corpus/$t/"
  log=build-fuzz/fuzz_$t.log
  echo "fuzzing $t for $seconds s"
  if ! "$bin" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$t-" \
      "build-fuzz/corpus/$t" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $t FAILED (log: $log)"
    exit 1
  fi
  grep -E '^Done [0-9]+ runs' "$log"
done
