// A base fixture for the control generator tests: feeds a few lines of form
// text through the line parser to a builder, the way the driver does, and
// hands back what each section of the generated program gained.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/builder.h"
#include "input/line_parser.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

class ControlFixture : public ::testing::Test {
 protected:
  /// Hands `line` to the line parser and its outputs to ProcessLine, as the
  /// driver does; a blank line is skipped, as the driver skips it.
  void Feed(const std::string& line) {
    if (IsBlankText(line)) return;
    parser_.ParseLine(++line_number_, line);
    builder_.ProcessLine(dpr_, parser_.ClassName, parser_.ObjectName, parser_.Kind, parser_.Word1,
                         parser_.Word2, parser_.Word3, parser_.Level, parser_.Indent,
                         parser_.WordCount);
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
  TILineParser parser_;
  int line_number_ = 0;
};

}  // namespace vornic
