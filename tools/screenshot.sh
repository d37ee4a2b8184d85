#!/bin/sh
# Takes a picture of Kelvarin's window under Wine on a private Xvfb display.
#   tools/screenshot.sh [--typical-use] OUT.png
# --typical-use first selects mode SPP, presses SET, dismisses the mode's
# message box and clicks the D0 pin. README's picture is remade with
#   tools/screenshot.sh --typical-use docs/screenshot.png
# It uses i686 where the host runs 32-bit programs, else x86_64, and says which.
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
#   KELVARIN_ARCH   i686 or x86_64 instead of the host's choice
#   KELVARIN_WINEPREFIX  Wine prefix (default: the tree's own wineprefix/)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
. "$root/tools/windows-arch.sh"

use=
[ "${1:-}" = --typical-use ] && { use=--typical-use; shift; }
[ $# -eq 1 ] || { echo "usage: $0 [--typical-use] OUT.png" >&2; exit 2; }
out=$(realpath -m "$1")

"$root/tools/setup.sh"
arch=$(windows_arch)
windows=$(windows_tree "$arch")
say_windows_arch "$arch"
mkdir -p "$(dirname "$out")"
"$root/tools/build-windows.sh" "$arch" KelvarinShot

bmp="$build/screenshots/shot.bmp"
mkdir -p "$(dirname "$bmp")"
rm -f "$bmp"
session="$root/tools/wine-session.sh $arch $(wine_prefix "$arch")"
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
