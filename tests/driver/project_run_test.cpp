// A run of one form of a project: what the form's ancestor holds is
// translated with it, and every message names the file that holds its line.
#include <gtest/gtest.h>

#include <string>

#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

// An image whose picture ends inside its length: written, with a warning.
std::string ImageAt(const std::string& name, int top) {
  return "  object " + name + ": TImage\r\n    Left = 8\r\n    Top = " + std::to_string(top) +
         "\r\n    Width = 32\r\n    Height = 32\r\n    Picture.Data = {\r\n"
         "      0954506E67496D61676500}\r\n  end\r\n";
}

class ProjectRunTest : public RunFixture {
 protected:
  void SetUp() override {
    RunFixture::SetUp();
    WriteFile("base.dfm", "object Base: TBase\r\n  Width = 300\r\n  Height = 200\r\n" +
                              ImageAt("Image1", 8) + "end\r\n");
    WriteFile("dialog.pas", "type TDialog = class(TBase);\n");
  }
};

TEST_F(ProjectRunTest, MessagesNameTheFileThatHoldsTheirLine) {
  WriteFile("dialog.dfm",
            "inherited Dialog: TDialog\r\n  Caption = 'D'\r\n" + ImageAt("Image2", 50) + "end\r\n");
  EXPECT_EQ(RunTool({"--extended", "--merged", "merged.txt", "dialog.dfm"}), 0);
  EXPECT_EQ(console_,
            "Wait...\n"
            "[Warning] base.dfm(11): picture of Image1 not shown: picture data ends inside its "
            "length\n"
            "[Warning] dialog.dfm(10): picture of Image2 not shown: picture data ends inside its "
            "length\n"
            "2 controls is constructed ok.\n");
  EXPECT_EQ(ReadFile("merged.txt").rfind("object Dialog: TDialog\r\n  Width = 300\r\n", 0), 0u);

  // A line of the descendant that cannot be translated, where the ancestor
  // wrote nothing yet: its own file and line.
  WriteFile(
      "dialog.dfm",
      "inherited Dialog: TDialog\r\n  object Label1: TLabel\r\n    Left = abc\r\n  end\r\nend\r\n");
  EXPECT_EQ(RunTool({"--extended", "dialog.dfm"}), 1);
  EXPECT_EQ(console_, "Wait...\n[Error] dialog.dfm(3):     Left = abc\n");
  // The exact translation reads the form file alone.
  WriteFile("dialog.dfm", "inherited Dialog: TDialog\r\n  Caption = 'D'\r\nend\r\n");
  EXPECT_EQ(RunTool({"dialog.dfm"}), 0);
  EXPECT_EQ(console_, "Wait...\n0 controls is constructed ok.\n");
}

}  // namespace
}  // namespace vornic
