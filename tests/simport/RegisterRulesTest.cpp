// The register rules of the simulated port, through Inp32 and Out32 of the
// built library.
#include "SimTestSupport.h"

#include "port/EcrMode.h"
#include "core/FaultText.h"
#include "core/PrinterFaultText.h"
#include "core/WaveText.h"
#include "port/LoadPortIo.h"

namespace {

using portsim::Chip;
using portsim::Device;

using RegisterRules = SimPortTest;

// One access of a rule's sequence: a write, or a read and what it returns.
struct Step {
    bool write;
    uint16_t port;
    uint8_t value;
};
constexpr Step W(uint16_t port, uint8_t value) {
    return {true, port, value};
}
constexpr Step R(uint16_t port, uint8_t value) {
    return {false, port, value};
}

// Runs one fact's accesses through the library, reads checked.
void ExpectSteps(const SimLibrary& library, const char* fact, const std::vector<Step>& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (step.write)
            library.Out(step.port, step.value);
        else
            EXPECT_EQ(library.In(step.port), step.value)
                << fact << ", step " << i << std::hex << " (port " << step.port << ")";
    }
}

// A fact of one chip, from power-on.
struct ChipFact {
    Chip chip;
    const char* fact;
    std::vector<Step> steps;
};

TEST_F(RegisterRules, PowerOnValues) {
    EXPECT_EQ(m_library->In(0x378), 0x00);
    EXPECT_EQ(m_library->In(0x379), 0x7F); // nothing attached: every input pin idles high
    EXPECT_EQ(m_library->In(0x37A), 0xCC);
    EXPECT_EQ(m_library->In(0x77A), 0x35);
}

TEST_F(RegisterRules, OnlyTheLowByteOfAValueReachesARegister) {
    m_library->Out(0x378, 0x1A5);
    EXPECT_EQ(m_library->In(0x378), 0xA5);
    m_library->Out(0x37A, 0xFF00);
    EXPECT_EQ(m_library->In(0x37A), 0xC0);
    EXPECT_EQ(m_library->In(0x300), 0xFF); // 255, not -1: a register value in a short
}

// Data reads the latch while the port drives the lines; in a bidirectional
// mode with Control bit 5 set it reads the device's levels.
TEST_F(RegisterRules, DataReadFollowsModeAndDirection) {
    struct Case {
        uint8_t mode;
        bool reverse;
        bool readsLatch;
    };
    const Case cases[] = {
        {0, false, true}, {0, true, true},  {1, false, true}, {1, true, false},
        {2, false, true}, {2, true, true},  {3, false, true}, {3, true, false},
        {4, false, true}, {4, true, false}, {6, true, true},  {7, true, true},
    };
    m_client->SetDeviceData(0x3C);
    for (const Case& c : cases) {
        m_library->Out(0x77A, static_cast<uint16_t>(c.mode << 5 | 0x15));
        m_library->Out(0x37A, c.reverse ? 0x24 : 0x04);
        m_library->Out(0x378, 0xA5);
        EXPECT_EQ(m_library->In(0x378), c.readsLatch ? 0xA5 : 0x3C)
            << "mode " << int(c.mode) << (c.reverse ? " reverse" : " forward");
    }
    m_library->Out(0x77A, 0x35);          // byte mode, reverse
    m_client->AttachDevice(Device::None); // undriven lines float high
    EXPECT_EQ(m_library->In(0x378), 0xFF);
    m_library->Out(0x77A, 0x15);
    m_client->SetEcrPresent(false); // a byte-mode port: Control bit 5 alone decides
    EXPECT_EQ(m_library->In(0x378), 0xFF);
    m_library->Out(0x37A, 0x04);
    EXPECT_EQ(m_library->In(0x378), 0xA5);
}

