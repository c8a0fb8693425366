// LevelSums: the positions of the open containers added up per nesting level,
// so the offset of a control is found without visiting every open object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vornic {

/// What one open container adds to the controls it encloses.
struct LevelShare {
  uint32_t Left = 0;  // sums wrap like 32-bit integers
  uint32_t Top = 0;
  int32_t Unreadable = 0;  // positions that are not integers
};

/// Sums of LevelShare per level, with the sum over all levels below a given
/// one in logarithmic time. Levels are kept as the distinct values seen, in
/// order; a new value costs time linear in their number, and a form needs a
/// longer indentation for every new level, so that stays within its size.
class LevelSums {
 public:
  /// Adds `share` to the sum of `level`.
  void Add(int32_t level, const LevelShare& share);
  /// Takes `share` back from the sum of `level`. REQUIRES: it was added there.
  void Remove(int32_t level, const LevelShare& share);
  /// The sum of the shares of every level below `level`.
  LevelShare Below(int32_t level) const;

 private:
  /// The position of `level` in levels_, inserting it when new.
  size_t RankOf(int32_t level);
  /// Adds `share` at `rank` to totals_ and tree_.
  void Update(size_t rank, const LevelShare& share);

  std::vector<int32_t> levels_;     // distinct levels seen, ascending
  std::vector<LevelShare> totals_;  // totals_[i]: the sum of levels_[i]
  std::vector<LevelShare> tree_;    // Fenwick tree over totals_, 1-based (tree_[0] unused)
};

}  // namespace vornic
