#!/bin/sh
# Builds KelvarinPorts and runs it under Wine.
#   tools/ports.sh [--probe [BASE [EXT]]]                      on the simulated port
#   tools/ports.sh --real-port [DEVICE] [--probe [BASE [EXT]]] on this machine's
#                                      real port, the device chosen and run as
#                                      by tools/run.sh --real-port
# Without --probe it lists the ports Windows knows (under Wine: none); with
# it, it probes the chip at BASE (or each listed port) and exits with its
# status. On the simulated port PORTSIM_CHIP picks the chip
# (docs/simulated-port.md).
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
#   KELVARIN_ARCH   i686 or x86_64 instead of the host's choice
set -eu
exec "$(dirname "$0")/console-program.sh" KelvarinPorts "$@"
