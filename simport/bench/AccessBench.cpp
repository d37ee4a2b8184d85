// Prints what one Inp32 or Out32 call of the simulated library costs, as the
// program sees it: the library loaded beside this program and bound by name.
// Run it under Wine or on Windows; it asserts nothing.
#include <windows.h>

#include <cstdio>
#include "port/PortLibraryFile.h"

namespace {

using Inp32Proc = short(__stdcall*)(short);
using Out32Proc = void(__stdcall*)(short, short);

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

template <typename Call> void Measure(const char* name, int count, Call call) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i)
        call(i);
    QueryPerformanceCounter(&end);
    std::printf("%-28s %9.0f ns per call (%d calls)\n", name, Seconds(start, end) * 1e9 / count,
                count);
}

} // namespace

int main() {
    // A section of its own, so that a running program's log is not flooded.
    SetEnvironmentVariableW(L"PORTSIM_SECTION", L"Local\\PortSimBench");
    HMODULE library = LoadLibraryA(kPortLibraryFileA);
    if (library == nullptr) {
        std::fprintf(stderr, "portsim_bench: %s not found beside this program\n",
                     kPortLibraryFileA);
        return 1;
    }
    const auto inp32 =
        reinterpret_cast<Inp32Proc>(reinterpret_cast<void*>(GetProcAddress(library, "Inp32")));
    const auto out32 =
        reinterpret_cast<Out32Proc>(reinterpret_cast<void*>(GetProcAddress(library, "Out32")));
    if (inp32 == nullptr || out32 == nullptr) {
        std::fprintf(stderr, "portsim_bench: %s lacks Inp32 or Out32\n", kPortLibraryFileA);
        return 1;
    }
    // GDI in use, as in the program: the library then samples real counts.
    HDC screen = CreateCompatibleDC(nullptr);
    const int count = 200000;
    volatile short sink = 0;
    Measure("Inp32 (Status)", count, [&](int) { sink = inp32(0x379); });
    Measure("Out32 (Data)", count, [&](int i) { out32(0x378, static_cast<short>(i)); });
    Measure("Inp32 (empty bus)", count, [&](int) { sink = inp32(0x100); });
    (void)sink;
    DeleteDC(screen);
    FreeLibrary(library);
    return 0;
}
