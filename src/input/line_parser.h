// TILineParser: splits one line of form text into at most three words and
// classifies it as an object line, a property line, an end line or neither.
#pragma once

#include <string>

namespace vornic {

/// Splits form text lines for the builder. The per-line fields are rewritten
/// by every non-blank line; ClassName, ObjectName and Level keep describing
/// the most recent object (or end) line until the next one arrives.
class TILineParser {
 public:
  /// Splits `line` unless it is empty or only blanks, in which case nothing
  /// changes. Throws EConvertError for an object or end line with an odd
  /// indent. Always returns true.
  bool ParseLine(int line_number, const std::string& line);

  std::string ClassName;   // class of the most recent object line
  std::string ObjectName;  // its object word, colon included; empty when unnamed
  std::string Kind;        // "object", "set", "end" or empty
  std::string Line;
  int LineNumber = 0;  // as handed in; stored only
  int LineLength = 0;
  int Indent = 0;  // blanks before the first other character
  int Level = 0;   // (Indent + 2) / 2 of the most recent object or end line
  std::string Word1;
  std::string Word2;
  std::string Word3;
  int WordCount = 0;  // non-empty words among the three

 private:
  void SplitLine();
  void ComputeLevel();
  void ClassifyObjectLine(const std::string& rest);
};

}  // namespace vornic
