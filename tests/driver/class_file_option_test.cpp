// The --classes option on whole runs: the class file shipped as an example,
// the order of the options, and a bad class file, which stops the run before
// anything is written.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>

#include "support/run_fixture.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

class ClassFileOptionTest : public RunFixture {
 protected:
  void SetUp() override {
    RunFixture::SetUp();
    WriteFile("form.txt", kForm);
    fs::copy_file(fs::path(VORNIC_SOURCE_DIR) / "classes" / "unicode_controls.classes",
                  "family.classes");
  }

  static constexpr char kForm[] =
      "object Form1: TForm1\n"
      "  Menu = MainMenu1\n"
      "  TextHeight = 13\n"
      "  object Button1: TTntButton\n"
      "    Left = 8\n    Top = 8\n    Width = 75\n    Height = 25\n"
      "    Caption = 'OK'\n"
      "  end\n"
      "  object DBEdit1: TTntDBEdit\n"
      "    Left = 8\n    Top = 40\n    Width = 120\n    Height = 21\n"
      "  end\n"
      "  object MainMenu1: TTntMainMenu\n"
      "    object File1: TTntMenuItem\n      Caption = '&File'\n    end\n"
      "  end\n"
      "end\n";
};

TEST_F(ClassFileOptionTest, FamilyClassesAreTranslatedAsTheClassesTheFileNames) {
  ASSERT_EQ(RunTool({"--classes", "family.classes", "form.txt"}), 0) << console_;
  EXPECT_EQ(console_, "Wait...\n2 controls is constructed ok.\n");
  const std::string program = ReadFile("form.dpr");
  EXPECT_NE(program.find("Button1:= CreateWindowExW(0, 'Button','OK',"), std::string::npos);
  EXPECT_NE(program.find("DBEdit1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit',"), std::string::npos);
  EXPECT_NE(program.find("AppendMenuW(MainMenu1, MF_STRING, 40001, '&File');"), std::string::npos);

  // The option implies the extended translation, in any order with it.
  ASSERT_EQ(RunTool({"--extended", "--classes", "family.classes", "form.txt", "b.dpr"}), 0);
  ASSERT_EQ(RunTool({"--classes", "family.classes", "--extended", "form.txt", "c.dpr"}), 0);
  // Only the first line, naming the program, differs.
  const auto body = [](const std::string& text) { return text.substr(text.find('\n')); };
  EXPECT_EQ(body(ReadFile("b.dpr")), body(program));
  EXPECT_EQ(body(ReadFile("c.dpr")), body(program));

  // The exact translation knows none of the family.
  ASSERT_EQ(RunTool({"form.txt", "d.dpr"}), 0);
  EXPECT_EQ(console_, "Wait...\n0 controls is constructed ok.\n");
}

TEST_F(ClassFileOptionTest, BadClassFileStopsTheRunBeforeAnyFileIsWritten) {
  WriteFile("bad.classes", "TTntEdit = TEdit\nTTntLabel TLabel\n");
  const std::set<std::string> before = Files();
  EXPECT_EQ(RunTool({"--classes", "bad.classes", "form.txt"}), 1);
  EXPECT_EQ(console_, "bad.classes(2): expected \"TMyClass = TClass\", got \"TTntLabel TLabel\"\n");
  EXPECT_EQ(Files(), before);

  EXPECT_EQ(RunTool({"--classes", "missing.classes", "form.txt"}), 1);
  EXPECT_EQ(console_, "Cannot open file missing.classes: No such file or directory\n");
  EXPECT_EQ(RunTool({"--extended", "--classes"}), 1);
  EXPECT_EQ(console_.substr(0, console_.find('\n')), "--classes needs the name of a class file");
  EXPECT_EQ(Files(), before);
}

TEST_F(ClassFileOptionTest, LineLongerThanAFormLineStopsTheReading) {
  // As long as a line of form text may be, with its CR LF; then one byte more.
  const std::string longest = "# " + std::string(4091, 'x');
  WriteFile("long.classes", longest + "\r\n" + longest + "x\nTA = TB\n");
  const std::set<std::string> before = Files();
  EXPECT_EQ(RunTool({"--classes", "long.classes", "form.txt"}), 1);
  EXPECT_EQ(console_, "long.classes(2): the line is longer than 4093 bytes\n");
  EXPECT_EQ(Files(), before);

  // A device without line ends is not read whole.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(RunTool({"--classes", "/dev/zero", "form.txt"}), 1);
  EXPECT_EQ(console_, "/dev/zero(1): the line is longer than 4093 bytes\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(Files(), before);
}

}  // namespace
}  // namespace vornic
