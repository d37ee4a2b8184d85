// The portsim tool, run as a separate process on the test's section.
#include "SimTestSupport.h"

namespace {

using portsim::Device;

using Tool = SimPortTest;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(Tool, BadInputIsRejectedBeforeTouchingThePort) {
    const std::pair<const wchar_t*, const char*> cases[] = {
        {L"", "no command given"},
        {L"frob", "unknown command 'frob'"},
        {L"show extra", "show takes no arguments"},
        {L"pins", "pins needs PIN=LEVEL pairs"},
        {L"pins 14=1", "'14=1' is not PIN=LEVEL"},
        {L"pins 11=2", "'11=2' is not PIN=LEVEL"},
        {L"pins 11=1 15", "'15' is not PIN=LEVEL"},
        {L"data 1FF", "data needs one hex byte"},
        {L"device plug",
         "device needs none, loopback, control-loopback, printer, old-printer or external"},
        {L"printer stop", "'stop' is not a printer fault"},
        {L"fault", "'' is not a fault"},
        {L"fault cut 14", "'cut 14' is not a fault"},
        {L"fault swap 15", "'swap 15' is not a fault"},
        {L"fault swap 15 15", "'swap 15 15' is not a fault"},
        {L"fault cut 12,", "'cut 12,' is not a fault"},
        {L"wave 14 100", "'14 100' is not a wave"},
        {L"wave 11", "'11' is not a wave"},
        {L"wave 11 0", "'11 0' is not a wave"},
        {L"wave 11 1000001", "'11 1000001' is not a wave"},
        {L"wave 11 2.0005", "'11 2.0005' is not a wave"},
        {L"model ecp", "model needs ecr or no-ecr"},
        {L"chip isa", "chip needs spp, ps2, epp, ecp, ecp-epp or alias10"},
        {L"base 10000", "base needs one hex port number"},
        {L"log --since x", "--since needs a sequence number, not 'x'"},
        {L"hold now", "hold takes no arguments"},
    };
    const portsim::PortSnapshot before = m_client->State();
    for (const auto& [arguments, message] : cases) {
        const ProcessResult result = RunHelper(L"portsim.exe", arguments);
        EXPECT_EQ(result.exitCode, 2u) << message;
        EXPECT_TRUE(Contains(result.output, message)) << result.output;
    }
    EXPECT_EQ(m_client->State().port.pinLevels, before.port.pinLevels);
    EXPECT_EQ(m_client->State().port.device, before.port.device);
    EXPECT_EQ(m_client->State().port.faults.cut, 0);
    EXPECT_EQ(m_client->State().port.waves.milliHertz[4], 0u);
}

TEST_F(Tool, CommandsDriveThePort) {
    struct Case {
        const wchar_t* arguments;
        uint16_t port;
        uint8_t reads;
    };
    const Case cases[] = {
        {L"pins 11=0 15=0", 0x379, 0xF7},  {L"pins low", 0x379, 0x87},
        {L"pins 10=1", 0x379, 0xC7},       {L"device none", 0x379, 0x7F},
        {L"device loopback", 0x379, 0x87}, {L"fault cut 15, stuck-high 11", 0x379, 0x0F},
        {L"fault none", 0x379, 0x87},      {L"device control-loopback", 0x379, 0xF7},
        {L"model no-ecr", 0x77A, 0xFF},    {L"model ecr", 0x77A, 0x35},
        {L"chip alias10", 0x77A, 0xCC},    {L"chip spp", 0x77A, 0xFF},
        {L"device printer", 0x379, 0xDF},  {L"printer delay 1", 0x379, 0xDF},
        {L"base D100", 0xD102, 0xCC},      {L"reset", 0x37A, 0xCC},
        {L"data 3C", 0x378, 0x00},
    };
    for (const Case& c : cases) {
        const ProcessResult result = RunHelper(L"portsim.exe", c.arguments);
        EXPECT_EQ(result.exitCode, 0u) << result.output;
        EXPECT_EQ(m_client->Peek(c.port), c.reads) << c.arguments;
    }
    EXPECT_EQ(m_client->State().port.device, Device::External);
    m_library->Out(0x37A, 0x24); // reverse: the device's data levels show
    EXPECT_EQ(m_library->In(0x378), 0x3C);
}

TEST_F(Tool, ShowAndLogReportWhatHappened) {
    m_library->Out(0x378, 0xA5);
    m_library->In(0x379);
    const ProcessResult show = RunHelper(L"portsim.exe", L"show");
    EXPECT_EQ(show.exitCode, 0u);
    for (const char* part :
         {"base 0x0378, chip ecp-epp, ECR at 0x077A, mode 001 byte (PS/2), FIFO 0 of 16",
          "Data      0x0378  0xA5   10100101  latch 0xA5, drivers on",
          "Status    0x0379  0x7F   01111111  pins 15=1 13=1 12=1 10=1 11=1", "faults    none",
          "waves     none", "printer   none",
          "device id MFG:Kelvarin;MDL:Simulated Printer;CMD:PCL,PJL;CLS:PRINTER;DES:Kelvarin "
          "simulated IEEE 1284 printer;\n",
          "log       entries 1..2 kept, 0 overwritten"})
        EXPECT_TRUE(Contains(show.output, part)) << part << "\n" << show.output;

    const ProcessResult log = RunHelper(L"portsim.exe", L"log --since 1");
    EXPECT_EQ(log.exitCode, 0u);
    EXPECT_TRUE(Contains(log.output, " in   0x0379  0x7F")) << log.output;
    EXPECT_FALSE(Contains(log.output, "0xA5")) << log.output;

    EXPECT_EQ(RunHelper(L"portsim.exe", L"clear-log").exitCode, 0u);
    EXPECT_TRUE(m_client->ReadLog(0).entries.empty());
}

TEST(ToolWithoutPort, ExplainsWhyAndFails) {
    UseFreshSection(); // nobody holds it
    const ProcessResult result = RunHelper(L"portsim.exe", L"device loopback");
    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_TRUE(Contains(result.output, "no simulated port is open under the name"))
        << result.output;
}

// 'portsim hold' keeps a port alive between programs, so the tool's changes
// wait for the next program that loads the library.
TEST(ToolWithoutPort, HoldKeepsThePortUntilEnter) {
    UseFreshSection();
    ChildProcess hold(L"portsim.exe", L"hold");
    EXPECT_TRUE(Contains(hold.ReadLine(), "holding")) << "hold did not start";
    EXPECT_EQ(RunHelper(L"portsim.exe", L"device loopback").exitCode, 0u);
    {
        SimLibrary library;
        EXPECT_EQ(library.In(0x379), 0x87);
    }
    hold.CloseInput();
    EXPECT_EQ(hold.Wait().exitCode, 0u);
    EXPECT_EQ(RunHelper(L"portsim.exe", L"show").exitCode, 1u); // gone with its last holder
}

} // namespace
