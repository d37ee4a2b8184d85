#include "loopback/Verdicts.h"

namespace {

bool Bit(uint8_t levels, size_t w) {
    return (levels >> w) & 1u;
}

// True when wire `input`'s input had the level of wire `output`'s output in
// every sample.
bool Follows(const std::vector<Sample>& samples, size_t input, size_t output) {
    for (const Sample& s : samples) {
        if (Bit(s.inputs, input) != Bit(s.driven, output))
            return false;
    }
    return true;
}

// True when bit w of the sample's `field` had this level in every sample.
bool HeldAt(const std::vector<Sample>& samples, uint8_t Sample::*field, size_t w, bool high) {
    for (const Sample& s : samples) {
        if (Bit(s.*field, w) != high)
            return false;
    }
    return true;
}

WireResult Judge(const Plug& plug, const std::vector<Sample>& samples, size_t w) {
    WireResult result{Verdict::Ok, 0, 0};
    for (const Sample& s : samples)
        result.wrongReads += Bit(s.inputs, w) != Bit(s.driven, w);
    if (result.wrongReads == 0)
        return result;
    if (HeldAt(samples, &Sample::inputs, w, false)) {
        result.verdict = Verdict::StuckLow;
    } else if (HeldAt(samples, &Sample::inputs, w, true)) {
        result.verdict = HeldAt(samples, &Sample::readBack, w, true) ? Verdict::StuckHigh
                                                                     : Verdict::NotConnected;
    } else {
        result.verdict = Verdict::NotConnected;
        for (size_t other = 0; other < kWiresPerPlug; ++other) {
            if (other != w && Follows(samples, w, other)) {
                result.verdict = Verdict::Joined;
                result.joinedPin = plug.wires[other].outputPin;
            }
        }
    }
    return result;
}

} // namespace

std::vector<WireResult> JudgeWires(const Plug& plug, const std::vector<Sample>& samples) {
    std::vector<WireResult> results;
    for (size_t w = 0; w < kWiresPerPlug; ++w)
        results.push_back(Judge(plug, samples, w));
    return results;
}

bool NoInputFollowed(const std::vector<Sample>& samples) {
    for (const Sample& s : samples) {
        if (s.inputs != samples.front().inputs)
            return false;
    }
    return true;
}
