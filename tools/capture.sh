#!/bin/sh
# Builds KelvarinCapture and runs it under Wine.
#   tools/capture.sh BASE [OPTIONS]                       on the simulated port
#   tools/capture.sh --real-port [DEVICE] BASE [OPTIONS]  on this machine's
#                                      real port, the device chosen and run as
#                                      by tools/run.sh --real-port
# OPTIONS are the program's own (--for, --changes, --pins, --trigger, --vcd,
# --quiet); it exits with its status. On the simulated port PORTSIM_WAVE puts
# square waves on input pins, e.g. PORTSIM_WAVE="11 1000" (docs/simulated-port.md);
# another program using the port at the same time (Kelvarin.exe started with
# tools/run.sh, say) shows up as it is, when both run in one Wine session.
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
#   KELVARIN_ARCH   i686 or x86_64 instead of the host's choice
set -eu
exec "$(dirname "$0")/console-program.sh" KelvarinCapture "$@"
