#include "console/WindowsConsole.h"

#include <windows.h>

#include <cstdio>

#include "port/PortLibraryFile.h"

namespace {

constexpr DWORD kFinishWaitMs = 4000;

std::atomic<bool>* g_requested = nullptr;
HANDLE g_finished = nullptr;

BOOL WINAPI OnConsoleEvent(DWORD) {
    if (g_requested != nullptr)
        g_requested->store(true);
    WaitForSingleObject(g_finished, kFinishWaitMs);
    return TRUE;
}

// Under Wine a console program's console is the terminal it was started
// from, which stays open when the program ends, even when the program is
// the only one attached to it.
bool UnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

} // namespace

const char* BindingProblem(PortBinding binding) {
    switch (binding) {
    case PortBinding::NoLibrary:
        return "no " KELVARIN_PORT_LIBRARY_FILE
               " beside this program or in the system folder (or it would not load)";
    case PortBinding::NoEntryPoints:
        return KELVARIN_PORT_LIBRARY_FILE " does not export both Inp32 and Out32";
    case PortBinding::DriverClosed:
        return KELVARIN_PORT_LIBRARY_FILE
            " says its driver is closed (not installed, blocked, or no administrator rights)";
    case PortBinding::Bound:
        break;
    }
    return "";
}

ConsoleStop::ConsoleStop() {
    g_requested = &m_requested;
    g_finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

// From here Ctrl+C ends the process at once again.
ConsoleStop::~ConsoleStop() {
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    g_requested = nullptr;
    Finished();
    if (g_finished != nullptr)
        CloseHandle(g_finished);
    g_finished = nullptr;
}

void ConsoleStop::Finished() {
    if (g_finished != nullptr)
        SetEvent(g_finished);
}

int RunOnPortLibrary(const char* program, uint32_t base, int badStart, const PortWork& work) {
    ParallelPort library{};
    const PortBinding binding = BindPortLibrary(library);
    int status = badStart;
    if (binding != PortBinding::Bound) {
        std::fprintf(stderr, "%s: %s; no port touched\n", program, BindingProblem(binding));
    } else {
        // The handler lets the process end only once the work has put the
        // port in order.
        ConsoleStop stop;
        BoundPort port(base);
        status = work(port, stop.Flag());
        stop.Finished();
    }
    ReleasePortIo(library);
    return status;
}

void HoldConsoleIfOwnedAlone() {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    DWORD processes[2];
    if (!GetConsoleMode(input, &mode) || GetConsoleProcessList(processes, 2) != 1 || UnderWine())
        return;
    std::fflush(stdout);
    std::fputs("Press any key to close this window.\n", stderr);
    FlushConsoleInputBuffer(input);
    for (;;) {
        INPUT_RECORD record;
        DWORD read = 0;
        if (!ReadConsoleInputW(input, &record, 1, &read) || read == 0)
            return;
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown)
            return;
    }
}
