// The handler file over a series of runs as a user makes them: created once,
// then never changed but for stubs appended for handlers the form gains,
// whatever the user wrote into it; written through links and with its mode
// kept; included by its path from the program's folder.
#include "extended/handler_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lib/text.h"
#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// A form whose buttons name the handlers `clicks` (empty: no OnClick).
std::string FormClicking(const std::vector<std::string>& clicks) {
  std::string form = "object Form1: TForm1\n  ClientHeight = 200\n  ClientWidth = 300\n";
  for (size_t i = 0; i < clicks.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    form += "  object Button" + n +
            ": TButton\n    Left = 8\n    Top = " + std::to_string(8 + 30 * i) +
            "\n    Width = 75\n    Height = 25\n    Caption = 'B" + n + "'\n" +
            (clicks[i].empty() ? "" : "    OnClick = " + clicks[i] + "\n") + "  end\n";
  }
  return form + "end\n";
}

// The names of the procedures `text` declares.
std::vector<std::string> Declared(const std::string& text) {
  std::vector<std::string> names;
  for (const DeclaredProcedure& procedure : DeclaredProcedures(text)) {
    names.push_back(procedure.name);
  }
  return names;
}

struct Rerun {
  const char* what;
  std::vector<std::string> clicks;  // the form's handlers this time
  std::string user_text;            // what the user appends to the file before the run
  std::vector<std::string> added;   // the stubs the run must append
  std::string console;              // the console's lines about the handler file
};

class HandlerFileTest : public RunFixture {};

TEST_F(HandlerFileTest, EachRerunKeepsTheUsersBytesAndAppendsOnlyTheNewStubs) {
  const std::vector<Rerun> runs = {
      {"the first run writes a stub per handler, one for a shared handler",
       {"Button1Click", "Shared", "shared"},
       "",
       {"Button1Click", "Shared"},
       "Handler file form.events.inc created with 2 stubs.\n"},
      {"the user's code, ending without a line end, and an unchanged form",
       {"Button1Click", "Shared", "shared"},
       "\r\nvar\r\n  Clicks: Integer;\r\n{ procedure Button4Click is to come }\r\n"
       "procedure Helper(Count: Integer);\r\nbegin\r\n  Clicks := Count;\r\nend;",
       {},
       ""},
      {"a handler added, one renamed, one removed",
       {"", "Common", "Common", "Button4Click"},
       "",
       {"Common", "Button4Click"},
       "Handler stubs appended to form.events.inc: Common, Button4Click\n"
       "Handlers in form.events.inc that the form no longer names, left as they are: "
       "Button1Click, Shared\n"},
      {"the file's handlers in other cases, and one in a comment or a string only",
       {"COMMON", "button4click", "Later"},
       "\r\n(* procedure Later(Sender: HWND); *)\r\nconst\r\n  Note = 'procedure Later';\r\n",
       {"Later"},
       "Handler stubs appended to form.events.inc: Later\n"
       "Handlers in form.events.inc that the form no longer names, left as they are: "
       "Button1Click, Shared\n"},
  };
  for (const Rerun& run : runs) {
    SCOPED_TRACE(run.what);
    WriteFile("form.txt", FormClicking(run.clicks));
    std::string before;
    if (fs::exists("form.events.inc")) {
      before = ReadFile("form.events.inc") + run.user_text;
      WriteFile("form.events.inc", before);
    }
    ASSERT_EQ(RunTool({"--extended", "form.txt"}), 0) << console_;
    EXPECT_EQ(console_.substr(console_.find(" ok.\n") + 5), run.console);
    const std::string after = ReadFile("form.events.inc");
    ASSERT_EQ(after.substr(0, before.size()), before) << "the user's bytes must come first";
    EXPECT_EQ(Declared(after.substr(before.size())), run.added);
    // The program calls every handler the form names, by the file's names.
    const std::string program = UpperText(ReadFile("form.dpr"));
    EXPECT_NE(program.find("{$I FORM.EVENTS.INC}"), std::string::npos);
    for (const std::string& click : run.clicks) {
      if (click.empty()) continue;
      EXPECT_NE(program.find("THEN " + UpperText(click) + "(BUTTON"), std::string::npos) << click;
    }
  }
}

