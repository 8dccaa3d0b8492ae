#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quarnel_install_deps

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# The timed benchmark runs (label "bench") are left out; their short smoke runs are in.
ctest --test-dir build --output-on-failure -j"$(nproc)" -LE '^bench$'
