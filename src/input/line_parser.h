// TILineParser: splits one line of form text into at most three words and
// classifies it as an object line, a property line, an end line or neither.
#pragma once

#include <string>
#include <string_view>

#include "input/line_words.h"

namespace vornic {

/// Splits form text lines for the builder. The words it inherits are the
/// line as the builder takes it, so the parser itself is handed on. The
/// per-line fields are rewritten by every non-blank line; ClassName,
/// ObjectName and Level keep describing the most recent object (or end)
/// line until the next one arrives. Kind is "object", "set", "end" or
/// empty; ObjectName keeps its colon and is empty for an unnamed object;
/// Indent counts the blanks before the first other character; Level is
/// (Indent + 2) / 2; WordCount counts the non-empty words among the three.
class TILineParser : public LineWords {
 public:
  /// Splits `line` unless it is empty or only blanks, in which case nothing
  /// changes. Throws EConvertError for an object or end line with an odd
  /// indent. Always returns true.
  bool ParseLine(int line_number, std::string_view line);

  std::string Line;
  int LineNumber = 0;  // as handed in; stored only
  int LineLength = 0;

 private:
  void SplitLine();
  void ComputeLevel();
  void ClassifyObjectLine(std::string_view rest);
};

/// True for the root object's end: an unindented line whose first word is
/// "end" in any case, perhaps with a closing bracket behind it. Nothing
/// behind it is read, by the conversion of the form either, so program and
/// converted file hold the same form.
bool EndsRootObject(const LineWords& line);

}  // namespace vornic