TEST_F(RegisterRules, StatusShowsInputPinsWithBusyInverted) {
    struct Case {
        std::vector<std::pair<int, bool>> pins;
        int status;
    };
    const Case cases[] = {
        {{{15, false}, {13, false}, {12, false}, {10, false}, {11, false}}, 0x87},
        {{{15, true}}, 0x8F},
        {{{15, false}, {13, true}}, 0x97},
        {{{13, false}, {12, true}}, 0xA7},
        {{{12, false}, {10, true}}, 0xC7},
        {{{10, false}, {11, true}}, 0x07},
        {{{15, true}, {13, true}, {12, true}, {10, true}}, 0x7F},
    };
    for (const Case& c : cases) {
        for (const auto& [pin, high] : c.pins)
            EXPECT_TRUE(m_client->SetInputPin(pin, high));
        EXPECT_EQ(m_library->In(0x379), c.status) << "after case for status " << c.status;
    }
    m_library->Out(0x379, 0x00); // Status is read-only
    EXPECT_EQ(m_library->In(0x379), 0x7F);
    for (const int pin : {1, 9, 14, 16, 25})
        EXPECT_FALSE(m_client->SetInputPin(pin, false)) << pin;
}

TEST_F(RegisterRules, ControlKeepsSixBitsAndReadsOnesAbove) {
    const std::pair<uint16_t, int> cases[] = {{0x00, 0xC0}, {0xFF, 0xFF}, {0x2A, 0xEA},
                                              {0x15, 0xD5}, {0x3F, 0xFF}, {0xC0, 0xC0}};
    for (const auto& [written, read] : cases) {
        m_library->Out(0x37A, written);
        EXPECT_EQ(m_library->In(0x37A), read) << "written " << written;
    }
}

TEST_F(RegisterRules, EcrReadsBackExceptTheFifoFlags) {
    for (int n = 0; n < 0x100; ++n) {
        m_library->Out(0x77A, static_cast<uint16_t>(n));
        // Bit 0 (FIFO empty) always reads 1, bit 1 (FIFO full) always 0.
        EXPECT_EQ(m_library->In(0x77A), (n & ~0x02) | 0x01) << "written " << n;
    }
}

