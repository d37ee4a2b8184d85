// The simulator's own settings: which section to use and how the port looks
// when that section is created or reset. They come from a portsim.ini beside
// the port library (or the tool) and from PORTSIM_* environment variables,
// which win over the file:
//
//   ini key   variable          value                      default
//   section   PORTSIM_SECTION   name of the shared section Local\KelvarinPortSim
//   base      PORTSIM_BASE      base address, hex          378
//   chip      PORTSIM_CHIP      spp | ps2 | epp | ecp |    ecp-epp
//                               ecp-epp | alias10
//   ecr       PORTSIM_ECR       1: chip ecp-epp, 0: ps2    1
//   device    PORTSIM_DEVICE    none | loopback |          none
//                               control-loopback |
//                               printer | old-printer
//   faults    PORTSIM_FAULTS    the plug's faults          none
//                               (core/FaultText.h)
//   wave      PORTSIM_WAVE      square waves on input      none
//                               pins (core/WaveText.h)
//   printer   PORTSIM_PRINTER   the printer's faults       none
//                               (core/PrinterFaultText.h)
//   device-id PORTSIM_DEVICE_ID the printer's IEEE 1284    kDefaultDeviceId
//                               Device ID, printable ASCII
//
// Of chip and ecr, the one applied last decides (PORTSIM_CHIP after
// PORTSIM_ECR). A value that is not understood keeps the default and is noted; the notes
// are kept in the section, where the tool shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/PortModel.h"

namespace portsim {

inline constexpr wchar_t kDefaultSectionName[] = L"Local\\KelvarinPortSim";
inline constexpr wchar_t kSettingsFileName[] = L"portsim.ini";

struct SimSettings {
    std::wstring section = kDefaultSectionName;
    uint16_t base = kDefaultBase;
    Chip chip = Chip::EcpEpp;
    Device device = Device::None;
    PlugFaults faults{};
    SquareWaves waves{};
    PrinterFaults printerFaults{};
    std::string deviceId = kDefaultDeviceId;
    std::wstring notes; // one "origin: problem" line per setting not understood
};

// Applies one setting; `origin` names where it came from, for the notes.
void ApplySetting(SimSettings& settings, std::wstring_view key, std::wstring_view value,
                  std::wstring_view origin);

// Applies every "key=value" line of an ini file's text. Blank lines, [section]
// headers and lines starting with ';' or '#' are skipped.
void ApplyIniText(SimSettings& settings, std::wstring_view text, std::wstring_view origin);

// A port number in hex, with or without 0x: "378", "0x378", "D100".
std::optional<uint16_t> ParseHexPort(std::wstring_view text);

// "spp", "ps2", "epp", "ecp", "ecp-epp" or "alias10" (any case).
std::optional<Chip> ParseChip(std::wstring_view text);
const wchar_t* ChipName(Chip chip);

// "none", "loopback", "external", "control-loopback", "printer" or
// "old-printer" (any case).
std::optional<Device> ParseDevice(std::wstring_view text);
const wchar_t* DeviceName(Device device);

// The settings from `folder`\portsim.ini (if present) and the environment.
SimSettings LoadSimSettings(const std::wstring& folder);

} // namespace portsim
