// The printer's faults as the settings and the tool write them, separated by
// commas:
//   delay N          every answer shows only after N further Status reads
//   stop N           it stops answering after N bytes of its reply
//   reversed-length  the reply's length bytes least significant first
// or "none". N from 0 to 65535.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Printer.h"

namespace portsim {

// Null when any part is not understood.
std::optional<PrinterFaults> ParsePrinterFaults(std::wstring_view text);

// The text ParsePrinterFaults reads back; "none" for no fault.
std::wstring PrinterFaultsText(const PrinterFaults& faults);

} // namespace portsim
