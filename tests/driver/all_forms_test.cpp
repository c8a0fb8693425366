// A run over many forms (--all): a small project tree with a descendant, a
// binary form, form text, a file that is no form and a form that fails.
#include "driver/all_forms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "driver/progress_bar.h"
#include "support/conversions.h"
#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

const char kBase[] =
    "object Base: TBase\r\n"
    "  Width = 300\r\n"
    "  Height = 200\r\n"
    "  object Button1: TButton\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 75\r\n"
    "    Height = 25\r\n"
    "    Caption = 'OK'\r\n"
    "  end\r\n"
    "end\r\n";

const char kDialog[] =
    "inherited Dialog: TDialog\r\n"
    "  Caption = 'Dialog'\r\n"
    "  object Label1: TLabel\r\n"
    "    Left = 8\r\n"
    "    Top = 40\r\n"
    "    Width = 50\r\n"
    "    Height = 13\r\n"
    "    Caption = 'Name'\r\n"
    "  end\r\n"
    "end\r\n";

const char kPlain[] =
    "object Plain: TForm1\r\n"
    "  Width = 100\r\n"
    "  Height = 100\r\n"
    "  object Edit1: TEdit\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 80\r\n"
    "    Height = 21\r\n"
    "  end\r\n"
    "end\r\n";

const char kBad[] =
    "object Bad: TForm1\r\n"
    "  object Label1: TLabel\r\n"
    "    Left = abc\r\n"
    "  end\r\n"
    "end\r\n";

class AllFormsTest : public RunFixture {
 protected:
  void SetUp() override {
    RunFixture::SetUp();
    fs::create_directories("proj/app/sub");
    WriteFile("proj/base.dfm", kBase);
    WriteFile("proj/base.pas", "type TBase = class(TForm);\n");
    WriteFile("proj/app/dialog.dfm", kDialog);
    WriteFile("proj/app/dialog.pas", "type TDialog = class(TBase);\n");
    WriteFile("proj/app/sub/bin.dfm", BinaryOf(kPlain));
    WriteFile("proj/plain.txt", kPlain);
    WriteFile("proj/notes.txt", "not a form\r\n");
    WriteFile("proj/bad.dfm", kBad);
  }

  // The program that a run of its own writes for `form`, with `options`.
  std::string SingleRunProgram(const std::vector<std::string>& options, const std::string& form) {
    const std::string output = "single/" + fs::path(form).stem().string() + ".dpr";
    fs::create_directories("single");
    std::vector<std::string> args = options;
    args.push_back(form);
    args.push_back(output);
    EXPECT_EQ(RunTool(args), 0) << console_;
    return ReadFile(output);
  }
};

TEST_F(AllFormsTest, TranslatesEveryFormAndNamesTheOneThatFailed) {
  const std::vector<std::string> options = {"--extended", "--search", "proj"};
  std::vector<std::string> args = options;
  args.insert(args.end(), {"--all", "proj", "missing.dfm", "proj/base.dfm"});
  EXPECT_EQ(RunTool(args), 1);
  EXPECT_EQ(console_,
            "proj/app/dialog.dfm -> proj/app/dialog.dpr: 2 controls\n"
            "proj/app/sub/bin.dfm -> proj/app/sub/bin.dpr: 1 controls\n"
            "proj/bad.dfm: [Error] proj/bad.dfm(3):     Left = abc\n"
            "proj/base.dfm -> proj/base.dpr: 1 controls\n"
            "proj/plain.txt -> proj/plain.dpr: 1 controls\n"
            "missing.dfm: Cannot open file missing.dfm: No such file or directory\n"
            "6 forms: 4 translated, 2 failed: proj/bad.dfm, missing.dfm\n");
  const std::set<std::string> written = {"proj/app/dialog.dpr",  "proj/app/sub/bin.dpr",
                                         "proj/app/sub/bin.txt", "proj/base.dpr",
                                         "proj/plain.dpr",       "proj/plain.dfm"};
  for (const std::string& file : written) EXPECT_TRUE(fs::exists(file)) << file;
  EXPECT_FALSE(fs::exists("proj/bad.dpr"));
  // Each form's program is the one a run of its own writes: nothing of one
  // form's run (names, fonts, the ancestor's copy) reaches another's.
  for (const char* form : {"proj/app/dialog.dfm", "proj/base.dfm", "proj/plain.txt"}) {
    const std::string program = fs::path(form).replace_extension(".dpr").string();
    EXPECT_EQ(ReadFile(program), SingleRunProgram(options, form)) << form;
  }
}

TEST_F(AllFormsTest, OutFolderKeepsTheFoldersAndLeavesTheFormsAlone) {
  const std::set<std::string> before = Files();
  EXPECT_EQ(RunTool({"--all", "--out", "out", "proj/app", "proj/plain.txt"}), 0) << console_;
  EXPECT_EQ(console_,
            "proj/app/dialog.dfm -> out/dialog.dpr: 1 controls\n"
            "proj/app/sub/bin.dfm -> out/sub/bin.dpr: 1 controls\n"
            "proj/plain.txt -> out/plain.dpr: 1 controls\n"
            "3 forms: 3 translated, 0 failed\n");
  std::set<std::string> added;
  for (const std::string& file : Files()) {
    if (!before.contains(file)) added.insert(file);
  }
  EXPECT_EQ(added, (std::set<std::string>{"out/dialog.dpr", "out/sub/bin.dpr", "out/sub/bin.txt",
                                          "out/plain.dpr", "out/plain.dfm"}));
}

TEST_F(AllFormsTest, FormsWritingTheSameFileAreRefusedAfterTheFirst) {
  // Both would write twin/same.dpr: the second of the list fails.
  fs::create_directories("twin");
  WriteFile("twin/same.dfm", kPlain);
  WriteFile("twin/same.txt", kPlain);
  EXPECT_EQ(RunTool({"--all", "twin/same.dfm", "twin/same.txt"}), 1);
  EXPECT_EQ(console_.rfind("twin/same.dfm -> twin/same.dpr: 1 controls\ntwin/same.txt: ", 0), 0u)
      << console_;
  EXPECT_NE(console_.find("2 forms: 1 translated, 1 failed: twin/same.txt\n"), std::string::npos)
      << console_;
}

TEST(ProgressBarTest, ShowsTheShareDoneInFortyColumns) {
  EXPECT_EQ(ProgressText(0, 4), "[........................................] 0/4 forms");
  EXPECT_EQ(ProgressText(1, 4), "[##########..............................] 1/4 forms");
  EXPECT_EQ(ProgressText(83, 83), "[########################################] 83/83 forms");
}

}  // namespace
}  // namespace vornic
