#include "input/form_text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vornic {
namespace {

using NumberedLines = std::vector<std::pair<int, std::string>>;

class Collector : public FormTextLines::Receiver {
 public:
  void OnLine(std::string_view line, int line_number) override {
    lines.emplace_back(line_number, std::string(line));
  }
  NumberedLines lines;
};

// The lines of `text` handed over in pieces of `piece` bytes.
NumberedLines LinesInPieces(const std::string& text, size_t piece) {
  Collector collector;
  FormTextLines lines(collector);
  for (size_t at = 0; at < text.size(); at += piece) {
    lines.Add(std::string_view(text).substr(at, piece));
  }
  lines.Finish();
  return collector.lines;
}

// The lines of `text`, which must be the same whether the text comes whole,
// byte by byte or in pieces of three bytes.
NumberedLines ReadAll(const std::string& text) {
  NumberedLines whole = LinesInPieces(text, text.size() + 1);
  EXPECT_EQ(LinesInPieces(text, 1), whole) << text;
  EXPECT_EQ(LinesInPieces(text, 3), whole) << text;
  return whole;
}

TEST(FormTextLinesTest, LinesEndAtCrLfLoneCrAndLoneLf) {
  EXPECT_EQ(ReadAll("a\r\nb\rc\nd"), (NumberedLines{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}}));
  EXPECT_EQ(ReadAll("a\r\r\nb\n\nc\r\n"),
            (NumberedLines{{1, "a"}, {2, ""}, {3, "b"}, {4, ""}, {5, "c"}}));
  EXPECT_EQ(ReadAll("\n"), (NumberedLines{{1, ""}}));
  EXPECT_EQ(ReadAll("a\r"), (NumberedLines{{1, "a"}}));
  EXPECT_EQ(ReadAll(""), NumberedLines{});
  // Other control characters are part of the line.
  EXPECT_EQ(ReadAll("a\tb\x01\x1F\r\n"), (NumberedLines{{1, "a\tb\x01\x1F"}}));
}

TEST(FormTextLinesTest, CrLfSplitBetweenPiecesIsOneLineEnd) {
  for (size_t length : {65535u, 65536u, 65537u, 200000u}) {
    std::string long_line(length, 'x');
    const std::string text = long_line + "\r\nnext\r\n";
    for (size_t piece : {length, length + 1, size_t{4096}}) {
      NumberedLines lines = LinesInPieces(text, piece);
      ASSERT_EQ(lines.size(), 2u) << length << " " << piece;
      EXPECT_TRUE(lines[0].second == long_line);
      EXPECT_EQ(lines[1], (std::pair<int, std::string>{2, "next"}));
    }
  }
}

TEST(FormTextLinesTest, CharacterTwentySixEndsTheText) {
  const std::string end_of_text(1, 26);
  EXPECT_EQ(ReadAll("a\r\nb" + end_of_text + "\r\nc\r\n"), (NumberedLines{{1, "a"}, {2, "b"}}));
  EXPECT_EQ(ReadAll("a\r\n" + end_of_text), (NumberedLines{{1, "a"}}));
  EXPECT_EQ(ReadAll(end_of_text + "a"), NumberedLines{});
  // A continued value ends there too, as it stands.
  EXPECT_EQ(ReadAll("  Caption =\r\n" + end_of_text + "'x'\r\n"),
            (NumberedLines{{1, "  Caption ="}}));
}

TEST(FormTextLinesTest, ByteOrderMarkIsSkippedOnlyAtTheStart) {
  const std::string mark = "\xEF\xBB\xBF";
  EXPECT_EQ(ReadAll(mark + "object Form1: TForm1\r\nend"),
            (NumberedLines{{1, "object Form1: TForm1"}, {2, "end"}}));
  EXPECT_EQ(ReadAll(mark), NumberedLines{});
  EXPECT_EQ(ReadAll(mark + "\r\n"), (NumberedLines{{1, ""}}));
  EXPECT_EQ(ReadAll(mark + mark), (NumberedLines{{1, mark}}));
  EXPECT_EQ(ReadAll("a\n" + mark + "b"), (NumberedLines{{1, "a"}, {2, mark + "b"}}));
  EXPECT_EQ(ReadAll(mark.substr(0, 2) + "a"), (NumberedLines{{1, mark.substr(0, 2) + "a"}}));
}

TEST(FormTextLinesTest, ValueAfterEqualsSignOnNextLineIsJoined) {
  EXPECT_EQ(ReadAll("  Caption = \r\n    'Hello'\r\n  Left = 8\r\n"),
            (NumberedLines{{1, "  Caption = 'Hello'"}, {3, "  Left = 8"}}));
  // Blank lines between the pieces are passed over and still counted.
  EXPECT_EQ(ReadAll("  Caption =\n\n   \n  'x'\nend\n"),
            (NumberedLines{{1, "  Caption = 'x'"}, {5, "end"}}));
  // With nothing left to join, the line stays as it is.
  EXPECT_EQ(ReadAll("  Caption =  \n\n"), (NumberedLines{{1, "  Caption =  "}}));
}

TEST(FormTextLinesTest, PiecesEndingInPlusAreMergedIntoOneString) {
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
  EXPECT_EQ(ReadAll("  Caption = a+\n  b\n"), (NumberedLines{{1, "  Caption = a+"}, {2, "  b"}}));
  // Blanks inside the quotes stay; a joined value ending in blanks is not
  // continued by them and keeps them.
  EXPECT_EQ(ReadAll("x = 'a  ' +\n '   ' +\n 'b'\n"), (NumberedLines{{1, "x = 'a     b'"}}));
  EXPECT_EQ(ReadAll("x = 'a' +\n'   \ny = 1\n"), (NumberedLines{{1, "x = 'a   "}, {3, "y = 1"}}));
}

TEST(FormTextLinesTest, ValueOfManyPiecesIsJoinedWhole) {
  // Enough pieces to cross many pieces of input.
  constexpr int kPieces = 20000;
  std::string text = "  Caption =\r\n";
  for (int i = 0; i < kPieces; ++i) text += "    'ab' +\r\n";
  text += "    'c'\r\n  Left = 8\r\n";
  std::string joined = "  Caption = '";
  for (int i = 0; i < kPieces; ++i) joined += "ab";
  joined += "c'";
  NumberedLines lines = LinesInPieces(text, 4096);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].first, 1);
  EXPECT_EQ(lines[1], (std::pair<int, std::string>{kPieces + 3, "  Left = 8"}));
  EXPECT_TRUE(lines[0].second == joined);  // no dump of a 40,000-character line
}

}  // namespace
}  // namespace vornic
