#include "capture/Recording.h"

Recording::Recording(size_t limit) : m_limit(limit), m_blocks((limit + kBlock - 1) / kBlock) {}

bool Recording::Append(const LevelsAt& entry) {
    const size_t size = m_size.load(std::memory_order_relaxed);
    if (size == m_limit)
        return false;
    std::unique_ptr<LevelsAt[]>& block = m_blocks[size / kBlock];
    if (!block)
        block.reset(new LevelsAt[kBlock]);
    block[size % kBlock] = entry;
    m_size.store(size + 1, std::memory_order_release);
    return true;
}
