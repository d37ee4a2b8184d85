#!/bin/sh
# Builds Kelvarin and starts it under Wine.
#   tools/run.sh                       on the simulated port library
#   tools/run.sh --real-port [DEVICE]  on this machine's real port, through
#                                      the Linux port device (default /dev/port)
# On the simulated port:
#  - with a display ($DISPLAY set) it runs in your X session until you close
#    the window;
#  - without one it runs on a private Xvfb display, saves a picture of the
#    window to <build>/screenshots/run.png, prints its path and closes it.
# On the real port it needs a display, and runs as root (through sudo when
# started by another user), since opening the port device takes root's
# CAP_SYS_RAWIO capability.
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
windows="$build/windows"

case "${1:-}" in
"")
    if [ -z "${DISPLAY:-}" ]; then
        exec "$root/tools/screenshot.sh" "$build/screenshots/run.png"
    fi
    "$root/tools/setup.sh"
    "$root/tools/build-windows.sh" kelvarin_runnable
    exec "$root/tools/wine-session.sh" "$windows/wineprefix" session "$windows/bin/Kelvarin.exe"
    ;;
--real-port)
    device=${2:-/dev/port}
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
"$root/tools/setup.sh"
"$root/tools/build-windows.sh" kelvarin_devport_runnable
cat <<WARNING
Kelvarin on the real port, through $device.
It writes the port's registers directly, beside any kernel driver that holds
the port (lp, parport_pc): unload those first if they may get in the way, and
mind what is plugged into the port.
WARNING

runner="$root/tools/run-on-port-device.sh"
program="$windows/bin/devport/Kelvarin.exe"
if [ "$(id -u)" -eq 0 ]; then
    exec "$runner" "$program" "$device"
fi
# Root reaches the user's X display with the user's authority file.
exec sudo DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-$HOME/.Xauthority}" \
    "$runner" "$program" "$device"
