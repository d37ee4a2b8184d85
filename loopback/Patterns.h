// The levels the test drives on a plug's outputs: a walking one (each output
// high in turn, the others low), then a walking zero (each low in turn, the
// others high). Every output takes both levels against every other, so an
// input that follows the wrong output, or none, shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One entry per pattern; bit w is the level (1: high) of the plug's wire w's
// output. outputs is 1 to 8.
std::vector<uint8_t> WalkingPatterns(size_t outputs);
