// RowIndex: finds the row of a registry from the texts of its key columns, so
// that registering the thousandth font costs no more than the first.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vornic {

/// Maps the key texts of each registered row to its row number. The registry
/// keeps its columns as they are; this index only answers which row holds a key.
class RowIndex {
 public:
  /// The row recorded for `key`, or 0 when there is none; constant expected time.
  int Find(std::initializer_list<std::string_view> key) const;
  /// Records `row` for `key`. REQUIRES: Find(key) == 0.
  void Insert(std::initializer_list<std::string_view> key, int row);

 private:
  /// One text for the whole key; each column is prefixed by its length, so
  /// ("ab", "c") and ("a", "bc") stay apart whatever bytes the texts hold.
  static std::string Joined(std::initializer_list<std::string_view> key);

  std::unordered_map<std::string, int> rows_;
};

}  // namespace vornic