TEST_F(RegisterRules, EachChipAnswersAsItsKind) {
    const ChipFact facts[] = {
        {Chip::Spp, "no ECR", {R(0x77A, 0xFF), W(0x77A, 0x34), R(0x77A, 0xFF)}},
        {Chip::Spp, "Control bit 5 ignored", {W(0x37A, 0x24), W(0x378, 0x55), R(0x378, 0x55)}},
        {Chip::Spp, "no EPP", {R(0x37C, 0xFF), R(0x379, 0x7F), R(0x379, 0x7F)}},
        {Chip::Ps2, "no ECR", {W(0x77A, 0x34), R(0x77A, 0xFF), R(0x37A, 0xCC)}},
        {Chip::Ps2, "Control bit 5 reverses", {W(0x37A, 0x24), W(0x378, 0x55), R(0x378, 0xFF)}},
        {Chip::Ps2, "no EPP", {R(0x37C, 0xFF), R(0x379, 0x7F), R(0x379, 0x7F)}},
        {Chip::Epp, "no ECR", {W(0x77A, 0x34), R(0x77A, 0xFF)}},
        {Chip::Epp, "Control bit 5 reverses", {W(0x37A, 0x24), W(0x378, 0x55), R(0x378, 0xFF)}},
        {Chip::Epp,
         "timeout set at power-on, cleared by reading",
         {R(0x379, 0x7F), R(0x379, 0x7E)}},
        {Chip::Epp,
         "EPP data read times out",
         {R(0x379, 0x7F), R(0x37C, 0xFF), R(0x379, 0x7F), R(0x379, 0x7E)}},
        {Chip::Epp,
         "EPP address write times out",
         {R(0x379, 0x7F), W(0x37B, 0x01), R(0x379, 0x7F)}},
        {Chip::Epp, "writing Status clears nothing", {W(0x379, 0x01), R(0x379, 0x7F)}},
        {Chip::Ecp, "ECR 34 reads 35", {R(0x77A, 0x35), W(0x77A, 0x34), R(0x77A, 0x35)}},
        {Chip::Ecp, "ECR does not follow Control", {W(0x37A, 0x2F), R(0x77A, 0x35)}},
        {Chip::Ecp,
         "modes 010 and 011",
         {W(0x77A, 0x54), R(0x77A, 0x55), W(0x77A, 0x74), R(0x77A, 0x75)}},
        {Chip::Ecp, "configuration mode", {W(0x77A, 0xF4), R(0x778, 0x10), R(0x779, 0x0B)}},
        {Chip::Ecp,
         "mode 100 has no EPP",
         {W(0x77A, 0x94), R(0x379, 0x7F), R(0x37C, 0xFF), R(0x379, 0x7F)}},
        {Chip::Ecp,
         "byte mode empties the FIFO",
         {W(0x77A, 0xD4), W(0x778, 0x01), R(0x77A, 0xD4), W(0x77A, 0x34), R(0x77A, 0x35)}},
        {Chip::EcpEpp, "ECR 34 reads 35", {W(0x37A, 0x2F), W(0x77A, 0x34), R(0x77A, 0x35)}},
        {Chip::EcpEpp, "configuration mode", {W(0x77A, 0xF4), R(0x778, 0x10), R(0x779, 0x0B)}},
        {Chip::EcpEpp,
         "timeout set at power-on, EPP only in mode 100",
         {W(0x77A, 0x94), R(0x379, 0x7F), W(0x379, 0x01), R(0x379, 0x7E), W(0x77A, 0x34),
          R(0x379, 0x7F), R(0x37C, 0xFF), W(0x77A, 0x94), R(0x379, 0x7E)}},
        {Chip::EcpEpp,
         "EPP read times out, writing 1 clears",
         {W(0x77A, 0x94), W(0x379, 0x01), R(0x37C, 0xFF), R(0x379, 0x7F), R(0x379, 0x7F),
          W(0x379, 0x00), R(0x379, 0x7F), W(0x379, 0x01), R(0x379, 0x7E)}},
        {Chip::Alias10,
         "base + 402 is Control",
         {W(0x77A, 0x34), R(0x37A, 0xF4), W(0x37A, 0x0C), R(0x77A, 0xCC)}},
        {Chip::Alias10, "base + 400 is Data", {W(0x778, 0x5A), R(0x378, 0x5A)}},
        {Chip::Alias10, "Control bit 5 reverses", {W(0x37A, 0x24), W(0x378, 0x55), R(0x378, 0xFF)}},
        {Chip::Alias10, "no EPP", {R(0x37C, 0xFF), R(0x379, 0x7F)}},
    };
    for (const ChipFact& f : facts) {
        portsim::SimSettings settings;
        settings.chip = f.chip;
        m_client->Reset(settings);
        ExpectSteps(*m_library, f.fact, f.steps);
    }
}

// In test mode E + 0 fills the FIFO, 16 bytes deep, and reads take them in
// order; the ECR's bit 1 says full, bit 0 empty.
TEST_F(RegisterRules, FifoInTestMode) {
    for (const Chip chip : {Chip::Ecp, Chip::EcpEpp}) {
        m_client->SetChip(chip);
        m_library->Out(0x77A, 0xD4);
        for (uint16_t n = 0; n < 15; ++n)
            m_library->Out(0x778, static_cast<uint16_t>(0xA0 + n));
        EXPECT_EQ(m_library->In(0x77A), 0xD4);
        m_library->Out(0x778, 0xAF);
        EXPECT_EQ(m_library->In(0x77A), 0xD6);
        m_library->Out(0x778, 0x00); // no room
        for (uint16_t n = 0; n < 16; ++n)
            EXPECT_EQ(m_library->In(0x778), 0xA0 + n);
        EXPECT_EQ(m_library->In(0x77A), 0xD5);
    }
}

