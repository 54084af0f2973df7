#include "solver/visited_table.h"

#include <algorithm>

namespace dravicor {

namespace {

constexpr std::size_t kFirstSlots = std::size_t{1} << 14;

// Key 0 marks a free slot, so it stands for another value.
std::uint64_t Stored(std::uint64_t key) { return key == 0 ? 0x9E3779B97F4A7C15ULL : key; }

}  // namespace

VisitedTable::VisitedTable(std::size_t maxBytes, bool keepDepths) : maxBytes_(maxBytes), keepDepths_(keepDepths) {
    clear();
}

void VisitedTable::clear() {
    std::size_t slots = kFirstSlots;
    while (slots > 64 && slots * entryBytes() > maxBytes_) slots /= 2;
    keys_.assign(slots, 0);
    keys_.shrink_to_fit();
    if (keepDepths_) depths_.assign(slots, 0);
    mask_ = slots - 1;
    used_ = 0;
}

void VisitedTable::forget() {
    std::fill(keys_.begin(), keys_.end(), 0);
    used_ = 0;
}

std::size_t VisitedTable::slotOf(std::uint64_t key) const {
    // The key's high bits pick the slot; the low bits already differ in the key itself.
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 20) & mask_;
    while (keys_[slot] != 0 && keys_[slot] != key) slot = (slot + 1) & mask_;
    return slot;
}

bool VisitedTable::contains(std::uint64_t key) const { return keys_[slotOf(Stored(key))] != 0; }

bool VisitedTable::grow() {
    // The old table lives on while the new one fills: both count.
    const std::size_t slots = keys_.size() * 2;
    if ((slots + keys_.size()) * entryBytes() > maxBytes_) return false;
    std::vector<std::uint64_t> oldKeys(slots, 0);
    std::vector<std::uint16_t> oldDepths(keepDepths_ ? slots : 0, 0);
    oldKeys.swap(keys_);
    oldDepths.swap(depths_);
    mask_ = slots - 1;
    for (std::size_t i = 0; i < oldKeys.size(); ++i) {
        if (oldKeys[i] == 0) continue;
        const std::size_t slot = slotOf(oldKeys[i]);
        keys_[slot] = oldKeys[i];
        if (keepDepths_) depths_[slot] = oldDepths[i];
    }
    return true;
}

VisitedTable::Outcome VisitedTable::insert(std::uint64_t key, int depth) {
    key = Stored(key);
    const auto d = static_cast<std::uint16_t>(std::clamp(depth, 0, 0xFFFF));
    std::size_t slot = slotOf(key);
    if (keys_[slot] == key) {
        if (!keepDepths_ || depths_[slot] <= d) return Outcome::Seen;
        depths_[slot] = d;
        return Outcome::New;
    }
    // Three quarters full: grow, or refuse once the cap allows no more.
    if ((used_ + 1) * 4 > keys_.size() * 3) {
        if (!grow()) return Outcome::Full;
        slot = slotOf(key);
    }
    keys_[slot] = key;
    if (keepDepths_) depths_[slot] = d;
    ++used_;
    return Outcome::New;
}

}  // namespace dravicor
