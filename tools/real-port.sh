# Sourced by tools/run.sh and tools/loopback.sh: running a program of the
# Windows build on this machine's real port, beside the port-device library.
#   choose_real_port [DEVICE]         sets $device (default: /dev/parport0 when
#                                     you may open it, else /dev/port) and
#                                     $ppdev (yes for a ppdev device)
#   prepare_real_port ARCH NAME       builds the port-device folder, lists the
#                                     ports the kernel knows and says what NAME
#                                     opens and how
#   exec_on_real_port ARCH EXE [ARGS...]
#                                     runs EXE there: as you through ppdev, as
#                                     root (sudo) through /dev/port
# Needs $root (the source tree), $build (the build folder) and
# tools/windows-arch.sh sourced; sources tools/linux-tools.sh.

. "$root/tools/linux-tools.sh"

choose_real_port() {
    device=${1:-}
    if [ -z "$device" ]; then
        device=/dev/port
        if [ -r /dev/parport0 ] && [ -w /dev/parport0 ]; then
            device=/dev/parport0
        elif [ -e /dev/parport0 ]; then
            echo "/dev/parport0 is there but not yours to open: join group $(stat -L -c %G /dev/parport0) to use it without root"
        fi
    fi
    # ppdev's devices have character major 99 (hex 63).
    case "$device" in
    ppdev:* | /dev/parport*) ppdev=yes ;;
    *) [ -c "$device" ] && [ "$(stat -L -c %t "$device")" = 63 ] && ppdev=yes || ppdev=no ;;
    esac
}

prepare_real_port() {
    "$root/tools/setup.sh"
    say_windows_arch "$1"
    "$root/tools/build-windows.sh" "$1" kelvarin_devport_runnable
    build_linux_tools kelvarin-ports
    echo "Parallel ports the kernel knows (kelvarin-ports):"
    "$build/linux/bin/kelvarin-ports" | sed 's/^/  /'
    if [ $ppdev = yes ]; then
        cat <<PPDEV
$2 opens $device through ppdev, as $(id -un), and claims the port until
it closes. ppdev reaches the Data, Status and Control registers (Control bits
0-3 and the direction bit 5); the ECR is out of its reach, so the port keeps
the driver's mode (Kelvarin's SET cannot switch it; the terminal says so once).
PPDEV
    else
        cat <<WARNING
$2 opens $device, the port device, as root.
It writes the port's registers directly, beside any kernel driver that holds
the port (lp, parport_pc): unload those first if they may get in the way, and
mind what is plugged into the port.
WARNING
    fi
}

exec_on_real_port() {
    runner="$root/tools/run-on-port-device.sh"
    if [ $ppdev = yes ] || [ "$(id -u)" -eq 0 ]; then
        exec "$runner" "$device" "$@"
    fi
    # Root reaches the user's X display with the user's authority file.
    exec sudo DISPLAY="${DISPLAY:-}" XAUTHORITY="${XAUTHORITY:-$HOME/.Xauthority}" \
        "$runner" "$device" "$@"
}
