#include "core/PrinterFaultText.h"

#include "core/ListText.h"

namespace portsim {

namespace {

constexpr uint64_t kMostCount = 0xFFFF;

bool ApplyFault(PrinterFaults& faults, std::wstring_view item) {
    const std::vector<std::wstring_view> words = Words(item);
    if (words.size() == 1 && words[0] == L"reversed-length") {
        faults.reversedLength = 1;
        return true;
    }
    const auto count = words.size() == 2 ? ParseCount(words[1]) : std::nullopt;
    if (!count || *count > kMostCount)
        return false;
    if (words[0] == L"delay") {
        faults.delayReads = static_cast<uint16_t>(*count);
        return true;
    }
    if (words[0] == L"stop") {
        faults.stops = 1;
        faults.stopAfter = static_cast<uint16_t>(*count);
        return true;
    }
    return false;
}

} // namespace

std::optional<PrinterFaults> ParsePrinterFaults(std::wstring_view text) {
    return ParseList<PrinterFaults>(text, ApplyFault);
}

std::wstring PrinterFaultsText(const PrinterFaults& faults) {
    std::wstring text;
    const auto add = [&text](const std::wstring& item) {
        text += (text.empty() ? L"" : L", ") + item;
    };
    if (faults.delayReads != 0)
        add(L"delay " + std::to_wstring(faults.delayReads));
    if (faults.stops)
        add(L"stop " + std::to_wstring(faults.stopAfter));
    if (faults.reversedLength)
        add(L"reversed-length");
    return text.empty() ? L"none" : text;
}

} // namespace portsim
