// The Device ID reading over the simulator's model of the port and of the
// device on its cable, each set up by its portsim.ini lines: what the
// program prints, and the port and the printer left in compatibility mode
// (nSelectIn low) with Data and Control as found. The model answers from its own side of the
// handshake, so it checks the program's.
#include <gtest/gtest.h>

#include "core/SimSettings.h"
#include "deviceid/IdProgram.h"

namespace {

class ModelPort : public RegisterPort {
public:
    explicit ModelPort(const portsim::PortState& state) : state(state) {}
    portsim::PortState state;

    uint8_t Read(PinRegister reg) override { return portsim::ReadRegister(state, Number(reg)); }
    void Write(PinRegister reg, uint8_t value) override {
        portsim::WriteRegister(state, Number(reg), value);
    }

private:
    uint16_t Number(PinRegister reg) const {
        return static_cast<uint16_t>(state.base + (reg == PinRegister::Status    ? 1
                                                   : reg == PinRegister::Control ? 2
                                                                                 : 0));
    }
};

// What the program prints about the device the settings put on the cable.
std::string Report(const std::wstring& settingsText, TransferMode mode, portsim::PortState& after) {
    portsim::SimSettings settings;
    portsim::ApplyIniText(settings, settingsText, L"test");
    EXPECT_EQ(settings.notes, L"");
    ModelPort port(portsim::PowerOnState(settings.base, settings.chip, settings.device,
                                         settings.faults, settings.waves));
    port.state.printer = portsim::MakePrinter(settings.deviceId, settings.printerFaults);
    const std::atomic<bool> stop{false};
    const std::string output = IdReport(ReadDeviceId(port, SystemClock(), stop, mode), 0x378, mode);
    after = port.state;
    return output;
}

TEST(DeviceIdOverTheModel, EverySimulatedDevice) {
    const std::string shortIdLines = "MFG: Acme\nMDL: LinePrinter 9\nCMD: PCL,PJL\nCLS: PRINTER\n"
                                     "\"MFG:Acme;MDL:LinePrinter 9;CMD:PCL,PJL;CLS:PRINTER;\"\n";
    const std::wstring printer = L"device=printer\ndevice-id=MFG:Acme;MDL:LinePrinter 9;"
                                 L"CMD:PCL,PJL;CLS:PRINTER;\n";
    const std::string wide = "MFG:Acme;MDL:Wide;DES:" + std::string(277, 'x') + ";"; // 300 bytes
    const std::string nothing =
        "nothing at 378 answered the IEEE 1284 negotiation (nAck stayed high): no device on the "
        "cable, a device that is off or has no IEEE 1284 (an older printer), or a cable without "
        "pins 10 and 17 wired through; check the device is on and try an IEEE 1284 cable\n";
    const struct {
        std::wstring settings;
        TransferMode mode;
        std::string output;
    } rows[] = {
        {printer, TransferMode::Nibble,
         "IEEE 1284 device at 378: 53 bytes of Device ID in nibble mode\n" + shortIdLines},
        {L"device=printer\ndevice-id=" + std::wstring(wide.begin(), wide.end()),
         TransferMode::Nibble,
         "IEEE 1284 device at 378: 302 bytes of Device ID in nibble mode\n"
         "MFG: Acme\nMDL: Wide\nDES: " +
             std::string(277, 'x') + "\n\"" + wide + "\"\n"},
        {printer + L"printer=delay 5", TransferMode::Nibble,
         "IEEE 1284 device at 378: 53 bytes of Device ID in nibble mode\n" + shortIdLines},
        {L"device=old-printer", TransferMode::Nibble, nothing},
        {L"device=none", TransferMode::Nibble, nothing},
        {printer + L"printer=stop 10", TransferMode::Nibble,
         "the device at 378 stopped answering after 10 of 53 bytes (its two length bytes "
         "counted): a cable that carries only some of the lines, or a device that went busy or "
         "offline; try again, then with another cable\nwhat came: \"MFG:Acme\"\n"},
        {printer + L"printer=reversed-length", TransferMode::Nibble,
         "IEEE 1284 device at 378: 53 bytes of Device ID in nibble mode\n"
         "(its length came least significant byte first, as some devices send it)\n" +
             shortIdLines},
        {printer, TransferMode::Byte,
         "IEEE 1284 device at 378: 53 bytes of Device ID in byte mode\n" + shortIdLines},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.settings.begin(), row.settings.end()));
        portsim::PortState after{};
        EXPECT_EQ(Report(row.settings, row.mode, after), row.output);
        EXPECT_EQ(after.data, 0x00);
        // Bits 0 to 5 as at power-on: nSelectIn low (compatibility mode), the
        // data drivers on.
        EXPECT_EQ(after.control & 0x3F, 0x0C);
        EXPECT_EQ(after.printer.phase, portsim::PrinterPhase::Idle); // the printer's too
    }
}

} // namespace
