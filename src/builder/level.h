// TILevel: the stack of open objects with their own Left and Top, so nested
// controls can be placed in the main window's coordinates.
#pragma once

#include <string>
#include <vector>

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

  const std::vector<TLevel>& entries() const { return Entries; }

 private:
  std::vector<TLevel> Entries;
};

}  // namespace vornic
