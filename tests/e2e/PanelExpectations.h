// What the panel must show: the register fields' texts and every indicator's
// colour, both written here on their own: the texts without the program's
// formatter, the colours from the connector table of the tests.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "ExpectedAccesses.h"
#include "Screen.h"

namespace e2e {

// Lower-case hexadecimal and binary digits without prefix or leading zeros.
std::wstring HexText(uint32_t value);
std::wstring BinaryText(uint32_t value);

// One register's pair of fields and the value the indicators follow (the
// hexadecimal text parsed; a typed text stays as typed).
struct FieldPair {
    std::wstring hex;
    std::wstring binary;
    uint32_t value;
};
FieldPair Formatted(uint32_t value);

struct PanelFields {
    FieldPair data, status, control;
};
PanelFields Formatted(const RegisterValues& values);
// The fields before any command has filled them.
PanelFields EmptyFields();

// Every pin indicator and the legend for these register values; ground pins
// are always low.
std::map<int, driver::Level> ExpectedLevels(uint32_t data, uint32_t status, uint32_t control);
std::map<int, driver::Level> ExpectedLevels(const PanelFields& fields);
// Every pin low: the starting images.
std::map<int, driver::Level> StartingLevels();

} // namespace e2e
