// What forms, class files and file names hold reaches the console shown, not
// obeyed: control characters and bytes that are not UTF-8 come out as \xNN,
// while UTF-8 text, Cyrillic captions among it, stays readable.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

// A form whose button has `caption` followed by a character code too large
// for a Pascal string, so that the line fails and its report quotes it.
std::string FormWithFailingCaption(const std::string& caption) {
  return "object Form1: TForm1\r\n  Caption = 'F'\r\n  object Button1: TButton\r\n"
         "    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n    Height = 25\r\n"
         "    Caption = '" +
         caption + "'#99999\r\n  end\r\nend\r\n";
}

struct EscapeCase {
  const char* what;
  std::string raw;    // as the form holds it
  std::string shown;  // as the console shows it
};

class ConsoleEscapingTest : public RunFixture {};

TEST_F(ConsoleEscapingTest, FormContentInAFailedLineIsShownNotObeyed) {
  const std::vector<EscapeCase> cases = {
      {"a window title and a cleared screen", "a\x1b]0;owned\x07\x1b[2J",
       "a\\x1b]0;owned\\x07\\x1b[2J"},
      {"a start of heading, a delete and a tab", "x\x01y\x7Fz\tw", "x\\x01y\\x7fz\tw"},
      {"a Cyrillic caption", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
       "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},
      {"a C1 control sequence introducer",
       "\xC2\x9B"
       "2J",
       "\\xc2\\x9b"
       "2J"},
      {"bytes of a code page", "B\xF6rse \xFF", "B\\xf6rse \\xff"},
      {"an overlong slash and a surrogate", "\xC0\xAF \xED\xA0\x80", "\\xc0\\xaf \\xed\\xa0\\x80"},
      {"a sequence cut short", "\xE2\x82", "\\xe2\\x82"},
  };
  for (const EscapeCase& escape : cases) {
    SCOPED_TRACE(escape.what);
    WriteFile("form.txt", FormWithFailingCaption(escape.raw));
    EXPECT_EQ(RunTool({"form.txt"}), 1);
    EXPECT_EQ(console_,
              "Wait...\n[Error] form.txt(8):     Caption = '" + escape.shown + "'#99999\n");
  }
}

TEST_F(ConsoleEscapingTest, JunkInAClassFileAndInFileNamesIsShownNotObeyed) {
  WriteFile("form.txt", FormWithFailingCaption("x"));
  WriteFile("junk.classes", "\x1b[2J\xFF = TButton\n");
  EXPECT_EQ(RunTool({"--classes", "junk.classes", "form.txt"}), 1);
  EXPECT_EQ(console_, "junk.classes(1): '\\x1b[2J\\xff' is not a class name\n");

  WriteFile("junk.classes", "TA TB\x1b]0;owned\x07\n");
  EXPECT_EQ(RunTool({"--classes", "junk.classes", "form.txt"}), 1);
  EXPECT_EQ(console_,
            "junk.classes(1): expected \"TMyClass = TClass\", got \"TA TB\\x1b]0;owned\\x07\"\n");

  EXPECT_EQ(RunTool({"\x1b[2J.txt"}), 1);
  EXPECT_EQ(console_, "Cannot open file \\x1b[2J.txt: No such file or directory\n");
  EXPECT_EQ(RunTool({"--\x1b[2J"}), 1);
  EXPECT_EQ(console_.substr(0, console_.find('\n')), "unknown option --\\x1b[2J");
}

}  // namespace
}  // namespace vornic