std::vector<Step> operator+(std::vector<Step> first, const std::vector<Step>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// A host's side of IEEE 1284 in plain accesses. Control 0C is the
// compatibility idle (nSelectIn low, nInit high); 06 puts nSelectIn high and
// nAutoFd low (event 1), 07 adds nStrobe low (event 3), 04 raises both
// (event 4). Status DF is a ready printer, BF its event 2 (nAck low, PError
// high), D7 reverse idle with data (nFault and PError low), FF with none.
std::vector<Step> Negotiate(uint8_t request, uint8_t afterEvent6) {
    return {W(0x378, request), W(0x37A, 0x06), R(0x379, 0xBF),
            W(0x37A, 0x07),    W(0x37A, 0x04), R(0x379, afterEvent6)};
}

// One nibble: nAutoFd low (event 7), its Status with nAck low, nAutoFd high
// (event 10), Status back to `after` (event 11).
std::vector<Step> Nibble(uint8_t status, uint8_t after = 0xD7) {
    return {W(0x37A, 0x06), R(0x379, status), W(0x37A, 0x04), R(0x379, after)};
}

// One byte in byte mode (drivers off: Control 24): event 7, nAck low with
// the byte on Data, event 10, event 11, then the nStrobe pulse (16, 17).
std::vector<Step> ReverseByte(uint8_t byte, uint8_t after = 0xD7) {
    return {W(0x37A, 0x26),  R(0x379, 0x97), R(0x378, byte), W(0x37A, 0x24),
            R(0x379, after), W(0x37A, 0x25), W(0x37A, 0x24)};
}

// A byte printed in compatibility mode: Busy while nStrobe is low, then nAck
// low, Busy low, nAck high, a Status read apart.
const std::vector<Step> kPrintByte = {W(0x378, 0x41), W(0x37A, 0x0D), R(0x379, 0x5F),
                                      W(0x37A, 0x0C), R(0x379, 0x1F), R(0x379, 0x9F),
                                      R(0x379, 0xDF)};

// Events 22 to 28: nSelectIn low, nAck low, nAutoFd low, nAck high.
const std::vector<Step> kTerminate = {W(0x37A, 0x0C), R(0x379, 0xBF), W(0x37A, 0x0E),
                                      R(0x379, 0xDF), W(0x37A, 0x0C), R(0x379, 0xDF)};

// The Device ID's reply begins 00 66 (102 bytes: 100 of ID, 2 of length)
// and "M": nibbles 0, 0, 6, 6, D, 4 on nFault, Select, PError and Busy
// (Status 87, 87, B7, B7, 2F, A7).
TEST_F(RegisterRules, PrintersAnswerTheHostsHandshakes) {
    struct PrinterFact {
        Device device;
        const wchar_t* faults;
        const char* fact;
        std::vector<Step> steps;
    };
    const PrinterFact facts[] = {
        {Device::Printer, L"none", "prints a byte", kPrintByte + kPrintByte},
        {Device::OldPrinter, L"none", "prints a byte", kPrintByte + kPrintByte},
        {Device::OldPrinter,
         L"none",
         "ignores negotiation",
         {W(0x378, 0x04), W(0x37A, 0x06), R(0x379, 0xDF), R(0x379, 0xDF), W(0x37A, 0x0C)}},
        {Device::Printer, L"none", "nibble-mode Device ID",
         Negotiate(0x04, 0xD7) + Nibble(0x87) + Nibble(0x87) + Nibble(0xB7) + Nibble(0xB7) +
             Nibble(0x2F) + Nibble(0xA7) + kTerminate + kPrintByte},
        {Device::Printer, L"none", "byte-mode Device ID",
         Negotiate(0x05, 0xD7) + std::vector<Step>{W(0x37A, 0x24)} + ReverseByte(0x00) +
             ReverseByte(0x66) + ReverseByte(0x4D) + kTerminate},
        {Device::Printer, L"none", "nibble mode, nothing to send",
         Negotiate(0x00, 0xFF) + kTerminate},
        {Device::Printer, L"none", "refuses ECP mode (Select low)",
         Negotiate(0x10, 0xEF) + std::vector<Step>{W(0x37A, 0x06), R(0x379, 0xEF)} + kTerminate},
        {Device::Printer,
         L"none",
         "nInit low resets it",
         {W(0x378, 0x04), W(0x37A, 0x06), R(0x379, 0xBF), W(0x37A, 0x08), R(0x379, 0xDF)}},
        {Device::Printer,
         L"delay 2",
         "answers after 2 more Status reads",
         {W(0x378, 0x04), W(0x37A, 0x06), R(0x379, 0xDF), R(0x379, 0xDF), R(0x379, 0xBF)}},
        {Device::Printer, L"stop 1", "stops after the first byte",
         Negotiate(0x04, 0xD7) + Nibble(0x87) + Nibble(0x87) +
             std::vector<Step>{W(0x37A, 0x06), R(0x379, 0xD7), R(0x379, 0xD7)}},
        {Device::Printer, L"reversed-length", "length least significant first",
         Negotiate(0x05, 0xD7) + std::vector<Step>{W(0x37A, 0x24)} + ReverseByte(0x66) +
             ReverseByte(0x00) + ReverseByte(0x4D)},
    };
    for (const PrinterFact& f : facts) {
        portsim::SimSettings settings;
        settings.device = f.device;
        settings.printerFaults = *portsim::ParsePrinterFaults(f.faults);
        m_client->Reset(settings);
        ExpectSteps(*m_library, f.fact, f.steps);
    }
}

// A 300-byte Device ID: 302 bytes (012E) in byte mode, then no more data.
TEST_F(RegisterRules, ALongDeviceIdComesWhole) {
    portsim::SimSettings settings;
    settings.device = Device::Printer;
    settings.deviceId = std::string(299, 'x') + ';';
    m_client->Reset(settings);
    ExpectSteps(*m_library, "negotiation",
                Negotiate(0x05, 0xD7) + std::vector<Step>{W(0x37A, 0x24)});
    std::string reply;
    for (int n = 0; n < 302; ++n) {
        m_library->Out(0x37A, 0x26);
        ASSERT_EQ(m_library->In(0x379) & 0x40, 0) << "no answer to byte " << n;
        reply += static_cast<char>(m_library->In(0x378));
        m_library->Out(0x37A, 0x24);
        EXPECT_EQ(m_library->In(0x379), n < 301 ? 0xD7 : 0xFF) << "after byte " << n;
        m_library->Out(0x37A, 0x25);
        m_library->Out(0x37A, 0x24);
    }
    EXPECT_EQ(reply, std::string("\x01\x2E") + std::string(299, 'x') + ";");
}

// The read-back check of the program's mode switch succeeds on the ECR model
// and fails on the model without ECR, through the program's own binding.
TEST_F(RegisterRules, ModeSwitchReadBackDependsOnTheModel) {
    ParallelPort port{};
    ASSERT_EQ(LoadPortIo(&port), 0);
    for (const uint8_t mode : {0x00, 0x20, 0x40, 0x60, 0x80}) {
        EXPECT_EQ(SetEcrMode(0x778, mode), 0) << int(mode);
        EXPECT_EQ(m_client->Peek(0x77A), mode | 0x15);
    }
    m_client->SetEcrPresent(false);
    EXPECT_EQ(SetEcrMode(0x778, 0x20), -1);
    EXPECT_EQ(m_library->In(0x77A), 0xFF);
    m_client->SetEcrPresent(true); // the register kept its value meanwhile
    EXPECT_EQ(m_library->In(0x77A), 0x95);
    ReleasePortIo(port);
}

// Plug wiring 2-15, 3-13, 4-12, 5-10, 6-11: data bits 0..4 drive error,
// select, paper out, acknowledge and busy.
TEST_F(RegisterRules, LoopbackPlugFeedsDataBitsToStatus) {
    m_client->AttachDevice(Device::Loopback);
    m_library->Out(0x37A, 0x04); // forward
    const std::pair<uint16_t, int> cases[] = {{0x00, 0x87}, {0x01, 0x8F}, {0x02, 0x97},
                                              {0x04, 0xA7}, {0x08, 0xC7}, {0x10, 0x07},
                                              {0x1F, 0x7F}, {0xE0, 0x87}, {0xF5, 0x2F}};
    for (const auto& [data, status] : cases) {
        m_library->Out(0x378, data);
        EXPECT_EQ(m_library->In(0x379), status) << "data " << data;
    }
    m_library->Out(0x37A, 0x24); // reverse in byte mode: nothing drives, all reads high
    EXPECT_EQ(m_library->In(0x379), 0x7F);
    EXPECT_EQ(m_library->In(0x378), 0xFF);
}

// The control-status plug (1-13, 14-12, 16-10, 17-11, 2-15) and worn plugs.
// Strobe, auto feed and select in are inverted on their pins, init is not;
// an open input is pulled high; a short holds the output line too.
TEST_F(RegisterRules, PlugsAndTheirFaultsDecideStatus) {
    struct Case {
        Device device;
        const wchar_t* faults;
        uint8_t control, data; // written
        uint8_t status, dataRead, controlRead;
    };
    const Case cases[] = {
        {Device::ControlLoopback, L"none", 0x04, 0x00, 0x77, 0x00, 0xC4},
        {Device::ControlLoopback, L"none", 0x0B, 0x01, 0x8F, 0x01, 0xCB},
        {Device::ControlLoopback, L"none", 0x01, 0x00, 0x27, 0x00, 0xC1},
        {Device::ControlLoopback, L"stuck-high 10", 0x00, 0x00, 0x77, 0x00, 0xC4},
        {Device::ControlLoopback, L"stuck-low 13", 0x00, 0x00, 0x27, 0x00, 0xC1},
        {Device::Loopback, L"cut 12", 0x04, 0x1F, 0x7F, 0x1F, 0xC4},
        {Device::Loopback, L"cut 12", 0x04, 0x00, 0xA7, 0x00, 0xC4},
        {Device::Loopback, L"stuck-high 13", 0x04, 0x00, 0x97, 0x02, 0xC4},
        {Device::Loopback, L"stuck-low 11", 0x04, 0x1F, 0xFF, 0x0F, 0xC4},
        {Device::Loopback, L"swap 15 13", 0x04, 0x01, 0x97, 0x01, 0xC4},
        {Device::Loopback, L"swap 15 13", 0x04, 0x02, 0x8F, 0x02, 0xC4},
        // A cut wire's short reaches its input only.
        {Device::Loopback, L"cut 15, stuck-low 15", 0x04, 0x01, 0x87, 0x01, 0xC4},
        // Faults need a plug.
        {Device::None, L"stuck-low 15, swap 13 12", 0x04, 0x00, 0x7F, 0x00, 0xC4},
    };
    for (const Case& c : cases) {
        m_client->AttachDevice(c.device);
        m_client->SetFaults(*portsim::ParseFaults(c.faults));
        m_library->Out(0x37A, c.control);
        m_library->Out(0x378, c.data);
        EXPECT_EQ(m_library->In(0x379), c.status) << c.faults << " data " << int{c.data};
        EXPECT_EQ(m_library->In(0x378), c.dataRead) << c.faults;
        EXPECT_EQ(m_library->In(0x37A), c.controlRead) << c.faults;
    }
}

// Open right after every third write to Data or Control.
TEST_F(RegisterRules, AnIntermittentWireOpensNowAndThen) {
    m_client->AttachDevice(Device::Loopback);
    m_client->SetFaults(*portsim::ParseFaults(L"intermittent 15"));
    m_library->Out(0x37A, 0x04);                                 // write 1
    const int expected[] = {0x87, 0x8F, 0x87, 0x87, 0x8F, 0x87}; // after writes 2..7
    for (const int status : expected) {
        m_library->Out(0x378, 0x00);
        EXPECT_EQ(m_library->In(0x379), status);
    }
    m_library->Out(0x378, 0x01); // write 8: the wire is closed and carries D0
    EXPECT_EQ(m_library->In(0x379), 0x8F);
}

// A wave's pin takes both levels in turn, whatever the device; the other
// pins keep theirs. Waits on the levels, not on the time.
TEST_F(RegisterRules, SquareWavesChangeTheirPinsByThemselves) {
    const std::pair<Device, uint8_t> cases[] = {{Device::None, 0x7F}, {Device::Loopback, 0x87}};
    for (const auto& [device, idle] : cases) {
        m_client->AttachDevice(device);
        m_client->SetWaves(*portsim::ParseWaves(L"11 1000, 13 250.5"));
        bool seen[2][2] = {};
        for (int reads = 0;
             reads < 50000000 && !(seen[0][0] && seen[0][1] && seen[1][0] && seen[1][1]); ++reads) {
            const uint8_t status = m_library->In(0x379);
            ASSERT_EQ(status & 0x6F, idle & 0x6F) << std::hex << int{status};
            seen[0][(status >> 7) & 1] = seen[1][(status >> 4) & 1] = true;
        }
        EXPECT_TRUE(seen[0][0] && seen[0][1]) << "pin 11 stood still";
        EXPECT_TRUE(seen[1][0] && seen[1][1]) << "pin 13 stood still";
        m_client->SetWaves(*portsim::ParseWaves(L"none"));
        EXPECT_EQ(m_library->In(0x379), idle);
    }
}

TEST_F(RegisterRules, OtherPortsAreAnEmptyBus) {
    const uint16_t around[] = {0x377, 0x37B, 0x37F,  0x778, 0x779,
                               0x77B, 0x000, 0xFFFF, 0x278, 0x3BC};
    for (const uint16_t port : around) {
        m_library->Out(port, 0x00);
        EXPECT_EQ(m_library->In(port), 0xFF) << std::hex << port;
    }
    EXPECT_EQ(m_library->In(0x378), 0x00); // writes there changed nothing
    EXPECT_EQ(m_library->In(0x37A), 0xCC);
    EXPECT_EQ(m_library->In(0x77A), 0x35);

    m_client->SetEcrPresent(false);
    m_library->Out(0x77A, 0x00);
    EXPECT_EQ(m_library->In(0x77A), 0xFF);
}

// Any 16-bit base works; register numbers are 16-bit sums.
TEST_F(RegisterRules, HighBasesAndWrappedRegisterNumbers) {
    struct Case {
        uint16_t base, status, control, ecr;
    };
    const Case cases[] = {{0x8000, 0x8001, 0x8002, 0x8402},
                          {0xD100, 0xD101, 0xD102, 0xD502},
                          {0xFFFF, 0x0000, 0x0001, 0x0401},
                          {0xFC00, 0xFC01, 0xFC02, 0x0002}};
    for (const Case& c : cases) {
        m_client->SetBase(c.base);
        m_library->Out(c.base, 0x5A);
        m_library->Out(c.control, 0x01);
        m_library->Out(c.ecr, 0x81);
        EXPECT_EQ(m_library->In(c.base), 0x5A) << std::hex << c.base;
        EXPECT_EQ(m_library->In(c.status), 0x7F) << std::hex << c.base;
        EXPECT_EQ(m_library->In(c.control), 0xC1) << std::hex << c.base;
        EXPECT_EQ(m_library->In(c.ecr), 0x81) << std::hex << c.base;
        EXPECT_EQ(m_library->In(0x379), 0xFF) << "the old base is empty now";
    }
}

} // namespace
