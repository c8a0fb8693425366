// ProgressBar: one line on a terminal that shows how many forms of a long
// run are done, redrawn in place and cleared before any other line.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace vornic {

/// The bar's text for `done` of `total`: "[#####.....] 41/83 forms", at
/// most 79 columns.
std::string ProgressText(size_t done, size_t total);

/// Draws on `terminal` only when `enabled` (standard output is a terminal)
/// and only once the run has lasted a second: a short run shows no bar.
/// The terminal is borrowed and must outlive the bar.
class ProgressBar {
 public:
  ProgressBar(std::ostream& terminal, bool enabled);
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  /// Draws the bar for `done` of `total` in place of the last one.
  void Show(size_t done, size_t total);
  /// Removes the bar, so that the next line starts on an empty line.
  void Clear();

 private:
  std::ostream& terminal_;
  const bool enabled_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  size_t shown_ = 0;  // columns of the bar on the screen; 0 when none is
};

}  // namespace vornic
