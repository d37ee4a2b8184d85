#include "devport/native/NativeSystem.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace devport {

int NativeSystem::Examine(const std::string& path, DeviceNode& node) {
    struct stat facts {};
    if (::stat((m_root + path).c_str(), &facts) != 0)
        return -errno;
    node.characterDevice = S_ISCHR(facts.st_mode);
    node.major = major(facts.st_rdev);
    node.minor = minor(facts.st_rdev);
    node.group = facts.st_gid;
    return 0;
}

int NativeSystem::Open(const std::string& path) {
    const int descriptor = ::open((m_root + path).c_str(), O_RDWR | O_CLOEXEC);
    return descriptor >= 0 ? descriptor : -errno;
}

int NativeSystem::Control(int descriptor, uint32_t request, void* argument) {
    const int result = ::ioctl(descriptor, request, argument);
    return result >= 0 ? result : -errno;
}

void NativeSystem::Close(int descriptor) {
    ::close(descriptor);
}

std::string NativeSystem::ReadText(const std::string& path) {
    // Kernel texts report no size: read until the end.
    std::ifstream file(m_root + path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace devport
