#!/usr/bin/env bash
# Makes the private Wine prefix of the Windows tests anew ($WINEPREFIX, by default
# build-win/wineprefix): wineboot without the Mono and Gecko installers, then waits until Wine has
# written it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/build-win/wineprefix}"
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot -i >/dev/null 2>&1
wineserver -w
echo "Wine prefix: $WINEPREFIX ($(wine --version))"
