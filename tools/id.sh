#!/bin/sh
# Builds KelvarinId and runs it under Wine.
#   tools/id.sh BASE [--byte]                       on the simulated port
#   tools/id.sh --real-port [DEVICE] BASE [--byte]  on this machine's real
#                                      port, the device chosen and run as by
#                                      tools/run.sh --real-port
# It exits with the program's status. On the simulated port the device on the
# cable is a printer that sends its Device ID unless PORTSIM_DEVICE says
# otherwise (old-printer, none); PORTSIM_DEVICE_ID sets the ID and
# PORTSIM_PRINTER its faults (docs/simulated-port.md).
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
#   KELVARIN_ARCH   i686 or x86_64 instead of the host's choice
set -eu
export PORTSIM_DEVICE="${PORTSIM_DEVICE:-printer}"
exec "$(dirname "$0")/console-program.sh" KelvarinId "$@"
