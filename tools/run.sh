#!/bin/sh
# Builds Kelvarin and starts it under Wine.
#   tools/run.sh                       on the simulated port library
#   tools/run.sh --real-port [DEVICE]  on this machine's real port: through
#                                      ppdev (/dev/parport0 when you may open
#                                      it) or else the port device /dev/port
# On the simulated port:
#  - with a display ($DISPLAY set) it runs in your X session until you close
#    the window;
#  - without one it runs on a private Xvfb display, saves a picture of the
#    window to <build>/screenshots/run.png, prints its path and closes it.
# On the real port it needs a display and lists the ports the kernel knows.
# A ppdev device (/dev/parportN, or ppdev:PATH) runs as you, which takes
# membership of the device's group (lp); /dev/port runs as root (through sudo
# when started by another user), since opening it takes root's CAP_SYS_RAWIO.
# It runs the 32-bit program where the host runs 32-bit programs, else the
# 64-bit one (beside the 64-bit port library, inpoutx64.dll), and says which.
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
#   KELVARIN_ARCH   i686 or x86_64 instead of the host's choice
#   KELVARIN_WINEPREFIX  Wine prefix (default: the tree's own wineprefix/)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
. "$root/tools/windows-arch.sh"
. "$root/tools/real-port.sh"

case "${1:-}" in
"")
    if [ -z "${DISPLAY:-}" ]; then
        exec "$root/tools/screenshot.sh" "$build/screenshots/run.png"
    fi
    "$root/tools/setup.sh"
    arch=$(windows_arch)
    windows=$(windows_tree "$arch")
    say_windows_arch "$arch"
    "$root/tools/build-windows.sh" "$arch" kelvarin_runnable
    exec "$root/tools/wine-session.sh" "$arch" "$(wine_prefix "$arch")" session "$windows/bin/Kelvarin.exe"
    ;;
--real-port)
    choose_real_port "${2:-}"
    ;;
*)
    echo "usage: $0 [--real-port [DEVICE]]" >&2
    exit 2
    ;;
esac

if [ -z "${DISPLAY:-}" ]; then
    echo "$0: the real port needs a display: run it in your X session" >&2
    exit 2
fi
arch=$(windows_arch)
windows=$(windows_tree "$arch")
prepare_real_port "$arch" Kelvarin
exec_on_real_port "$arch" "$windows/bin/devport/Kelvarin.exe"
