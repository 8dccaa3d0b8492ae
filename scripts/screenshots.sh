#!/usr/bin/env bash
# Takes the README's screenshots under a virtual display, driving the program from the keyboard
# alone as a user would: the exterior-wall worked example typed in and computed, the interior-wall
# example likewise, and the help window. Needs a build in build/ (./run.sh or ./test.sh).
# Writes docs/main-window.png, docs/main-window-interior.png and docs/help-window.png. QUARNEL_BIN
# names another build of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${QUARNEL_SHOTS_INNER:-}" ]; then
  source scripts/deps.sh
  quarnel_install_deps "${QUARNEL_SCREENSHOT_PACKAGES[@]}"
  [ -x "${QUARNEL_BIN:=build/bin/quarnel}" ] || { echo "screenshots.sh: $QUARNEL_BIN is missing; run ./test.sh first" >&2; exit 1; }
  export QUARNEL_BIN
  mkdir -p docs
  QUARNEL_SHOTS_INNER=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0"
fi

openbox >/dev/null 2>&1 &
wm=$!
sleep 1
QT_QPA_PLATFORM=xcb "$QUARNEL_BIN" >/dev/null 2>&1 &
program=$!
trap 'kill $program $wm 2>/dev/null || true' EXIT

main=$(xdotool search --sync --name '砖混Quarnel器' | head -1)
xdotool windowmove "$main" 20 20
sleep 1

# Types one text into the field that has the focus (tabbing in selected its old text), then Tab.
field() { xdotool type --delay 20 -- "$1"; xdotool key Tab; }
tabs() { for _ in $(seq "$1"); do xdotool key Tab; done; }
shot() { sleep 0.5; import -frame -window "$1" "docs/$2"; echo "wrote docs/$2"; }

# Exterior wall, from zxh: the option set, then zrz .. wmdh keep their defaults.
tabs 8
field 1; tabs 2; field 3.6                                 # gqsl, nrq and yttccd as they are, ytzcd
field 2.9; field 6; field 5; tabs 1                         # zscg, qcs, hhjscs, zjxs stays 0.65
field 0.37; field 6.6; field 3.78; field 3.3                # zsqh, qcd, mcmj, lmjscd
xdotool key space                                           # cmdjs
shot "$main" main-window.png

# Interior wall: from cmdjs on round to zxh, the arrow key selects 内墙, then the partition walls.
tabs 7                                                      # Cmdjss, the results, cmdhelp, zxh
xdotool key Tab Down                                        # the option set: 内墙
tabs 7                                                      # zrz .. wmdh as they are, gqc1
field 3.3; field 1; field 2.4; field 2                      # gqc1, gqds1, gqc2, gqds2
tabs 4                                                      # zscg .. zjxs as before
field 0.24; tabs 1; field 1.89; field 3.9                   # zsqh, qcd as before, mcmj, lmjscd
xdotool key space                                           # cmdjs
shot "$main" main-window-interior.png

# The help window, opened with the keyboard from cmdjs: Cmdjss, the four results, then cmdhelp.
tabs 6
xdotool key space
help=$(xdotool search --sync --name '使用说明' | head -1)
xdotool windowmove "$help" 20 20
shot "$help" help-window.png
