// The gathered branches of the window procedure.
#include "extended/message_branches.h"

namespace vornic {

void MessageBranches::Add(const std::string& label, const std::string& lines,
                          const std::string& closing) {
  for (Branch& branch : branches_) {
    if (branch.label == label) {
      branch.lines += lines;
      return;
    }
  }
  branches_.push_back(Branch{label, lines, closing});
}

std::string MessageBranches::Text() const {
  std::string text;
  for (const Branch& branch : branches_) {
    text += "\r\n    " + branch.label + ": begin" + branch.lines + branch.closing + "\r\n    end;";
  }
  return text;
}

}  // namespace vornic
