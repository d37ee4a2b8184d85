// The 25-pin connector: which register bit drives each pin, which indicator
// shows it, and which image shows each level. This table is the one source of
// truth: the panel walks it, the image generator draws its images from it and
// the loopback test takes its pins' bits, names and inversions from it; the
// tests check them against pin and image lists written out on their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "panel/WindowOps.h"
#include "port/PortRegister.h"

struct PinRow {
    int pin;                // connector pin, 1..25
    PinRegister reg;        // the register whose bit drives it; Ground is fixed low
    int bit;                // bit number in that register
    int indicatorId;        // button (data, control) or picture (status, ground)
    bool inverted;          // the port hardware inverts the line: a set bit is low
    std::string_view label; // the signal name drawn in its images
    std::string_view name;  // the signal's name in full, as in text
    int imageHigh;          // green image for a high level; 0 for ground pins
    int imageLow;           // red image for a low level, also the starting image
};

// Rows in the order the indicators are updated: Data bits 0..7, Status bits
// 3..7, Control bits 0..3, then the ground pins 18..25.
extern const PinRow kPinTable[25];

// The legend pictures beside "High" and "Low".
struct LegendRow {
    int indicatorId;
    std::string_view label;
    int image;
    bool high; // drawn as a high (green) image
};
extern const LegendRow kLegend[2];

// The image that shows a pin whose register bit is set or clear.
int PinImage(const PinRow& row, bool bitSet);

// The row of a connector pin (1..25), or null.
const PinRow* FindPin(int pin);

// "pin 10 (Ack)": a pin as the console programs name it.
std::string PinLabel(int pin);

// The pin's level (true: high) while its register holds `value`.
bool PinIsHigh(const PinRow& row, uint32_t value);

// `value` with the pin's bit set so that the pin is at the given level.
uint8_t WithPinLevel(const PinRow& row, uint8_t value, bool high);

// The row of a data or control pin button, or null for any other id.
const PinRow* FindPinButton(int id);

// Every indicator to its starting image (all pins low) and the legend; order:
// ground pins 18..25, status pins 15, 13, 12, 10, 11, the legend, D7..D0,
// C3..C0.
void SetStartingImages(WindowOps& window);

// Every register pin's image from the Data, DSR and DCR hexadecimal fields as
// they read now (text that does not parse counts as 0).
void UpdatePinImages(WindowOps& window);
