// The native programs' port over the fake ppdev driver: claimed from opening
// to closing, the bound entry points and its registers going to its
// requests, the loopback test, the chip probe and the Device ID reading
// putting the registers back, and every refusal touching no register; the
// probe through a file standing in for /dev/port.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "deviceid/IdProgram.h"
#include "devport/native/NativePort.h"
#include "devport/native/NativeSystem.h"
#include "linux/ProgramPort.h"
#include "loopback/LoopbackProgram.h"
#include "port/IoPorts.h"
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

std::string Probe(const ProbeTarget& target) {
    BoundIoPorts io;
    std::string lines;
    EXPECT_EQ(ProbePorts(
                  {target}, io, [] { return false; },
                  [&lines](const std::string& line) { lines += line + "\n"; }),
              0);
    return lines;
}

// Through ppdev Data, Status and Control alone are in reach: SPP and PS/2 are
// tried, the kernel's modes stand for the rest, and nothing beyond is asked.
TEST(NativePort, ProbesThroughPpdevWithTheKernelsModes) {
    FakePpdev device;
    device.texts["/proc/sys/dev/parport/parport0/modes"] = "PCSPP,TRISTATE,COMPAT,ECP\n";
    device.texts["/proc/sys/dev/parport/parport0/base-addr"] = "888\t1920\n"; // 378, 780
    std::string told;
    devport::NativePort port(device, [&told](const std::string& line) { told += line; });
    std::string why;
    ASSERT_TRUE(port.Open("/dev/parport0", 0, why)) << why;
    EXPECT_EQ(Probe(ProbeTargetOf(port, device, 0)),
              std::string(kProbeWarning) +
                  "\nparport0: base 378, extended 780\n"
                  "SPP: yes, the Data register keeps what is written (AA and 55 read back)\n"
                  "ECR: yes, as the kernel found them (its modes: SPP, PS/2, PPF, ECP)\n"
                  "PS/2: no, with the direction bit set the data lines still drive (wrote 55, "
                  "read 55)\n"
                  "PPF: yes, as the kernel found them (its modes: SPP, PS/2, PPF, ECP)\n"
                  "ECP: yes, as the kernel found them (its modes: SPP, PS/2, PPF, ECP)\n"
                  "EPP: no, as the kernel found them (its modes: SPP, PS/2, PPF, ECP)\n"
                  "Data and Control put back as found (A5, 0C)\n");
    EXPECT_EQ(told, "");
    EXPECT_EQ(device.data, 0xA5);
    EXPECT_EQ(device.control, 0x0C);
}

// A file standing in for /dev/port keeps whatever is written, as no chip
// does: its ECR byte fails the read-back and is put back with Data and
// Control.
TEST(NativePort, ProbesThroughThePortDevice) {
    char path[] = "/tmp/kelvarin-port-XXXXXX";
    const int file = mkstemp(path);
    ASSERT_GE(file, 0);
    ASSERT_EQ(ftruncate(file, 0x10000), 0);
    const auto put = [file](off_t at, uint8_t value) { return pwrite(file, &value, 1, at); };
    put(0x378, 0x5A), put(0x37A, 0x0C), put(0x77A, 0x15);
    devport::NativeSystem system;
    devport::NativePort port(system, [](const std::string&) {});
    std::string why;
    ASSERT_TRUE(port.Open(path, 0x378, why)) << why;
    EXPECT_EQ(Probe(ProbeTargetOf(port, system, 0)),
              std::string(kProbeWarning) +
                  "\nPort: base 378, extended 778\n"
                  "SPP: yes, the Data register keeps what is written (AA and 55 read back)\n"
                  "ECR: no, at 77A 34 written reads back 34, not 35\n"
                  "PS/2: no, with the direction bit set the data lines still drive (wrote 55, "
                  "read 55)\n"
                  "PPF: no, no ECR to switch to it\n"
                  "ECP: no, no ECR to switch to it\n"
                  "EPP: no, an EPP read with nothing to answer did not time out (Status bit 0 "
                  "stays clear)\n"
                  "Data, Control and ECR put back as found (5A, 0C, 15)\n");
    port.Close();
    uint8_t found[3] = {};
    pread(file, &found[0], 1, 0x378), pread(file, &found[1], 1, 0x37A),
        pread(file, &found[2], 1, 0x77A);
    EXPECT_EQ(found[0], 0x5A);
    EXPECT_EQ(found[1], 0x0C);
    EXPECT_EQ(found[2], 0x15);
    close(file);
    unlink(path);
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
