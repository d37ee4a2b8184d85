#include "PanelExpectations.h"

#include <cwchar>

#include "panel/PinMap.h"

namespace e2e {

using driver::Level;

std::wstring HexText(uint32_t value) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%x", static_cast<unsigned>(value));
    return text;
}

std::wstring BinaryText(uint32_t value) {
    std::wstring text;
    do {
        text.insert(text.begin(), (value & 1u) != 0 ? L'1' : L'0');
        value >>= 1;
    } while (value != 0);
    return text;
}

FieldPair Formatted(uint32_t value) {
    return {HexText(value), BinaryText(value), value};
}

PanelFields Formatted(const RegisterValues& values) {
    return {Formatted(values.data), Formatted(values.status), Formatted(values.control)};
}

PanelFields EmptyFields() {
    return {{L"", L"", 0}, {L"", L"", 0}, {L"", L"", 0}};
}

std::map<int, Level> ExpectedLevels(uint32_t data, uint32_t status, uint32_t control) {
    std::map<int, Level> levels;
    for (const PinRow& row : kPinTable) {
        uint32_t value = 0;
        switch (row.reg) {
        case PinRegister::Data:
            value = data;
            break;
        case PinRegister::Status:
            value = status;
            break;
        case PinRegister::Control:
            value = control;
            break;
        case PinRegister::Ground:
            levels[row.indicatorId] = Level::Low;
            continue;
        }
        const bool bitSet = ((value >> row.bit) & 1u) != 0;
        // The port inverts some lines: their set bit is a low level.
        levels[row.indicatorId] = bitSet != row.inverted ? Level::High : Level::Low;
    }
    for (const LegendRow& legend : kLegend)
        levels[legend.indicatorId] = legend.high ? Level::High : Level::Low;
    return levels;
}

std::map<int, Level> ExpectedLevels(const PanelFields& fields) {
    return ExpectedLevels(fields.data.value, fields.status.value, fields.control.value);
}

std::map<int, Level> StartingLevels() {
    std::map<int, Level> levels = ExpectedLevels(0, 0, 0);
    for (const PinRow& row : kPinTable)
        levels[row.indicatorId] = Level::Low;
    return levels;
}

} // namespace e2e
