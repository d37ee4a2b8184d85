// A second process for the simulated port's tests. It loads inpout32.dll from
// its own folder, as the program does, and does one thing:
//   read PORT...            prints each port's value, hex, space-separated
//   write PORT VALUE        one Out32
//   release                 one access, then FreeLibrary
//   exit                    one access, then ends holding the library
//   hammer GO STOP TOP      waits for the named event GO, then for i = 0, 1...
//                           Out32(0x378, TOP | (i & 0x7F)) and Inp32(0x378)
//                           until the event STOP; prints how many i it did
//   send PID TEXT           sends TEXT's bytes and a closing NUL as a printer
//                           port does: each on the data lines, then a Strobe
//                           pulse (Control 0D, then 0C). After each write it
//                           waits until the process PID has read the port
//                           twice over (6 reads), so that a capture sees
//                           every step, or has let the library go
// Numbers are hex, PID decimal. Exit status 0 when done, 1 when the library is missing,
// 2 on a bad command line.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include "client/PortSimClient.h"
#include "port/PortLibraryFile.h"

namespace {

using Inp32Proc = short(__stdcall*)(short);
using Out32Proc = void(__stdcall*)(short, short);

unsigned long Hex(const wchar_t* text) {
    return std::wcstoul(text, nullptr, 16);
}

int Hammer(Inp32Proc inp32, Out32Proc out32, const wchar_t* goName, const wchar_t* stopName,
           unsigned long top) {
    HANDLE go = OpenEventW(SYNCHRONIZE, FALSE, goName);
    HANDLE stop = OpenEventW(SYNCHRONIZE, FALSE, stopName);
    if (go == nullptr || stop == nullptr || WaitForSingleObject(go, 30000) != WAIT_OBJECT_0)
        return 3;
    unsigned long i = 0;
    do {
        for (const unsigned long end = i + 256; i < end; ++i) {
            out32(0x378, static_cast<short>(top | (i & 0x7F)));
            inp32(0x378);
        }
    } while (WaitForSingleObject(stop, 0) == WAIT_TIMEOUT);
    CloseHandle(go);
    CloseHandle(stop);
    std::printf("%lu\n", i);
    return 0;
}

// The reads process `pid` has made of the port; -1 while it has no record,
// INT64_MAX once it has let the library go (it will read no more).
int64_t ReadsOf(const portsim::PortSimClient& port, uint32_t pid) {
    for (const portsim::ProcessInfo& p : port.Processes()) {
        if (p.pid == pid)
            return p.HoldsLibrary() ? static_cast<int64_t>(p.accesses) - p.writes : INT64_MAX;
    }
    return -1;
}

int Send(Out32Proc out32, uint32_t pid, const wchar_t* text) {
    constexpr int64_t kReadsAfterAStep = 6;
    constexpr DWORD kHangGuardMs = 60000;
    wchar_t section[256];
    if (GetEnvironmentVariableW(L"PORTSIM_SECTION", section, 256) == 0)
        return 2;
    const auto port = portsim::PortSimClient::Open(section, nullptr);
    if (!port)
        return 3;
    const auto step = [&](uint16_t number, uint8_t value) {
        out32(static_cast<short>(number), value);
        const int64_t after = ReadsOf(*port, pid);
        const auto seen = [&] {
            const int64_t reads = ReadsOf(*port, pid);
            return reads == INT64_MAX || (after >= 0 && reads - after >= kReadsAfterAStep);
        };
        for (const DWORD start = GetTickCount(); !seen(); Sleep(0)) {
            if (GetTickCount() - start > kHangGuardMs)
                return false;
        }
        return true;
    };
    for (const wchar_t* c = text;; ++c) {
        if (!step(0x378, static_cast<uint8_t>(*c)) || !step(0x37A, 0x0D) || !step(0x37A, 0x0C))
            return 3;
        if (*c == L'\0')
            return 0;
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    const std::wstring command = argv[1];
    HMODULE library = LoadLibraryA(kPortLibraryFileA);
    if (library == nullptr)
        return 1;
    const auto inp32 =
        reinterpret_cast<Inp32Proc>(reinterpret_cast<void*>(GetProcAddress(library, "Inp32")));
    const auto out32 =
        reinterpret_cast<Out32Proc>(reinterpret_cast<void*>(GetProcAddress(library, "Out32")));
    if (inp32 == nullptr || out32 == nullptr)
        return 1;
    int status = 0;
    if (command == L"read") {
        for (int i = 2; i < argc; ++i)
            std::printf("%s%02X", i > 2 ? " " : "", inp32(static_cast<short>(Hex(argv[i]))));
        std::printf("\n");
    } else if (command == L"write" && argc == 4) {
        out32(static_cast<short>(Hex(argv[2])), static_cast<short>(Hex(argv[3])));
    } else if (command == L"release" || command == L"exit") {
        inp32(0x379);
        if (command == L"exit")
            return 0;
    } else if (command == L"send" && argc == 4) {
        status = Send(out32, std::wcstoul(argv[2], nullptr, 10), argv[3]);
    } else if (command == L"hammer" && argc == 5) {
        status = Hammer(inp32, out32, argv[2], argv[3], Hex(argv[4]));
    } else {
        status = 2;
    }
    FreeLibrary(library);
    return status;
}
