#include "capture/CaptureText.h"

#include <cstdio>

const char* LevelWord(bool high) {
    return high ? "high" : "low";
}

std::string Seconds(int64_t ticks, int64_t ticksPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(ticks) / ticksPerSecond);
    return text;
}
