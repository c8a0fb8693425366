// TextList: the entries of a list value, kept in one buffer, so that a form
// of a million list entries costs about its own size and not an allocation
// per entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vornic {

/// Texts numbered from 0 in the order they were added.
class TextList {
 public:
  /// Appends `text`.
  void Add(std::string_view text);
  /// Entry `index`. REQUIRES: index < size().
  std::string_view operator[](size_t index) const;
  size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }

 private:
  std::string text_;            // every entry, one after the other
  std::vector<uint64_t> ends_;  // where each entry ends in text_
};

}  // namespace vornic
