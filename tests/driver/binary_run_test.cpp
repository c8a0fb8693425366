// Runs on binary forms, whose text is translated while the conversion writes
// it: the same program and script as a run on that text, and failures that
// leave the files as a conversion followed by a translation left them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "input/binary_to_text.h"
#include "input/text_to_binary.h"
#include "support/conversions.h"
#include "support/corpus.h"
#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// A form whose bitmaps make a text of many pieces: an image and a bit button
// of `lines` data lines each, with `between` inside the form between them.
std::string PictureForm(int lines, const std::string& between = "") {
  std::string data = "424D" + std::string(60, '0');
  for (int line = 1; line < lines; ++line) data += "\r\n      " + std::string(64, 'A' + line % 6);
  return "object Form1: TForm1\r\n  Caption = 'Pictures'\r\n"
         "  object Image1: TImage\r\n    Left = 8\r\n    Top = 16\r\n    Width = 32\r\n"
         "    Height = 32\r\n    Picture.Data = {\r\n      07544269746D617036030000" +
         data + "}\r\n  end\r\n" + between +
         "  object BitBtn1: TBitBtn\r\n    Left = 120\r\n    Top = 16\r\n    Width = 75\r\n"
         "    Height = 25\r\n    Caption = 'OK'\r\n    Glyph.Data = {\r\n      36030000" +
         data + "}\r\n  end\r\nend\r\n";
}

class BinaryRunTest : public RunFixture {
 protected:
  // Runs the tool on `name` in the folder `folder`, made for it.
  int RunIn(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    WriteFile(folder / name, bytes);
    return RunTool({(folder / name).string()});
  }

  // Runs the binary form and its text side by side: the same console, and
  // the same program and script.
  void ExpectSameRunAsItsText(const std::string& binary, const std::string& what) {
    SCOPED_TRACE(what);
    const fs::path folder = std::to_string(++runs_);
    ASSERT_EQ(RunIn(folder / "binary", "form.dfm", binary), 0) << console_;
    const std::string binary_console = console_;
    const std::string text = ReadFile(folder / "binary" / "form.txt");
    EXPECT_TRUE(text == TextOf(binary));
    ASSERT_EQ(RunIn(folder / "text", "form.txt", text), 0) << console_;
    EXPECT_EQ(binary_console, console_);
    EXPECT_TRUE(ReadFile(folder / "binary" / "form.dpr") == ReadFile(folder / "text" / "form.dpr"));
    EXPECT_EQ(fs::exists(folder / "binary" / "form.rc"), fs::exists(folder / "text" / "form.rc"));
    EXPECT_TRUE(ReadFile(folder / "binary" / "form.rc") == ReadFile(folder / "text" / "form.rc"));
  }

  int runs_ = 0;
};

TEST_F(BinaryRunTest, ProgramAndScriptAreThoseOfTheConvertedText) {
  for (const char* example : {"showcase.txt", "controls.txt", "names.txt", "empty.txt"}) {
    ExpectSameRunAsItsText(BinaryOf(ReadFile(fs::path(VORNIC_SOURCE_DIR) / "examples" / example)),
                           example);
  }
  // Text of many pieces, lines cut between them.
  ExpectSameRunAsItsText(BinaryOf(PictureForm(3000)), "pictures");
  const fs::path corpus = CorpusDir() / "binary";
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    ExpectSameRunAsItsText(ReadFile(entry.path()), entry.path().filename().string());
  }
}

// The bad line comes after the script has begun, deep in the text and far
// from its end.
TEST_F(BinaryRunTest, LineThatFailsKeepsTheWholeTextAndWritesNothingElse) {
  const std::string binary = BinaryOf(
      PictureForm(2000,
                  "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n"
                  "    Height = 25\r\n    Caption = Halt\r\n  end\r\n"));
  WriteFile("form.dpr", "old program");
  WriteFile("form.rc", "old script");
  WriteFile("form.txt", "old text");
  WriteFile("form.dfm", binary);
  EXPECT_EQ(RunTool({"form.dfm"}), 1);
  const std::string text = TextOf(binary);
  const size_t bad = text.find("    Caption = Halt");
  ASSERT_NE(bad, std::string::npos);
  const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<long>(bad), '\n');
  EXPECT_EQ(console_,
            "Wait...\n[Error] form.txt(" + std::to_string(line) + "):     Caption = Halt\n");
  EXPECT_TRUE(ReadFile("form.txt") == text);
  EXPECT_EQ(ReadFile("form.dpr"), "old program");
  EXPECT_EQ(ReadFile("form.rc"), "old script");
  EXPECT_EQ(Files(), (std::set<std::string>{"form.dfm", "form.dpr", "form.rc", "form.txt"}));
}

TEST_F(BinaryRunTest, FormThatCannotBeConvertedIsReportedBeforeALineThatFailed) {
  const std::string binary =
      BinaryOf(PictureForm(2000,
                           "  object Button1: TButton\r\n    Caption = Halt\r\n  end\r\n"
                           "  object Label1: TLabel\r\n    Caption = 'the last'\r\n  end\r\n"));
  WriteFile("form.txt", "old text");
  // Cut inside the bit button's data, well after the bad line.
  WriteFile("form.dfm", binary.substr(0, binary.size() - 1000));
  EXPECT_EQ(RunTool({"form.dfm"}), 1);
  EXPECT_EQ(console_, "form.dfm: Stream read error\n");
  EXPECT_EQ(ReadFile("form.txt"), "old text");
  EXPECT_EQ(Files(), (std::set<std::string>{"form.dfm", "form.txt"}));
}

TEST_F(BinaryRunTest, ScriptThatCannotBeCreatedLeavesNoText) {
  fs::create_directory("form.rc");
  WriteFile("form.dfm", BinaryOf(PictureForm(2000)));
  EXPECT_EQ(RunTool({"form.dfm"}), 1);
  EXPECT_EQ(console_, "Wait...\nCannot create file form.rc: Is a directory\n");
  EXPECT_EQ(Files(), (std::set<std::string>{"form.dfm"}));
}

}  // namespace
}  // namespace vornic
