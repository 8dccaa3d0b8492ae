#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests: the private prefix of the Windows build (made by
# scripts/wine-prefix.sh), no debug output, and a UTF-8 locale, without which Wine cannot create a
# file whose name has Chinese characters.
here="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/build-win/wineprefix}"
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
