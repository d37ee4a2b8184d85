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
export PORTSIM_DEVICE="${PORTSIM_DEVICE:-loopback}"
exec "$(dirname "$0")/console-program.sh" KelvarinLoopback "$@"
