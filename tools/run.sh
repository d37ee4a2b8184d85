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
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
. "$root/tools/windows-arch.sh"

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
    exec "$root/tools/wine-session.sh" "$arch" "$windows/wineprefix" session "$windows/bin/Kelvarin.exe"
    ;;
--real-port)
    device=${2:-}
    if [ -z "$device" ]; then
        device=/dev/port
        if [ -r /dev/parport0 ] && [ -w /dev/parport0 ]; then
            device=/dev/parport0
        elif [ -e /dev/parport0 ]; then
            echo "/dev/parport0 is there but not yours to open: join group $(stat -L -c %G /dev/parport0) to use it without root"
        fi
    fi
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
# ppdev's devices have character major 99 (hex 63).
case "$device" in
ppdev:* | /dev/parport*) ppdev=yes ;;
*) [ -c "$device" ] && [ "$(stat -L -c %t "$device")" = 63 ] && ppdev=yes || ppdev=no ;;
esac

"$root/tools/setup.sh"
arch=$(windows_arch)
windows=$(windows_tree "$arch")
say_windows_arch "$arch"
"$root/tools/build-windows.sh" "$arch" kelvarin_devport_runnable
# The addresses as typed into the window: hexadecimal, without 0x.
echo "Parallel ports the kernel knows (base, extended):"
listed=no
for file in /proc/sys/dev/parport/*/base-addr; do
    [ -r "$file" ] || continue
    read -r base extended <"$file"
    name=$(basename "$(dirname "$file")")
    [ "$extended" -eq 0 ] && none=" (no extended registers)" || none=""
    printf '  %s (/dev/%s): %X, %X%s\n' "$name" "$name" "$base" "$extended" "$none"
    listed=yes
done
[ $listed = yes ] || echo "  none (the kernel module parport_pc is not loaded, or no port)"

runner="$root/tools/run-on-port-device.sh"
program="$windows/bin/devport/Kelvarin.exe"
if [ $ppdev = yes ]; then
    cat <<PPDEV
Kelvarin opens $device through ppdev, as $(id -un), and claims the port until
it closes. ppdev reaches the Data, Status and Control registers (Control bits
0-3 and the direction bit 5); the ECR is out of its reach: SET cannot switch
the mode (the terminal says so once) and the port keeps the driver's mode.
PPDEV
    exec "$runner" "$arch" "$program" "$device"
fi
cat <<WARNING
Kelvarin opens $device, the port device, as root.
It writes the port's registers directly, beside any kernel driver that holds
the port (lp, parport_pc): unload those first if they may get in the way, and
mind what is plugged into the port.
WARNING

if [ "$(id -u)" -eq 0 ]; then
    exec "$runner" "$arch" "$program" "$device"
fi
# Root reaches the user's X display with the user's authority file.
exec sudo DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-$HOME/.Xauthority}" \
    "$runner" "$arch" "$program" "$device"
