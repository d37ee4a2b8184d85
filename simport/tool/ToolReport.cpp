#include "tool/ToolReport.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "core/FaultText.h"
#include "core/PrinterFaultText.h"
#include "core/WaveText.h"

namespace portsim {

namespace {

std::string Format(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string Binary(uint8_t value) {
    std::string bits;
    for (int bit = 7; bit >= 0; --bit)
        bits += (value >> bit) & 1 ? '1' : '0';
    return bits;
}

const char* ModeName(uint8_t mode) {
    static const char* const names[] = {"SPP",  "byte (PS/2)",  "parallel-port FIFO",
                                        "ECP",  "EPP",          "reserved",
                                        "test", "configuration"};
    return names[mode & 7];
}

std::string PortLine(const PortState& port) {
    const std::string chip = Narrow(ChipName(port.chip));
    if (!HasEcr(port.chip))
        return Format("port      base 0x%04X, chip %s, no ECR, %s mode%s\n", port.base,
                      chip.c_str(), ModeName(EffectiveMode(port)),
                      port.chip == Chip::Alias10 ? ", decoding 10 address bits" : "");
    return Format("port      base 0x%04X, chip %s, ECR at 0x%04X, mode %d%d%d %s, FIFO %d of %d\n",
                  port.base, chip.c_str(), static_cast<uint16_t>(port.base + kEcrOffset),
                  (port.ecr >> 7) & 1, (port.ecr >> 6) & 1, (port.ecr >> 5) & 1,
                  ModeName(EffectiveMode(port)), port.fifoCount, kFifoDepth);
}

std::string RegisterLine(const char* name, uint16_t number, uint8_t value,
                         const std::string& note) {
    return Format("%-9s 0x%04X  0x%02X   %s", name, number, value, Binary(value).c_str()) +
           (note.empty() ? "" : "  " + note) + "\n";
}

std::string PinText(uint8_t levels) {
    std::string text = "pins";
    for (const int pin : {15, 13, 12, 10, 11})
        text += Format(" %d=%d", pin, (levels >> StatusBitOfPin(pin)) & 1);
    return text;
}

std::string ProcessLines(const std::vector<ProcessInfo>& processes, uint32_t untracked) {
    std::string text = "processes pid       attached released exited  holds  accesses    writes"
                       "      gdi   user  sampled at\n";
    for (const ProcessInfo& p : processes)
        text += Format(
            "          %-9lu %-8lu %-8lu %-7lu %-6s %-11lu %-11lu %-5lu %-5lu %lu\n",
            static_cast<unsigned long>(p.pid), static_cast<unsigned long>(p.attaches),
            static_cast<unsigned long>(p.releases), static_cast<unsigned long>(p.exits),
            p.HoldsLibrary() ? "yes" : "no", static_cast<unsigned long>(p.accesses),
            static_cast<unsigned long>(p.writes), static_cast<unsigned long>(p.gdiObjects),
            static_cast<unsigned long>(p.userObjects), static_cast<unsigned long>(p.sampledAt));
    if (untracked != 0)
        text += Format("          and %lu more not tracked (no free record)\n",
                       static_cast<unsigned long>(untracked));
    return text;
}

} // namespace

std::string Narrow(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size,
                        nullptr, nullptr);
    return narrow;
}

std::string FormatState(const PortSimClient& client, const std::wstring& sectionName) {
    const PortSnapshot s = client.State();
    const PortState& port = s.port;
    std::string text = Format("section   %s, created by process %lu\n", Narrow(sectionName).c_str(),
                              static_cast<unsigned long>(s.creatorPid));
    text += PortLine(port);
    text += Format("device    %s\n", Narrow(DeviceName(port.device)).c_str());
    text += Format("faults    %s\n", Narrow(FaultsText(port.faults)).c_str());
    text += Format("waves     %s\n", Narrow(WavesText(port.waves)).c_str());
    text += Format("printer   %s\n", Narrow(PrinterFaultsText(port.printer.faults)).c_str());
    text += "device id " + std::string(port.printer.id, port.printer.idLength) + "\n";
    text += "register  port    reads  binary\n";
    text += RegisterLine("Data", port.base, s.reads[0],
                         Format("latch 0x%02X, drivers %s", port.data, s.driversOn ? "on" : "off"));
    text += RegisterLine("Status", static_cast<uint16_t>(port.base + 1), s.reads[1],
                         PinText(s.inputPins));
    text += RegisterLine("Control", static_cast<uint16_t>(port.base + 2), s.reads[2], "");
    text += RegisterLine("ECR", static_cast<uint16_t>(port.base + kEcrOffset), s.reads[3],
                         HasEcr(port.chip)            ? ""
                         : port.chip == Chip::Alias10 ? "(no ECR: the Control register)"
                                                      : "(no ECR: empty bus)");
    if (s.nextSeq == s.oldestKept)
        text += "log       empty\n";
    else
        text += Format("log       entries %llu..%llu kept, %llu overwritten since the last clear\n",
                       static_cast<unsigned long long>(s.oldestKept),
                       static_cast<unsigned long long>(s.nextSeq - 1),
                       static_cast<unsigned long long>(s.oldestKept - s.logStart));
    text += ProcessLines(client.Processes(), s.untrackedProcesses);
    if (!s.settingsNote.empty())
        text += "settings notes\n" + Narrow(s.settingsNote);
    return text;
}

std::string FormatLog(const PortSimClient& client, const LogRead& log) {
    std::string text;
    if (log.missed != 0)
        text += Format("(%llu entries overwritten before this read)\n",
                       static_cast<unsigned long long>(log.missed));
    text += "     seq        time  pid       op   port    value\n";
    for (const LogEntry& e : log.entries)
        text += Format("%8llu %11.6f  %-9lu %-4s 0x%04X  0x%02X\n",
                       static_cast<unsigned long long>(e.seq), client.SecondsAt(e.ticks),
                       static_cast<unsigned long>(e.pid), e.write ? "out" : "in", e.port, e.value);
    return text;
}

} // namespace portsim
