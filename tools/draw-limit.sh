#!/bin/sh
# Measures how many pin clicks Kelvarin's window takes under Wine before it
# stops drawing: Wine's buttons keep one GDI object per image change, and a
# full GDI handle table stops all painting (docs/reliability.md). Clicks D0
# until then, reading the screen after every batch; prints progress and the
# limit. A few minutes.
#   tools/draw-limit.sh [MAX_CLICKS]   (default 70,001)
# It uses i686 where the host runs 32-bit programs, else x86_64, and says which.
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
#   KELVARIN_ARCH   i686 or x86_64 instead of the host's choice
#   KELVARIN_WINEPREFIX  Wine prefix (default: the tree's own wineprefix/)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
. "$root/tools/windows-arch.sh"
"$root/tools/setup.sh"
arch=$(windows_arch)
windows=$(windows_tree "$arch")
say_windows_arch "$arch"
"$root/tools/build-windows.sh" "$arch" draw_limit
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$root/tools/wine-session.sh" "$arch" "$(wine_prefix "$arch")" session "$windows/bin/draw_limit.exe" \
    ${1:+--max-clicks "$1"} | tr -d '\r'
