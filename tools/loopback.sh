#!/bin/sh
# Builds KelvarinLoopback and runs it under Wine.
#   tools/loopback.sh BASE [OPTIONS]                       on the simulated port
#   tools/loopback.sh --real-port [DEVICE] BASE [OPTIONS]  on this machine's
#                                      real port, the device chosen and run as
#                                      by tools/run.sh --real-port
# OPTIONS are the program's own (--plug, --rounds); it exits with its status.
# On the simulated port the plug on the cable is the data-status one unless
# PORTSIM_DEVICE says otherwise (control-loopback, none), and PORTSIM_FAULTS
# breaks its wires (docs/simulated-port.md).
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
#   KELVARIN_ARCH   i686 or x86_64 instead of the host's choice
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
. "$root/tools/windows-arch.sh"
. "$root/tools/real-port.sh"
arch=$(windows_arch)
windows=$(windows_tree "$arch")

if [ "${1:-}" = --real-port ]; then
    shift
    case "${1:-}" in
    /* | ppdev:*) choose_real_port "$1" && shift ;;
    *) choose_real_port ;;
    esac
    prepare_real_port "$arch" KelvarinLoopback
    exec_on_real_port "$arch" "$windows/bin/devport/KelvarinLoopback.exe" "$@"
fi

"$root/tools/setup.sh"
say_windows_arch "$arch"
"$root/tools/build-windows.sh" "$arch" kelvarin_runnable
export PORTSIM_DEVICE="${PORTSIM_DEVICE:-loopback}"
exec "$root/tools/wine-session.sh" "$arch" "$windows/wineprefix" session \
    "$windows/bin/KelvarinLoopback.exe" "$@"
