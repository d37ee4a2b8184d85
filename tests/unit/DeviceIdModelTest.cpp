// The Device ID reading over the simulator's model of the port and of the
// device on its cable, each set up by its portsim.ini lines: what the
// program prints, and the port left in compatibility mode (nSelectIn low)
// with Data and Control as found. The model answers from its own side of the
// handshake, so it checks the program's.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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
std::string Report(const std::wstring& settingsText, TransferMode mode, int& status,
                   portsim::PortState& after) {
    portsim::SimSettings settings;
    portsim::ApplyIniText(settings, settingsText, L"test");
    EXPECT_EQ(settings.notes, L"");
    ModelPort port(portsim::PowerOnState(settings.base, settings.chip, settings.device,
                                         settings.faults, settings.waves));
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    const std::atomic<bool> stop{false};
    status = ReadAndReport({0x378, mode}, port, SystemClock(), stop, out);
    std::fclose(out);
    const std::string output(text, size);
    std::free(text);
    after = port.state;
    return output;
}

TEST(DeviceIdOverTheModel, EverySimulatedDevice) {
    const struct {
        const wchar_t* settings;
        TransferMode mode;
        std::string output;
        int status;
    } rows[] = {
        {L"device=none", TransferMode::Nibble,
         "nothing at 378 answered the IEEE 1284 negotiation (nAck stayed high): no device on the "
         "cable, a device that is off or has no IEEE 1284 (an older printer), or a cable without "
         "pins 10 and 17 wired through; check the device is on and try an IEEE 1284 cable\n",
         1},
    };
    for (const auto& row : rows) {
        int status = -1;
        portsim::PortState after{};
        EXPECT_EQ(Report(row.settings, row.mode, status, after), row.output);
        EXPECT_EQ(status, row.status);
        EXPECT_EQ(after.data, 0x00);
        // Bits 0 to 5 as at power-on: nSelectIn low (compatibility mode), the
        // data drivers on.
        EXPECT_EQ(after.control & 0x3F, 0x0C);
    }
}

} // namespace
