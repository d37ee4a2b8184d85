// window_bench: figures of the real Kelvarin.exe under Wine (or on Windows),
// taken through its window, printed as rows for tools/bench.sh:
//   - start-up to the window painted and idle, alternating with the floor
//     program (the same dialog shown by a do-nothing dialog procedure);
//   - toggles per second in bursts of posted clicks, and click-to-write
//     latency on an idle program beside a message round trip;
//   - the program's size, peak working set, GDI and USER objects after start
//     and after the bursts' toggles, with the part of the GDI objects that is
//     Wine's button copies (ButtonImageCost).
//
//   window_bench [--startup-runs N] [--bursts N] [--burst-clicks N] [--latency-clicks N]
//
// Runs Kelvarin.exe and KelvarinFloor.exe from its own folder.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "AppProcess.h"
#include "ButtonImageCost.h"
#include "Dialogs.h"
#include "FigureRows.h"
#include "HeldObjects.h"
#include "KelvarinSession.h"
#include "Screen.h"
#include "StartupTiming.h"
#include "ToggleTiming.h"
#include "ui/resource.h"

using namespace bench;

namespace {

struct Options {
    int startupRuns = 10; // of each program
    int bursts = 10;
    int burstClicks = 1000;
    int latencyClicks = 200;
};

constexpr double kFrameMs = 1000.0 / 60;

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        const int value = _wtoi(argv[i + 1]);
        if (value <= 0)
            return false;
        if (name == L"--startup-runs")
            options.startupRuns = value;
        else if (name == L"--bursts")
            options.bursts = value;
        else if (name == L"--burst-clicks")
            options.burstClicks = value;
        else if (name == L"--latency-clicks")
            options.latencyClicks = value;
        else
            return false;
    }
    return argc % 2 == 1;
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "window_bench: %s\n", what.c_str());
    return 1;
}

double KiB(double bytes) {
    return bytes / 1024;
}

double MiB(double bytes) {
    return bytes / (1024 * 1024);
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

// Kelvarin's window is painted when its indicators show: D0 reads low (red).
bool IndicatorsShow(HWND dialog) {
    return driver::IndicatorLevel(::GetDlgItem(dialog, IDC_D0)) == driver::Level::Low;
}

bool AnyWindow(HWND) {
    return true;
}

// Start-ups of the program and the floor, alternating, the order swapped
// every round; one round first to warm the caches, not counted.
std::string BenchStartup(const Options& options, const std::wstring& program,
                         const std::wstring& floor, double* floorPeak) {
    std::vector<double> programMs, floorMs, floorPeaks;
    for (int round = -1; round < options.startupRuns; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool isProgram = (turn == 0) == (round % 2 == 0);
            const Startup run =
                isProgram ? TimeStartup(program, IndicatorsShow) : TimeStartup(floor, AnyWindow);
            if (!run.failure.empty())
                return (isProgram ? "Kelvarin.exe: " : "floor: ") + run.failure;
            if (round < 0)
                continue;
            (isProgram ? programMs : floorMs).push_back(run.ms);
            if (!isProgram)
                floorPeaks.push_back(static_cast<double>(run.peakWorkingSet));
        }
    }
    const double ratio = Median(programMs) / Median(floorMs);
    PrintRow("start-up to painted and idle, Kelvarin.exe", Format("%.0f ms", Median(programMs)),
             Format("%.0f ms", Largest(programMs)), "<= 1.3x floor", Format("ratio %.2f", ratio));
    PrintRow("start-up, floor: its dialog, do-nothing procedure",
             Format("%.0f ms", Median(floorMs)), Format("%.0f ms", Largest(floorMs)), "", "");
    *floorPeak = Median(floorPeaks);
    return {};
}

// What the program holds around its toggles, and what Wine's buttons keep of
// it.
struct HeldAround {
    Held start, end;
    int toggles = 0;
    long imageChanges = 0;
    ButtonImageCost cost{0, 0};
};

