#include "capture/CaptureText.h"

#include <cstdio>

#include "panel/PinMap.h"

std::string PinLabel(int pin) {
    const PinRow* row = FindPin(pin);
    return "pin " + std::to_string(pin) + " (" + std::string(row ? row->name : "?") + ")";
}

const char* LevelWord(bool high) {
    return high ? "high" : "low";
}

std::string Seconds(int64_t ticks, int64_t ticksPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(ticks) / ticksPerSecond);
    return text;
}
