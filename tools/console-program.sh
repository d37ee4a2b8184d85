#!/bin/sh
# Builds the Windows tree and runs one of its console programs under Wine,
# with the program's arguments and exit status.
#   tools/console-program.sh NAME [ARGS]                      on the simulated port
#   tools/console-program.sh NAME --real-port [DEVICE] [ARGS] on this machine's
#                                      real port, the device chosen and run as
#                                      by tools/run.sh --real-port
# NAME is KelvarinLoopback or KelvarinCapture; tools/loopback.sh and
# tools/capture.sh call this.
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
#   KELVARIN_ARCH   i686 or x86_64 instead of the host's choice
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
. "$root/tools/windows-arch.sh"
. "$root/tools/real-port.sh"
arch=$(windows_arch)
windows=$(windows_tree "$arch")
name=$1
shift

if [ "${1:-}" = --real-port ]; then
    shift
    case "${1:-}" in
    /* | ppdev:*) choose_real_port "$1" && shift ;;
    *) choose_real_port ;;
    esac
    prepare_real_port "$arch" "$name"
    exec_on_real_port "$arch" "$windows/bin/devport/$name.exe" "$@"
fi

"$root/tools/setup.sh"
say_windows_arch "$arch"
"$root/tools/build-windows.sh" "$arch" kelvarin_runnable
exec "$root/tools/wine-session.sh" "$arch" "$windows/wineprefix" session \
    "$windows/bin/$name.exe" "$@"
