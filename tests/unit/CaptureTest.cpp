// The capture against a scripted port and clock: what is recorded, when the
// trigger opens the record, what the summary, the live view and the VCD
// file say. Levels are written out from the connector: Status bits 3..7 are
// pins 15, 13, 12, 10, 11 (Busy, pin 11, inverted); Control bits 0..3 are
// pins 1, 14, 16, 17 (Strobe, Auto Feed and Select In inverted).
#include "capture/CaptureProgram.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "capture/LiveView.h"
#include "capture/Summary.h"
#include "capture/VcdWriter.h"

namespace {

struct Registers {
    uint8_t data, status, control;
    int64_t paused = 0; // microseconds the program stood still before this sample
};

// Sample i reads script[i]; the clock stands at 10 us per sample, plus the
// pauses so far; the last sample sets the stop flag.
class ScriptedPort : public RegisterReader, public Clock {
public:
    explicit ScriptedPort(std::vector<Registers> script) : m_script(std::move(script)) {}
    std::atomic<bool> stop{false};
    int writes = 0;

    uint8_t Read(PinRegister reg) override {
        const Registers& now = m_script[m_sample];
        return reg == PinRegister::Data     ? now.data
               : reg == PinRegister::Status ? now.status
                                            : now.control;
    }
    int64_t Now() override {
        m_paused += m_script[m_sample].paused;
        const int64_t ticks = 10 * m_sample + m_paused;
        if (++m_sample == m_script.size()) {
            stop = true;
            --m_sample;
        }
        return ticks;
    }
    int64_t TicksPerSecond() const override { return 1000000; }

private:
    std::vector<Registers> m_script;
    size_t m_sample = 0;
    int64_t m_paused = 0;
};

uint32_t High(std::initializer_list<int> pins) {
    uint32_t levels = 0;
    for (const int pin : pins)
        levels |= 1u << (pin - 1);
    return levels;
}

std::vector<int> AllPins() {
    return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
}

// Status 0x7F: every input high; Control 0xCC (power-on): Strobe, Auto Feed,
// Init high, Select In low.
const uint32_t kIdle = High({1, 10, 11, 12, 13, 14, 15, 16});

TEST(Capture, RecordsChangesFromTheFirstSampleOrTheTrigger) {
    struct Case {
        const char* what;
        std::vector<Registers> script;
        std::vector<int> pins;
        SamplingPlan plan;
        std::vector<LevelsAt> record; // ticks are 10 us a sample
        uint64_t samples;
        int64_t longestGap;
        bool warned; // the summary says the sampling paused as long as a pulse
    };
    SamplingPlan ackFalls;
    ackFalls.triggered = true, ackFalls.triggerBit = High({10}), ackFalls.triggerEdge = Edge::Fall;
    SamplingPlan twoChanges;
    twoChanges.maxEdges = 2;
    const Case cases[] = {
        {"D0 high then low",
         {{0x00, 0x7F, 0xCC}, {0x01, 0x7F, 0xCC}, {0x01, 0x7F, 0xCC}, {0x00, 0x7F, 0xCC}},
         AllPins(),
         {},
         {{0, kIdle}, {10, kIdle | High({2})}, {30, kIdle}},
         4,
         10,
         false},
        {"Busy inverted, Select In and Strobe inverted",
         {{0x00, 0x7F, 0xCC}, {0x00, 0xFF, 0xC5}},
         AllPins(),
         {},
         {{0, kIdle}, {10, High({10, 12, 13, 14, 15, 16, 17})}},
         2,
         10,
         false},
        {"a change outside the pins watched",
         {{0x00, 0x7F, 0xCC}, {0xFE, 0x7F, 0xCD}, {0xFF, 0x7F, 0xCD}},
         {2},
         {},
         {{0, 0}, {20, High({2})}},
         3,
         10,
         false},
        {"Ack falls: the sample before opens the record",
         {{0x00, 0x7F, 0xCC}, {0x01, 0x7F, 0xCC}, {0x01, 0x3F, 0xCC}, {0x00, 0x7F, 0xCC}},
         AllPins(),
         ackFalls,
         {{10, kIdle | High({2})}, {20, High({1, 2, 11, 12, 13, 14, 15, 16})}, {30, kIdle}},
         4,
         10,
         true},
        {"Ack never falls",
         {{0x00, 0x7F, 0xCC}, {0x00, 0x3F + 0x40, 0xCC}},
         AllPins(),
         ackFalls,
         {},
         2,
         10,
         false},
        {"stops after two changes",
         {{0x00, 0x7F, 0xCC}, {0x01, 0x7F, 0xCC}, {0x03, 0x7F, 0xCC}, {0x07, 0x7F, 0xCC}},
         {2, 3, 4},
         twoChanges,
         {{0, 0}, {10, High({2})}, {20, High({2, 3})}},
         3,
         10,
         false},
        {"the program stood still for 100 us after a 20 us pulse",
         {{0x00, 0x7F, 0xCC},
          {0x01, 0x7F, 0xCC},
          {0x01, 0x7F, 0xCC},
          {0x00, 0x7F, 0xCC},
          {0x00, 0x7F, 0xCC, 100}},
         {2},
         {},
         {{0, 0}, {10, High({2})}, {30, 0}},
         5,
         110,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPort port(c.script);
        Recording recording(100);
        const SamplingRun run =
            Sample(LevelReader(c.pins), port, port, c.plan, port.stop, recording);
        ASSERT_EQ(recording.Size(), c.record.size());
        for (size_t i = 0; i < c.record.size(); ++i) {
            EXPECT_EQ(recording[i].ticks, c.record[i].ticks) << i;
            EXPECT_EQ(recording[i].levels, c.record[i].levels) << i;
        }
        EXPECT_EQ(run.samples, c.samples);
        EXPECT_EQ(run.recorded, !c.record.empty());
        EXPECT_EQ(run.longestGap, c.longestGap);
        const std::string summary = Summary(run, recording, c.pins, 1000000);
        EXPECT_EQ(summary.find("\nthe sampling paused as long as some pulses: edges may be "
                               "missing, pulses shortened and frequencies low\n") !=
                      std::string::npos,
                  c.warned)
            << summary;
    }
}

// D0: rises at 100 us, falls 150, rises 300, falls 320, rises 500; D1 rises
// once at 150.
void RecordPulses(Recording& recording) {
    for (const LevelsAt& entry : std::initializer_list<LevelsAt>{{0, 0},
                                                                 {100, High({2})},
                                                                 {150, High({3})},
                                                                 {300, High({2, 3})},
                                                                 {320, High({3})},
                                                                 {500, High({2, 3})}})
        recording.Append(entry);
}

TEST(Capture, SummarySaysSamplesGapsAndEachChangedPin) {
    Recording recording(10);
    RecordPulses(recording);
    SamplingRun run;
    run.samples = 2001, run.firstTicks = 0, run.lastTicks = 1000000, run.longestGap = 19;
    run.recorded = true;
    const std::string text = "2001 samples in 1.000000 s, 2001 per second; longest gap between "
                             "samples 0.000019 s\n"
                             "pin 2 (D0): 5 edges, shortest high 0.000020 s, shortest low "
                             "0.000150 s, frequency 5000 Hz\n"
                             "pin 3 (D1): 1 edge, shortest high -, shortest low -, frequency -\n";
    EXPECT_EQ(Summary(run, recording, AllPins(), 1000000), text);
    // A gap as long as D0's shortest high pulse.
    run.longestGap = 20;
    EXPECT_EQ(Summary(run, recording, AllPins(), 1000000).substr(text.size() - 1),
              "\nthe sampling paused as long as some pulses: edges may be missing, pulses "
              "shortened and frequencies low\n");
}

TEST(Capture, VcdFileNamesWiresInConnectorOrder) {
    Recording recording(10);
    RecordPulses(recording);
    SamplingRun run;
    run.samples = 11, run.firstTicks = 0, run.lastTicks = 1000, run.longestGap = 100;
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    WriteVcd(file, "KelvarinCapture", recording, {2, 3, 14}, run, 1000000);
    std::string text(static_cast<size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    ASSERT_EQ(std::fread(text.data(), 1, text.size(), file), text.size());
    std::fclose(file);
    EXPECT_EQ(text, "$version KelvarinCapture $end\n"
                    "$comment 11 samples, longest gap between samples 0.000100 s $end\n"
                    "$timescale 100 us $end\n"
                    "$scope module parallel_port $end\n"
                    "$var wire 1 ! pin02_D0 $end\n"
                    "$var wire 1 \" pin03_D1 $end\n"
                    "$var wire 1 # pin14_Auto_Feed $end\n"
                    "$upscope $end\n"
                    "$enddefinitions $end\n"
                    "#0\n$dumpvars\n0!\n0\"\n0#\n$end\n"
                    "#1\n1!\n"
                    "#2\n0!\n1\"\n"
                    "#3\n1!\n"
                    "#4\n0!\n" // 3.2 units, one after the rise
                    "#5\n1!\n"
                    "#10\n");
}

TEST(Capture, TimescaleFollowsTheSamplingAndFitsAMinute) {
    struct Case {
        uint64_t samples;
        int64_t microseconds;
        const char* timescale;
    };
    const Case cases[] = {
        {1000001, 1000000, "1 us"},    // a sample every microsecond
        {30001, 10000, "100 ns"},      // every 0.33 us
        {180000001, 60000000, "1 us"}, // a minute at 0.33 us: 100 ns would be 600 M units
        {3, 10000000, "1 s"},          // a sample every 5 s
        {10000001, 1000, "1 ns"},      // faster than any port: the finest there is
    };
    for (const Case& c : cases) {
        SamplingRun run;
        run.samples = c.samples, run.lastTicks = c.microseconds;
        EXPECT_EQ(TimescaleText(TimescaleExponent(run, 1000000)), c.timescale) << c.samples;
    }
}

TEST(Capture, LiveViewShowsEachChangeOrCountsAFlood) {
    Recording recording(200);
    recording.Append({0, High({10})});
    LiveView view(recording, {2, 10}, 1000000);
    EXPECT_EQ(view.Poll(), "   0.000000 s  start  2:L 10:H\n");
    recording.Append({1204518, High({2})});
    EXPECT_EQ(view.Poll(), "   1.204518 s  pin 2 (D0)  low -> high\n"
                           "   1.204518 s  pin 10 (Ack)  high -> low\n");
    for (int i = 1; i <= 41; ++i)
        recording.Append({2000000 + i, i % 2 ? 0u : High({2})});
    EXPECT_EQ(view.Poll(), "   2.000041 s  43 changes so far (too fast to show each)\n");
    EXPECT_EQ(view.Poll(), "");
}

TEST(Capture, ArgumentsAndTheirProblems) {
    const CaptureArguments good =
        ParseCaptureArguments({L"0x378", L"--for", L"2.5", L"--changes", L"10", L"--pins", L"7-9,2",
                               L"--trigger", L"10:fall", L"--vcd", L"out.vcd", L"--quiet"},
                              true);
    ASSERT_TRUE(good.valid) << good.problem;
    EXPECT_EQ(good.options.base, 0x378u);
    EXPECT_EQ(good.options.seconds, 2.5);
    EXPECT_EQ(good.options.changes, 10u);
    EXPECT_EQ(good.options.pins, (std::vector<int>{2, 7, 8, 9, 10})); // the trigger's pin too
    EXPECT_EQ(good.options.triggerEdge, Edge::Fall);
    EXPECT_EQ(good.options.vcdPath, L"out.vcd");
    EXPECT_TRUE(good.options.quiet);
    EXPECT_EQ(ParseCaptureArguments({L"378"}, true).options.pins, AllPins());

    const std::pair<std::vector<std::wstring>, const char*> bad[] = {
        {{}, "no BASE given"},
        {{L"378", L"--for", L"0"}, "--for needs seconds above 0, up to 1000000, not '0'"},
        {{L"378", L"--for", L"1e3"}, "--for needs seconds above 0, up to 1000000, not '1e3'"},
        {{L"378", L"--changes", L"-1"},
         "--changes needs a whole number from 1 to 1000000000, not '-1'"},
        {{L"378", L"--pins", L"18"}, "'18' is not a list of pins from 1 to 17, e.g. 2-9,11"},
        {{L"378", L"--pins", L"2,"}, "'2,' is not a list of pins from 1 to 17, e.g. 2-9,11"},
        {{L"378", L"--trigger", L"10:up"},
         "'10:up' is not PIN:EDGE, with PIN from 1 to 17 and EDGE rise, fall or change"},
        {{L"378", L"--vcd"}, "--vcd needs a value"},
        {{L"zz"}, "'zz' is not a port address (hexadecimal, 1 to FFFF)"},
    };
    for (const auto& [args, problem] : bad) {
        const CaptureArguments parsed = ParseCaptureArguments(args, true);
        EXPECT_FALSE(parsed.valid);
        EXPECT_EQ(parsed.problem, problem);
    }
}

TEST(Capture, StopsAtItsLimitAndStillWritesWhatItHas) {
    std::vector<Registers> script;
    for (uint8_t i = 0; i < 10; ++i)
        script.push_back({i, 0x7F, 0xCC});
    ScriptedPort port(script);
    CaptureOptions options = ParseCaptureArguments({L"378", L"--quiet"}, true).options;
    std::FILE* out = std::tmpfile();
    std::FILE* vcd = std::tmpfile();
    EXPECT_EQ(RunCapture("KelvarinCapture", options, port, port, port.stop, vcd, out, out, 4),
              kCaptureDone);
    std::string text(static_cast<size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    ASSERT_EQ(std::fread(text.data(), 1, text.size(), out), text.size());
    EXPECT_EQ(text.substr(0, text.find('\n') + 1),
              "KelvarinCapture: 3 changes recorded, as many as it keeps: recording stopped\n");
    EXPECT_GT(std::ftell(vcd), 0);
    std::fclose(out);
    std::fclose(vcd);
}

} // namespace
