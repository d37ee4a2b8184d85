// The About box's picture: the 25-pin connector seen from its face, every pin
// with its number, the data lines under one label, the control and status
// lines with their signal names, and the ground pins joined.
#pragma once

#include <string>
#include <string_view>

#include "Canvas.h"

constexpr int kPinoutWidth = 363;
constexpr int kPinoutHeight = 315;

// The signal name of a control or status line by its label ("C0" strobe ...),
// or an empty view for data and ground lines.
std::string_view SignalName(std::string_view label);

// The text drawn beside a pin: "C0 STROBE" for a control or status line, its
// label alone for a data line, nothing for a ground pin.
std::string PinCaption(int pin);

Canvas DrawPinoutPicture();
