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
mkdir -p "$build/logs"
log="$build/logs/run.log"
if ! { cmake -S "$root" -B "$windows" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" &&
       cmake --build "$windows" -j "$(nproc)" --target kelvarin_runnable; } >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "run: the Windows build failed, log: $log" >&2
    exit 1
fi
if [ ! -f "$windows/bin/inpout32.dll" ]; then
    echo "run: the simulated port library $windows/bin/inpout32.dll is not built yet;" >&2
    echo "Kelvarin will say \"Loading inpout32 library fail.\" and have no port to work on." >&2
fi

session="$root/tools/wine-session.sh $windows/wineprefix"
$session start
status=0
$session run "$windows/bin/Kelvarin.exe" || status=$?
$session stop
exit $status
