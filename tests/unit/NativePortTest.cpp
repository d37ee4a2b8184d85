// The native programs' port over the fake ppdev driver: claimed from opening
// to closing, the bound entry points and its registers going to its
// requests, the loopback test putting the registers back, and every refusal
// touching no register.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "devport/native/NativePort.h"
#include "devport/native/NativeSystem.h"
#include "loopback/LoopbackProgram.h"
#include "port/PortIo.h"
#include "support/FakePpdev.h"

namespace {

struct Program {
    FakePpdev device;
    devport::NativePort port{device, [](const std::string&) {}};
    std::string why;
    bool Open(const std::string& path, uint32_t base) { return port.Open(path, base, why); }
    Calls Take() { return std::exchange(device.calls, {}); }
};

TEST(NativePort, ClaimsBindsAndReleases) {
    Program p;
    ASSERT_TRUE(p.Open("/dev/parport0", 0)) << p.why;
    EXPECT_EQ(p.Take(), (Calls{"open", "PPCLAIM"}));
    EXPECT_EQ(p.port.Base(), 0x378u);
    BoundPort access(p.port.Base());
    EXPECT_EQ(access.Read(PinRegister::Status), 0x7F);
    access.Write(PinRegister::Data, 0x5A);
    EXPECT_EQ(p.Take(), (Calls{"PPRSTATUS", "PPWDATA 5A"}));
    // The registers by name, past the bound entry points, as the capture reads.
    {
        const std::unique_ptr<RegisterPort> registers = p.port.Registers();
        EXPECT_EQ(registers->Read(PinRegister::Control), 0x0C);
        registers->Write(PinRegister::Data, 0x3C);
    }
    EXPECT_EQ(p.Take(), (Calls{"PPRCONTROL", "PPWDATA 3C"}));
    p.port.Close();
    EXPECT_EQ(p.Take(), (Calls{"PPRELEASE", "close"}));
    EXPECT_FALSE(IsPortIoBound());
    EXPECT_EQ(p.device.held, 0);
}

TEST(NativePort, LoopbackTestPutsDataAndControlBack) {
    Program p;
    ASSERT_TRUE(p.Open("/dev/parport0", 0x378)) << p.why;
    BoundPort access(p.port.Base());
    LoopbackOptions options;
    options.base = p.port.Base();
    // The fake has no plug: no wire follows, so the test fails (status 1).
    EXPECT_EQ(TestPlug(options, access, [] { return false; }), 1);
    p.port.Close();
    const Calls calls = p.Take();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(Calls(calls.end() - 4, calls.end()),
              (Calls{"PPWDATA A5", "PPWCONTROL 0C", "PPRELEASE", "close"}));
    EXPECT_EQ(p.device.held, 0);
}

TEST(NativePort, RefusesInOneLineTouchingNoRegister) {
    const std::string notInLp = "permission denied: the device belongs to group lp and this user "
                                "is not in it (sudo usermod -aG lp \"$USER\", then log in again)";
    const struct {
        std::function<void(FakePpdev&)> make;
        std::string device;
        uint32_t base;
        std::string why;
        Calls calls;
    } cases[] = {
        {[](FakePpdev& d) { d.texts["/proc/sys/dev/parport/parport0/devices/active"] = "lp0\n"; },
         "/dev/parport0",
         0,
         "/dev/parport0: the port is busy: lp0 holds it",
         {"open", "close"}},
        {[](FakePpdev& d) { d.claimed = -6; },
         "/dev/parport0",
         0,
         "/dev/parport0: the port is busy: another program holds it exclusively",
         {"open", "PPCLAIM", "close"}},
        {[](FakePpdev& d) { d.opened = -13; },
         "/dev/parport0",
         0,
         "/dev/parport0: " + notInLp,
         {"open"}},
        // A node made by hand, the module not loaded.
        {[](FakePpdev& d) {
             d.opened = -19, d.absent = {"/sys/class/ppdev", "/sys/module/ppdev"};
         },
         "/dev/parport0",
         0,
         "/dev/parport0: no such device: the ppdev module is not loaded (sudo modprobe ppdev)",
         {"open"}},
        {[](FakePpdev& d) {
             d.absent = {"/dev/parport0", "/sys/class/ppdev", "/sys/module/ppdev",
                         "/sys/module/parport_pc"};
             d.texts.erase("/proc/sys/dev/parport/parport0/base-addr");
         },
         "/dev/parport0",
         0,
         "/dev/parport0: no such device: the module parport_pc, which finds the ports, is not "
         "loaded (sudo modprobe -a parport_pc ppdev)",
         {}},
        {[](FakePpdev& d) { d.absent = {"/dev/parport0"}; },
         "/dev/parport0",
         0,
         "/dev/parport0: no such device: ppdev is loaded but no device node was made for parport0 "
         "(udev makes it; by hand: sudo mknod -m 660 /dev/parport0 c 99 0 && sudo chgrp lp "
         "/dev/parport0)",
         {}},
        {[](FakePpdev&) {},
         "/dev/parport0",
         0x278,
         "/dev/parport0 is the port at 378, not 278: give BASE 378 or none",
         {"open", "PPCLAIM", "PPRELEASE", "close"}},
        // No device named, /dev/parport0 not this user's: /dev/port, which
        // needs BASE.
        {[](FakePpdev& d) { d.opened = -13, d.node.major = 1; },
         "",
         0,
         "/dev/parport0: " + notInLp +
             "; then /dev/port reaches every port: give BASE, the "
             "port's base address (378, say)",
         {"open"}},
        {[](FakePpdev& d) { d.opened = -13, d.node.major = 1; },
         "",
         0x378,
         "/dev/parport0: " + notInLp + "; then /dev/port: permission denied",
         {"open", "open"}},
        // Neither ppdev nor /dev/port there.
        {[](FakePpdev& d) {
             d.opened = -2, d.node.major = 1;
             d.absent = {"/dev/parport0", "/sys/class/ppdev", "/sys/module/ppdev"};
         },
         "",
         0x378,
         "/dev/parport0: no such device: the ppdev module is not loaded (sudo modprobe ppdev); "
         "then /dev/port: no such file",
         {"open", "open"}},
    };
    for (const auto& c : cases) {
        Program p;
        c.make(p.device);
        EXPECT_FALSE(p.Open(c.device, c.base));
        EXPECT_EQ(p.why, c.why);
        EXPECT_EQ(p.Take(), c.calls) << c.why;
        EXPECT_EQ(p.device.held, 0) << c.why;
        EXPECT_FALSE(IsPortIoBound()) << c.why;
    }
}

// Through the C library: a device or file that ends before the port's last
// register would read FF everywhere, and is refused before any access.
TEST(NativePort, RefusesADeviceThatEndsBeforeThePort) {
    const std::string file = testing::TempDir() + "kelvarin-port-file";
    const std::string ends = ": it ends before port 37A, so reads would give FF: give /dev/port, "
                             "a ppdev device (/dev/parportN) or a 64 KiB file standing in for "
                             "/dev/port";
    const struct {
        std::string device;
        size_t size; // of the file
        std::string why;
    } cases[] = {
        {"/dev/null", 0, "/dev/null" + ends},
        {file, 0x37A, file + ends},
        {file, 0x37B, ""}, // long enough
    };
    for (const auto& c : cases) {
        std::ofstream(file, std::ios::binary) << std::string(c.size, '\0');
        devport::NativeSystem system;
        devport::NativePort port(system, [](const std::string&) {});
        std::string why;
        EXPECT_EQ(port.Open(c.device, 0x378, why), c.why.empty()) << c.device;
        EXPECT_EQ(why, c.why);
        EXPECT_EQ(IsPortIoBound(), c.why.empty());
    }
    std::remove(file.c_str());
}

} // namespace
