// How a chosen device is driven, and why the kernel refused the port device,
// from the host's facts read through the system interface: the same for the
// port-device library under Wine and for the native programs.
#pragma once

#include <string>

#include "devport/core/DeviceDiagnosis.h"
#include "devport/core/PpdevSystem.h"

namespace devport {

// Through ppdev: by its name (ChooseDevice), or because the node is ppdev's.
bool ThroughPpdev(const ChosenDevice& chosen, PpdevSystem& system);

// Why the ppdev device at `path` cannot be opened: `error` is the negative
// Linux error that examining or opening it gave, read against what the
// kernel shows of ppdev and the port (see ExplainNoPpdevDevice).
std::string ExplainPpdevOpenError(PpdevSystem& system, const std::string& path, int error);

// Why opening the port device (/dev/port) was refused with "access denied".
std::string ExplainPortDeviceDenied(PpdevSystem& system);

} // namespace devport
