// BitmapData: the hexadecimal data lines of one image or bit button, kept as
// one text, the way the resource script reads them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vornic {

/// The data lines in form-text order, joined without separators. Only the
/// first and the last line are ever told apart from the others (the first
/// holds what precedes the bitmap file, the last the closing brace), so only
/// their bounds are kept: a bitmap of thousands of lines is one allocation,
/// reused from object to object.
class BitmapData {
 public:
  /// Appends one data line as form text writes it, brace included.
  void Add(std::string_view line);
  /// The number of lines added since the last Clear.
  int LineCount() const { return line_count_; }
  /// The first line, empty when there is none.
  std::string_view FirstLine() const;
  /// The last line, empty when there is none.
  std::string_view LastLine() const;
  /// Every line, one after the other.
  std::string_view Text() const { return text_; }
  /// Drops every line; the storage is kept for the next object.
  void Clear();
  /// The data the script holds: the lines joined, less the first `skip`
  /// characters of the first line (all of it for a negative `skip`) and
  /// whatever follows a NUL in that line, and less every "}" of the last
  /// line. Either a view of the lines or of `scratch`, which it may fill;
  /// valid until the next change of either.
  std::string_view Joined(int skip, std::string& scratch) const;

 private:
  std::string text_;       // every line, one after the other
  size_t first_end_ = 0;   // where the first line ends in text_
  size_t last_start_ = 0;  // where the last line begins in text_
  int line_count_ = 0;
};

}  // namespace vornic
