// Cost of the panel commands themselves, over a window that does nothing and
// a port that answers at once: what the program adds to the port access (a
// physical port write costs 0.5 to 2 us). Each command also reports its port
// accesses ("accesses", per run of the command): the physical floor is that
// many times the cost of one.
#include <benchmark/benchmark.h>

#include "panel/PanelCommands.h"
#include "panel/PanelIds.h"

namespace {

class NullWindow : public WindowOps {
public:
    std::wstring GetFieldText(int id) override {
        switch (id) {
        case IDC_BASE_ADDR:
            return L"378";
        case IDC_EXT_ADDR:
            return L"778";
        case IDC_MODE:
            return L"EPP";
        default:
            return L"a5";
        }
    }
    void SetFieldText(int, const std::wstring& text) override { benchmark::DoNotOptimize(text); }
    void SetIndicatorImage(int id, int image) override {
        benchmark::DoNotOptimize(id);
        benchmark::DoNotOptimize(image);
    }
    void EnableCommand(int, bool) override {}
    void ShowMessage(const std::wstring&) override {}
};

uint8_t g_register = 0x35;
int64_t g_accesses = 0;
short PORTIO_CALL NullInp32(short) {
    ++g_accesses;
    return g_register;
}
void PORTIO_CALL NullOut32(short, short value) {
    ++g_accesses;
    g_register = static_cast<uint8_t>(value);
}

struct Panel {
    explicit Panel(benchmark::State& state) : m_state(state) {
        g_pfnInp32 = NullInp32;
        g_pfnOut32 = NullOut32;
        commands.OnSet();
        g_accesses = 0;
    }
    ~Panel() {
        m_state.counters["accesses"] =
            benchmark::Counter(static_cast<double>(g_accesses), benchmark::Counter::kAvgIterations);
        UnbindPortIo();
    }
    benchmark::State& m_state;
    NullWindow window;
    PanelCommands commands{window};
};

void Toggle(benchmark::State& state) {
    Panel panel(state);
    for (auto _ : state)
        panel.commands.OnPinButton(IDC_D0);
}
BENCHMARK(Toggle);

void Read(benchmark::State& state) {
    Panel panel(state);
    for (auto _ : state)
        panel.commands.OnRead();
}
BENCHMARK(Read);

void Write(benchmark::State& state) {
    Panel panel(state);
    for (auto _ : state)
        panel.commands.OnWrite();
}
BENCHMARK(Write);

void Set(benchmark::State& state) {
    Panel panel(state);
    for (auto _ : state)
        panel.commands.OnSet();
}
BENCHMARK(Set);

} // namespace

BENCHMARK_MAIN();
