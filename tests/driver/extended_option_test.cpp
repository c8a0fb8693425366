// The --extended option on a whole run of the bundled showcase form.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "driver/run.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

int CountOf(const std::string& text, const std::string& sub) {
  int count = 0;
  for (size_t at = text.find(sub); at != std::string::npos; at = text.find(sub, at + 1)) ++count;
  return count;
}

class ExtendedOptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    fs::current_path(scratch_.path());
  }
  void TearDown() override { fs::current_path(previous_); }

  int RunTool(const std::vector<std::string>& args) {
    std::ostringstream console;
    const int code = vornic::Run(args, console);
    console_ = console.str();
    return code;
  }

  ScratchDir scratch_{"vornic_extended"};
  fs::path previous_;
  std::string console_;
};

TEST_F(ExtendedOptionTest, EveryWindowOfTheShowcaseGetsItsFontAndTheRunReportsAsUsual) {
  const fs::path examples = fs::path(VORNIC_SOURCE_DIR) / "examples";
  WriteFile("showcase.txt", ReadFile(examples / "showcase.txt"));
  ASSERT_EQ(RunTool({"--extended", "showcase.txt", "wide.dpr"}), 0) << console_;
  EXPECT_EQ(console_, ReadFile(fs::path(VORNIC_SOURCE_DIR) / "tests/golden/showcase.console"));
  const std::string program = ReadFile("wide.dpr");
  EXPECT_EQ(program.rfind("Program wide ;", 0), 0u);
  EXPECT_TRUE(fs::exists("wide.rc"));
  // One WM_SETFONT per child window (the main window is the 16th HWND the
  // program declares before its procedures); the
  // coloured labels select their fonts as they paint.
  EXPECT_EQ(CountOf(program.substr(0, program.find("{ The screen's resolution")), ": HWND;"), 16);
  EXPECT_EQ(CountOf(program, ",WM_SETFONT,"), 15);
  EXPECT_EQ(CountOf(program, "OldFont := SelectObject(PaintDC,hFont"), 2);
}

TEST_F(ExtendedOptionTest, OptionWithoutFilesIsRefusedWithTheUsage) {
  EXPECT_EQ(RunTool({"--extended"}), 1);
  EXPECT_EQ(console_,
            "missing form file (.dfm or .txt)\n"
            "\nVornic  Version 1.0\nSyntax: VORNIC <DFMfilename> [DPRfilename]\n\n");
  EXPECT_TRUE(fs::is_empty(scratch_.path()));
}

}  // namespace
}  // namespace vornic
