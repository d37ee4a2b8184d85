// The program on the port-device library, with an ordinary file standing in
// for /dev/port: SET, a pin click and READ reach the file at the ports'
// offsets, and what the file holds is what the window shows.
#include <gtest/gtest.h>

#include "KelvarinTest.h"
#include "Polling.h"
#include "ScratchFile.h"
#include "ui/resource.h"
#include "tests/support/LoadedPortLibrary.h"

namespace e2e {
namespace {

using devport_test::Bytes;

class OnThePortDevice : public KelvarinTest {};

TEST_F(OnThePortDevice, CommandsReachTheDeviceAtThePortsOffsets) {
    const devport_test::ScratchFile device("e2e-port.bin");
    // An ECP port as it powers on: ECR 0x35, Status 0x7F, Control 0xCC.
    Bytes ports(0x10000, 0x00);
    ports[0x77A] = 0x35;
    ports[0x379] = 0x7F;
    ports[0x37A] = 0xCC;
    ASSERT_TRUE(device.Write(ports));
    const devport_test::DeviceSetting setting(device.LinuxPath());

    ASSERT_TRUE(m_app.Start(PortDeviceFolder()));
    ASSERT_TRUE(m_app.WaitForMainWindow());
    ASSERT_TRUE(m_app.WaitsForInput());
    ExpectNoMessageBox();
    EXPECT_TRUE(m_app.HasModule(kLoadedPortLibrary));
    EXPECT_EQ(device.Read(), ports) << "the start touched a port";

    // SPP clears the ECR's mode bits; Data and Control are written back as
    // read.
    ASSERT_TRUE(m_app.PickMode(L"SPP"));
    PressExpectingBoxes(IDC_SET, {L"SPP"});
    ports[0x77A] = 0x15;
    EXPECT_EQ(device.Read(), ports);
    PanelFields fields = Formatted(RegisterValues{0x00, 0x7F, 0xCC});
    ExpectPanel(fields);
    ExpectTransferCommands(true);

    ASSERT_TRUE(m_app.Press(IDC_D0));
    ports[0x378] = 0x01;
    EXPECT_EQ(device.Read(), ports);
    fields.data = Formatted(0x01);
    ExpectPanel(fields);

    // The cable's levels change under the program; READ shows them.
    ports[0x379] = 0x5A;
    ASSERT_TRUE(device.Write(ports));
    ASSERT_TRUE(m_app.Press(IDC_READ));
    fields.status = Formatted(0x5A);
    ExpectPanel(fields);
    EXPECT_EQ(device.Read(), ports) << "READ wrote a port";
    Screenshot("after-read");

    ASSERT_TRUE(m_app.Press(IDOK));
    ASSERT_TRUE(m_app.Process().WaitForExit(driver::kStepTimeoutMs));
    EXPECT_EQ(device.Read(), ports) << "closing touched a port";
}

} // namespace
} // namespace e2e
