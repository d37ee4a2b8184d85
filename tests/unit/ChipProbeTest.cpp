// The chip probe over the simulator's own models of the common chips: the
// lines it says and the registers as it leaves them (Data and Control as
// they read at power-on, the ECR's mode field as it was); a port where
// nothing answers, and a probe interrupted half-way.
#include <gtest/gtest.h>

#include <cstdio>

#include "probe/ChipProbe.h"
#include "simport/core/PortModel.h"

namespace {

using portsim::Chip;

class ChipPorts : public IoPorts {
public:
    explicit ChipPorts(Chip chip)
        : state(portsim::PowerOnState(0x378, chip, portsim::Device::None)) {}
    uint8_t In(uint16_t port) override { return portsim::ReadRegister(state, port); }
    void Out(uint16_t port, uint8_t value) override { portsim::WriteRegister(state, port, value); }
    portsim::PortState state;
};

std::string Text(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Every port an empty bus; what was touched, in order.
class NothingThere : public IoPorts {
public:
    uint8_t In(uint16_t port) override {
        touched += Text("in %X\n", port);
        return 0xFF;
    }
    void Out(uint16_t port, uint8_t value) override {
        touched += Text("out %X ", port) + Text("%02X\n", value);
    }
    std::string touched;
};

struct Said {
    std::string lines;
    SayLine say = [this](const std::string& line) { lines += line + "\n"; };
};

const ProbeTarget kLpt1 = {"LPT1", 0x378, 0x778, {}, false};

constexpr char kSpp[] = "SPP: yes, the Data register keeps what is written (AA and 55 read back)\n";
constexpr char kPs2[] = "PS/2: yes, with the direction bit set the data lines stop driving "
                        "(wrote 55, read FF)\n";
constexpr char kNoEcr[] = "PPF: no, no ECR to switch to it\nECP: no, no ECR to switch to it\n";
constexpr char kEcr[] = "ECR: yes, at 77A (FIFO empty; 34 written reads back 35)\n";
constexpr char kEcp[] = "PPF: yes, ECR mode 010\n"
                        "ECP: yes, ECR mode 011; FIFO 16 bytes, 8-bit words; IRQ 7, DMA 3\n";
constexpr char kEpp[] = "EPP: yes, an EPP read with nothing to answer timed out (Status bit 0)\n";
constexpr char kNoEpp[] = "EPP: no, the timeout bit (Status bit 0) cannot be cleared\n";

TEST(ChipProbe, FindsWhatEachChipHasAndPutsItsRegistersBack) {
    const struct {
        Chip chip;
        std::string lines;
    } chips[] = {
        {Chip::Spp, std::string(kSpp) +
                        "ECR: no, 77A reads FF, not an ECR's empty FIFO (bit 0 set, bit 1 clear)\n"
                        "PS/2: no, with the direction bit set the data lines still drive (wrote "
                        "55, read 55)\n" +
                        kNoEcr + kNoEpp + "Data and Control put back as found (00, CC)\n"},
        {Chip::Ps2,
         std::string(kSpp) +
             "ECR: no, 77A reads FF, not an ECR's empty FIFO (bit 0 set, bit 1 clear)\n" + kPs2 +
             kNoEcr + kNoEpp + "Data and Control put back as found (00, CC)\n"},
        {Chip::Epp,
         std::string(kSpp) +
             "ECR: no, 77A reads FF, not an ECR's empty FIFO (bit 0 set, bit 1 clear)\n" + kPs2 +
             kNoEcr + kEpp + "Data and Control put back as found (00, CC)\n"},
        {Chip::Ecp, std::string(kSpp) + kEcr + kPs2 + kEcp + kNoEpp +
                        "Data, Control and ECR put back as found (00, CC, 35)\n"},
        {Chip::EcpEpp, std::string(kSpp) + kEcr + kPs2 + kEcp + kEpp +
                           "Data, Control and ECR put back as found (00, CC, 35)\n"},
        {Chip::Alias10, std::string(kSpp) +
                            "ECR: no, 77A mirrors the Control register (a card that decodes 10 "
                            "address bits)\n" +
                            kPs2 + kNoEcr + kNoEpp +
                            "Data and Control put back as found (00, CC)\n"},
    };
    for (const auto& c : chips) {
        ChipPorts port(c.chip);
        Said said;
        EXPECT_EQ(ProbePorts(
                      {kLpt1}, port, [] { return false; }, said.say),
                  0);
        EXPECT_EQ(said.lines,
                  std::string(kProbeWarning) + "\nLPT1: base 378, extended 778\n" + c.lines)
            << int(c.chip);
        EXPECT_EQ(port.In(0x378), 0x00) << int(c.chip);
        EXPECT_EQ(port.In(0x37A), 0xCC) << int(c.chip);
        EXPECT_EQ(port.state.ecr, 0x35) << int(c.chip);
    }
}

TEST(ChipProbe, TriesNothingElseWhereNothingAnswers) {
    NothingThere bus;
    Said said;
    EXPECT_EQ(ProbePorts(
                  {kLpt1}, bus, [] { return false; }, said.say),
              1);
    EXPECT_EQ(said.lines, std::string(kProbeWarning) +
                              "\nLPT1: base 378, extended 778\n"
                              "Nothing answers at 378: Data keeps neither AA nor 55 (read FF and "
                              "FF); Data and Control put back as found (FF, FF)\n");
    // Data and Control only: found, written, put back.
    EXPECT_EQ(bus.touched, "in 378\nin 37A\nout 37A DF\nout 378 AA\nin 378\nout 378 55\n"
                           "in 378\nout 378 FF\nout 37A FF\n");
}

TEST(ChipProbe, PutsTheRegistersBackWhenInterrupted) {
    ChipPorts port(Chip::EcpEpp);
    Said said;
    int asked = 0;
    // Stopped after the ECR's and PS/2's steps, with the ECR in use.
    EXPECT_EQ(ProbePorts(
                  {kLpt1, kLpt1}, port, [&asked] { return ++asked == 3; }, said.say),
              1);
    EXPECT_EQ(said.lines, std::string(kProbeWarning) + "\nLPT1: base 378, extended 778\n" + kSpp +
                              kEcr + kPs2 +
                              "interrupted: Data, Control and ECR put back as found (00, CC, "
                              "35)\n");
    EXPECT_EQ(port.In(0x378), 0x00);
    EXPECT_EQ(port.In(0x37A), 0xCC);
    EXPECT_EQ(port.state.ecr, 0x35);
}

} // namespace
