// A base fixture for the control generator tests: feeds a few lines of form
// text to a builder the way the driver does and hands back what each
// section of the generated program gained.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/builder.h"
#include "output/program_text.h"

namespace vornic {

class ControlFixture : public ::testing::Test {
 protected:
  /// Splits `line` like the line parser does for the shapes of line these
  /// tests use and hands it to ProcessLine. A property value runs to the end
  /// of the line, so quoted values may hold blanks and doubled quotes.
  void Feed(const std::string& line) {
    const size_t indent = line.find_first_not_of(' ');
    const std::string text = line.substr(indent);
    std::string kind, word1, word2, word3;
    int word_count = 1;
    if (text.rfind("object ", 0) == 0) {
      const size_t colon = text.find(' ', 7);
      kind = "object";
      word1 = "object";
      object_name_ = word2 = text.substr(7, colon - 7);
      class_name_ = word3 = text.substr(colon + 1);
      word_count = 3;
      level_ = static_cast<int>(indent + 2) / 2;
    } else if (text == "end") {
      kind = word1 = "end";
      level_ = static_cast<int>(indent + 2) / 2;
    } else if (const size_t equals = text.find(" = "); equals != std::string::npos) {
      kind = "set";
      word1 = text.substr(0, equals);
      word2 = "=";
      word3 = text.substr(equals + 3);
      word_count = 3;
    } else {
      // An entry of a list; a second word after it makes a two-word line.
      const size_t blank = text.find(' ', text[0] == '\'' ? text.find('\'', 1) : 0);
      word1 = text.substr(0, blank);
      if (blank != std::string::npos) {
        word2 = text.substr(blank + 1);
        word_count = 2;
      }
    }
    builder_.ProcessLine(dpr_, class_name_, object_name_, kind, word1, word2, word3, level_,
                         static_cast<int>(indent), word_count);
  }

  void Feed(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) Feed(line);
  }

  /// Feeds the lines of a form text written with LF line ends.
  void FeedText(const std::string& text) {
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      Feed(text.substr(start, end - start));
    }
    if (start < text.size()) Feed(text.substr(start));
  }

  /// The text `section` gained since the fixture was set up.
  std::string Added(const std::string& section) const {
    static const TSDPR kFrame("Project1");
    return dpr_.Section(section).substr(kFrame.Section(section).size());
  }

  /// Feeds `lines` and returns what `section` gained.
  std::string Convert(const std::vector<std::string>& lines, const std::string& section) {
    Feed(lines);
    return Added(section);
  }

  static std::string Banner(const std::string& text) {
    return "  { " + text + " " + std::string(64 - text.size(), '=') + " }";
  }

  TSDPR dpr_{"Project1"};
  TBuilder builder_;

 private:
  std::string class_name_;
  std::string object_name_;
  int level_ = 0;
};

}  // namespace vornic
