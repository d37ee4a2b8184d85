// The loopback test against a port with a plug made of literals: which
// status bit each wire reaches, from which register bit, inverted or not on
// the pin, and the faults a worn plug has.
#include "loopback/PlugRun.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "loopback/Report.h"

namespace {

struct Line {
    PinRegister reg;
    int bit;
    bool invertedOnPin;
};

// Status bit -> the output line wired to it.
using Wiring = std::map<int, Line>;

// data-status: D0..D4 to Error (bit 3), Select, Paper Out, Ack, Busy (bit 7).
const Wiring kDataStatus = {{3, {PinRegister::Data, 0, false}},
                            {4, {PinRegister::Data, 1, false}},
                            {5, {PinRegister::Data, 2, false}},
                            {6, {PinRegister::Data, 3, false}},
                            {7, {PinRegister::Data, 4, false}}};
// control-status: Strobe to Select, Auto Feed to Paper Out, Init to Ack,
// Select In to Busy, D0 to Error.
const Wiring kControlStatus = {{4, {PinRegister::Control, 0, true}},
                               {5, {PinRegister::Control, 1, true}},
                               {6, {PinRegister::Control, 2, false}},
                               {7, {PinRegister::Control, 3, true}},
                               {3, {PinRegister::Data, 0, false}}};

struct Faults {
    std::set<int> cut;             // status bits whose wire is cut
    std::map<int, bool> held;      // status bit -> level its wire is shorted to
    std::pair<int, int> swapped{}; // two status bits whose wires are crossed
    int loose = -1;                // status bit whose wire opens on every third read
};

class PlugPort : public RegisterPort {
public:
    PlugPort(const Wiring& wiring, const Faults& faults) : m_wiring(wiring), m_faults(faults) {
        if (faults.swapped.first != 0)
            std::swap(m_wiring[faults.swapped.first], m_wiring[faults.swapped.second]);
    }

    uint8_t data = 0x00;
    uint8_t control = 0xCC;
    std::vector<std::pair<PinRegister, uint8_t>> writes;

    uint8_t Read(PinRegister reg) override {
        if (reg == PinRegister::Data)
            return Held(PinRegister::Data, data);
        if (reg == PinRegister::Control)
            return Held(PinRegister::Control, control);
        ++m_statusReads;
        uint8_t pins = 0;
        for (int bit = 3; bit <= 7; ++bit) {
            bool high = true; // pulled up while nothing drives it
            const auto wire = m_wiring.find(bit);
            const bool open =
                m_faults.cut.count(bit) != 0 || (bit == m_faults.loose && m_statusReads % 3 == 0);
            if (wire != m_wiring.end() && !open)
                high = LineHigh(wire->second);
            if (const auto held = m_faults.held.find(bit); held != m_faults.held.end())
                high = held->second;
            pins = static_cast<uint8_t>(pins | (high ? 1u << bit : 0u));
        }
        return static_cast<uint8_t>((pins ^ 0x80) | 0x07); // Busy reads inverted
    }

    void Write(PinRegister reg, uint8_t value) override {
        writes.emplace_back(reg, value);
        (reg == PinRegister::Data ? data : control) = value;
    }

private:
    bool LineHigh(const Line& line) const {
        const uint8_t value = line.reg == PinRegister::Data ? data : control;
        return (((value >> line.bit) & 1) != 0) != line.invertedOnPin;
    }

    // A short on a wire holds its output line too.
    uint8_t Held(PinRegister reg, uint8_t value) const {
        for (const auto& [bit, high] : m_faults.held) {
            const Line& line = m_wiring.at(bit);
            if (line.reg == reg && m_faults.cut.count(bit) == 0) {
                const bool set = high != line.invertedOnPin;
                value = static_cast<uint8_t>(set ? value | (1u << line.bit)
                                                 : value & ~(1u << line.bit));
            }
        }
        return value;
    }