TEST_F(HandlerFileTest, AppendedFileKeepsItsModeAndItsLink) {
  fs::create_directory("mine");
  WriteFile("mine/handlers.inc", "{ my handlers }\r\n");
  fs::permissions("mine/handlers.inc",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("mine/handlers.inc", "form.events.inc");
  WriteFile("form.txt", FormClicking({"Button1Click"}));
  ASSERT_EQ(RunTool({"--extended", "form.txt"}), 0) << console_;
  EXPECT_EQ(console_,
            "Wait...\n1 controls is constructed ok.\n"
            "Handler stubs appended to form.events.inc: Button1Click\n");
  EXPECT_TRUE(fs::is_symlink("form.events.inc"));
  EXPECT_EQ(fs::status("mine/handlers.inc").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const std::string text = ReadFile("mine/handlers.inc");
  EXPECT_EQ(text.substr(0, 17), "{ my handlers }\r\n");
  EXPECT_EQ(Declared(text), std::vector<std::string>{"Button1Click"});
  EXPECT_NE(text.find("MessageBox(hWindow,'Button1Click','Check',MB_OK);"), std::string::npos);
}

struct IncludeCase {
  std::vector<std::string> args;
  std::string written;  // the handler file the run writes
  std::string include;  // the program's include directive; empty when the run fails
  std::string program;  // the program written
};

TEST_F(HandlerFileTest, HandlerFileNameGivesTheProgramsInclude) {
  fs::create_directories("out");
  fs::create_directories("shared");
  const std::vector<IncludeCase> cases = {
      {{"--extended", "form.txt", "out/p.v2.dpr"},
       "out/p.events.inc",
       "{$I p.events.inc}",
       "out/p.v2.dpr"},
      {{"--events", "shared/h.inc", "form.txt", "out/q.dpr"},
       "shared/h.inc",
       "{$I ../shared/h.inc}",
       "out/q.dpr"},
      {{"--events", "my handlers.inc", "form.txt"},
       "my handlers.inc",
       "{$I 'my handlers.inc'}",
       "form.dpr"},
      {{"--events", "it's.inc", "form.txt", "bad.dpr"}, "", "", "bad.dpr"},
  };
  WriteFile("form.txt", FormClicking({"Button1Click"}));
  for (const IncludeCase& test : cases) {
    SCOPED_TRACE(test.args[1]);
    if (test.include.empty()) {
      EXPECT_EQ(RunTool(test.args), 1);
      EXPECT_EQ(console_,
                "Cannot create file it's.inc: the program cannot include a file of that name\n");
      EXPECT_FALSE(fs::exists(test.program));
      continue;
    }
    ASSERT_EQ(RunTool(test.args), 0) << console_;
    EXPECT_TRUE(fs::exists(test.written));
    EXPECT_NE(ReadFile(test.program).find(test.include), std::string::npos);
  }
  // With --no-events no handler file is written, and a click shows its message box.
  ASSERT_EQ(RunTool({"--extended", "--no-events", "form.txt", "plain.dpr"}), 0);
  EXPECT_FALSE(fs::exists("plain.events.inc"));
  EXPECT_NE(ReadFile("plain.dpr").find("MessageBoxW(hWindow,'Button1Click','Check',MB_OK);"),
            std::string::npos);
  // A form that names no handler gets none either.
  WriteFile("quiet.txt", FormClicking({""}));
  ASSERT_EQ(RunTool({"--extended", "quiet.txt"}), 0);
  EXPECT_FALSE(fs::exists("quiet.events.inc"));
  EXPECT_EQ(ReadFile("quiet.dpr").find("{$I"), std::string::npos);
}

}  // namespace
}  // namespace vornic