// Bursts of clicks and single clicks on D0, with the program's objects and
// memory sampled before and after the bursts.
std::string BenchToggles(const Options& options, KelvarinSession& session, HeldAround* held) {
    held->cost = MeasureButtonImageCost(driver::ProgramFolder() + L"\\Kelvarin.exe");
    HWND d0 = session.Item(IDC_D0);
    held->start = SampleHeld(session, d0);
    if (!held->start.failure.empty())
        return held->start.failure;

    std::vector<double> rates, intervals;
    for (int i = 0; i < options.bursts; ++i) {
        const Burst burst = PostBurst(session, d0, options.burstClicks);
        if (burst.toggles != options.burstClicks)
            return "a burst's clicks did not all write";
        held->toggles += burst.toggles;
        rates.push_back(burst.togglesPerSecond);
        intervals.insert(intervals.end(), burst.intervalsMs.begin(), burst.intervalsMs.end());
    }
    held->end = SampleHeld(session, d0);
    if (!held->end.failure.empty())
        return held->end.failure;
    // Every toggle of D0 changes its button's image once, the sampling
    // toggle at the end included.
    held->imageChanges = held->toggles + 1;

    const std::vector<double> latencies = ClickToWriteLatencies(session, d0, options.latencyClicks);
    const std::vector<double> trips = MessageRoundTrips(session.Window(), options.latencyClicks);
    if (static_cast<int>(latencies.size()) != options.latencyClicks || trips.empty())
        return "a single click did not write";

    const std::string burstName = "bursts of " + Thousands(options.burstClicks) + " posted clicks";
    PrintRow("toggles per second, " + burstName, Format("%.0f /s", Median(rates)),
             Format("%.0f /s", Smallest(rates)), ">= 1,000 /s", "port write: 500,000 /s and up");
    PrintRow("time per toggle in those bursts", Format("%.2f ms", Median(intervals)),
             Format("%.2f ms", Largest(intervals)), Format("<= %.1f ms (a frame)", kFrameMs),
             "port write: 0.5 to 2 us");
    PrintRow("click to write, one click on an idle program", Format("%.2f ms", Median(latencies)),
             Format("%.2f ms", Largest(latencies)), Format("<= %.1f ms (a frame)", kFrameMs),
             Format("message round trip %.2f ms (worst %.2f)", Median(trips), Largest(trips)));
    return {};
}

void PrintResources(const HeldAround& held, double floorPeak, long long programSize,
                    long long floorSize) {
    PrintRow("Kelvarin.exe size", Format("%.0f KiB", KiB(static_cast<double>(programSize))), "",
             "< 1,024 KiB", Format("floor program %.0f KiB", KiB(static_cast<double>(floorSize))));
    const std::string after = "after " + Thousands(held.toggles) + " toggles";
    const double peakStart = static_cast<double>(held.start.peakWorkingSet);
    const double peakEnd = static_cast<double>(held.end.peakWorkingSet);
    const double changes = static_cast<double>(held.imageChanges);
    PrintRow("peak working set after start", Format("%.1f MiB", MiB(peakStart)), "", "",
             Format("floor dialog %.1f MiB", MiB(floorPeak)));
    PrintRow("peak working set " + after, Format("%.1f MiB", MiB(peakEnd)), "",
             "flat beyond Wine's button copies",
             Format("%+.1f MiB: Wine's copies %.1f MiB (%.1f KiB x %ld)", MiB(peakEnd - peakStart),
                    MiB(held.cost.privateBytes * changes), KiB(held.cost.privateBytes),
                    held.imageChanges));
    const double grown =
        static_cast<double>(held.end.gdiObjects) - static_cast<double>(held.start.gdiObjects);
    const double copies = held.cost.gdiObjects * changes;
    PrintRow("GDI objects after start", Thousands(held.start.gdiObjects), "", "", "");
    PrintRow("GDI objects " + after, Thousands(held.end.gdiObjects), "",
             "flat beyond Wine's button copies",
             Format("%+.0f: Wine's copies %.0f (%.2f x %ld image changes), other %+.0f", grown,
                    copies, held.cost.gdiObjects, held.imageChanges, grown - copies));
    PrintRow("USER objects after start", Thousands(held.start.userObjects), "", "", "");
    PrintRow("USER objects " + after, Thousands(held.end.userObjects), "", "flat",
             Format("%+d", held.end.userObjects - held.start.userObjects));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options))
        return Fail("usage: window_bench [--startup-runs N] [--bursts N] [--burst-clicks N] "
                    "[--latency-clicks N]");
    const std::wstring folder = driver::ProgramFolder();
    const std::wstring program = folder + L"\\Kelvarin.exe";
    const std::wstring floor = folder + L"\\KelvarinFloor.exe";

    // One port for the whole run: the program maps it at every start, as it
    // would map a real port library's state.
    KelvarinSession session;
    std::string failure = session.OpenPort();
    double floorPeak = 0;
    if (failure.empty())
        failure = BenchStartup(options, program, floor, &floorPeak);
    if (failure.empty())
        failure = session.Start(program);
    HeldAround held;
    if (failure.empty())
        failure = BenchToggles(options, session, &held);
    if (!failure.empty())
        return Fail(failure);
    PrintResources(held, floorPeak, FileSize(program), FileSize(floor));
    driver::PostCommand(session.Window(), IDOK);
    return 0;
}
