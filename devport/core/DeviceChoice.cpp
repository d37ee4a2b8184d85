#include "devport/core/DeviceChoice.h"

#include <algorithm>
#include <optional>

namespace devport {

namespace abi = linux_abi;

namespace {

bool Exists(PpdevSystem& system, const std::string& path) {
    DeviceNode node;
    return system.Examine(path, node) == 0;
}

// N of a name ending in parportN, when the node cannot tell its minor number.
std::optional<uint32_t> NumberInName(const std::string& path) {
    const size_t at = path.rfind("parport");
    const std::string digits = at == std::string::npos ? "" : path.substr(at + 7);
    if (digits.empty() || digits.size() > 3 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return static_cast<uint32_t>(std::stoul(digits));
}

std::string ExplainNoSuchDevice(PpdevSystem& system, const std::string& path) {
    PpdevFacts facts;
    DeviceNode node;
    facts.nodePresent = system.Examine(path, node) == 0;
    const std::optional<uint32_t> number =
        facts.nodePresent && IsPpdevNode(node) ? node.minor : NumberInName(path);
    if (!number)
        return "no such device";
    const std::string port = "/proc/sys/dev/parport/parport" + std::to_string(*number);
    facts.portListed = BaseAddressOf(system.ReadText(port + "/base-addr")).has_value();
    facts.ppdevLoaded = Exists(system, "/sys/class/ppdev") || Exists(system, "/sys/module/ppdev");
    facts.portDriverLoaded = Exists(system, "/sys/module/parport_pc");
    return ExplainNoPpdevDevice(path, *number, facts);
}

} // namespace

bool ThroughPpdev(const ChosenDevice& chosen, PpdevSystem& system) {
    DeviceNode node;
    return chosen.ppdev || (system.Examine(chosen.path, node) == 0 && IsPpdevNode(node));
}

std::string ExplainPpdevOpenError(PpdevSystem& system, const std::string& path, int error) {
    switch (-error) {
    case abi::kAccessDenied:
    case abi::kNoPermission: {
        DeviceNode node;
        system.Examine(path, node);
        const std::vector<uint32_t> groups = GroupsOf(system.ReadText("/proc/self/status"));
        const bool inGroup = std::find(groups.begin(), groups.end(), node.group) != groups.end();
        return ExplainDeviceDenied(GroupName(system.ReadText("/etc/group"), node.group), inGroup);
    }
    case abi::kNoEntry:
    case abi::kNotADirectory:
    case abi::kNoDeviceOrAddr:
    case abi::kNoDevice:
        return ExplainNoSuchDevice(system, path);
    default:
        return "it cannot be opened (Linux error " + std::to_string(-error) + ")";
    }
}

std::string ExplainPortDeviceDenied(PpdevSystem& system) {
    return ExplainAccessDenied(HasRawIoCapability(system.ReadText("/proc/self/status")),
                               ActiveLockdown(system.ReadText("/sys/kernel/security/lockdown")));
}

} // namespace devport
