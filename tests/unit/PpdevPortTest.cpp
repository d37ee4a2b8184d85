// The ppdev port over a fake driver: which request each port access becomes,
// the claim held from opening to closing, and each refusal in words.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "devport/core/PpdevPort.h"

namespace {

using devport::DeviceNode;
using devport::PpdevPort;
using Calls = std::vector<std::string>;

// /dev/parport0 at 0x378 as ppdev drives it: control reads and writes
// carry bits 0-3, and a write with bit 5 set turns the data lines round.
class FakePpdev : public devport::PpdevSystem {
public:
    int examined = 0;
    DeviceNode node{true, 99, 0, 7};
    int opened = 3;
    int claimed = 0;
    int failing = 0; // the request that fails with EIO
    std::map<std::string, std::string> texts = {
        {"/proc/sys/dev/parport/parport0/base-addr", "888\t1912\n"},
        {"/proc/sys/dev/parport/parport0/devices/active", "none\n"},
        {"/proc/self/status", "Gid:\t1000\t1000\t1000\t1000\nGroups:\t24 27 1000\n"},
        {"/etc/group", "root:x:0:\nlp:x:7:\n"}};
    uint8_t data = 0xA5, status = 0x7F, control = 0x0C;
    bool reverse = false;
    Calls calls;
    int held = 0; // open descriptors

    int Examine(const std::string&, DeviceNode& found) override {
        found = node;
        return examined;
    }
    int Open(const std::string&) override {
        calls.push_back("open");
        held += opened >= 0;
        return opened;
    }
    void Close(int descriptor) override {
        calls.push_back("close");
        held -= descriptor == opened;
    }
    std::string ReadText(const std::string& path) override { return texts[path]; }
    int Control(int descriptor, uint32_t request, void* argument) override {
        EXPECT_EQ(descriptor, 3);
        auto* byte = static_cast<uint8_t*>(argument);
        char written[8] = "";
        if (request >> 30 == 1) // the request carries a value in
            std::snprintf(written, sizeof written, " %02X",
                          request == 0x40047090 ? *static_cast<int*>(argument) : *byte);
        static const std::map<uint32_t, const char*> names = {
            {0x80017085, "PPRDATA"},    {0x40017086, "PPWDATA"},    {0x80017081, "PPRSTATUS"},
            {0x80017083, "PPRCONTROL"}, {0x40017084, "PPWCONTROL"}, {0x40047090, "PPDATADIR"},
            {0x708B, "PPCLAIM"},        {0x708C, "PPRELEASE"}};
        calls.push_back(names.at(request) + std::string(written));
        if (request == static_cast<uint32_t>(failing))
            return -5;
        switch (request) {
        case 0x80017085:
            *byte = data;
            break;
        case 0x40017086:
            data = *byte;
            break;
        case 0x80017081:
            *byte = status;
            break;
        case 0x80017083:
            *byte = control;
            break;
        case 0x40017084:
            control = *byte & 0x0F, reverse |= (*byte & 0x20) != 0;
            break;
        case 0x40047090:
            reverse = *static_cast<int*>(argument) != 0;
            break;
        case 0x708B:
            return claimed;
        }
        return 0;
    }
};

struct Opened {
    FakePpdev device;
    std::vector<std::string> told;
    PpdevPort port{device, [this](const std::string& line) { told.push_back(line); }};
    Calls Take() { return std::exchange(device.calls, {}); }
};

TEST(PpdevPort, EachRegisterBecomesItsRequest) {
    Opened o;
    std::string why;
    ASSERT_TRUE(o.port.Open("/dev/parport0", why)) << why;
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
        {true, 0x000, 0x01, {}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << std::hex << s.port << " " << int(s.value));
        if (s.write)
            o.port.Write(s.port, s.value);
        else
            EXPECT_EQ(o.port.Read(s.port), s.value);
        EXPECT_EQ(o.Take(), s.calls);
    }
    EXPECT_FALSE(o.device.reverse);
    EXPECT_EQ(o.device.data, 0x5A);
    o.port.Close();
    EXPECT_EQ(o.Take(), (Calls{"PPRELEASE", "close"}));
    EXPECT_EQ(o.device.held, 0);
}

