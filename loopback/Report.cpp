#include "loopback/Report.h"

#include "panel/PinMap.h"

namespace {

std::string VerdictText(const WireResult& result) {
    switch (result.verdict) {
    case Verdict::Ok:
        return "ok";
    case Verdict::StuckHigh:
        return "stuck high";
    case Verdict::StuckLow:
        return "stuck low";
    case Verdict::NotConnected:
        return "not connected";
    case Verdict::Joined:
        break;
    }
    return "joined to pin " + std::to_string(result.joinedPin);
}

} // namespace

Outcome Report(const Plug& plug, const std::vector<Sample>& samples, bool withCounts) {
    if (NoInputFollowed(samples))
        return {"no input followed any output (no plug?)\n", false};
    const std::vector<WireResult> results = JudgeWires(plug, samples);
    std::string text;
    size_t ok = 0;
    for (size_t w = 0; w < kWiresPerPlug; ++w) {
        const WireResult& result = results[w];
        text += PinLabel(plug.wires[w].outputPin) + " -> " + PinLabel(plug.wires[w].inputPin) +
                "    " + VerdictText(result);
        if (withCounts)
            text += "    " + std::to_string(result.wrongReads) + " of " +
                    std::to_string(samples.size()) + " reads wrong";
        text += "\n";
        ok += result.verdict == Verdict::Ok;
    }
    text += std::to_string(ok) + " of " + std::to_string(kWiresPerPlug) + " wires ok\n";
    return {text, ok == kWiresPerPlug};
}
