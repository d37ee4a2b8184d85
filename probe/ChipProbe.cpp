#include "probe/ChipProbe.h"

#include <algorithm>
#include <cstdio>

const char kProbeWarning[] =
    "This probe writes the port's registers: nothing that a stray level could move (a machine "
    "tool, a programmer) should hang on the cable.";

namespace {

constexpr uint8_t kTimeoutBit = 0x01;   // Status bit 0 on EPP chips
constexpr uint8_t kIrqEnableBit = 0x10; // Control bit 4 drives no pin
constexpr uint8_t kDirectionBit = 0x20; // Control bit 5: 1 lets go of the data lines
constexpr uint8_t kFifoEmptyBit = 0x01; // ECR bit 0
constexpr uint8_t kFifoFullBit = 0x02;  // ECR bit 1
// The ECR's low bits while probing: error interrupt and service interrupt
// off, no DMA.
constexpr uint8_t kEcrQuiet = 0x14;
// A FIFO deeper than this is taken as one whose full bit never sets.
constexpr int kDeepestFifo = 1024;

enum EcrMode : uint8_t {
    kModePs2 = 1,
    kModePpf = 2,
    kModeEcp = 3,
    kModeEpp = 4,
    kModeTest = 6,
    kModeConfiguration = 7,
};

std::string Hex(unsigned value, const char* format = "%02X") {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Address(unsigned value) {
    return Hex(value, "%X");
}

std::string ModeBits(uint8_t mode) {
    const char bits[] = {char('0' + (mode >> 2 & 1)), char('0' + (mode >> 1 & 1)),
                         char('0' + (mode & 1)), 0};
    return bits;
}

constexpr uint8_t EcrByte(uint8_t mode) {
    return static_cast<uint8_t>(mode << 5 | kEcrQuiet);
}

// Configuration register A, bits 6-4.
std::string WordSize(uint8_t cnfgA) {
    switch (cnfgA >> 4 & 7) {
    case 0:
        return "16-bit words";
    case 1:
        return "8-bit words";
    case 2:
        return "32-bit words";
    default:
        return "word size " + ModeBits(cnfgA >> 4 & 7);
    }
}

// Configuration register B: IRQ in bits 5-3, DMA channel in bits 2-0.
std::string IrqAndDma(uint8_t cnfgB) {
    static const char* const irqs[] = {nullptr, "7", "9", "10", "11", "14", "15", "5"};
    static const char* const channels[] = {nullptr, "1", "2", "3", nullptr, "5", "6", "7"};
    const char* irq = irqs[cnfgB >> 3 & 7];
    const char* dma = channels[cnfgB & 7];
    return (irq ? std::string("IRQ ") + irq : "IRQ set by jumpers") + ", " +
           (dma ? std::string("DMA ") + dma : "DMA set by jumpers");
}

class Probe {
public:
    Probe(const ProbeTarget& target, IoPorts& io, const SayLine& say)
        : m_target(target), m_io(io), m_say(say), m_data(target.base),
          m_status(static_cast<uint16_t>(target.base + 1)),
          m_control(static_cast<uint16_t>(target.base + 2)),
          m_eppData(static_cast<uint16_t>(target.base + 4)), m_fifo(target.ext),
          m_cnfgB(static_cast<uint16_t>(target.ext + 1)),
          m_ecr(static_cast<uint16_t>(target.ext + 2)), m_foundData(io.In(m_data)),
          m_foundControl(io.In(m_control)) {}

    ProbeOutcome Run(const std::function<bool()>& stop) {
        m_say(m_target.name + ": base " + Address(m_target.base) + ", extended " +
              Address(m_target.ext));
        if (!Spp())
            return ProbeOutcome::NothingAnswers;
        void (Probe::*const steps[])() = {&Probe::Ecr, &Probe::Ps2, &Probe::PpfAndEcp, &Probe::Epp};
        for (const auto step : steps) {
            if (stop()) {
                m_say("interrupted: " + PutBack());
                return ProbeOutcome::Interrupted;
            }
            (this->*step)();
        }
        m_say(PutBack());
        return ProbeOutcome::Answered;
    }

private:
    // Data keeps what is written, with the data lines driven. Neither value
    // kept: nothing answers at the address.
    bool Spp() {
        m_io.Out(m_control, m_foundControl & ~kDirectionBit);
        m_io.Out(m_data, 0xAA);
        const uint8_t first = m_io.In(m_data);
        m_io.Out(m_data, 0x55);
        const uint8_t second = m_io.In(m_data);
        if (first != 0xAA && second != 0x55) {
            m_say("Nothing answers at " + Address(m_target.base) +
                  ": Data keeps neither AA nor 55 (read " + Hex(first) + " and " + Hex(second) +
                  "); " + PutBack());
            return false;
        }
        if (first == 0xAA && second == 0x55)
            m_say("SPP: yes, the Data register keeps what is written (AA and 55 read back)");
        else
            m_say("SPP: no, the Data register does not keep what is written (wrote AA, read " +
                  Hex(first) + "; wrote 55, read " + Hex(second) + ")");
        return true;
    }

    void Ecr() {
        if (m_target.onlyBaseInReach) {
            m_hasEcr = Kernel("PPF") || Kernel("ECP");
            SayKernel("ECR", m_hasEcr);
            return;
        }
        const std::string at = Address(m_ecr);
        m_foundEcr = m_io.In(m_ecr);
        if (MirrorsControl()) {
            m_say("ECR: no, " + at +
                  " mirrors the Control register (a card that decodes 10 address bits)");
            return;
        }
        if ((m_foundEcr & (kFifoEmptyBit | kFifoFullBit)) != kFifoEmptyBit) {
            m_say("ECR: no, " + at + " reads " + Hex(m_foundEcr) +
                  ", not an ECR's empty FIFO (bit 0 set, bit 1 clear)");
            return;
        }
        m_wroteEcr = true;
        m_io.Out(m_ecr, EcrByte(kModePs2));
        const uint8_t back = m_io.In(m_ecr);
        const uint8_t expected = EcrByte(kModePs2) | kFifoEmptyBit;
        m_hasEcr = back == expected;
        const std::string written = Hex(EcrByte(kModePs2)) + " written reads back " + Hex(back);
        m_say(m_hasEcr ? "ECR: yes, at " + at + " (FIFO empty; " + written + ")"
                       : "ECR: no, at " + at + " " + written + ", not " + Hex(expected));
    }

    // On a card that decodes 10 address bits the ECR's address is Control's:
    // it reads as Control does, also after Control changes.
    bool MirrorsControl() {
        const uint8_t control = m_io.In(m_control);
        if (m_foundEcr != control)
            return false;
        m_io.Out(m_control, control ^ kIrqEnableBit);
        const bool follows = m_io.In(m_ecr) == m_io.In(m_control);
        m_io.Out(m_control, control);
        return follows;
    }

    // With the direction bit set the chip lets go of the data lines, so Data
    // reads the cable, not the latch.
    void Ps2() {
        const uint8_t driving = m_foundControl & ~kDirectionBit;
        m_io.Out(m_control, driving | kDirectionBit);
        m_io.Out(m_data, 0x55);
        const uint8_t read = m_io.In(m_data);
        m_io.Out(m_control, driving);
        m_say(read != 0x55 ? "PS/2: yes, with the direction bit set the data lines stop driving "
                             "(wrote 55, read " +
                                 Hex(read) + ")"
                           : "PS/2: no, with the direction bit set the data lines still drive "
                             "(wrote 55, read 55)");
    }

    void PpfAndEcp() {
        if (m_target.onlyBaseInReach) {
            SayKernel("PPF", Kernel("PPF"));
            SayKernel("ECP", Kernel("ECP"));
            return;
        }
        if (!m_hasEcr) {
            m_say("PPF: no, no ECR to switch to it");
            m_say("ECP: no, no ECR to switch to it");
            return;
        }
        uint8_t read = 0;
        m_say(TakesMode(kModePpf, read)
                  ? "PPF: yes, ECR mode 010"
                  : "PPF: no, the ECR does not take mode 010 (reads " + Hex(read) + ")");
        if (!TakesMode(kModeEcp, read)) {
            m_say("ECP: no, the ECR does not take mode 011 (reads " + Hex(read) + ")");
            return;
        }
        m_say("ECP: yes, ECR mode 011; " + FifoDepth() + ", " + Configuration());
    }

    // Every switch goes through mode 001, as the chips require.
    bool TakesMode(uint8_t mode, uint8_t& read) {
        m_io.Out(m_ecr, EcrByte(mode));
        read = m_io.In(m_ecr);
        m_io.Out(m_ecr, EcrByte(kModePs2));
        return read >> 5 == mode;
    }

    // In test mode the FIFO is filled through EXT + 0 until the ECR says it
    // is full, then emptied again.
    std::string FifoDepth() {
        m_io.Out(m_ecr, EcrByte(kModeTest));
        int depth = 0;
        while (depth < kDeepestFifo && !(m_io.In(m_ecr) & kFifoFullBit)) {
            m_io.Out(m_fifo, 0);
            ++depth;
        }
        for (int left = kDeepestFifo; left > 0 && !(m_io.In(m_ecr) & kFifoEmptyBit); --left)
            m_io.In(m_fifo);
        m_io.Out(m_ecr, EcrByte(kModePs2));
        if (depth == kDeepestFifo)
            return "FIFO never full after " + std::to_string(kDeepestFifo) + " bytes";
        return "FIFO " + std::to_string(depth) + " bytes";
    }

    std::string Configuration() {
        m_io.Out(m_ecr, EcrByte(kModeConfiguration));
        const uint8_t cnfgA = m_io.In(m_fifo);
        const uint8_t cnfgB = m_io.In(m_cnfgB);
        m_io.Out(m_ecr, EcrByte(kModePs2));
        return WordSize(cnfgA) + "; " + IrqAndDma(cnfgB);
    }

    // An EPP read at BASE + 4 with nothing to answer times out, which sets
    // Status bit 0; the bit is cleared first, as the chip clears it.
    void Epp() {
        if (m_target.onlyBaseInReach) {
            SayKernel("EPP", Kernel("EPP"));
            return;
        }
        if (m_hasEcr)
            m_io.Out(m_ecr, EcrByte(kModeEpp));
        const bool cleared = ClearTimeout();
        if (cleared)
            m_io.In(m_eppData);
        const bool timedOut = cleared && (m_io.In(m_status) & kTimeoutBit);
        if (m_hasEcr)
            m_io.Out(m_ecr, EcrByte(kModePs2));
        if (!cleared)
            m_say("EPP: no, the timeout bit (Status bit 0) cannot be cleared");
        else if (timedOut)
            m_say("EPP: yes, an EPP read with nothing to answer timed out (Status bit 0)");
        else
            m_say("EPP: no, an EPP read with nothing to answer did not time out (Status bit 0 "
                  "stays clear)");
    }

    // Chips differ: some clear the bit when Status is read, some when a 1 is
    // written to it, some when a 0 is.
    bool ClearTimeout() {
        m_io.In(m_status);
        uint8_t status = m_io.In(m_status);
        for (const uint8_t written : {kTimeoutBit, uint8_t{0}}) {
            if (!(status & kTimeoutBit))
                break;
            m_io.Out(m_status, (status & ~kTimeoutBit) | written);
            status = m_io.In(m_status);
        }
        return !(status & kTimeoutBit);
    }

    bool Kernel(const char* mode) const {
        const auto& modes = m_target.kernelModes;
        return std::find(modes.begin(), modes.end(), mode) != modes.end();
    }

    void SayKernel(const char* feature, bool found) {
        std::string modes;
        for (const std::string& mode : m_target.kernelModes)
            modes += (modes.empty() ? "" : ", ") + mode;
        m_say(std::string(feature) + (found ? ": yes" : ": no") +
              ", as the kernel found them (its modes: " + (modes.empty() ? "none" : modes) + ")");
    }

    // Data and Control while the ECR is in mode 001 or as found, the ECR
    // last: from mode 001 the chip takes any mode.
    std::string PutBack() {
        m_io.Out(m_data, m_foundData);
        m_io.Out(m_control, m_foundControl);
        if (m_wroteEcr) {
            m_io.Out(m_ecr, m_foundEcr);
            return "Data, Control and ECR put back as found (" + Hex(m_foundData) + ", " +
                   Hex(m_foundControl) + ", " + Hex(m_foundEcr) + ")";
        }
        return "Data and Control put back as found (" + Hex(m_foundData) + ", " +
               Hex(m_foundControl) + ")";
    }

    const ProbeTarget& m_target;
    IoPorts& m_io;
    const SayLine& m_say;
    const uint16_t m_data, m_status, m_control, m_eppData, m_fifo, m_cnfgB, m_ecr;
    const uint8_t m_foundData, m_foundControl;
    uint8_t m_foundEcr = 0; // read when the ECR's step begins
    bool m_wroteEcr = false;
    bool m_hasEcr = false;
};

} // namespace

void PrintLine(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

ProbeOutcome ProbeChip(const ProbeTarget& target, IoPorts& io, const std::function<bool()>& stop,
                       const SayLine& say) {
    return Probe(target, io, say).Run(stop);
}

int ProbePorts(const std::vector<ProbeTarget>& targets, IoPorts& io,
               const std::function<bool()>& stop, const SayLine& say) {
    say(kProbeWarning);
    bool answered = false;
    for (const ProbeTarget& target : targets) {
        const ProbeOutcome outcome = ProbeChip(target, io, stop, say);
        if (outcome == ProbeOutcome::Interrupted)
            return 1;
        answered = answered || outcome == ProbeOutcome::Answered;
    }
    return answered ? 0 : 1;
}