TEST(PpdevPort, WhatItCannotDoIsSaidOnce) {
    const struct {
        std::function<void(PpdevPort&)> first;
        const char* told;
    } cases[] = {
        {[](PpdevPort& p) { p.Read(0x77A); },
         "reading port 0x077A of /dev/parport0: out of reach, since ppdev offers only the data, "
         "status and control registers (0x0378 to 0x037A), not the ECR or the EPP and FIFO "
         "registers; reads there give 0xFF, writes do nothing, and later such accesses are not "
         "reported"},
        {[](PpdevPort& p) { p.Write(0x37A, 0x14); },
         "writing 0x14 to port 0x037A of /dev/parport0: ppdev writes control bits 0-3 and the "
         "direction bit 5; bits 4, 6 and 7 are the driver's and stay as they are; later such "
         "accesses are not reported"},
        {[](PpdevPort& p) { EXPECT_EQ(p.Read(0x379), 0xFF); },
         "reading port 0x0379 of /dev/parport0 failed (Linux error 5); reads that fail give "
         "0xFF, and later failures are not reported"},
    };
    for (const auto& c : cases) {
        Opened o;
        o.device.failing = 0x80017081;
        std::string why;
        ASSERT_TRUE(o.port.Open("/dev/parport0", why)) << why;
        c.first(o.port);
        o.port.Write(0x77A, 0x35);
        o.port.Write(0x37A, 0xFF);
        o.port.Read(0x379);
        EXPECT_EQ(o.told, std::vector<std::string>{c.told});
    }
}

TEST(PpdevPort, RefusesWithTheReasonAndHoldsNothing) {
    const std::string notPpdev =
        "/dev/parport0: not a ppdev device (the port is claimed through a character device with "
        "major number 99, such as /dev/parport0)";
    const struct {
        std::function<void(FakePpdev&)> make;
        std::string why;
        Calls calls;
    } cases[] = {
        {[](FakePpdev& d) { d.examined = -2; }, "/dev/parport0: no such device", {}},
        {[](FakePpdev& d) {
             d.node = {true, 1, 3, 0};
         },
         notPpdev,
         {}},
        {[](FakePpdev& d) { d.node.characterDevice = false; }, notPpdev, {}},
        {[](FakePpdev& d) { d.node.minor = 1; },
         "/dev/parport0: no such device: the kernel lists no port /proc/sys/dev/parport/parport1",
         {}},
        {[](FakePpdev& d) { d.opened = -13; },
         "/dev/parport0: permission denied: the device belongs to group lp and this user is not "
         "in it (sudo usermod -aG lp \"$USER\", then log in again)",
         {"open"}},
        {[](FakePpdev& d) { d.opened = -13, d.texts["/proc/self/status"] = "Groups:\t7\n"; },
         "/dev/parport0: permission denied: the device does not let its group lp read and write "
         "it",
         {"open"}},
        {[](FakePpdev& d) { d.opened = -6; },
         "/dev/parport0: no such device (is the ppdev module loaded?)",
         {"open"}},
        {[](FakePpdev& d) { d.texts["/proc/sys/dev/parport/parport0/devices/active"] = "lp0\n"; },
         "/dev/parport0: the port is busy: lp0 holds it",
         {"open", "close"}},
        {[](FakePpdev& d) { d.claimed = -6; },
         "/dev/parport0: the port is busy: another program holds it exclusively",
         {"open", "PPCLAIM", "close"}},
        {[](FakePpdev& d) { d.claimed = -25; }, notPpdev, {"open", "PPCLAIM", "close"}},
    };
    for (const auto& c : cases) {
        Opened o;
        c.make(o.device);
        std::string why;
        EXPECT_FALSE(o.port.Open("/dev/parport0", why));
        EXPECT_EQ(why, c.why);
        EXPECT_EQ(o.Take(), c.calls) << c.why;
        EXPECT_EQ(o.device.held, 0) << c.why;
        o.port.Close();
        EXPECT_EQ(o.Take(), Calls{}) << "released what it never claimed";
    }
}

} // namespace
