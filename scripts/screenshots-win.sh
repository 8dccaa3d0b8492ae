#!/usr/bin/env bash
# Takes the README's screenshots of the Windows program under Wine on a virtual display, driving it
# from the keyboard alone as a user would: the exterior-wall worked example typed in and computed,
# the interior-wall example likewise, and the help window. Needs build-win/bin/quarnel.exe (the
# Windows stage of ./test.sh) and its Wine prefix (scripts/wine-prefix.sh). Writes
# docs/win-main-window.png, docs/win-main-window-interior.png, docs/win-help-window.png and
# docs/win-captions-without-lisu.png (the frame captions at twice the size). The caption font 隶书
# is hidden from Wine, as it is missing from a Windows 10 or 11 without Office: the captions show
# the program's fallback.
# QUARNEL_DISPLAY=:N uses that display number for the virtual display instead of a free one.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=build-win/bin/quarnel.exe
if [ -z "${QUARNEL_SHOTS_INNER:-}" ]; then
  [ -f "$exe" ] || { echo "screenshots-win.sh: $exe is missing; run ./test.sh first" >&2; exit 1; }
  mkdir -p docs
  export QUARNEL_SHOTS_INNER=1
  if [ -n "${QUARNEL_DISPLAY:-}" ]; then
    Xvfb "$QUARNEL_DISPLAY" -screen 0 800x600x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    sleep 1
    DISPLAY="$QUARNEL_DISPLAY" "$0"
    exit
  fi
  exec xvfb-run -a -s "-screen 0 800x600x24" "$0"
fi

# Wine draws the message boxes and the title bar of a tool window itself, in Tahoma, which has no
# Chinese glyphs; a Chinese Windows links Tahoma to its Song font, here it is linked to the
# WenQuanYi font of the machine.
export WINEPREFIX="${WINEPREFIX:-$PWD/build-win/wineprefix}"
for family in Tahoma "Microsoft Sans Serif"; do
  scripts/wine.sh reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v "$family" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null 2>&1
done
wineserver -w
fonts=$(mktemp)
cat >"$fonts" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont>
    <pattern><patelt name="family"><string>LiSu</string></patelt></pattern>
    <pattern><patelt name="family"><string>隶书</string></patelt></pattern>
    <pattern><patelt name="family"><string>STLiti</string></patelt></pattern>
    <pattern><patelt name="family"><string>华文隶书</string></patelt></pattern>
  </rejectfont></selectfont>
</fontconfig>
CONF

openbox >/dev/null 2>&1 &
wm=$!
sleep 1
scripts/wine.sh "$exe" >/dev/null 2>&1 &
program=$!
trap 'kill $program $wm 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -f "$fonts"' EXIT

main=$(xdotool search --sync --name '砖混Quarnel器' | head -1)
xdotool windowmove "$main" 20 20
sleep 2

# Types one text into the field that has the focus (tabbing in selected its old text), then Tab.
field() { xdotool type --delay 30 -- "$1"; xdotool key --delay 30 Tab; }
tabs() { for _ in $(seq "$1"); do xdotool key --delay 30 Tab; done; }
# The window with the frame that the window manager draws around it.
shot() { sleep 1; import -frame -window "$1" "docs/$2"; echo "wrote docs/$2"; }

# Exterior wall, from zxh: the option set, then zrz .. wmdh keep their defaults.
tabs 8
field 1; tabs 2; field 3.6                                 # gqsl, nrq and yttccd as they are, ytzcd
field 2.9; field 6; field 5; tabs 1                         # zscg, qcs, hhjscs, zjxs stays 0.65
field 0.37; field 6.6; field 3.78; field 3.3                # zsqh, qcd, mcmj, lmjscd
xdotool key space                                           # cmdjs
shot "$main" win-main-window.png

# Interior wall: from cmdjs on round to zxh, the arrow key selects 内墙, then the partition walls.
tabs 7                                                      # Cmdjss, the results, cmdhelp, zxh
xdotool key --delay 30 Tab Down                             # the option set: 内墙
tabs 7                                                      # zrz .. wmdh as they are, gqc1
field 3.3; field 1; field 2.4; field 2                      # gqc1, gqds1, gqc2, gqds2
tabs 4                                                      # zscg .. zjxs as before
field 0.24; tabs 1; field 1.89; field 3.9                   # zsqh, qcd as before, mcmj, lmjscd
xdotool key space                                           # cmdjs
shot "$main" win-main-window-interior.png

# The help window, opened with the keyboard from cmdjs: Cmdjss, the four results, then cmdhelp.
tabs 6
xdotool key space
help=$(xdotool search --sync --name '使用说明' | head -1)
xdotool windowmove "$help" 20 20
shot "$help" win-help-window.png

# The frame captions once more, from a second start with 隶书 hidden from Wine (only for it: the
# hidden fonts change how Wine draws its own title bars, which the shots above show).
kill $program 2>/dev/null || true
wineserver -k 2>/dev/null || true
FONTCONFIG_FILE=$fonts scripts/wine.sh "$exe" >/dev/null 2>&1 &
program=$!
main=$(xdotool search --sync --name '砖混Quarnel器' | head -1)
xdotool windowmove "$main" 20 20
sleep 2
import -window "$main" png:- | convert - -crop 500x34+0+0 +repage -scale 200% \
  docs/win-captions-without-lisu.png
echo "wrote docs/win-captions-without-lisu.png"
