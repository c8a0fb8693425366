#include "builder/value_checks.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "builder/builder.h"
#include "driver/translation.h"
#include "lib/errors.h"
#include "output/program_text.h"

namespace vornic {
namespace {

TEST(ValueKindTest, IdentifiersStartWithALetterUnderscoreOrHighByte) {
  for (const char* good : {"Button1", "_x", "a_1", "\xC4nderung", "Z"}) {
    EXPECT_TRUE(IsIdentifier(good)) << good;
  }
  for (const char* bad : {"", "1a", "A);Halt;X(", "a b", "a-b", "a:", "a.b"}) {
    EXPECT_FALSE(IsIdentifier(bad)) << bad;
  }
}

TEST(ValueKindTest, StringLiteralsAreQuotedRunsAndCharacterCodesOnly) {
  for (const char* good : {"''", "'OK'", "'it''s'", "''''", "#13#10", "'a'#13#10'b'", "#65",
                           "'x);Halt;('", "#65535", "#0000065", "#$FFFF", "#$0416#$0436'x'",
                           "'a'#$d#$0A'b'", "#$00000041"}) {
    EXPECT_TRUE(IsStringLiteral(good)) << good;
  }
  for (const char* bad : {"", "OK", "'OK", "'it''s", "'a'b", "#", "#x", "'a'#", "'a' ", "'a'+'b'",
                          "'a')", "#65536", "#99999999999'x'", "#$", "#$'x'",
                          "#$10000", "#$FFFFFFFFFFFF", "#$x"}) {
    EXPECT_FALSE(IsStringLiteral(bad)) << bad;
  }
}

// A form with a button; `button_lines` go inside the button, `form_lines`
// between the form's own values and the button.
std::string FormWith(const std::string& form_lines, const std::string& button_lines,
                     const std::string& button_header = "  object Button1: TButton\r\n") {
  return "object Form1: TForm1\r\n"
         "  Left = 192\r\n"
         "  Caption = 'Form1'\r\n" +
         form_lines + button_header +
         "    Left = 8\r\n"
         "    Top = 8\r\n"
         "    Width = 75\r\n"
         "    Height = 25\r\n" +
         button_lines + "  end\r\nend\r\n";
}

class ValueChecksTest : public ::testing::Test {
 protected:
  // The error report of translating `text`, or the empty text when it passes.
  std::string ErrorOf(const std::string& text) {
    std::istringstream input(text);
    TSDPR dpr("form");
    TBuilder builder("form");
    try {
      TranslateFormText(input, "form.txt", dpr, builder);
    } catch (const EParserError& failure) {
      EXPECT_TRUE(dpr.ComposedText.empty());
      return failure.what();
    }
    return "";
  }
};

TEST_F(ValueChecksTest, ObjectNamesMustBeIdentifiers) {
  EXPECT_EQ(ErrorOf(FormWith("", "", "  object A);Halt;X(: TButton\r\n")),
            "[Error] form.txt(4):   object A);Halt;X(: TButton");
  EXPECT_EQ(ErrorOf(FormWith("", "", "  object : TButton\r\n")),
            "[Error] form.txt(4):   object : TButton");
  // Only the names that become variables are checked: not the root's, not
  // those of classes that produce no code.
  EXPECT_EQ(
      ErrorOf("object My-Form: TForm1\r\n  object X(: TPanel\r\n"
              "    object Label1: TLabel\r\n      Caption = 'a'\r\n    end\r\n  end\r\nend\r\n"),
      "");
  EXPECT_EQ(ErrorOf(FormWith("", "", "  object TButton [2]\r\n")), "");
}

TEST_F(ValueChecksTest, WrittenNumbersMustBeIntegers) {
  EXPECT_EQ(ErrorOf(FormWith("", "    Left = 1);Halt;Foo(\r\n")),
            "[Error] form.txt(9):     Left = 1);Halt;Foo(");
  EXPECT_EQ(ErrorOf(FormWith("  ClientWidth = 2*3\r\n", "")),
            "[Error] form.txt(4):   ClientWidth = 2*3");
  EXPECT_EQ(ErrorOf(FormWith("", "    Font.Height = Halt\r\n")),
            "[Error] form.txt(9):     Font.Height = Halt");
  EXPECT_EQ(ErrorOf(FormWith("", "    Font.Charset = 1);X(\r\n")),
            "[Error] form.txt(9):     Font.Charset = 1);X(");
  // A character set is a number or a constant of the Windows unit, never any
  // other identifier, which could name a function that the program would call.
  EXPECT_EQ(ErrorOf(FormWith("", "    Font.Charset = GetTickCount\r\n")),
            "[Error] form.txt(9):     Font.Charset = GetTickCount");
  EXPECT_EQ(ErrorOf(FormWith("",
                             "    Font.Height = -11\r\n    Font.Charset = RUSSIAN_CHARSET\r\n"
                             "    Left = $1F\r\n")),
            "");
}

TEST_F(ValueChecksTest, WrittenTextsMustBeCompleteStringLiterals) {
  EXPECT_EQ(ErrorOf(FormWith("", "    Caption = 'OK);Halt;(\r\n")),
            "[Error] form.txt(9):     Caption = 'OK);Halt;(");
  EXPECT_EQ(ErrorOf(FormWith("  Caption = Halt\r\n", "")), "[Error] form.txt(4):   Caption = Halt");
  EXPECT_EQ(ErrorOf(FormWith("", "    Font.Name = Arial\r\n")),
            "[Error] form.txt(9):     Font.Name = Arial");
  EXPECT_EQ(ErrorOf(FormWith("", "    Caption = 'it''s'#13#10'OK'\r\n")), "");
}

TEST_F(ValueChecksTest, ListEntriesMustBeStringLiterals) {
  const std::string list_box =
      "  object ListBox1: TListBox\r\n"
      "    Items.Strings = (\r\n"
      "      'first'\r\n";
  EXPECT_EQ(
      ErrorOf(FormWith("", "",
                       list_box + "      Halt);X(\r\n  end\r\n" + "  object Button1: TButton\r\n")),
      "[Error] form.txt(7):       Halt);X(");
  EXPECT_EQ(ErrorOf(FormWith(
                "", "", list_box + "      'last')\r\n  end\r\n" + "  object Button1: TButton\r\n")),
            "");
}

TEST_F(ValueChecksTest, BitmapDataLinesMustBeHexadecimal) {
  const std::string image =
      "  object Image1: TImage\r\n"
      "    Picture.Data = {\r\n"
      "      0A0B0C\r\n";
  EXPECT_EQ(ErrorOf(FormWith(
                "", "", image + "      0A);Halt}\r\n  end\r\n" + "  object Button1: TButton\r\n")),
            "[Error] form.txt(7):       0A);Halt}");
}

TEST_F(ValueChecksTest, ValuesNoGeneratorWritesAreNotChecked) {
  EXPECT_EQ(ErrorOf(FormWith("  Position = poScreenCenter\r\n  OnCreate = Form(1)\r\n",
                             "    Hint = 1);Halt;(\r\n")),
            "");
  EXPECT_EQ(ErrorOf(FormWith("  object Panel1: TPanel\r\n    Left = Halt\r\n"
                             "    Caption = X(\r\n  end\r\n",
                             "")),
            "");
}

}  // namespace
}  // namespace vornic
