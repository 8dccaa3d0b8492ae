#!/usr/bin/env bash
# Installs what building and running the program needs and is missing (the compiler, Qt 6, a
# Chinese font, Qt's Chinese translations), builds the program into build/ and starts it,
# build/bin/quarnel. It needs a display. The tests are not built: ./test.sh builds and runs them.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quarnel_install_deps "${QUARNEL_RUN_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARNEL_TESTS=OFF
cmake --build build -j"$(nproc)" --target quarnel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY and WAYLAND_DISPLAY are unset); to run without one: xvfb-run -a build/bin/quarnel" >&2
  exit 1
fi
exec build/bin/quarnel
