// Every way a form holds a character reaches the extended program as the
// same wide literal: codes in decimal or hexadecimal, raw bytes in the code
// page the form's fonts name, UTF-8 files with or without their byte order
// mark, --codepage, and the wide strings of binary forms.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "input/text_to_binary.h"
#include "support/run_fixture.h"

namespace vornic {
namespace {

struct DecodingCase {
  const char* what;
  std::string caption;      // the form's Caption as the file holds it
  std::string form_lines;   // more lines of the form (its font)
  std::string label_lines;  // lines of a label inside a panel on the form
  std::vector<std::string> options;
  std::string form_caption;   // the literal the main window is created with
  std::string label_caption;  // the literal the label is created with
  bool binary = false;        // given as a binary form
  bool byte_order_mark = false;
};

std::string FormText(const DecodingCase& c) {
  return std::string(c.byte_order_mark ? "\xEF\xBB\xBF" : "") +
         "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Caption = " + c.caption +
         "\r\n  ClientHeight = 100\r\n  ClientWidth = 200\r\n" + c.form_lines +
         "  object Panel1: TPanel\r\n    Left = 0\r\n    Top = 0\r\n    Width = 100\r\n"
         "    Height = 50\r\n" +
         "    object Label1: TLabel\r\n      Left = 4\r\n      Top = 4\r\n      Width = 60\r\n"
         "      Height = 13\r\n" +
         c.label_lines + "    end\r\n  end\r\nend\r\n";
}

// The literal behind `head` up to the first comma outside its quotes.
std::string LiteralAfter(const std::string& program, const std::string& head) {
  const size_t at = program.find(head);
  if (at == std::string::npos) return "<missing " + head + ">";
  const size_t start = at + head.size();
  bool quoted = false;
  size_t end = start;
  while (end < program.size() && (quoted || program[end] != ',')) {
    if (program[end] == '\'') quoted = !quoted;
    ++end;
  }
  return program.substr(start, end - start);
}

class TextDecodingTest : public RunFixture {};

TEST_F(TextDecodingTest, EverySourceOfCharactersGivesTheWideLiteralOfTheSameCharacters) {
  const std::string label = "      Caption = 'x'\r\n";
  const DecodingCase cases[] = {
      {"decimal codes", "#1046#1078'x'", "", label, {}, "#$0416#$0436'x'", "'x'"},
      {"hexadecimal codes", "#$0416#$436'x'#$d", "", label, {}, "#$0416#$0436'x'#$000D", "'x'"},
      {"quotes and printable ASCII", "'It''s'#39", "", label, {}, "'It''s'''", "'x'"},
      {"raw byte, no charset: 1252",
       "'Caf\xE9 \x80'",
       "",
       label,
       {},
       "'Caf'#$00E9' '#$20AC",
       "'x'"},
      {"raw bytes in the form's charset, taken over by a label",
       "'\xCF\xF0\xE8'",
       "  Font.Charset = RUSSIAN_CHARSET\r\n",
       "      Caption = '\xE4\xE0'\r\n",
       {},
       "#$041F#$0440#$0438",
       "#$0434#$0430"},
      {"a charset given as its number, the label's own charset",
       "'\xE1'",
       "  Font.Charset = 161\r\n",
       "      Font.Charset = EASTEUROPE_CHARSET\r\n      Caption = '\xB9'\r\n",
       {},
       "#$03B1",
       "#$0105"},
      {"a default charset takes over its holder's",
       "'x'",
       "  Font.Charset = RUSSIAN_CHARSET\r\n",
       "      Font.Charset = DEFAULT_CHARSET\r\n      Caption = '\xE4'\r\n",
       {},
       "'x'",
       "#$0434"},
      {"double bytes of GB2312",
       "'\xCB\xCE\xCC\xE5'",
       "  Font.Charset = GB2312_CHARSET\r\n",
       label,
       {},
       "#$5B8B#$4F53",
       "'x'"},
      {"double bytes of Shift-JIS",
       "'\x82\xA0x'",
       "  Font.Charset = SHIFTJIS_CHARSET\r\n",
       label,
       {},
       "#$3042'x'",
       "'x'"},
      {"a file all in UTF-8 whatever the charset",
       "'\xE4\xB8\xAD\xC3\xA9'",
       "  Font.Charset = RUSSIAN_CHARSET\r\n",
       "      Caption = '\xD0\x96'\r\n",
       {},
       "#$4E2D#$00E9",
       "#$0416"},
      {"a character above U+FFFF as its surrogate pair",
       "'\xF0\x9F\x98\x80'",
       "",
       label,
       {},
       "#$D83D#$DE00",
       "'x'"},
      {"one byte that is no UTF-8 puts the file in its code page",
       "'\xD0\x96'",
       "  Font.Charset = RUSSIAN_CHARSET\r\n",
       "      Caption = '\xE4'\r\n",
       {},
       "#$0420#$2013",
       "#$0434"},
      {"a byte order mark makes it UTF-8",
       "'\xC3\xA9'",
       "",
       "      Caption = '\xE2\x82\xAC'\r\n",
       {},
       "#$00E9",
       "#$20AC",
       false,
       true},
      {"--codepage before the charset",
       "'\xE1'",
       "  Font.Charset = RUSSIAN_CHARSET\r\n",
       "      Caption = '\xE1'\r\n",
       {"--codepage", "1253"},
       "#$03B1",
       "#$03B1"},
      {"--codepage 65001 reads UTF-8",
       "'\xC3\xA9'",
       "",
       label,
       {"--codepage", "65001"},
       "#$00E9",
       "'x'"},
      {"wide strings of a binary form",
       "#1046'\xE9'",
       "",
       "      Caption = #$4E2D\r\n",
       {},
       "#$0416#$00E9",
       "#$4E2D",
       true},
  };
  for (const DecodingCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string text = FormText(c);
    std::string form = "form.txt";
    if (c.binary) {
      std::istringstream input(text);
      std::ostringstream binary;
      FormTextToResource(input, binary);
      form = "form.dfm";
      std::ofstream(form, std::ios::binary) << binary.str();
    } else {
      std::ofstream(form, std::ios::binary) << text;
    }
    std::vector<std::string> args = c.options;
    if (args.empty()) args.push_back("--extended");
    args.push_back(form);
    ASSERT_EQ(RunTool(args), 0) << console_;
    std::ifstream file("form.dpr", std::ios::binary);
    const std::string program(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(LiteralAfter(program, "'MyWindowClass',"), c.form_caption);
    EXPECT_EQ(LiteralAfter(program, "Label1:= CreateWindowExW(0, 'Static',"), c.label_caption);
  }
}

TEST_F(TextDecodingTest, CodePageTheLibraryCannotReadIsRefused) {
  for (const char* page : {"7", "x", "-1251", "0"}) {
    std::ofstream("form.txt", std::ios::binary) << "object Form1: TForm1\r\nend\r\n";
    EXPECT_EQ(RunTool({"--codepage", page, "form.txt"}), 1) << page;
    EXPECT_EQ(console_.substr(0, console_.find('\n')), std::string("unknown code page ") + page);
  }
}

}  // namespace
}  // namespace vornic
