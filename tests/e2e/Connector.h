// The 25-pin connector as the end-to-end tests expect the window to show it,
// written out here rather than taken from the program's pin table: which
// register bit drives each pin, the indicator (control id) that shows it,
// whether the port inverts the line, and the image for a set and a clear bit.
#pragma once

#include <string_view>
#include <vector>

namespace e2e {

enum class Register { Data, Status, Control, Ground };

struct ConnectorPin {
    int pin;
    Register reg;
    int bit;
    int indicatorId;
    bool inverted;
    int whenSet, whenClear; // image numbers; a ground pin shows whenClear always
    std::string_view label;
};

extern const ConnectorPin kConnector[25];

// The legend pictures beside "High" and "Low".
constexpr int kLegendHigh = 1064, kLegendLow = 1065;

// The data and control pins, whose indicators are buttons.
std::vector<ConnectorPin> ButtonPins();
// The pin a button toggles, or null for any other control.
const ConnectorPin* FindButton(int id);
// Whether an indicator image is a green (high) one.
bool IsHighImage(int image);

} // namespace e2e
