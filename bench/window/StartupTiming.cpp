#include "StartupTiming.h"

#include "AppProcess.h"
#include "Clock.h"
#include "Dialogs.h"
#include "Polling.h"
#include "ProcessFigures.h"
#include "Screen.h"

namespace bench {

namespace {

// Close enough for figures of hundreds of milliseconds, light enough not to
// slow the program down.
constexpr DWORD kPollIntervalMs = 1;

bool NothingLeftToPaint(HWND dialog) {
    if (::GetUpdateRect(dialog, nullptr, FALSE))
        return false;
    for (HWND child : driver::ChildWindows(dialog))
        if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE))
            return false;
    return true;
}

// A few pixels at the client area's top left corner, where no control lies.
bool FaceColourOnScreen(HWND dialog) {
    POINT corner{2, 2};
    ::ClientToScreen(dialog, &corner);
    const RECT spot{corner.x, corner.y, corner.x + 4, corner.y + 4};
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE); // 0x00BBGGRR
    const uint32_t rgb = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
    const driver::ScreenPixels pixels = driver::CaptureScreen(spot);
    if (pixels.pixels.empty())
        return false;
    for (const uint32_t pixel : pixels.pixels)
        if (pixel != rgb)
            return false;
    return true;
}

} // namespace

Startup TimeStartup(const std::wstring& exePath, const std::function<bool(HWND)>& shows) {
    Startup result;
    driver::AppProcess program;
    const int64_t start = Ticks();
    if (!program.Start(exePath)) {
        result.failure = "cannot start the program";
        return result;
    }
    HWND dialog = nullptr;
    const bool painted = driver::WaitUntil(
        [&] {
            if (dialog == nullptr)
                dialog = driver::FindDialog(program.Id(), L"Kelvarin");
            return dialog != nullptr && NothingLeftToPaint(dialog) && FaceColourOnScreen(dialog) &&
                   shows(dialog);
        },
        driver::kStartTimeoutMs, kPollIntervalMs);
    result.ms = TicksToMs(Ticks() - start);
    if (!painted)
        result.failure = dialog == nullptr ? "the window did not show" : "the window did not paint";
    result.peakWorkingSet = driver::MemoryOf(program.Id()).PeakWorkingSetSize;
    if (dialog != nullptr)
        driver::PostCommand(dialog, IDOK);
    if (!program.WaitForExit(driver::kStepTimeoutMs) && result.failure.empty())
        result.failure = "the program did not close with OK";
    return result;
}

} // namespace bench
