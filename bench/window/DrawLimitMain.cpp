// draw_limit: how many pin clicks Kelvarin's window takes under Wine before it
// stops drawing. Wine's version 6 buttons keep a copy of every image handed to
// them, one GDI object per D0 toggle; once the process's GDI handle table is
// full, painting fails. This clicks D0 with posted BM_CLICKs and, after every
// batch, reads the screen: D0's indicator and the Data field's pixels must be
// what they were the last time D0 had that level. Batches are of one click
// once the GDI count nears the table's size. It prints progress, then the
// click count and GDI objects at the last drawn and the first undrawn batch.
//
//   draw_limit [--max-clicks N]
//
// A long run (70,000 clicks take a few minutes), not a test: tools/draw-limit.sh
// runs it under Wine.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

#include "Dialogs.h"
#include "FigureRows.h"
#include "KelvarinSession.h"
#include "Polling.h"
#include "Screen.h"
#include "ui/resource.h"

using namespace bench;

namespace {

constexpr int kCoarseBatch = 500;
// Slots of a process's GDI handle table under Wine.
constexpr uint32_t kGdiTableSize = 0x10000;
// Clicks made once the window has stopped drawing, to see that it stays so.
constexpr int kClicksAfterLimit = 1000;
constexpr DWORD kWriteTimeoutMs = 30000;
// A repaint takes milliseconds; a window that shows nothing new after this
// long has stopped drawing.
constexpr DWORD kDrawTimeoutMs = 3000;

// What the window shows for one level of D0.
struct Shown {
    driver::Level level = driver::Level::Unknown;
    driver::ScreenPixels field;
    std::wstring fieldText;
};

Shown ReadShown(const KelvarinSession& session) {
    return {driver::IndicatorLevel(session.Item(IDC_D0)),
            driver::CaptureWindow(session.Item(IDC_DATA_HEX)),
            driver::GetText(session.Item(IDC_DATA_HEX))};
}

bool SamePixels(const driver::ScreenPixels& a, const driver::ScreenPixels& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

class DrawLimitRun {
public:
    explicit DrawLimitRun(KelvarinSession& session) : m_session(session) {}

    // Takes what each level of D0 looks like from the first two clicks.
    std::string TakeReferences() {
        for (int i = 0; i < 2; ++i) {
            if (!Click(1))
                return "the first clicks did not write";
            const driver::Level level = ExpectedLevel();
            if (!driver::WaitUntil([&] { return ReadShown(m_session).level == level; },
                                   kDrawTimeoutMs))
                return "D0 does not show its level";
            ::Sleep(200); // the field's repaint may follow the indicator's
            m_reference[m_clicks % 2] = ReadShown(m_session);
        }
        if (SamePixels(m_reference[0].field, m_reference[1].field))
            return "the Data field looks the same at both levels of D0";
        return {};
    }

    // Posts `count` clicks on D0 and takes their writes; false if some did
    // not write.
    bool Click(int count) {
        HWND d0 = m_session.Item(IDC_D0);
        for (int i = 0; i < count; ++i)
            driver::Click(d0);
        for (const portsim::LogEntry& write :
             m_session.TakeWrites(static_cast<size_t>(count), kWriteTimeoutMs)) {
            ++m_clicks;
            m_wrongWrites += ((write.value & 1u) == 1u) != (m_clicks % 2 == 1);
            --count;
        }
        return count == 0;
    }

    // Whether the window shows, within kDrawTimeoutMs, what it showed the
    // last time D0 had its present level.
    bool Drawn() const {
        const Shown& reference = m_reference[m_clicks % 2];
        return driver::WaitUntil(
            [&] {
                const Shown now = ReadShown(m_session);
                return now.level == reference.level && SamePixels(now.field, reference.field);
            },
            kDrawTimeoutMs);
    }

    // Whether the Data field's text (not its pixels) has followed the clicks.
    bool TextFollows() const {
        return ReadShown(m_session).fieldText == m_reference[m_clicks % 2].fieldText;
    }

    uint32_t GdiObjects() const {
        const auto record = m_session.Record();
        return record ? record->gdiObjects : 0;
    }

    long Clicks() const { return m_clicks; }
    long WrongWrites() const { return m_wrongWrites; }

private:
    driver::Level ExpectedLevel() const {
        return m_clicks % 2 == 1 ? driver::Level::High : driver::Level::Low;
    }

    KelvarinSession& m_session;
    Shown m_reference[2];
    long m_clicks = 0;
    long m_wrongWrites = 0;
};

int Fail(const std::string& what) {
    std::fprintf(stderr, "draw_limit: %s\n", what.c_str());
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    long maxClicks = 70001;
    if (argc == 3 && std::wstring(argv[1]) == L"--max-clicks" && _wtol(argv[2]) > 0)
        maxClicks = _wtol(argv[2]);
    else if (argc != 1)
        return Fail("usage: draw_limit [--max-clicks N]");

    KelvarinSession session;
    std::string failure = session.OpenPort();
    if (failure.empty())
        failure = session.Start(driver::ProgramFolder() + L"\\Kelvarin.exe");
    DrawLimitRun run(session);
    if (failure.empty())
        failure = run.TakeReferences();
    if (!failure.empty())
        return Fail(failure);

    long lastDrawn = run.Clicks();
    uint32_t lastDrawnGdi = run.GdiObjects();
    std::printf("after %ld clicks: GDI objects %s\n", lastDrawn, Thousands(lastDrawnGdi).c_str());
    while (run.Clicks() < maxClicks) {
        const bool nearFull = run.GdiObjects() + kCoarseBatch + 100 >= kGdiTableSize;
        const long batch = std::min<long>(nearFull ? 1 : kCoarseBatch - run.Clicks() % kCoarseBatch,
                                          maxClicks - run.Clicks());
        if (!run.Click(static_cast<int>(batch)))
            return Fail("clicks stopped writing after " + Thousands(run.Clicks()));
        if (!run.Drawn())
            break;
        lastDrawn = run.Clicks();
        lastDrawnGdi = run.GdiObjects();
        if (lastDrawn % 5000 == 0) {
            std::printf("%s clicks drawn, GDI objects %s\n", Thousands(lastDrawn).c_str(),
                        Thousands(lastDrawnGdi).c_str());
            std::fflush(stdout);
        }
    }
    if (run.Clicks() == lastDrawn) {
        std::printf("drawn after every one of %s clicks, GDI objects %s\n",
                    Thousands(lastDrawn).c_str(), Thousands(lastDrawnGdi).c_str());
        return 0;
    }

    const long firstUndrawn = run.Clicks();
    const uint32_t firstUndrawnGdi = run.GdiObjects();
    const bool textFollowed = run.TextFollows();
    const bool clickedOn = run.Click(kClicksAfterLimit);
    const bool drawnAgain = clickedOn && run.Drawn();
    std::printf("last drawn:    after %s clicks, GDI objects %s\n", Thousands(lastDrawn).c_str(),
                Thousands(lastDrawnGdi).c_str());
    std::printf("first undrawn: after %s clicks, GDI objects %s (the Data field's text %s)\n",
                Thousands(firstUndrawn).c_str(), Thousands(firstUndrawnGdi).c_str(),
                textFollowed ? "had followed" : "had not followed");
    std::printf("%s clicks later: %s, GDI objects %s; wrong writes in the whole run: %ld\n",
                Thousands(kClicksAfterLimit).c_str(),
                !clickedOn   ? "the clicks no longer wrote"
                : drawnAgain ? "drawn again"
                             : "still not drawn",
                Thousands(run.GdiObjects()).c_str(), run.WrongWrites());
    return 0;
}
