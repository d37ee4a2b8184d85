// The ppdev port over a fake driver: which request each port access becomes,
// the claim held from opening to closing, and each refusal in words.
#include <gtest/gtest.h>

#include "devport/core/PpdevPort.h"
#include "support/FakePpdev.h"

namespace {

using devport::DeviceNode;
using devport::PpdevPort;

struct Opened {
    FakePpdev device;
    std::vector<std::string> told;
    PpdevPort port{device, [this](const std::string& line) { told.push_back(line); }};
    Calls Take() { return std::exchange(device.calls, {}); }
    bool Open() {
        std::string why;
        return port.Open("/dev/parport0", why);
    }
};

TEST(PpdevPort, EachRegisterBecomesItsRequest) {
    Opened o;
    ASSERT_TRUE(o.Open());
    EXPECT_EQ(o.Take(), (Calls{"open", "PPCLAIM"}));
    const struct {
        bool write;
        uint16_t port;
        uint8_t value; // written, or expected from a read
        Calls calls;
    } steps[] = {
        {false, 0x378, 0xA5, {"PPRDATA"}},
        {true, 0x378, 0x5A, {"PPWDATA 5A"}},
        {false, 0x378, 0x5A, {"PPRDATA"}},
        {false, 0x379, 0x7F, {"PPRSTATUS"}},
        {true, 0x379, 0x00, {}},
        {false, 0x37A, 0x0C, {"PPRCONTROL"}},
        {true, 0x37A, 0x25, {"PPWCONTROL 05", "PPDATADIR 01"}},
        {false, 0x37A, 0x25, {"PPRCONTROL"}},
        {true, 0x37A, 0x2B, {"PPWCONTROL 0B"}},
        {true, 0x37A, 0x04, {"PPWCONTROL 04", "PPDATADIR 00"}},
        {true, 0x37A, 0xC4, {"PPWCONTROL 04"}},
        {false, 0x37A, 0x04, {"PPRCONTROL"}},
        {false, 0x77A, 0xFF, {}},
        {true, 0x77A, 0x35, {}},
        {false, 0x37B, 0xFF, {}},
        {false, 0x377, 0xFF, {}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << std::hex << s.port << " " << int(s.value));
        if (s.write)
            o.port.Write(s.port, s.value);
        else
            EXPECT_EQ(o.port.Read(s.port), s.value);
        EXPECT_EQ(o.Take(), s.calls);
    }
    EXPECT_EQ(o.device.data, 0x5A);
    o.port.Close();
    EXPECT_EQ(o.Take(), (Calls{"PPRELEASE", "close"}));
    EXPECT_EQ(o.device.held, 0);
}

// The first access that does not do what was asked is said, naming the port
// and why; the rest are not.
TEST(PpdevPort, WhatItCannotDoIsSaidOnce) {
    const struct {
        std::function<void(PpdevPort&)> first;
        const char* told;
    } cases[] = {
        {[](PpdevPort& p) { p.Read(0x77A); }, "reading port 0x077A of /dev/parport0: out of reach"},
        {[](PpdevPort& p) { p.Write(0x37A, 0x14); }, "bits 4, 6 and 7 are the driver's"},
        {[](PpdevPort& p) { EXPECT_EQ(p.Read(0x379), 0xFF); }, "(Linux error 5)"},
    };
    for (const auto& c : cases) {
        Opened o;
        o.device.failing = 0x80017081;
        ASSERT_TRUE(o.Open());
        c.first(o.port);
        o.port.Write(0x77A, 0x35);
        o.port.Write(0x37A, 0xFF);
        o.port.Read(0x379);
        ASSERT_EQ(o.told.size(), 1u) << c.told;
        EXPECT_NE(o.told[0].find(c.told), std::string::npos) << o.told[0];
    }
}

TEST(PpdevPort, RefusesWithTheReasonAndHoldsNothing) {
    const std::string notPpdev = "not a ppdev device (the port is claimed through a character "
                                 "device with major number 99, such as /dev/parport0)";
    const struct {
        std::function<void(FakePpdev&)> make;
        std::string why;
        Calls calls;
    } cases[] = {
        {[](FakePpdev& d) { d.examined = -2; },
         "no such device: the ppdev module is not loaded (sudo modprobe ppdev)",
         {}},
        {[](FakePpdev& d) { d.node.major = 1; }, notPpdev, {}},
        {[](FakePpdev& d) { d.node.characterDevice = false; }, notPpdev, {}},
        {[](FakePpdev& d) { d.node.minor = 1; },
         "no such device: the kernel lists no port parport1 (kelvarin-ports lists the ports it "
         "knows)",
         {}},
        {[](FakePpdev& d) { d.opened = -13; },
         "permission denied: the device belongs to group lp and this user is not "
         "in it (sudo usermod -aG lp \"$USER\", then log in again)",
         {"open"}},
        {[](FakePpdev& d) { d.opened = -13, d.texts["/proc/self/status"] = "Groups:\t7\n"; },
         "permission denied: the device does not let its group lp read and write "
         "it",
         {"open"}},
        {[](FakePpdev& d) { d.opened = -6; },
         "no such device, though the kernel lists parport0 and ppdev is loaded (kelvarin-ports "
         "shows what it knows of the port)",
         {"open"}},
        {[](FakePpdev& d) { d.texts["/proc/sys/dev/parport/parport0/devices/active"] = "lp0\n"; },
         "the port is busy: lp0 holds it",
         {"open", "close"}},
        {[](FakePpdev& d) { d.claimed = -6; },
         "the port is busy: another program holds it exclusively",
         {"open", "PPCLAIM", "close"}},
        {[](FakePpdev& d) { d.claimed = -25; }, notPpdev, {"open", "PPCLAIM", "close"}},
    };
    for (const auto& c : cases) {
        Opened o;
        c.make(o.device);
        std::string why;
        EXPECT_FALSE(o.port.Open("/dev/parport0", why));
        EXPECT_EQ(why, "/dev/parport0: " + c.why);
        EXPECT_EQ(o.Take(), c.calls) << c.why;
        EXPECT_EQ(o.device.held, 0) << c.why;
        o.port.Close();
        EXPECT_EQ(o.Take(), Calls{}) << "released what it never claimed";
    }
}

} // namespace
