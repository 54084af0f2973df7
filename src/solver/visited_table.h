#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dravicor {

// The positions a search has been to, by key, in an open-addressed table
// that grows by doubling up to a memory cap. With depths kept, a position
// met again on a shorter path counts as new (the search for the shortest
// line goes on through it).
class VisitedTable {
public:
    enum class Outcome { New, Seen, Full };

    VisitedTable(std::size_t maxBytes, bool keepDepths);

    Outcome insert(std::uint64_t key, int depth = 0);
    bool contains(std::uint64_t key) const;

    std::size_t size() const { return used_; }
    std::size_t bytes() const { return keys_.capacity() * sizeof(std::uint64_t) + depths_.capacity() * sizeof(std::uint16_t); }
    void clear();
    // Empty again, keeping the room it grew to.
    void forget();

private:
    std::size_t slotOf(std::uint64_t key) const;
    bool grow();
    std::size_t entryBytes() const { return sizeof(std::uint64_t) + (keepDepths_ ? sizeof(std::uint16_t) : 0); }

    std::vector<std::uint64_t> keys_;  // 0: a free slot
    std::vector<std::uint16_t> depths_;
    std::size_t used_ = 0;
    std::size_t mask_ = 0;
    std::size_t maxBytes_;
    bool keepDepths_;
};

}  // namespace dravicor
