// MultiLineValues: what a generator object hears of its object's values that
// span lines: lists "( ... )", binary data "{ ... }" and collections
// "< item ... end ... end>", whose items' properties arrive as property lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "builder/line_words.h"
#include "lib/dictionary.h"

namespace vornic {

/// Follows one object's multi-line values. A generator hands it every
/// property and continuation line first; it tells the object's own
/// properties from those of collection items, so that an item's Width never
/// passes for the control's. Entries are kept as written and checked only
/// when a generator asks for them.
class MultiLineValues {
 public:
  /// What a property line is to the generator.
  enum class Owner {
    kObject,  // one of the object's own properties
    kItem,    // a property of item `item()` of collection `property()`
    kOpened,  // opened a multi-line value (or held an empty one)
  };

  /// Sorts a property line; a list, data or collection value it opens is
  /// read from the continuation lines that follow.
  Owner OnProperty(const LineWords& line);
  /// Reads a continuation line into the value being read; true when the
  /// line completed it (`property()` names it until the next value opens).
  bool OnContinuationLine(const LineWords& line);

  /// The property whose value is (or was last) being read.
  const std::string& property() const { return property_; }
  /// The index of the current collection item, from 0.
  int item() const { return items_ - 1; }
  /// True while a list of strings ("Lines.Strings", "Items.Strings") is
  /// being read: its lines are checked as entries before they arrive here.
  bool ReadsStrings() const;
  /// Hands over the entries of the list, each a string literal, and forgets
  /// them. Throws EConvertError for an entry that is none.
  TIDictonary TakeStringEntries();
  /// The entries of the list as integers; throws EConvertError for an entry
  /// that is none.
  std::vector<int32_t> IntegerEntries() const;
  /// The bytes of the data value; empty when a character is no hex digit or
  /// the digits are odd in number.
  std::string DataBytes() const;

 private:
  enum class Reading { kNothing, kList, kData, kCollection };

  void TakeListLine(const LineWords& line);

  Reading reading_ = Reading::kNothing;
  std::string property_;
  int items_ = 0;         // collection items begun
  bool in_item_ = false;  // between an "item" line and its end
  TIDictonary entries_;   // the list's entries as written, ")" removed
  std::string data_;      // the hex digits read so far
};

}  // namespace vornic
