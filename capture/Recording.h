// What a capture keeps: the levels that open the record, then one entry per
// sample whose levels differ from the sample before. Memory grows with the
// changes, never with the time, up to a limit.
//
// One thread appends while another reads what has been published: entries
// live in blocks that never move, and the count is published after the
// entry is written.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct LevelsAt {
    int64_t ticks;   // the clock when the sample was taken
    uint32_t levels; // bit (pin - 1): that pin high
};

class Recording {
public:
    // limit: the most entries kept.
    explicit Recording(size_t limit);

    // False, keeping nothing, once the limit is reached.
    bool Append(const LevelsAt& entry);

    size_t Size() const { return m_size.load(std::memory_order_acquire); }
    size_t Limit() const { return m_limit; }
    const LevelsAt& operator[](size_t index) const {
        return m_blocks[index / kBlock][index % kBlock];
    }

private:
    static constexpr size_t kBlock = 1 << 16;

    size_t m_limit;
    std::vector<std::unique_ptr<LevelsAt[]>> m_blocks; // as many as the limit takes
    std::atomic<size_t> m_size{0};
};
