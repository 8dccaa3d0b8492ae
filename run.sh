#!/usr/bin/env bash
# Installs what is missing (Qt 6, a Chinese font, Qt's Chinese translations), builds into build/
# and starts the program build/bin/quarnel. It needs a display.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quarnel_install_deps

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target quarnel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY and WAYLAND_DISPLAY are unset); to run without one: xvfb-run -a build/bin/quarnel" >&2
  exit 1
fi
exec build/bin/quarnel "$@"
