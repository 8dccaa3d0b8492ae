#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests: the private prefix of the Windows build (made by
# scripts/wine-prefix.sh), no debug output, and a UTF-8 locale, without which Wine cannot create a
# file whose name has Chinese characters (QUARNEL_WINE_LC_ALL names another UTF-8 locale: Wine takes
# the system's code pages from it, 936 for zh_CN.UTF-8).
here="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/build-win/wineprefix}"
export WINEDEBUG=-all LC_ALL=${QUARNEL_WINE_LC_ALL:-C.UTF-8} WINEDLLOVERRIDES="mscoree,mshtml="
# QUARNEL_WINE_FILE_SIZE_KIB=N: the program may not write a file past N KiB. The Wine server (when
# test.sh has not started it) and Wine's own processes are started first without that limit, and
# stay for 5 minutes.
if [ -n "${QUARNEL_WINE_FILE_SIZE_KIB:-}" ]; then
  wineserver -p300 </dev/null >/dev/null 2>&1
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
  trap '' XFSZ
  ulimit -f "$QUARNEL_WINE_FILE_SIZE_KIB"
fi
exec wine "$@"
