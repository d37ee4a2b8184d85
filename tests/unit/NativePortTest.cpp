// The native programs' port over the fake ppdev driver: claimed from opening
// to closing, the bound entry points going to its requests, the loopback test
// and the Device ID reading putting the registers back, and every refusal
// touching no register.
#include <gtest/gtest.h>

#include <functional>

#include "deviceid/IdProgram.h"
#include "devport/native/NativePort.h"
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

// A printer on the fake driver's port, played from its side of the handshake:
// it answers the negotiation, then sends `reply` (its length bytes too) a
// nibble at a time, low nibble first, and then nothing more. Status: nFault
// bit 3, Select 4, PError 5, nAck 6, Busy inverted in 7.
class ScriptedPrinter : public FakePpdev {
public:
    explicit ScriptedPrinter(std::string bytes) : m_reply(std::move(bytes)) {}
    bool Terminated() const { return m_phase == Phase::Done; }

    int Control(int descriptor, uint32_t request, void* argument) override {
        const int result = FakePpdev::Control(descriptor, request, argument);
        if (request == 0x40017084) // PPWCONTROL: nSelectIn, nAutoFd and nStrobe
            Follow(control & 0x0B);
        return result;
    }

private:
    enum class Phase { Off, Asked, Sending, Ending, Done };
    void Follow(uint8_t lowLines) {
        if (lowLines == 0x02 &&
            m_phase == Phase::Off) { // event 1: nAck low; PError, nFault, Select high
            status = 0xB8, m_phase = Phase::Asked;
        } else if (lowLines == 0x00 && m_phase == Phase::Asked) { // event 4: XFlag high, nFault low
            status = 0xD0, m_phase = Phase::Sending;
        } else if (lowLines == 0x02 && m_phase == Phase::Sending && m_sent < m_reply.size()) {
            const int nibble = (static_cast<uint8_t>(m_reply[m_sent]) >> (m_half * 4)) & 0x0F;
            status = static_cast<uint8_t>((nibble & 7) << 3 | (nibble & 8 ? 0 : 0x80)); // nAck low
        } else if (lowLines == 0x00 && m_phase == Phase::Sending && !(status & 0x40)) {
            status |= 0x40, m_sent += m_half, m_half ^= 1;          // event 11
        } else if (lowLines == 0x08 && m_phase == Phase::Sending) { // event 22: nAck low
            status &= 0xBF, m_phase = Phase::Ending;
        } else if (lowLines == 0x0A && m_phase == Phase::Ending) { // event 25: nAck high
            status |= 0x40, m_phase = Phase::Done;
        }
    }

    std::string m_reply;
    Phase m_phase = Phase::Off;
    size_t m_sent = 0;
    int m_half = 0;
};

TEST(NativePort, DeviceIdReadingPutsThePortBack) {
    const std::string stopped =
        "stopped answering after 8 of 65535 bytes (its two length bytes counted): a cable that "
        "carries only some of the lines, or a device that went busy or offline; try again, then "
        "with another cable\n";
    const struct {
        std::string reply;
        std::string output;
        bool stop = false; // Ctrl+C before the run: it ends at the first wait
    } rows[] = {
        {std::string("\0\x35MFG:Acme;MDL:LinePrinter 9;CMD:PCL,PJL;CLS:PRINTER;", 53),
         "IEEE 1284 device at 378: 53 bytes of Device ID in nibble mode\n"
         "MFG: Acme\nMDL: LinePrinter 9\nCMD: PCL,PJL\nCLS: PRINTER\n"
         "\"MFG:Acme;MDL:LinePrinter 9;CMD:PCL,PJL;CLS:PRINTER;\"\n"},
        {std::string("\0\0MFG:Acme", 10),
         "the device at 378 sent a Device ID length of 0, which cannot be (the length counts "
         "its own two bytes): it has no ID to give\n"},
        {"\xFF\xFFMFG:Ac", "the device at 378 " + stopped + "what came: \"MFG:Ac\"\n"},
        {"\xFF\xFFMFG:Ac",
         "interrupted: the port is back in compatibility mode, Data and Control as found\n", true},
    };
    for (const auto& row : rows) {
        ScriptedPrinter device(row.reply);
        devport::NativePort port{device, [](const std::string&) {}};
        std::string why;
        ASSERT_TRUE(port.Open("/dev/parport0", 0, why)) << why;
        BoundPort access(port.Base());
        const std::atomic<bool> stop{row.stop};
        const DeviceIdReading reading =
            ReadDeviceId(access, SystemClock(), stop, TransferMode::Nibble);
        EXPECT_EQ(IdReport(reading, port.Base(), TransferMode::Nibble), row.output);
        port.Close();
        // Terminated (nSelectIn low, nAutoFd high), then Data and Control as found.
        EXPECT_TRUE(device.Terminated());
        const Calls& calls = device.calls;
        ASSERT_GE(calls.size(), 5u);
        EXPECT_EQ(Calls(calls.end() - 5, calls.end()),
                  (Calls{"PPWCONTROL 0C", "PPWDATA A5", "PPWCONTROL 0C", "PPRELEASE", "close"}));
    }
}

TEST(NativePort, RefusesInOneLineTouchingNoRegister) {
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
         "/dev/parport0: permission denied: the device belongs to group lp and this user is not "
         "in it (sudo usermod -aG lp \"$USER\", then log in again)",
         {"open"}},
        {[](FakePpdev& d) { d.opened = -19; },
         "/dev/parport0",
         0,
         "/dev/parport0: no such device (is the ppdev module loaded?)",
         {"open"}},
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
         "/dev/port reaches every port: give BASE, the port's base address (378, say)",
         {"open"}},
        {[](FakePpdev& d) { d.opened = -13, d.node.major = 1; },
         "",
         0x378,
         "/dev/port: permission denied",
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

} // namespace
