#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test through CTest: the Linux program's,
# again under the sanitizers, the fuzz targets, then the Windows program's under Wine.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quarnel_install_deps "${QUARNEL_RUN_PACKAGES[@]}" "${QUARNEL_TEST_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARNEL_TESTS=ON
cmake --build build -j"$(nproc)"

# The non-GUI tests again with AddressSanitizer and UndefinedBehaviorSanitizer: any report fails.
cmake -S . -B build-asan -DQUARNEL_GUI=OFF -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-asan -j"$(nproc)"
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE '^bench$'

# Each libFuzzer target for 20 s on a copy of its seed corpus (longer: scripts/fuzz.sh SECONDS).
scripts/fuzz.sh 20

# Every test of the Linux program, then the Windows stage.
export QT_QPA_PLATFORM=offscreen
# The timed benchmark runs (label "bench") are left out; their short smoke runs are in.
ctest --test-dir build --output-on-failure -j"$(nproc)" -LE '^bench$'

# Windows: the same sources cross-built with MinGW-w64 into build-win/, their tests run under Wine
# in a private prefix made anew for this run, on a virtual display; the calculation document of
# quarnel-batch.exe is compared byte for byte with that of the Linux program.
unset QT_QPA_PLATFORM
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARNEL_LINUX_BATCH="$PWD/build/bin/quarnel-batch"
cmake --build build-win -j"$(nproc)"
export WINEPREFIX="$PWD/build-win/wineprefix"
trap 'wineserver -k 2>/dev/null || true' EXIT  # the Wine server of the tests, however they end
scripts/wine-prefix.sh
# One Wine server for all the tests' programs, kept until the end: Debian's wineserver otherwise
# ends the moment its last program ends, and a program started at that moment meets a server that
# is shutting down and fails ("wine client error:0: recvmsg: Connection reset by peer").
wineserver -p
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build-win --output-on-failure
