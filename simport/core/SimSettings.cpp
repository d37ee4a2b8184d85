#include "core/SimSettings.h"

#include <cwctype>

#include "core/FaultText.h"
#include "core/ListText.h"
#include "core/PrinterFaultText.h"
#include "core/WaveText.h"

namespace portsim {

namespace {

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(c));
    return lower;
}

void Note(SimSettings& settings, std::wstring_view origin, std::wstring_view problem) {
    settings.notes.append(origin).append(L": ").append(problem).append(L"\n");
}

} // namespace

std::optional<uint16_t> ParseHexPort(std::wstring_view text) {
    text = Trim(text);
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X'))
        text.remove_prefix(2);
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    uint16_t value = 0;
    for (const wchar_t c : text) {
        if (!std::iswxdigit(c))
            return std::nullopt;
        const int digit = c <= L'9' ? c - L'0' : (std::towlower(c) - L'a' + 10);
        value = static_cast<uint16_t>(value * 16 + digit);
    }
    return value;
}

namespace {

template <typename Value> struct Named {
    Value value;
    const wchar_t* name;
};

const Named<Chip> kChips[] = {{Chip::Spp, L"spp"},        {Chip::Ps2, L"ps2"},
                              {Chip::Epp, L"epp"},        {Chip::Ecp, L"ecp"},
                              {Chip::EcpEpp, L"ecp-epp"}, {Chip::Alias10, L"alias10"}};

const Named<Device> kDevices[] = {
    {Device::None, L"none"},         {Device::Loopback, L"loopback"},
    {Device::External, L"external"}, {Device::ControlLoopback, L"control-loopback"},
    {Device::Printer, L"printer"},   {Device::OldPrinter, L"old-printer"}};

// Printable ASCII that fits the printer's room.
std::optional<std::string> ParseDeviceId(std::wstring_view text) {
    if (text.size() > kMostDeviceIdLength)
        return std::nullopt;
    std::string id;
    for (const wchar_t c : text) {
        if (c < 0x20 || c > 0x7E)
            return std::nullopt;
        id += static_cast<char>(c);
    }
    return id;
}

template <typename Value, size_t N>
std::optional<Value> ValueNamed(const Named<Value> (&names)[N], std::wstring_view text) {
    const std::wstring name = Lower(Trim(text));
    for (const Named<Value>& named : names) {
        if (name == named.name)
            return named.value;
    }
    return std::nullopt;
}

// The first entry's name for a value not in the table.
template <typename Value, size_t N>
const wchar_t* NameOf(const Named<Value> (&names)[N], Value value) {
    for (const Named<Value>& named : names) {
        if (named.value == value)
            return named.name;
    }
    return names[0].name;
}

} // namespace

std::optional<Chip> ParseChip(std::wstring_view text) {
    return ValueNamed(kChips, text);
}

const wchar_t* ChipName(Chip chip) {
    return NameOf(kChips, chip);
}

std::optional<Device> ParseDevice(std::wstring_view text) {
    return ValueNamed(kDevices, text);
}

const wchar_t* DeviceName(Device device) {
    return NameOf(kDevices, device);
}

void ApplySetting(SimSettings& settings, std::wstring_view key, std::wstring_view value,
                  std::wstring_view origin) {
    const std::wstring name = Lower(Trim(key));
    value = Trim(value);
    const auto reject = [&](std::wstring_view expected) {
        Note(settings, origin,
             name + L" '" + std::wstring(value) + L"' is not " + std::wstring(expected));
    };
    if (name == L"section") {
        if (value.empty())
            reject(L"a section name");
        else
            settings.section = value;
    } else if (name == L"base") {
        if (const auto base = ParseHexPort(value))
            settings.base = *base;
        else
            reject(L"a hex port number");
    } else if (name == L"chip") {
        if (const auto chip = ParseChip(value))
            settings.chip = *chip;
        else
            reject(L"spp, ps2, epp, ecp, ecp-epp or alias10");
    } else if (name == L"ecr") {
        if (value == L"1" || value == L"0")
            settings.chip = value == L"1" ? Chip::EcpEpp : Chip::Ps2;
        else
            reject(L"1 or 0");
    } else if (name == L"device") {
        const auto device = ParseDevice(value);
        if (device && *device != Device::External)
            settings.device = *device;
        else
            reject(L"none, loopback, control-loopback, printer or old-printer");
    } else if (name == L"faults") {
        if (const auto faults = ParseFaults(value))
            settings.faults = *faults;
        else
            reject(L"plug faults such as 'cut 12, swap 15 13'");
    } else if (name == L"wave") {
        if (const auto waves = ParseWaves(value))
            settings.waves = *waves;
        else
            reject(L"square waves such as '11 1000, 10 2.5' (pin and hertz)");
    } else if (name == L"printer") {
        if (const auto faults = ParsePrinterFaults(value))
            settings.printerFaults = *faults;
        else
            reject(L"printer faults such as 'delay 3, stop 10, reversed-length'");
    } else if (name == L"device-id") {
        if (const auto id = ParseDeviceId(value))
            settings.deviceId = *id;
        else
            reject(L"a Device ID of at most 1024 printable ASCII characters");
    } else {
        Note(settings, origin, L"unknown setting '" + name + L"'");
    }
}

void ApplyIniText(SimSettings& settings, std::wstring_view text, std::wstring_view origin) {
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find(L'\n');
        const std::wstring_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.empty() || line[0] == L';' || line[0] == L'#' || line[0] == L'[')
            continue;
        const std::wstring where = std::wstring(origin) + L" line " + std::to_wstring(lineNumber);
        const size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos)
            Note(settings, where, L"not a key=value line");
        else
            ApplySetting(settings, line.substr(0, equals), line.substr(equals + 1), where);
    }
}

} // namespace portsim
