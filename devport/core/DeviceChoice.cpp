#include "devport/core/DeviceChoice.h"

namespace devport {

bool ThroughPpdev(const ChosenDevice& chosen, PpdevSystem& system) {
    DeviceNode node;
    return chosen.ppdev || (system.Examine(chosen.path, node) == 0 && IsPpdevNode(node));
}

std::string ExplainPortDeviceDenied(PpdevSystem& system) {
    return ExplainAccessDenied(HasRawIoCapability(system.ReadText("/proc/self/status")),
                               ActiveLockdown(system.ReadText("/sys/kernel/security/lockdown")));
}

} // namespace devport
