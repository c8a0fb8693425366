// Per-level sums of container positions as a Fenwick tree over the distinct
// levels, rebuilt whenever a level appears for the first time.
#include "builder/level_sums.h"

#include <algorithm>

namespace vornic {

namespace {

void AddTo(LevelShare& sum, const LevelShare& share) {
  sum.Left += share.Left;
  sum.Top += share.Top;
  sum.Unreadable += share.Unreadable;
}

LevelShare Negated(const LevelShare& share) {
  return LevelShare{0u - share.Left, 0u - share.Top, -share.Unreadable};
}

}  // namespace

void LevelSums::Add(int32_t level, const LevelShare& share) { Update(RankOf(level), share); }

void LevelSums::Remove(int32_t level, const LevelShare& share) {
  Update(RankOf(level), Negated(share));
}

LevelShare LevelSums::Below(int32_t level) const {
  size_t i = static_cast<size_t>(std::lower_bound(levels_.begin(), levels_.end(), level) -
                                 levels_.begin());
  LevelShare sum;
  for (; i > 0; i &= i - 1) AddTo(sum, tree_[i]);
  return sum;
}

size_t LevelSums::RankOf(int32_t level) {
  const auto at = std::lower_bound(levels_.begin(), levels_.end(), level);
  const size_t rank = static_cast<size_t>(at - levels_.begin());
  if (at != levels_.end() && *at == level) return rank;
  levels_.insert(at, level);
  totals_.insert(totals_.begin() + static_cast<std::ptrdiff_t>(rank), LevelShare());
  // Every node above the new level covers other levels now: build anew.
  tree_.assign(1, LevelShare());
  tree_.insert(tree_.end(), totals_.begin(), totals_.end());
  for (size_t i = 1; i < tree_.size(); ++i) {
    const size_t parent = i + (i & (~i + 1));
    if (parent < tree_.size()) AddTo(tree_[parent], tree_[i]);
  }
  return rank;
}

void LevelSums::Update(size_t rank, const LevelShare& share) {
  AddTo(totals_[rank], share);
  for (size_t i = rank + 1; i < tree_.size(); i += i & (~i + 1)) AddTo(tree_[i], share);
}

}  // namespace vornic
