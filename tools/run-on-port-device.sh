#!/bin/sh
# Runs a program beside the port-device library, as the user who runs this
# (root for /dev/port), in a Wine prefix of that user's own (Wine refuses a
# prefix another user owns), one prefix per architecture.
#   tools/run-on-port-device.sh DEVICE ARCH PROGRAM [ARGS...]
# Called through tools/real-port.sh (run.sh --real-port, loopback.sh --real-port).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 3 ] || { echo "usage: $0 DEVICE i686|x86_64 PROGRAM [ARGS...]" >&2; exit 2; }

export KELVARIN_PORT_DEVICE="$1"
arch=$2
shift 2
home=$(getent passwd "$(id -un)" | cut -d: -f6)
# The library says on standard error why it cannot reach the device.
exec "$root/tools/wine-session.sh" "$arch" "$home/.cache/kelvarin/wineprefix-$arch" session "$@"
