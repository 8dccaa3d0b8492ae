#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests: the private prefix of the Windows build (made by
# scripts/wine-prefix.sh), no debug output, and a UTF-8 locale, without which Wine cannot create a
# file whose name has Chinese characters (QUARNEL_WINE_LOCALE=zh_CN.UTF-8: Windows in Chinese, for
# ASCII file names only, since this system has no such locale of its own).
here="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/build-win/wineprefix}"
export WINEDEBUG=-all LC_ALL="${QUARNEL_WINE_LOCALE:-C.UTF-8}" WINEDLLOVERRIDES="mscoree,mshtml="
# QUARNEL_WINE_FILE_SIZE_KIB=N: the program may not write a file past N KiB. The Wine server and
# Wine's own processes are started first without that limit, and stay.
if [ -n "${QUARNEL_WINE_FILE_SIZE_KIB:-}" ]; then
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
  trap '' XFSZ
  ulimit -f "$QUARNEL_WINE_FILE_SIZE_KIB"
fi
exec wine "$@"
