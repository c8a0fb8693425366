// The command line as a user meets it: each row is a command line, the whole
// console it gives and its exit code. Unknown options, options after the
// file names, the end of the options, and options without a form file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

const std::string kUsage = "\nVornic  Version 1.0\nSyntax: VORNIC <DFMfilename> [DPRfilename]\n\n";
const std::string kTranslated = "Wait...\n9 controls is constructed ok.\n";

struct CommandCase {
  std::vector<std::string> args;
  std::string console;
  int code;
};

class CommandLineTest : public RunFixture {};

TEST_F(CommandLineTest, EveryCommandLineGivesItsConsoleAndExitCode) {
  const std::string form = ReadFile(fs::path(VORNIC_SOURCE_DIR) / "examples" / "controls.txt");
  const std::vector<CommandCase> cases = {
      {{}, kUsage, 0},
      {{"--version"}, "Vornic  Version 1.0\n", 0},
      // Unknown options, even in another case or with a value glued on,
      // are no file names.
      {{"--bogus", "controls.txt"}, "unknown option --bogus\n" + kUsage, 1},
      {{"--Extended", "controls.txt"}, "unknown option --Extended\n" + kUsage, 1},
      {{"-x"}, "unknown option -x\n" + kUsage, 1},
      {{"--help=foo"}, "unknown option --help=foo\n" + kUsage, 1},
      {{"-"}, "unknown option -\n" + kUsage, 1},
      {{"--help", "--bogus"}, "unknown option --bogus\n" + kUsage, 1},
      {{"controls.txt", "out.dpr", "--bogus"}, "unknown option --bogus\n" + kUsage, 1},
      // Options that name no form file.
      {{"--extended"}, "missing form file (.dfm or .txt)\n" + kUsage, 1},
      {{"--classes", "x.classes"}, "missing form file (.dfm or .txt)\n" + kUsage, 1},
      {{"--"}, "missing form file (.dfm or .txt)\n" + kUsage, 1},
      {{"--extended", "--classes"}, "--classes needs the name of a class file\n" + kUsage, 1},
      {{"controls.txt", "--search"}, "--search needs the name of a folder\n" + kUsage, 1},
      // The options of a run over many forms go together, and not with one file.
      {{"--all", "--merged", "m.txt", "controls.txt"},
       "--merged names one file and cannot be used with --all\n" + kUsage,
       1},
      {{"--out", "x", "controls.txt"}, "--out is used with --all only\n" + kUsage, 1},
      {{"--all", "--out"}, "--out needs the name of a folder\n" + kUsage, 1},
      // Options after the file names count as well; after "--" nothing is one.
      {{"controls.txt", "--extended"},
       kTranslated + "Handler file controls.events.inc created with 1 stub.\n",
       0},
      // The handler file: named (which asks for the extended translation), or none.
      {{"--events"}, "--events needs the name of the handler file\n" + kUsage, 1},
      {{"--events", "h.inc", "controls.txt"},
       kTranslated + "Handler file h.inc created with 1 stub.\n",
       0},
      {{"--extended", "--no-events", "controls.txt"}, kTranslated, 0},
      {{"--events", "h.inc", "controls.txt"}, kTranslated, 0},
      {{"controls.txt", "b.dpr", "--version"}, "Vornic  Version 1.0\n", 0},
      {{"--", "-x.txt"}, kTranslated, 0},
      {{"--", "--extended"},
       "Unknown input file\nThe input file should have the extension: .dfm or .txt\n",
       1},
  };
  for (const CommandCase& command : cases) {
    std::string shown;
    for (const std::string& arg : command.args) shown += " " + arg;
    SCOPED_TRACE("vornic" + shown);
    WriteFile("controls.txt", form);
    WriteFile("-x.txt", form);
    EXPECT_EQ(RunTool(command.args), command.code);
    EXPECT_EQ(console_, command.console);
  }
  // Only the runs with a form wrote programs, under the names they were given.
  EXPECT_TRUE(fs::exists("controls.dpr"));
  EXPECT_TRUE(fs::exists("-x.dpr"));
  EXPECT_FALSE(fs::exists("b.dpr"));
  EXPECT_FALSE(fs::exists("out.dpr"));
}

}  // namespace
}  // namespace vornic
