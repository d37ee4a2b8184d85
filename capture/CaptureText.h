// The capture's words for pins, levels and times, shared by the live view
// and the summary.
#pragma once

#include <cstdint>
#include <string>

// "pin 10 (Ack)".
std::string PinLabel(int pin);

const char* LevelWord(bool high);

// Seconds with microseconds, e.g. "1.204518".
std::string Seconds(int64_t ticks, int64_t ticksPerSecond);
