#!/bin/sh
# Measures how many pin clicks Kelvarin's window takes under Wine before it
# stops drawing: Wine's buttons keep one GDI object per image change, and a
# full GDI handle table stops all painting (docs/reliability.md). Clicks D0
# until then, reading the screen after every batch; prints progress and the
# limit. A few minutes.
#   tools/draw-limit.sh [MAX_CLICKS]   (default 70,001)
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
windows="$build/windows"
"$root/tools/setup.sh"
"$root/tools/build-windows.sh" draw_limit
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$root/tools/wine-session.sh" "$windows/wineprefix" session "$windows/bin/draw_limit.exe" \
    ${1:+--max-clicks "$1"} | tr -d '\r'
