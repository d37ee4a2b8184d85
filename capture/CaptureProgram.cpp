#include "capture/CaptureProgram.h"

#include <cmath>

#include "capture/CaptureText.h"
#include "capture/LiveView.h"
#include "capture/Summary.h"
#include "capture/VcdWriter.h"
#include "console/CommandLine.h"
#include "panel/PinMap.h"
#include "panel/RegisterText.h"

namespace {

const char* EdgeWord(Edge edge, bool past) {
    switch (edge) {
    case Edge::Rise:
        return past ? "rise" : "rises";
    case Edge::Fall:
        return past ? "fall" : "falls";
    case Edge::Change:
        break;
    }
    return past ? "change" : "changes";
}

std::string Opening(const CaptureOptions& options) {
    const size_t pins = options.pins.size();
    std::string text = "watching " + std::to_string(pins) + (pins == 1 ? " pin" : " pins") +
                       " of the port at " + AsciiText(FormatHex(options.base)) + " (Ctrl+C stops)";
    if (options.triggered)
        text += "; recording starts when " + PinLabel(options.triggerPin) + " " +
                EdgeWord(options.triggerEdge, false);
    return text + "\n";
}

SamplingPlan PlanOf(const CaptureOptions& options, int64_t ticksPerSecond) {
    SamplingPlan plan;
    plan.durationTicks = static_cast<int64_t>(std::ceil(options.seconds * ticksPerSecond));
    plan.maxEdges = options.changes;
    plan.triggered = options.triggered;
    plan.triggerBit = options.triggered ? PinBit(options.triggerPin) : 0;
    plan.triggerEdge = options.triggerEdge;
    return plan;
}

void Print(std::FILE* out, const std::string& text) {
    if (!text.empty()) {
        std::fputs(text.c_str(), out);
        std::fflush(out);
    }
}

// Samples with the live view printing from a thread of its own.
SamplingRun SampleWatched(const LevelReader& reader, RegisterReader& port, Clock& clock,
                          const SamplingPlan& plan, const std::atomic<bool>& stop,
                          Recording& recording, const std::vector<int>& pins, std::FILE* out) {
    constexpr unsigned kPollMs = 25;
    LiveView view(recording, pins, clock.TicksPerSecond());
    std::atomic<bool> sampled{false};
    BackgroundThread printer([&] {
        while (!sampled.load()) {
            Print(out, view.Poll());
            PauseMilliseconds(kPollMs);
        }
        Print(out, view.Poll());
    });
    const SamplingRun run = Sample(reader, port, clock, plan, stop, recording);
    sampled = true;
    return run;
}

} // namespace

int RunCapture(const std::string& program, const CaptureOptions& options, RegisterReader& port,
               Clock& clock, const std::atomic<bool>& stop, std::FILE* vcd, std::FILE* out,
               std::FILE* err, size_t limit) {
    const int64_t ticksPerSecond = clock.TicksPerSecond();
    const LevelReader reader(options.pins);
    const SamplingPlan plan = PlanOf(options, ticksPerSecond);
    Recording recording(limit);
    if (!options.quiet)
        Print(out, Opening(options));
    const SamplingRun run = options.quiet ? Sample(reader, port, clock, plan, stop, recording)
                                          : SampleWatched(reader, port, clock, plan, stop,
                                                          recording, options.pins, out);
    if (run.full)
        std::fprintf(err, "%s: %llu changes recorded, as many as it keeps: recording stopped\n",
                     program.c_str(), static_cast<unsigned long long>(recording.Size() - 1));
    int status = kCaptureDone;
    if (vcd != nullptr) {
        WriteVcd(vcd, program, recording, options.pins, run, ticksPerSecond);
        if (std::fflush(vcd) != 0 || std::ferror(vcd)) {
            std::fprintf(err, "%s: the VCD file could not be written whole\n", program.c_str());
            status = kCaptureBadStart;
        }
    }
    Print(out, Summary(run, recording, options.pins, ticksPerSecond));
    if (!run.recorded) {
        std::fprintf(err, "%s: the trigger never came: %s did not %s\n", program.c_str(),
                     PinLabel(options.triggerPin).c_str(), EdgeWord(options.triggerEdge, true));
        return kCaptureNoTrigger;
    }
    return status;
}
