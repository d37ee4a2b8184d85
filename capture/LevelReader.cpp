#include "capture/LevelReader.h"

#include <algorithm>

#include "panel/PinMap.h"

LevelReader::LevelReader(const std::vector<int>& pins) {
    for (const PinRegister reg : {PinRegister::Data, PinRegister::Status, PinRegister::Control}) {
        Source source{reg, {}};
        bool needed = false;
        for (const int pin : pins) {
            const PinRow* row = FindPin(pin);
            if (row == nullptr || row->reg != reg)
                continue;
            needed = true;
            for (uint32_t value = 0; value < source.levels.size(); ++value) {
                if (PinIsHigh(*row, value))
                    source.levels[value] |= PinBit(pin);
            }
        }
        if (needed)
            m_sources.push_back(source);
    }
}

uint32_t LevelReader::Read(RegisterReader& port) const {
    uint32_t levels = 0;
    for (const Source& source : m_sources)
        levels |= source.levels[port.Read(source.reg)];
    return levels;
}
