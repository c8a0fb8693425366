// TextRows: the rows of a registry, a fixed number of texts each, kept in one
// buffer, with an index that finds a row from its texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vornic {

/// Rows numbered from 1 in the order they were added. A registry of 200,000
/// pens holds every text once, in one string, and finds a row by a hash of
/// its texts in constant expected time: no text is copied into a key, and
/// no node is allocated per row.
class TextRows {
 public:
  /// Rows of `columns` texts each.
  explicit TextRows(size_t columns) : columns_(columns) {}

  /// Appends a row of as many texts as there are columns; returns its number.
  int Add(std::initializer_list<std::string_view> row);
  /// The number of the first row whose texts equal `row` one by one, 0 when
  /// there is none. The index is built at the first search and kept from
  /// then on, so a table that is never searched does without one.
  int Find(std::initializer_list<std::string_view> row) const;
  /// The text in `column` (from 0) of row `row`. REQUIRES: 1 <= row <= size().
  std::string_view At(int row, size_t column) const;
  /// The number of rows.
  int size() const { return rows_; }

 private:
  static uint32_t HashOf(std::initializer_list<std::string_view> row);
  uint32_t HashOfRow(int row) const;
  bool RowEquals(int row, std::initializer_list<std::string_view> texts) const;
  /// Enters `row` into slots_, which has a free slot.
  void Index(int row) const;
  /// Makes slots_ large enough for one more row, entering every row anew.
  void GrowIndex() const;

  size_t columns_;
  int rows_ = 0;
  std::string text_;          // every text of every row, one after the other
  std::vector<size_t> ends_;  // where each text ends in text_, row after row
  // A slot of the index: a row number, 0 for a free slot, beside the row's
  // hash, so that a probe settles most rows without reaching into the rows'
  // tables, which for a large registry lie outside the processor's caches.
  struct Slot {
    uint32_t row;
    uint32_t hash;
  };
  // The index, empty until the first search. hashes_[row - 1] is the hash of
  // that row's texts, kept to enter the rows anew when the index grows.
  // slots_ is by open addressing with linear probing; its size is a power of
  // two, at most half of it in use.
  mutable std::vector<uint32_t> hashes_;
  mutable std::vector<Slot> slots_;
};

}  // namespace vornic
