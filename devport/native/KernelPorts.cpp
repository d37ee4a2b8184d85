#include "devport/native/KernelPorts.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "devport/core/DeviceChoice.h"
#include "devport/core/DeviceDiagnosis.h"
#include "devport/native/NativeSystem.h"

namespace devport {

namespace {

namespace fs = std::filesystem;

constexpr char kPorts[] = "/proc/sys/dev/parport";

std::string ReadText(const std::string& path) {
    return NativeSystem().ReadText(path);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// parportN folders, in N's order.
std::vector<std::string> PortNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename();
        if (name.rfind("parport", 0) == 0 && Exists(folder + "/" + name + "/base-addr"))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return names;
}

std::string Modes(const std::string& text) {
    std::string modes;
    for (const std::string& mode : ModeNames(text))
        modes += (modes.empty() ? "" : ", ") + mode;
    return modes;
}

// "IRQ 7" for a number the kernel set; it writes -1 for none.
std::string Setting(const char* name, const std::string& text) {
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || number < 0)
        return {};
    return std::string("; ") + name + " " + std::to_string(number);
}

// Whether this user may read and write the node, and if not why.
std::string NodeAccess(const std::string& root, const std::string& node) {
    struct stat facts {};
    if (::stat((root + node).c_str(), &facts) != 0) {
        NativeSystem system(root);
        return node + ": " + ExplainPpdevOpenError(system, node, -errno);
    }
    const std::string status = ReadText(root + "/proc/self/status");
    const std::vector<uint32_t> groups = GroupsOf(status);
    const bool inGroup = std::find(groups.begin(), groups.end(), facts.st_gid) != groups.end();
    const std::optional<uint32_t> user = EffectiveUserOf(status);
    const bool mayOpen = user == 0u || (user == facts.st_uid && (facts.st_mode & 0600) == 0600) ||
                         (inGroup && (facts.st_mode & 060) == 060) || (facts.st_mode & 06) == 06;
    if (mayOpen)
        return node + ": you may open it";
    return node + ": " +
           ExplainDeviceDenied(GroupName(ReadText(root + "/etc/group"), facts.st_gid), inGroup);
}

std::string PortLine(const std::string& root, const std::string& name) {
    const std::string folder = root + kPorts + "/" + name;
    const std::optional<PortAddresses> addresses = PortAddressesOf(ReadText(folder + "/base-addr"));
    if (!addresses)
        return name + ": the kernel gives no address\n";
    std::string line = name + ": base " + AddressText(addresses->base) +
                       (addresses->extended != 0 ? ", extended " + AddressText(addresses->extended)
                                                 : ", no extended registers");
    const std::string modes = Modes(ReadText(folder + "/modes"));
    if (!modes.empty())
        line += "; " + modes;
    line += Setting("IRQ", ReadText(folder + "/irq")) + Setting("DMA", ReadText(folder + "/dma"));
    return line + "; " + NodeAccess(root, "/dev/" + name) + "\n";
}

} // namespace

std::string ModeName(std::string_view kernelMode) {
    if (kernelMode == "PCSPP")
        return "SPP";
    if (kernelMode == "TRISTATE")
        return "PS/2";
    if (kernelMode == "COMPAT")
        return "PPF";
    return std::string(kernelMode);
}

std::vector<std::string> ModeNames(std::string_view modesText) {
    std::vector<std::string> modes;
    size_t start = 0;
    while (start < modesText.size()) {
        const size_t end = std::min(modesText.find_first_of(",\n", start), modesText.size());
        if (end > start)
            modes.push_back(ModeName(modesText.substr(start, end - start)));
        start = end + 1;
    }
    return modes;
}

std::string ListPorts(const std::string& root) {
    const std::vector<std::string> names = PortNames(root + kPorts);
    if (names.empty())
        return Exists(root + "/sys/module/parport_pc")
                   ? "No parallel port: the kernel lists none (parport_pc is loaded and found "
                     "no port on this machine)\n"
                   : "No parallel port: the kernel lists none (the module parport_pc is not "
                     "loaded: sudo modprobe parport_pc; or the machine has no port)\n";
    std::string list;
    for (const std::string& name : names)
        list += PortLine(root, name);
    return list;
}

} // namespace devport
