// The capture's words for levels and times, shared by the live view and the
// summary (pins are named by PinLabel, beside the pin table).
#pragma once

#include <cstdint>
#include <string>

const char* LevelWord(bool high);

// Seconds with microseconds, e.g. "1.204518".
std::string Seconds(int64_t ticks, int64_t ticksPerSecond);
