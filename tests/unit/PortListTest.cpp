// KelvarinPorts' list over a fake of the Configuration Manager calls: a board
// port, a PCIe card with its extended registers in a second range, a USB
// adapter without ranges, and a serial port that is no LPT.
#include <gtest/gtest.h>

#include "probe/PortList.h"

namespace {

struct FakeDevice {
    std::wstring portName;
    std::vector<uint64_t> ranges;
    std::optional<uint32_t> irq;
};

class FakeDevices : public PortDevices {
public:
    explicit FakeDevices(std::vector<FakeDevice> devices) : m_devices(std::move(devices)) {}
    size_t Count() override { return m_devices.size(); }
    std::wstring PortName(size_t device) override { return m_devices.at(device).portName; }
    std::vector<uint64_t> IoRanges(size_t device) override { return m_devices.at(device).ranges; }
    std::optional<uint32_t> Irq(size_t device) override { return m_devices.at(device).irq; }

private:
    std::vector<FakeDevice> m_devices;
};

TEST(PortList, ListsTheLptDevicesAndProbesThoseWithRegisters) {
    FakeDevices devices({{L"LPT3", {}, std::nullopt},
                         {L"COM1", {0x3F8}, 4},
                         {L"LPT2", {0xD010, 0xD000}, std::nullopt},
                         {L"LPT1", {0x378, 0x778}, 7}});
    const std::vector<ListedPort> ports = ListPorts(devices);
    EXPECT_EQ(ListText(ports),
              "LPT1: base 378, extended 778; IRQ 7\n"
              "LPT2: base D010, extended D000\n"
              "LPT3: no I/O range, so no registers a register-level program can reach (a USB "
              "printer adapter, say)\n");
    const std::vector<ProbeTarget> targets = ProbeTargets(ports);
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_EQ(targets[0].name, "LPT1");
    EXPECT_EQ(targets[0].base, 0x378);
    EXPECT_EQ(targets[0].ext, 0x778);
    EXPECT_EQ(targets[1].name, "LPT2");
    EXPECT_EQ(targets[1].base, 0xD010);
    EXPECT_EQ(targets[1].ext, 0xD000);
}

TEST(PortList, SaysWhereToLookWhenWindowsListsNone) {
    FakeDevices devices({{L"COM1", {0x3F8}, 4}});
    EXPECT_EQ(ListText(ListPorts(devices)),
              "No parallel port: Windows lists none (Device Manager shows the ports under "
              "\"Ports (COM & LPT)\", their addresses on each one's Resources tab)\n");
}

} // namespace
