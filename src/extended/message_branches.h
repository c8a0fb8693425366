// MessageBranches: branches of the window procedure's case statement that
// several controls add to, written once after the last line, since a case
// label may stand only once.
#pragma once

#include <string>
#include <vector>

namespace vornic {

/// The branches in order of their first use; each gathers the lines of every
/// control that handles its messages.
class MessageBranches {
 public:
  /// Appends `lines` to the branch of `label` (e.g. "WM_DRAWITEM"), which the
  /// first call opens; `closing` of that first call ends the branch, after
  /// every control's lines (e.g. the default handling of messages no control
  /// claimed).
  void Add(const std::string& label, const std::string& lines, const std::string& closing = "");
  /// Every branch, for the section "windowprocmidle"; empty when none was opened.
  std::string Text() const;

 private:
  struct Branch {
    std::string label;
    std::string lines;
    std::string closing;
  };
  std::vector<Branch> branches_;  // few: a linear search finds one
};

}  // namespace vornic
