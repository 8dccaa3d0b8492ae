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
# The test program's windows are not handed to a window manager (there is none on the virtual
# display): Wine then destroys a window at once instead of waiting two seconds for one.
wine reg add 'HKCU\Software\Wine\AppDefaults\win32_gui_tests.exe\X11 Driver' /v Managed /t REG_SZ \
  /d N /f >/dev/null 2>&1
wineserver -w
# The user's folders (Documents, where the program writes its reports when drive C refuses them,
# Desktop and the others) are folders of the prefix's own instead of Wine's links to the home
# folder: the tests never touch a report or any other file there.
for folder in "$WINEPREFIX"/drive_c/users/*/*; do
  if [ -L "$folder" ]; then rm "$folder" && mkdir "$folder"; fi
done
echo "Wine prefix: $WINEPREFIX ($(wine --version))"
