#include "capture/LiveView.h"

#include "capture/CaptureText.h"
#include "capture/LevelReader.h"
#include "panel/PinMap.h"

LiveView::LiveView(const Recording& recording, std::vector<int> pins, int64_t ticksPerSecond)
    : m_recording(recording), m_pins(std::move(pins)), m_ticksPerSecond(ticksPerSecond) {}

std::string LiveView::Time(int64_t ticks) const {
    const std::string seconds = Seconds(ticks - m_recording[0].ticks, m_ticksPerSecond);
    return std::string(seconds.size() < 11 ? 11 - seconds.size() : 0, ' ') + seconds + " s  ";
}

std::string LiveView::ChangeLines(const LevelsAt& before, const LevelsAt& after) const {
    std::string text;
    for (const int pin : m_pins) {
        const uint32_t bit = PinBit(pin);
        if ((before.levels ^ after.levels) & bit)
            text += Time(after.ticks) + PinLabel(pin) + "  " + LevelWord(before.levels & bit) +
                    " -> " + LevelWord(after.levels & bit) + "\n";
    }
    return text;
}

std::string LiveView::Poll() {
    const size_t size = m_recording.Size();
    std::string text;
    if (m_shown == 0 && size > 0) {
        text = Time(m_recording[0].ticks) + "start ";
        for (const int pin : m_pins)
            text +=
                " " + std::to_string(pin) + ":" + (m_recording[0].levels & PinBit(pin) ? "H" : "L");
        text += "\n";
        m_shown = 1;
    }
    if (size - m_shown > kMostLinesPerPoll) {
        for (; m_shown < size; ++m_shown)
            m_edges +=
                __builtin_popcount(m_recording[m_shown - 1].levels ^ m_recording[m_shown].levels);
        return text + Time(m_recording[size - 1].ticks) + std::to_string(m_edges) +
               " changes so far (too fast to show each)\n";
    }
    for (; m_shown < size; ++m_shown) {
        const LevelsAt& before = m_recording[m_shown - 1];
        const LevelsAt& after = m_recording[m_shown];
        m_edges += __builtin_popcount(before.levels ^ after.levels);
        text += ChangeLines(before, after);
    }
    return text;
}
