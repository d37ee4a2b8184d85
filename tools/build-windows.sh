#!/bin/sh
# Configures and builds targets of the Windows tree quietly; on failure shows
# the end of the log.
#   tools/build-windows.sh TARGET...
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
windows="$build/windows"

mkdir -p "$build/logs"
log="$build/logs/build-windows.log"
if ! { cmake -S "$root" -B "$windows" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" &&
       cmake --build "$windows" -j "$(nproc)" --target "$@"; } >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "the Windows build failed, log: $log" >&2
    exit 1
fi
