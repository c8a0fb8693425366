// What a failed run says: the file, what failed and why, in the system's
// words or the tool's own, and for form text the file and the line. Each row
// is a run in a folder of its own and the whole console it gives.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "driver/run.h"
#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// A form with one button; `property` is one more line of the form's own.
std::string Form(const std::string& property = "") {
  return "object Form1: TForm1\r\n  Caption = 'F'\r\n" + property +
         "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n"
         "    Height = 25\r\n  end\r\nend\r\n";
}

struct FailedRun {
  const char* what;
  std::function<void()> setup;  // in the run's own folder, the current directory
  std::vector<std::string> args;
  std::string console;
  bool needs_user = false;  // root may write anywhere, so only a user's run fails
};

class FailureMessageTest : public RunFixture {};

TEST_F(FailureMessageTest, EveryFailureNamesTheFileAndSaysWhy) {
  const std::vector<FailedRun> runs = {
      {"the program's folder takes no new file",
       [] {
         WriteFile("form.txt", Form());
         fs::create_directory("locked");
         fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec);
       },
       {"form.txt", "locked/p.dpr"},
       "Cannot create file locked/p.dpr: Permission denied\n",
       true},
      {"the program is a folder",
       [] {
         WriteFile("form.txt", Form());
         fs::create_directory("p.dpr");
       },
       {"form.txt", "p.dpr"},
       "Cannot create file p.dpr: Is a directory\n"},
      {"the converted form's folder is missing",
       [] {
         fs::create_directory("in");
         WriteFile("in/form.txt", Form());
         fs::create_symlink("../gone/form.dfm", "in/form.dfm");
       },
       {"in/form.txt", "p.dpr"},
       "Cannot create file in/form.dfm: No such file or directory\n"},
      {"the program is a loop of links",
       [] {
         WriteFile("form.txt", Form());
         fs::create_symlink("b.dpr", "a.dpr");
         fs::create_symlink("a.dpr", "b.dpr");
       },
       {"form.txt", "a.dpr"},
       "Cannot create file a.dpr: Too many levels of symbolic links\n"},
      {"the converted form is a link to the input",
       [] {
         WriteFile("form.txt", Form());
         fs::create_symlink("form.txt", "form.dfm");
       },
       {"form.txt"},
       "Cannot create file form.dfm: it would replace the input form.txt\n"},
      {"the converted text is a link to the program",
       [] {
         // A binary form, from a run of its text.
         WriteFile("form.txt", Form());
         std::ostringstream console;
         vornic::Run({"form.txt", "first.dpr"}, console);
         fs::remove("form.txt");
         fs::create_symlink("p.dpr", "form.txt");
       },
       {"form.dfm", "p.dpr"},
       "Cannot create file p.dpr: the run writes it already as form.txt\n"},
      {"the converted form is on a full device",
       [] {
         WriteFile("form.txt", Form());
         fs::create_symlink("/dev/full", "form.dfm");
       },
       {"form.txt"},
       "Cannot write file form.dfm: No space left on device\n"},
      {"the class file is a folder",
       [] {
         WriteFile("form.txt", Form());
         fs::create_directory("my.classes");
       },
       {"--classes", "my.classes", "form.txt"},
       "Cannot open file my.classes: Is a directory\n"},
      {"the form is missing",
       [] {},
       {"form.dfm"},
       "Cannot open file form.dfm: No such file or directory\n"},
      // Form text that does not convert: the file and the line.
      {"an integer beyond 64 bits",
       [] { WriteFile("form.txt", Form("  Tag = 99999999999999999999\r\n")); },
       {"form.txt"},
       "form.txt: '99999999999999999999' is not a valid integer value on line 3\n"},
      {"a float beyond its range",
       [] { WriteFile("form.txt", Form("  Ratio = 1E5000\r\n")); },
       {"form.txt"},
       "form.txt: '1E5000' is not a valid floating point value on line 3\n"},
      {"a property without its equals sign",
       [] { WriteFile("form.txt", Form("  Color clRed\r\n")); },
       {"form.txt"},
       "form.txt: Equals sign \"=\" expected on line 3\n"},
      {"an order number without its bracket",
       [] { WriteFile("form.txt", "object Form1: TForm1 [1\r\nend\r\n"); },
       {"form.txt"},
       "form.txt: Closing bracket \"]\" expected on line 2\n"},
      {"a set without its commas",
       [] { WriteFile("form.txt", Form("  Anchors = [akLeft akTop]\r\n")); },
       {"form.txt"},
       "form.txt: Comma \",\" expected on line 3\n"},
  };
  int index = 0;
  for (const FailedRun& run : runs) {
    SCOPED_TRACE(run.what);
    if (run.needs_user && geteuid() == 0) continue;
    const fs::path folder = dir_ / ("run" + std::to_string(++index));
    fs::create_directory(folder);
    fs::current_path(folder);
    run.setup();
    EXPECT_EQ(RunTool(run.args), 1);
    EXPECT_EQ(console_, run.console);
    fs::current_path(dir_);
  }
}

}  // namespace
}  // namespace vornic
