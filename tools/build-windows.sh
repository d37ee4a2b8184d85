#!/bin/sh
# Configures and builds targets of one architecture's Windows tree quietly; on
# failure shows the end of the log.
#   tools/build-windows.sh ARCH TARGET...    ARCH: i686 or x86_64
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
. "$root/tools/windows-arch.sh"
arch=$1
shift
windows=$(windows_tree "$arch")

mkdir -p "$build/logs"
log="$build/logs/build-windows-$arch.log"
if ! { cmake -S "$root" -B "$windows" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" &&
       cmake --build "$windows" -j "$(nproc)" --target "$@"; } >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "the Windows build ($arch) failed, log: $log" >&2
    exit 1
fi
