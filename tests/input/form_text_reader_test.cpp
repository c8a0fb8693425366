#include "input/form_text_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vornic {
namespace {

using NumberedLines = std::vector<std::pair<int, std::string>>;

NumberedLines ReadAll(const std::string& text) {
  std::istringstream input(text);
  FormTextReader reader(input);
  NumberedLines lines;
  std::string line;
  int number = 0;
  while (reader.ReadLine(line, number)) lines.emplace_back(number, line);
  return lines;
}

TEST(FormTextReaderTest, LinesEndAtCrLfLoneCrAndLoneLf) {
  EXPECT_EQ(ReadAll("a\r\nb\rc\nd"), (NumberedLines{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}}));
  EXPECT_EQ(ReadAll("a\r\r\nb\n\nc\r\n"),
            (NumberedLines{{1, "a"}, {2, ""}, {3, "b"}, {4, ""}, {5, "c"}}));
  EXPECT_EQ(ReadAll("\n"), (NumberedLines{{1, ""}}));
  EXPECT_EQ(ReadAll(""), NumberedLines{});
}

TEST(FormTextReaderTest, CrLfSplitAcrossBufferRefillIsOneLineEnd) {
  for (size_t length : {65535u, 65536u, 65537u, 200000u}) {
    std::string long_line(length, 'x');
    NumberedLines lines = ReadAll(long_line + "\r\nnext\r\n");
    ASSERT_EQ(lines.size(), 2u) << length;
    EXPECT_EQ(lines[0].second, long_line);
    EXPECT_EQ(lines[1], (std::pair<int, std::string>{2, "next"}));
  }
}

TEST(FormTextReaderTest, CharacterTwentySixEndsTheText) {
  EXPECT_EQ(ReadAll("a\r\nb\x1a\r\nc\r\n"), (NumberedLines{{1, "a"}, {2, "b"}}));
  EXPECT_EQ(ReadAll("a\r\n\x1a"), (NumberedLines{{1, "a"}}));
  EXPECT_EQ(ReadAll("\x1a" "a"), NumberedLines{});
}

TEST(FormTextReaderTest, ByteOrderMarkIsSkippedOnlyAtTheStart) {
  EXPECT_EQ(ReadAll("\xEF\xBB\xBFobject Form1: TForm1\r\nend"),
            (NumberedLines{{1, "object Form1: TForm1"}, {2, "end"}}));
  EXPECT_EQ(ReadAll("\xEF\xBB\xBF"), NumberedLines{});
  EXPECT_EQ(ReadAll("a\n\xEF\xBB\xBF" "b"), (NumberedLines{{1, "a"}, {2, "\xEF\xBB\xBF" "b"}}));
  EXPECT_EQ(ReadAll("\xEF\xBB" "a"), (NumberedLines{{1, "\xEF\xBB" "a"}}));
}

TEST(FormTextReaderTest, ValueAfterEqualsSignOnNextLineIsJoined) {
  EXPECT_EQ(ReadAll("  Caption = \r\n    'Hello'\r\n  Left = 8\r\n"),
            (NumberedLines{{1, "  Caption = 'Hello'"}, {3, "  Left = 8"}}));
  // Blank lines between the pieces are passed over and still counted.
  EXPECT_EQ(ReadAll("  Caption =\n\n   \n  'x'\nend\n"),
            (NumberedLines{{1, "  Caption = 'x'"}, {5, "end"}}));
  // With nothing left to join, the line stays as it is.
  EXPECT_EQ(ReadAll("  Caption =  \n\n"), (NumberedLines{{1, "  Caption =  "}}));
}

TEST(FormTextReaderTest, PiecesEndingInPlusAreMergedIntoOneString) {
  EXPECT_EQ(ReadAll("    Caption = \r\n"
                    "      'Note: 1 Kg force = 9.806 N      1 gra' +\r\n"
                    "      'm force'\r\n"
                    "    WordWrap = True\r\n"),
            (NumberedLines{{1, "    Caption = 'Note: 1 Kg force = 9.806 N      1 gram force'"},
                           {4, "    WordWrap = True"}}));
  EXPECT_EQ(ReadAll("  Caption = 'ab'#13 +\n  'cd'"),
            (NumberedLines{{1, "  Caption = 'ab'#13'cd'"}}));
  EXPECT_EQ(ReadAll("  Caption = 'ab' +\n  #39'cd'"),
            (NumberedLines{{1, "  Caption = 'ab'#39'cd'"}}));
  EXPECT_EQ(ReadAll("      'a' +  \n      'b' +\n      'c')\n"),
            (NumberedLines{{1, "      'abc')"}}));
  // Without a blank in front the "+" is part of the value.
  EXPECT_EQ(ReadAll("  Caption = a+\n  b\n"),
            (NumberedLines{{1, "  Caption = a+"}, {2, "  b"}}));
}

}  // namespace
}  // namespace vornic
