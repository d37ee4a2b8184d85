#include "PanelExpectations.h"

#include <cwchar>

#include "Connector.h"

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
    for (const ConnectorPin& pin : kConnector) {
        const uint32_t value = pin.reg == Register::Data     ? data
                               : pin.reg == Register::Status ? status
                                                             : control;
        const int image = ((value >> pin.bit) & 1u) != 0 ? pin.whenSet : pin.whenClear;
        levels[pin.indicatorId] = IsHighImage(image) ? Level::High : Level::Low;
    }
    levels[kLegendHigh] = Level::High;
    levels[kLegendLow] = Level::Low;
    return levels;
}

std::map<int, Level> ExpectedLevels(const PanelFields& fields) {
    return ExpectedLevels(fields.data.value, fields.status.value, fields.control.value);
}

std::map<int, Level> StartingLevels() {
    std::map<int, Level> levels = ExpectedLevels(0, 0, 0);
    for (const ConnectorPin& pin : kConnector)
        levels[pin.indicatorId] = Level::Low;
    return levels;
}

} // namespace e2e
