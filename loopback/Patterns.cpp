#include "loopback/Patterns.h"

std::vector<uint8_t> WalkingPatterns(size_t outputs) {
    const auto all = static_cast<uint8_t>((1u << outputs) - 1);
    std::vector<uint8_t> patterns;
    for (size_t w = 0; w < outputs; ++w)
        patterns.push_back(static_cast<uint8_t>(1u << w));
    for (size_t w = 0; w < outputs; ++w)
        patterns.push_back(static_cast<uint8_t>(all & ~(1u << w)));
    return patterns;
}
