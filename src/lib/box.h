// Box: where a control stands in the main window's client area and how large
// it is, as the program writes the four numbers.
#pragma once

#include <string>

namespace vornic {

/// Each value is an integer as the program writes it: as the form writes it
/// for a control on the form itself, as a sum for one inside containers.
struct Box {
  std::string left;
  std::string top;
  std::string width;
  std::string height;

  /// True when all four values are given: a control without them is not written.
  bool complete() const {
    return !left.empty() && !top.empty() && !width.empty() && !height.empty();
  }
};

}  // namespace vornic
