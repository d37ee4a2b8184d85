#!/bin/sh
# Takes a picture of Kelvarin's window under Wine on a private Xvfb display.
#   tools/screenshot.sh [--typical-use] OUT.png
# --typical-use first selects mode SPP, presses SET, dismisses the mode's
# message box and clicks the D0 pin. README's picture is remade with
#   tools/screenshot.sh --typical-use docs/screenshot.png
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
windows="$build/windows"

use=
[ "${1:-}" = --typical-use ] && { use=--typical-use; shift; }
[ $# -eq 1 ] || { echo "usage: $0 [--typical-use] OUT.png" >&2; exit 2; }
out=$(realpath -m "$1")

"$root/tools/setup.sh"
mkdir -p "$(dirname "$out")"
"$root/tools/build-windows.sh" KelvarinShot

bmp="$build/screenshots/shot.bmp"
mkdir -p "$(dirname "$bmp")"
rm -f "$bmp"
session="$root/tools/wine-session.sh $windows/wineprefix"
# Wine takes Windows paths: the Unix root is drive Z:.
winbmp="Z:$(printf '%s' "$bmp" | tr / '\\')"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    $session start &&
    $session run '$windows/bin/KelvarinShot.exe' $use '$winbmp'
    status=\$?
    $session stop
    exit \$status"
convert "$bmp" "$out"
echo "$out"
