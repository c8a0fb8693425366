// TIDictonary: the append-only list of texts that every item store keeps its
// entries in, all of them in one buffer.
#pragma once

#include <string_view>

#include "lib/text_rows.h"

namespace vornic {

/// An ordered list of texts indexed from 1 to HighIndex(); index 0 always
/// reads as the empty text. The texts lie one after the other in one
/// buffer, so a list of a million entries costs their bytes and an offset
/// each, not a string object each.
class TIDictonary {
 public:
  /// The text at `index`, valid until the next Add or Clear; throws
  /// ERangeError outside 0..HighIndex().
  std::string_view GetItem(int index) const;
  /// The highest index in use; 0 when nothing was added since the last Clear.
  int HighIndex() const { return entries_.size(); }
  /// Whether any entry, entry 0 (the empty text) included, equals `text`;
  /// constant expected time.
  bool Contains(std::string_view text) const;
  /// Appends `text`, unless Unique is set and the text is already present.
  void Add(std::string_view text);
  /// Drops every entry above 0; Unique keeps its value.
  void Clear();

  bool Unique = false;  // skip texts already present when adding

 private:
  // Entry i is row i. Its index is built at the first search only: most
  // dictionaries (bitmap data, list entries) are never searched.
  TextRows entries_{1};
};

}  // namespace vornic