    Wiring m_wiring;
    Faults m_faults;
    int m_statusReads = 0;
};

struct Case {
    const char* what;
    const char* plug;
    const Wiring* wiring; // null: no plug
    Faults faults;
    int rounds;
    bool counts;
    const char* report;
    bool allOk;
};

TEST(PlugRun, VerdictsOfEveryWire) {
    // clang-format off
    const Case cases[] = {
        {"data-status on its own plug", "data-status", &kDataStatus, {}, 1, false,
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "pin 3 (D1) -> pin 13 (Select)    ok\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    ok\n"
         "pin 5 (D3) -> pin 10 (Ack)    ok\n"
         "pin 6 (D4) -> pin 11 (Busy)    ok\n"
         "5 of 5 wires ok\n", true},
        {"control-status on its own plug", "control-status", &kControlStatus, {}, 1, false,
         "pin 1 (Strobe) -> pin 13 (Select)    ok\n"
         "pin 14 (Auto Feed) -> pin 12 (Paper Out)    ok\n"
         "pin 16 (Init) -> pin 10 (Ack)    ok\n"
         "pin 17 (Select In) -> pin 11 (Busy)    ok\n"
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "5 of 5 wires ok\n", true},
        {"no plug", "data-status", nullptr, {}, 2, true,
         "no input followed any output (no plug?)\n", false},
        {"a cut wire", "data-status", &kDataStatus, {{5}, {}, {}, -1}, 1, false,
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "pin 3 (D1) -> pin 13 (Select)    ok\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    not connected\n"
         "pin 5 (D3) -> pin 10 (Ack)    ok\n"
         "pin 6 (D4) -> pin 11 (Busy)    ok\n"
         "4 of 5 wires ok\n", false},
        {"stuck high and stuck low", "control-status", &kControlStatus,
         {{}, {{6, true}, {7, false}}, {}, -1}, 1, false,
         "pin 1 (Strobe) -> pin 13 (Select)    ok\n"
         "pin 14 (Auto Feed) -> pin 12 (Paper Out)    ok\n"
         "pin 16 (Init) -> pin 10 (Ack)    stuck high\n"
         "pin 17 (Select In) -> pin 11 (Busy)    stuck low\n"
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "3 of 5 wires ok\n", false},
        {"two wires swapped", "data-status", &kDataStatus, {{}, {}, {3, 7}, -1}, 1, false,
         "pin 2 (D0) -> pin 15 (Error)    joined to pin 6\n"
         "pin 3 (D1) -> pin 13 (Select)    ok\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    ok\n"
         "pin 5 (D3) -> pin 10 (Ack)    ok\n"
         "pin 6 (D4) -> pin 11 (Busy)    joined to pin 2\n"
         "3 of 5 wires ok\n", false},
        // Status reads 3, 6, ..., 30 find Paper Out open (high). D2 is low at
        // reads 1, 2, 4, 5 and 8 of each round of ten: the open reads 12, 15,
        // 18, 21 and 24 fall there.
        {"a loose wire over three rounds", "data-status", &kDataStatus, {{}, {}, {}, 5}, 3, true,
         "pin 2 (D0) -> pin 15 (Error)    ok    0 of 30 reads wrong\n"
         "pin 3 (D1) -> pin 13 (Select)    ok    0 of 30 reads wrong\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    not connected    5 of 30 reads wrong\n"
         "pin 5 (D3) -> pin 10 (Ack)    ok    0 of 30 reads wrong\n"
         "pin 6 (D4) -> pin 11 (Busy)    ok    0 of 30 reads wrong\n"
         "4 of 5 wires ok\n", false},
    };
    // clang-format on
    const Wiring none;
    for (const Case& c : cases) {
        PlugPort port(c.wiring ? *c.wiring : none, c.faults);
        const Plug* plug = FindPlug(c.plug);
        ASSERT_NE(plug, nullptr) << c.what;
        const PlugRun run = RunPlug(port, *plug, c.rounds, [] { return false; });
        EXPECT_FALSE(run.interrupted);
        EXPECT_EQ(run.samples.size(), 10u * c.rounds) << c.what;
        const Outcome outcome = Report(*plug, run.samples, c.counts);
        EXPECT_EQ(outcome.text, c.report) << c.what;
        EXPECT_EQ(outcome.allOk, c.allOk) << c.what;
    }
}

// The patterns in the order they go out, as Data and Control write pairs.
TEST(PlugRun, WalkingOneThenWalkingZeroWithTheDataLinesDriving) {
    PlugPort port(kControlStatus, {});
    port.data = 0xA4;
    port.control = 0xE4; // bit 5 set: data lines not driving; Init high
    const PlugRun run = RunPlug(port, kPlugs[1], 1, [] { return false; });
    // Strobe, Auto Feed, Select In are set to drive their pins low; D0 and
    // Init follow the pattern directly. Bits 4, 6, 7 of Control and 1..7 of
    // Data stay as found; bit 5 is cleared.
    const std::vector<std::pair<uint8_t, uint8_t>> expected = {
        // walking one: Strobe, Auto Feed, Init, Select In, D0 high in turn
        {0xA4, 0xCA},
        {0xA4, 0xC9},
        {0xA4, 0xCF},
        {0xA4, 0xC3},
        {0xA5, 0xCB},
        // walking zero: each low in turn
        {0xA5, 0xC5},
        {0xA5, 0xC6},
        {0xA5, 0xC0},
        {0xA5, 0xCC},
        {0xA4, 0xC4},
    };
    ASSERT_EQ(port.writes.size(), 2 * expected.size() + 2);
    for (size_t p = 0; p < expected.size(); ++p) {
        EXPECT_EQ(port.writes[2 * p], std::make_pair(PinRegister::Data, expected[p].first)) << p;
        EXPECT_EQ(port.writes[2 * p + 1], std::make_pair(PinRegister::Control, expected[p].second))
            << p;
    }
    EXPECT_EQ(port.writes[20], std::make_pair(PinRegister::Data, uint8_t{0xA4}));
    EXPECT_EQ(port.writes[21], std::make_pair(PinRegister::Control, uint8_t{0xE4}));
    EXPECT_EQ(run.samples.size(), 10u);
}

TEST(PlugRun, AStopPutsThePortBackAsFound) {
    PlugPort port(kDataStatus, {});
    port.data = 0x5A;
    port.control = 0x2C;
    int asked = 0;
    const PlugRun run = RunPlug(port, kPlugs[0], 100, [&asked] { return ++asked > 3; });
    EXPECT_TRUE(run.interrupted);
    EXPECT_EQ(run.samples.size(), 3u);
    ASSERT_EQ(port.writes.size(), 8u);
    EXPECT_EQ(port.writes[6], std::make_pair(PinRegister::Data, uint8_t{0x5A}));
    EXPECT_EQ(port.writes[7], std::make_pair(PinRegister::Control, uint8_t{0x2C}));
    EXPECT_EQ(port.data, 0x5A);
    EXPECT_EQ(port.control, 0x2C);
}

} // namespace
