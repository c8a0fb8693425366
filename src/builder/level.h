// TILevel: the stack of open objects with their own Left and Top, so nested
// controls can be placed in the main window's coordinates.
#pragma once

#include <cstdint>
#include <deque>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "builder/level_sums.h"

namespace vornic {

/// One open object: its nesting level and its position in its parent.
struct TLevel {
  std::string Level;      // nesting level as decimal text, "1" for the form
  std::string Left;       // "0" until the object's Left line
  std::string Top;        // "0" until the object's Top line
  std::string ClassName;  // upper case
  bool IsRoot = false;    // the main window: never an enclosing container
};

/// Entries are oldest first and hold the objects whose "end" has not come yet.
/// Every operation takes constant or logarithmic time, however many objects a
/// form leaves open.
class TILevel {
 public:
  /// Appends an entry.
  void AddLevel(const std::string& level, const std::string& left, const std::string& top,
                const std::string& class_name, bool is_root = false);
  /// Removes the oldest entry of `level`; nothing happens when none matches.
  void RemoveLevel(const std::string& level);
  /// Sets Left of the newest entry of `level`.
  void SetLeft(const std::string& level, const std::string& value);
  /// Sets Top of the newest entry of `level`.
  void SetTop(const std::string& level, const std::string& value);
  /// Adds the positions of the enclosing containers (entries of a lower level,
  /// not the main window) to `left` and `top`; throws EConvertError on a
  /// position that is not an integer.
  void GetOffset(const std::string& level, std::string& left, std::string& top) const;

  /// A copy of the entries, oldest first.
  std::vector<TLevel> entries() const;

 private:
  struct Entry {
    TLevel Fields;
    bool Encloses = false;          // neither the root nor a TFORM1: its position counts
    std::optional<int32_t> Number;  // the level as a number; none when it is no integer
  };
  using EntryList = std::list<Entry>;

  /// What `entry` adds to the offsets of the levels above it.
  static LevelShare ShareOf(const Entry& entry);
  /// Sets Left (or Top, when `top`) of the newest entry of `level`, keeping
  /// the sums in step.
  void SetPosition(const std::string& level, const std::string& value, bool top);
  /// GetOffset's sum visiting every entry: it raises the error for an
  /// entry whose level or position is not an integer, in the order of the
  /// entries.
  void SumByVisiting(int32_t own_level, int32_t& x, int32_t& y) const;

  EntryList Entries;
  // Each level text's entries, oldest first.
  std::unordered_map<std::string, std::deque<EntryList::iterator>> ByLevel;
  LevelSums Sums;           // the shares of the enclosing entries with a numeric level
  int UnnumberedCount = 0;  // enclosing entries whose level is no integer
};

}  // namespace vornic
