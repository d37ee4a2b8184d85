// inpout32.dll, simulated: the two exports of the port I/O library, served by
// the port model in the shared section instead of hardware. Nothing here
// knows which program loaded it.
//
// Every access takes the section's lock, applies the register rules, appends
// one log entry and counts the access in the caller's process record. Every
// kGuiSampleIntervalMs at most, an access also samples the caller's GDI and
// USER object counts (counting them under Wine walks a 1.5 MB table).
#include <windows.h>

#include <string>

#include "core/SectionLock.h"
#include "core/SectionLog.h"
#include "core/SharedSection.h"
#include "dll/GuiCounts.h"
#include "dll/ProcessRecords.h"

namespace {

constexpr int64_t kGuiSampleIntervalMs = 10;

portsim::SharedSection g_section;
portsim::ProcessRecord* g_record = nullptr;
uint32_t g_pid = 0;
int64_t g_sampleIntervalTicks = 0;
int64_t g_lastSampleTicks = 0;

std::wstring FolderOf(HMODULE module) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring folder(path, length);
    const size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : folder.substr(0, slash);
}

void Attach(HMODULE module) {
    g_pid = GetCurrentProcessId();
    const std::wstring error = g_section.Open(portsim::LoadSimSettings(FolderOf(module)),
                                              portsim::OpenMode::CreateIfMissing);
    if (!error.empty()) {
        // Without a section the port reads as an empty bus; say why to a debugger.
        OutputDebugStringW((L"inpout32 (simulated): " + error + L"\n").c_str());
        return;
    }
    portsim::Section& section = *g_section.get();
    g_sampleIntervalTicks = section.ticksPerSecond * kGuiSampleIntervalMs / 1000;
    portsim::SectionLock lock(section);
    g_record = portsim::ClaimProcessRecord(section);
    if (g_record != nullptr)
        ++g_record->attaches;
}

void Detach(bool processExit) {
    if (g_record != nullptr)
        ++(processExit ? g_record->exits : g_record->releases);
    g_record = nullptr;
    // At process exit the system unmaps everything; other threads are gone
    // and may have left the lock taken, so nothing more is touched then.
    if (!processExit)
        g_section.Close();
}

void CountAccess(int64_t ticks, bool write) {
    if (g_record == nullptr)
        return;
    if (write)
        ++g_record->writes;
    const uint32_t accesses = ++g_record->accesses;
    if (g_lastSampleTicks != 0 && ticks - g_lastSampleTicks < g_sampleIntervalTicks)
        return;
    g_lastSampleTicks = ticks;
    const portsim::GuiCounts counts = portsim::SampleGuiCounts();
    g_record->gdiObjects = counts.gdiObjects;
    g_record->userObjects = counts.userObjects;
    g_record->sampledAt = accesses;
}

// One register access; returns what a read returns.
uint8_t Access(bool write, uint16_t port, uint16_t value) {
    portsim::Section* section = g_section.get();
    if (section == nullptr)
        return portsim::kEmptyBus;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    uint8_t result = 0;
    {
        portsim::SectionLock lock(*section);
        section->port.now = now.QuadPart;
        if (write) {
            portsim::WriteRegister(section->port, port, static_cast<uint8_t>(value));
        } else {
            result = portsim::ReadRegister(section->port, port);
            value = result;
        }
        portsim::AppendLog(*section, {0, now.QuadPart, g_pid, port, value, write});
    }
    CountAccess(now.QuadPart, write);
    return result;
}

} // namespace

extern "C" {

// The port number is the low 16 bits of `port`; the result is the register's
// 8 bits.
__declspec(dllexport) short __stdcall Inp32(short port) {
    return Access(false, static_cast<uint16_t>(port), 0);
}

// Only the low 8 bits of `value` reach the register; the log keeps all 16.
__declspec(dllexport) void __stdcall Out32(short port, short value) {
    Access(true, static_cast<uint16_t>(port), static_cast<uint16_t>(value));
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(module);
        Attach(module);
        break;
    case DLL_PROCESS_DETACH:
        Detach(reserved != nullptr);
        break;
    default:
        break;
    }
    return TRUE;
}

} // extern "C"
