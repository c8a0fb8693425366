// TIDictonary: the append-only list of texts that every registry and item
// store keeps its columns in.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace vornic {

/// An ordered list of texts indexed from 1 to HighIndex(); index 0 always
/// reads as the empty text. Registries keep one dictionary per column, and
/// equal indexes across their dictionaries form one row.
class TIDictonary {
 public:
  /// The text at `index`; throws ERangeError outside 0..HighIndex().
  const std::string& GetItem(int index) const;
  /// The highest index in use; 0 when nothing was added since the last Clear.
  int HighIndex() const { return static_cast<int>(entries_.size()) - 1; }
  /// Whether any entry, entry 0 (the empty text) included, equals `text`;
  /// constant expected time.
  bool Contains(const std::string& text) const;
  /// Appends `text`, unless Unique is set and the text is already present.
  void Add(const std::string& text);
  /// Drops every entry above 0; Unique keeps its value.
  void Clear();

  bool Unique = false;  // skip texts already present when adding

 private:
  std::vector<std::string> entries_{std::string()};  // entries_[0] is always ""
  // The distinct entries, built at the first search and kept up to date from
  // then on: most dictionaries (bitmap data, list entries) are never searched
  // and should not hold their texts twice.
  mutable std::unordered_set<std::string> index_;
  mutable bool indexed_ = false;
};

}  // namespace vornic
