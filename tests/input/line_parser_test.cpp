#include "input/line_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "lib/errors.h"

namespace vornic {
namespace {

class LineParserTest : public ::testing::Test {
 protected:
  // Splits one line and returns the parser for inspection.
  const TILineParser& Split(const std::string& line, int line_number = 1) {
    parser_.ParseLine(line_number, line);
    return parser_;
  }

  void ExpectWords(const std::string& line, const std::string& w1, const std::string& w2,
                   const std::string& w3, const std::string& kind) {
    Split(line);
    EXPECT_EQ(parser_.Word1, w1) << line;
    EXPECT_EQ(parser_.Word2, w2) << line;
    EXPECT_EQ(parser_.Word3, w3) << line;
    EXPECT_EQ(parser_.Kind, kind) << line;
    int count = !w1.empty() + !w2.empty() + !w3.empty();
    EXPECT_EQ(parser_.WordCount, count) << line;
  }

  TILineParser parser_;
};

TEST_F(LineParserTest, ShapesOfFormText) {
  ExpectWords("object Form1: TForm1", "object", "Form1:", "TForm1", "object");
  EXPECT_EQ(parser_.ClassName, "TForm1");
  EXPECT_EQ(parser_.ObjectName, "Form1:");
  EXPECT_EQ(parser_.Level, 1);
  ExpectWords("  Caption = 'Hello world'", "Caption", "=", "'Hello world'", "set");
  EXPECT_EQ(parser_.Indent, 2);
  ExpectWords("  Font.Style = [fsBold, fsItalic]", "Font.Style", "=", "[fsBold, fsItalic]", "set");
  ExpectWords("    Items.Strings = (", "Items.Strings", "=", "(", "set");
  ExpectWords("      'first item'", "'first item'", "", "", "");
  ExpectWords("      'last item')", "'last item')", "", "", "");
  ExpectWords("  Caption =", "Caption", "=", "", "");
  ExpectWords("  end", "end", "", "", "end");
  EXPECT_EQ(parser_.Level, 2);
  // The object line's fields persist through all of the above.
  EXPECT_EQ(parser_.ClassName, "TForm1");
  EXPECT_EQ(parser_.ObjectName, "Form1:");
}

TEST_F(LineParserTest, StoresTheLineItsNumberAndLength) {
  Split("  Left = 8", 17);
  EXPECT_EQ(parser_.Line, "  Left = 8");
  EXPECT_EQ(parser_.LineNumber, 17);
  EXPECT_EQ(parser_.LineLength, 10);
}

TEST_F(LineParserTest, BlankLineChangesNothing) {
  Split("    Caption = 'x'", 4);
  for (const char* blank : {"", "      "}) {
    Split(blank, 5);
    EXPECT_EQ(parser_.Kind, "set");
    EXPECT_EQ(parser_.Word1, "Caption");
    EXPECT_EQ(parser_.Word3, "'x'");
    EXPECT_EQ(parser_.WordCount, 3);
    EXPECT_EQ(parser_.Indent, 4);
    EXPECT_EQ(parser_.LineNumber, 4);
    EXPECT_EQ(parser_.Line, "    Caption = 'x'");
  }
}

TEST_F(LineParserTest, ObjectLevelsAndPersistence) {
  Split("    object Button1: TButton");
  EXPECT_EQ(parser_.Level, 3);
  EXPECT_EQ(parser_.ClassName, "TButton");
  EXPECT_EQ(parser_.ObjectName, "Button1:");
  Split("    end");
  EXPECT_EQ(parser_.Level, 3);
  Split("    Left = 4");
  EXPECT_EQ(parser_.Kind, "set");
  EXPECT_EQ(parser_.ClassName, "TButton");
  EXPECT_EQ(parser_.Level, 3);
}

TEST_F(LineParserTest, OddIndentFailsOnlyOnObjectAndEndLines) {
  EXPECT_THROW(Split("   object Button1: TButton"), EConvertError);
  EXPECT_THROW(Split(" end"), EConvertError);
  EXPECT_THROW(Split("   inherited Button1: TButton"), EConvertError);
  EXPECT_THROW(Split("   object TMemo"), EConvertError);
  EXPECT_NO_THROW(Split("   Left = 3"));
  EXPECT_EQ(parser_.Indent, 3);
  EXPECT_EQ(parser_.Kind, "set");
}

TEST_F(LineParserTest, OnlyBlanksSeparateWords) {
  ExpectWords("\tCaption\t= x", "\tCaption\t=", "x", "", "");
  EXPECT_EQ(parser_.Indent, 0);
  ExpectWords("Left   =    12   rest", "Left", "=", "12", "set");
}

TEST_F(LineParserTest, QuotedValuesKeepBlanksAndQuotes) {
  ExpectWords("  Caption = 'Save as...'", "Caption", "=", "'Save as...'", "set");
  ExpectWords("  Caption = ''", "Caption", "=", "''", "set");
  // A string without its closing quote runs to the end of the line.
  ExpectWords("  Caption = 'open end  ", "Caption", "=", "'open end  ", "set");
  ExpectWords("  'open item", "'open item", "", "", "");
  // A set without its closing bracket likewise.
  ExpectWords("  Font.Style = [fsBold, ", "Font.Style", "=", "[fsBold, ", "set");
}

TEST_F(LineParserTest, DoubledQuoteDoesNotEndTheString) {
  ExpectWords("  Caption = 'it''s'", "Caption", "=", "'it''s'", "set");
  ExpectWords("  Caption = ''''", "Caption", "=", "''''", "set");
  ExpectWords("      'it''s')", "'it''s')", "", "", "");
  ExpectWords("      'don''t stop' x", "'don''t stop'", "x", "", "");
}

TEST_F(LineParserTest, StringExpressionWithCodesIsOneWord) {
  ExpectWords("  Caption = 'a'#13#10'b'", "Caption", "=", "'a'#13#10'b'", "set");
  ExpectWords("  Caption = #39'quoted'#39", "Caption", "=", "#39'quoted'#39", "set");
  ExpectWords("  Caption = #$0416#$0436'x'", "Caption", "=", "#$0416#$0436'x'", "set");
  ExpectWords("  Caption = 'a'#$d 'b'", "Caption", "=", "'a'#$d", "set");
  ExpectWords("  Caption = 'ab'#", "Caption", "=", "'ab'#", "set");
  ExpectWords("  Caption = 'a' 'b'", "Caption", "=", "'a'", "set");
  ExpectWords("      #9'tabbed')", "#9'tabbed')", "", "", "");
  ExpectWords("      'x'#13)", "'x'#13)", "", "", "");
  // Only one character behind the string belongs to the first word.
  ExpectWords("      'x'),y", "'x')", ",y", "", "");
}

TEST_F(LineParserTest, InheritedAndInlineHeadersAreObjectLines) {
  ExpectWords("inherited Form1: TForm1", "inherited", "Form1:", "TForm1", "object");
  EXPECT_EQ(parser_.ClassName, "TForm1");
  EXPECT_EQ(parser_.Level, 1);
  ExpectWords("  inline Frame21: TFrame2", "inline", "Frame21:", "TFrame2", "object");
  EXPECT_EQ(parser_.ObjectName, "Frame21:");
  EXPECT_EQ(parser_.Level, 2);
  ExpectWords("  object Memo1: TMemo [2]", "object", "Memo1:", "TMemo", "object");
  EXPECT_EQ(parser_.ObjectName, "Memo1:");
  // Only the exact words open an object.
  ExpectWords("  Object Memo1: TMemo", "Object", "Memo1:", "TMemo", "set");
}

TEST_F(LineParserTest, UnnamedObjectTakesItsClassFromTheSecondWord) {
  Split("object Form1: TForm1");
  ExpectWords("  object TMemo", "object", "TMemo", "", "object");
  EXPECT_EQ(parser_.ClassName, "TMemo");
  EXPECT_EQ(parser_.ObjectName, "");
  EXPECT_EQ(parser_.Level, 2);
  ExpectWords("    inherited TLabel [3]", "inherited", "TLabel", "[3]", "object");
  EXPECT_EQ(parser_.ClassName, "TLabel");
  EXPECT_EQ(parser_.ObjectName, "");
  EXPECT_EQ(parser_.Level, 3);
}

TEST_F(LineParserTest, AcceptsLinesOfAnyLength) {
  std::string value = "'" + std::string(100000, 'x') + "'";
  ExpectWords("  Caption = " + value, "Caption", "=", value, "set");
  EXPECT_EQ(parser_.LineLength, 100014);
}

}  // namespace
}  // namespace vornic
