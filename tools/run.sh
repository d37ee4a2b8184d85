#!/bin/sh
# Builds Kelvarin and starts it under Wine with the simulated port library
# (inpout32.dll) beside it.
#  - With a display ($DISPLAY set) it runs in your X session until you close
#    the window.
#  - Without one it runs on a private Xvfb display, saves a picture of the
#    window to <build>/screenshots/run.png, prints its path and closes it.
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
windows="$build/windows"

if [ -z "${DISPLAY:-}" ]; then
    exec "$root/tools/screenshot.sh" "$build/screenshots/run.png"
fi

"$root/tools/setup.sh"
"$root/tools/build-windows.sh" kelvarin_runnable

session="$root/tools/wine-session.sh $windows/wineprefix"
$session start
status=0
$session run "$windows/bin/Kelvarin.exe" || status=$?
$session stop
exit $status
