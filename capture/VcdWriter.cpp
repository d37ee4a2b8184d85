#include "capture/VcdWriter.h"

#include <cmath>

#include "capture/CaptureText.h"
#include "capture/LevelReader.h"
#include "panel/PinMap.h"

namespace {

char Identifier(size_t index) {
    return static_cast<char>('!' + index);
}

std::string WireName(int pin) {
    const PinRow* row = FindPin(pin);
    char number[8];
    std::snprintf(number, sizeof number, "pin%02d_", pin);
    std::string name = number + std::string(row ? row->name : "");
    for (char& c : name) {
        if (c == ' ')
            c = '_';
    }
    return name;
}

} // namespace

int TimescaleExponent(const SamplingRun& run, int64_t ticksPerSecond) {
    const double span = static_cast<double>(run.lastTicks - run.firstTicks) / ticksPerSecond;
    const double interval = run.samples > 1 ? span / (run.samples - 1) : 1.0;
    int exponent = -9;
    // A little slack: a mean of exactly 1 us must give 1 us, whatever the rounding.
    while (exponent < 0 && std::pow(10.0, exponent + 1) <= interval * (1 + 1e-9))
        ++exponent;
    while (exponent < 0 && span / std::pow(10.0, exponent) > kMostUnits)
        ++exponent;
    return exponent;
}

std::string TimescaleText(int exponent) {
    static const char* const units[] = {"ns", "us", "ms", "s"};
    const int group = (exponent + 9) / 3;
    const int digits = (exponent + 9) % 3;
    return std::string(digits == 0 ? "1" : digits == 1 ? "10" : "100") + " " + units[group];
}

void WriteVcd(std::FILE* file, const std::string& program, const Recording& recording,
              const std::vector<int>& pins, const SamplingRun& run, int64_t ticksPerSecond) {
    const int exponent = TimescaleExponent(run, ticksPerSecond);
    std::fprintf(file, "$version %s $end\n", program.c_str());
    std::fprintf(file, "$comment %llu samples, longest gap between samples %s s $end\n",
                 static_cast<unsigned long long>(run.samples),
                 Seconds(run.longestGap, ticksPerSecond).c_str());
    std::fprintf(file, "$timescale %s $end\n$scope module parallel_port $end\n",
                 TimescaleText(exponent).c_str());
    for (size_t i = 0; i < pins.size(); ++i)
        std::fprintf(file, "$var wire 1 %c %s $end\n", Identifier(i), WireName(pins[i]).c_str());
    std::fprintf(file, "$upscope $end\n");
    if (recording.Size() == 0) {
        std::fprintf(file, "$comment the trigger never came: nothing recorded $end\n"
                           "$enddefinitions $end\n");
        return;
    }
    std::fprintf(file, "$enddefinitions $end\n#0\n$dumpvars\n");
    for (size_t i = 0; i < pins.size(); ++i)
        std::fprintf(file, "%d%c\n", recording[0].levels & PinBit(pins[i]) ? 1 : 0, Identifier(i));
    std::fprintf(file, "$end\n");
    const long double unitsPerTick = 1.0L / (ticksPerSecond * std::pow(10.0L, exponent));
    const auto unitsAt = [&](int64_t ticks) {
        return std::llround((ticks - recording[0].ticks) * unitsPerTick);
    };
    long long written = 0;
    for (size_t e = 1; e < recording.Size(); ++e) {
        written = std::max(unitsAt(recording[e].ticks), written + 1);
        std::fprintf(file, "#%lld\n", written);
        const uint32_t changed = recording[e - 1].levels ^ recording[e].levels;
        for (size_t i = 0; i < pins.size(); ++i) {
            if (changed & PinBit(pins[i]))
                std::fprintf(file, "%d%c\n", recording[e].levels & PinBit(pins[i]) ? 1 : 0,
                             Identifier(i));
        }
    }
    // The end of the recording, after the last change even when the capture
    // stopped at it: readers take a time's values as lasting until the next.
    std::fprintf(file, "#%lld\n", std::max(unitsAt(run.lastTicks), written + 1));
}
