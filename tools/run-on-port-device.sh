#!/bin/sh
# Runs Kelvarin beside the port-device library, as the user who runs this
# (root for /dev/port), in a Wine prefix of that user's own (Wine refuses a
# prefix another user owns), one prefix per architecture.
#   tools/run-on-port-device.sh ARCH PROGRAM DEVICE
# Called by tools/run.sh --real-port.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -eq 3 ] || { echo "usage: $0 i686|x86_64 PROGRAM DEVICE" >&2; exit 2; }

export KELVARIN_PORT_DEVICE="$3"
home=$(getent passwd "$(id -un)" | cut -d: -f6)
# The library says on standard error why it cannot reach the device.
exec "$root/tools/wine-session.sh" "$1" "$home/.cache/kelvarin/wineprefix-$1" session "$2"
