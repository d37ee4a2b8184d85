// The ppdev system calls for real, made from inside Wine, on devices that are
// not parallel ports (no test opens one): the kernel answers, and the port
// refuses them with the reason.
#include <gtest/gtest.h>

#include "ScratchFile.h"
#include "devport/core/PpdevPort.h"
#include "devport/dll/LinuxSystemCalls.h"

namespace {

using devport_test::ScratchFile;

TEST(LinuxSystemCalls, ReachTheKernelFromInsideWine) {
    LinuxSystemCalls linux;
    devport::DeviceNode node;
    ASSERT_EQ(linux.Examine("/dev/null", node), 0);
    EXPECT_TRUE(node.characterDevice);
    EXPECT_EQ(node.major, 1u);
    EXPECT_EQ(node.minor, 3u);
    const int descriptor = linux.Open("/dev/null");
    ASSERT_GE(descriptor, 0);
    EXPECT_EQ(linux.Control(descriptor, devport::linux_abi::kPpClaim, nullptr), -25) << "ENOTTY";
    linux.Close(descriptor);
    EXPECT_EQ(linux.Open("/dev/null/port"), -20) << "ENOTDIR";
    EXPECT_NE(linux.ReadText("/proc/self/status").find("\nGroups:"), std::string::npos);
}

TEST(LinuxSystemCalls, APortRefusesWhatIsNotPpdev) {
    const ScratchFile missing("no-parport");
    const std::string notPpdev = ": not a ppdev device (the port is claimed through a character "
                                 "device with major number 99, such as /dev/parport0)";
    const struct {
        std::string path;
        std::string why;
    } cases[] = {
        {"/dev/null", "/dev/null" + notPpdev},
        {missing.LinuxPath(), missing.LinuxPath() + ": no such device"},
    };
    LinuxSystemCalls linux;
    std::string told;
    for (const auto& c : cases) {
        devport::PpdevPort port(linux, [&](const std::string& line) { told += line; });
        std::string why;
        EXPECT_FALSE(port.Open(c.path, why));
        EXPECT_EQ(why, c.why);
    }
    EXPECT_EQ(told, "");
}

} // namespace
