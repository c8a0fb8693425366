#include "driver/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/corpus.h"
#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// A small valid form; line 12 is the button's object line.
const char kFormLines[][40] = {
    "object Form1: TForm1",
    "  Left = 192",
    "  Top = 107",
    "  Width = 320",
    "  Height = 240",
    "  Caption = 'Form1'",
    "  Color = clBtnFace",
    "  Font.Charset = DEFAULT_CHARSET",
    "  Font.Color = clWindowText",
    "  Font.Height = -11",
    "  Font.Name = 'MS Sans Serif'",
    "  object Button1: TButton",
    "    Left = 8",
    "    Top = 8",
    "    Width = 75",
    "    Height = 25",
    "    Caption = 'OK'",
    "    TabOrder = 0",
    "  end",
    "end",
};

std::string FormText(const std::string& line_end, int odd_line = 0) {
  std::string text;
  int number = 1;
  for (const char* line : kFormLines) {
    if (number == odd_line) text += ' ';
    text += line;
    text += line_end;
    ++number;
  }
  return text;
}

class RunTest : public RunFixture {
 protected:
  void ExpectCompleteRun(int code) {
    EXPECT_EQ(code, 0) << console_;
    EXPECT_EQ(console_.rfind("Wait...\n", 0), 0u) << console_;
    EXPECT_EQ(console_.find("[Error]"), std::string::npos) << console_;
    const std::string summary = " controls is constructed ok.\n";
    ASSERT_GE(console_.size(), summary.size());
    EXPECT_NE(console_.find(summary), std::string::npos) << console_;
  }
};

TEST_F(RunTest, NoArgumentWritesTheUsageText) {
  EXPECT_EQ(RunTool({}), 0);
  EXPECT_EQ(console_, "\nVornic  Version 1.0\nSyntax: VORNIC <DFMfilename> [DPRfilename]\n\n");
  EXPECT_TRUE(Files().empty());
}

TEST_F(RunTest, VersionOptionPrintsTheVersionLineAndTouchesNoFile) {
  EXPECT_EQ(RunTool({"--version"}), 0);
  EXPECT_EQ(console_, "Vornic  Version 1.0\n");
  EXPECT_TRUE(Files().empty());
}

TEST_F(RunTest, ValueThatWouldBecomeCodeIsReportedAndNoProgramWritten) {
  std::string text = FormText("\r\n");
  text.replace(text.find("'OK'"), 4, "Halt");
  WriteFile("form.txt", text);
  EXPECT_EQ(RunTool({"form.txt"}), 1);
  EXPECT_EQ(console_, "Wait...\n[Error] form.txt(17):     Caption = Halt\n");
  EXPECT_FALSE(fs::exists("form.dpr"));
}

TEST_F(RunTest, ExtensionTestIsCaseSensitiveAndFailsTheRun) {
  WriteFile("form.DFM", "TPF0");
  EXPECT_EQ(RunTool({"form.DFM"}), 1);
  EXPECT_EQ(console_,
            "Unknown input file\nThe input file should have the extension: .dfm or .txt\n");
  EXPECT_EQ(Files(), (std::set<std::string>{"form.DFM"}));
}

TEST_F(RunTest, TextFormIsWrittenBackAndTranslated) {
  WriteFile("form.txt", FormText("\r\n"));
  ExpectCompleteRun(RunTool({"form.txt"}));
  EXPECT_EQ(Files(), (std::set<std::string>{"form.dfm", "form.dpr", "form.txt"}));
  EXPECT_EQ(ReadFile("form.dpr").rfind("Program form ;\r\n", 0), 0u);
  EXPECT_EQ(ReadFile("form.txt"), FormText("\r\n"));
}

TEST_F(RunTest, OddIndentedObjectLineIsReportedAndNoProgramWritten) {
  for (const char* line_end : {"\r\n", "\n", "\r"}) {
    WriteFile("form.txt", FormText(line_end, 12));
    EXPECT_EQ(RunTool({"form.txt"}), 1);
    EXPECT_EQ(console_, "Wait...\n[Error] form.txt(12):    object Button1: TButton\n");
    EXPECT_FALSE(fs::exists("form.dpr"));
  }
}

TEST_F(RunTest, ErrorLineCountsEveryPhysicalLineOfContinuedValues) {
  std::string text = FormText("\n", 12);
  // Lines 6 to 8 hold one caption written in three pieces.
  text.replace(text.find("  Caption = 'Form1'\n"), 20, "  Caption = \n    'For' +\n    'm1'\n");
  text.erase(text.find("  Color = clBtnFace\n"), 20);
  text.erase(text.find("  Font.Charset = DEFAULT_CHARSET\n"), 33);
  fs::create_directory("dir");
  WriteFile("dir/form.txt", text);
  EXPECT_EQ(RunTool({"dir/form.txt"}), 1);
  EXPECT_EQ(console_, "Wait...\n[Error] dir/form.txt(12):    object Button1: TButton\n");
}

TEST_F(RunTest, ProgramIsNamedAfterTheOutputFilePart) {
  WriteFile("form.txt", FormText("\r\n"));
  ExpectCompleteRun(RunTool({"form.txt", "my.out.pas"}));
  EXPECT_EQ(ReadFile("my.out.pas").rfind("Program my ;\r\n", 0), 0u);

  fs::create_directories("build/v1.2");
  ExpectCompleteRun(RunTool({"form.txt", "build/v1.2/main.dpr"}));
  EXPECT_EQ(ReadFile("build/v1.2/main.dpr").rfind("Program main ;\r\n", 0), 0u);

  // A unit's name or a reserved word would not compile as the program's name.
  ExpectCompleteRun(RunTool({"form.txt", "windows.dpr"}));
  EXPECT_EQ(ReadFile("windows.dpr").rfind("Program windows_1 ;\r\n", 0), 0u);
  ExpectCompleteRun(RunTool({"form.txt", ".dpr"}));
  EXPECT_EQ(ReadFile(".dpr").rfind("Program noname ;\r\n", 0), 0u);

  fs::create_directory("dir");
  WriteFile("dir/form.txt", FormText("\n"));
  ExpectCompleteRun(RunTool({"dir/form.txt"}));
  EXPECT_EQ(ReadFile("dir/form.dpr").rfind("Program form ;\r\n", 0), 0u);
  EXPECT_TRUE(fs::exists("dir/form.dfm"));
}

TEST_F(RunTest, FileFailuresPrintTheirMessageAlone) {
  EXPECT_EQ(RunTool({"missing.txt"}), 1);
  EXPECT_EQ(console_, "Cannot open file missing.txt: No such file or directory\n");
  EXPECT_EQ(RunTool({"missing.dfm", "out.dpr"}), 1);
  EXPECT_EQ(console_, "Cannot open file missing.dfm: No such file or directory\n");
  fs::create_directory("folder.txt");
  EXPECT_EQ(RunTool({"folder.txt"}), 1);
  EXPECT_EQ(console_, "Cannot open file folder.txt: Is a directory\n");
  EXPECT_EQ(Files(), std::set<std::string>{});
}

TEST_F(RunTest, EmptyOutputNameWritesNothing) {
  WriteFile("form.txt", FormText("\r\n"));
  EXPECT_EQ(RunTool({"form.txt", ""}), 1);
  EXPECT_EQ(console_, "Cannot create file : No such file or directory\n");
  EXPECT_EQ(Files(), (std::set<std::string>{"form.txt"}));
}

TEST_F(RunTest, FailedConversionKeepsTheExistingTextForm) {
  WriteFile("form.dfm", "not a form resource");
  WriteFile("form.txt", "precious");
  EXPECT_EQ(RunTool({"form.dfm"}), 1);
  EXPECT_EQ(console_, "form.dfm: Invalid stream format\n");
  EXPECT_EQ(ReadFile("form.txt"), "precious");
  EXPECT_EQ(Files(), (std::set<std::string>{"form.dfm", "form.txt"}));
}

TEST_F(RunTest, TextFailingLateKeepsTheExistingBinaryForm) {
  // Enough data that the conversion has written much of the binary when the
  // bad line comes.
  std::string text = "object Form1: TForm1\r\n  Data = {\r\n";
  for (int line = 0; line < 10000; ++line) text += "    " + std::string(64, 'A') + "\r\n";
  text += "    }\r\n  Bad = )\r\nend\r\n";
  WriteFile("form.txt", text);
  WriteFile("form.dfm", "precious");
  EXPECT_EQ(RunTool({"form.txt"}), 1);
  EXPECT_EQ(console_, "form.txt: Invalid property value on line 10004\n");
  EXPECT_EQ(ReadFile("form.dfm"), "precious");
  EXPECT_EQ(Files(), (std::set<std::string>{"form.dfm", "form.txt"}));
}

TEST_F(RunTest, FormTextUnderADfmNameIsTranslatedAsItStands) {
  WriteFile("Unit1.dfm", FormText("\r\n"));
  ExpectCompleteRun(RunTool({"Unit1.dfm"}));
  EXPECT_EQ(Files(), (std::set<std::string>{"Unit1.dfm", "Unit1.dpr"}));
  EXPECT_EQ(ReadFile("Unit1.dfm"), FormText("\r\n"));
  fs::create_directory("txt");
  WriteFile("txt/Unit1.txt", FormText("\r\n"));
  ExpectCompleteRun(RunTool({"txt/Unit1.txt"}));
  EXPECT_EQ(ReadFile("Unit1.dpr"), ReadFile("txt/Unit1.dpr"));
}

TEST_F(RunTest, DfmIsTextWhenItBeginsWithAnObjectWord) {
  const std::string kInvalid = "Unit1.dfm: Invalid stream format\n";
  const struct {
    std::string start;
    std::string console;  // empty for a complete run
  } cases[] = {
      {"\xEF\xBB\xBF\r\n \t\r\nOBJECT Form1: TForm1\r\nend\r\n", ""},
      {"inline Form1: TForm1\r\nend\r\n", ""},
      {"Inherited Form1: TForm1\r\nend\r\n", ""},
      {"objects Form1: TForm1\r\nend\r\n", kInvalid},
      {"// object\r\n", kInvalid},
      {"", kInvalid},
      {"TPF0\x06TForm1\x05", kInvalid},
      // Checked as the conversion of a .txt would check it.
      {"object Form1: TForm1\r\n  Caption = )\r\nend\r\n",
       "Unit1.dfm: Invalid property value on line 2\n"},
  };
  for (const auto& [start, console] : cases) {
    SCOPED_TRACE(start);
    WriteFile("Unit1.dfm", start);
    const int code = RunTool({"Unit1.dfm"});
    if (console.empty()) {
      ExpectCompleteRun(code);
      fs::remove("Unit1.dpr");
    } else {
      EXPECT_EQ(code, 1);
      EXPECT_EQ(console_, console);
    }
    EXPECT_EQ(Files(), (std::set<std::string>{"Unit1.dfm"}));
  }
}

// The converted form file and the program describe the same form: both stop
// at the root object's end, or at a character 26 when it comes first.
TEST_F(RunTest, ProgramAndConvertedFileDescribeTheSameForm) {
  const std::string form = FormText("\r\n");
  WriteFile("form.txt", form);
  ExpectCompleteRun(RunTool({"form.txt"}));
  const std::string program = ReadFile("form.dpr");
  const std::string binary = ReadFile("form.dfm");
  const std::string second_form =
      "object Form2: TForm1\r\n  object Button2: TButton\r\n    Left = 1\r\n    Top = 1\r\n"
      "    Width = 9\r\n    Height = 9\r\n    Caption = 'x'\r\n  end\r\nend\r\n";
  for (const std::string& behind :
       {second_form, "\x1A" + second_form, std::string("  object X: TButton\r\n")}) {
    WriteFile("form.txt", form + behind);
    ExpectCompleteRun(RunTool({"form.txt"}));
    EXPECT_EQ(ReadFile("form.dpr"), program);
    EXPECT_EQ(ReadFile("form.dfm"), binary);
  }
  // A character 26 inside the form leaves it unfinished for both.
  fs::remove("form.dpr");
  fs::remove("form.dfm");
  std::string cut = form;
  cut.insert(cut.find("  object Button1"), "\x1A");
  WriteFile("form.txt", cut);
  EXPECT_EQ(RunTool({"form.txt"}), 1);
  EXPECT_EQ(console_, "form.txt: Identifier expected on line 12\n");
  EXPECT_EQ(Files(), (std::set<std::string>{"form.txt"}));
}

TEST_F(RunTest, EveryCorpusFormTranslatesByItsOwnName) {
  int forms = 0;
  for (const char* kind : {"text", "binary"}) {
    const fs::path folder = CorpusDir() / kind;
    if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      SCOPED_TRACE(name);
      const fs::path dir = fs::path(kind) / std::to_string(++forms);
      fs::create_directories(dir / "as_txt");
      fs::copy_file(entry.path(), dir / name);
      ExpectCompleteRun(RunTool({(dir / name).string()}));
      if (std::string(kind) == "binary") continue;
      const fs::path program = (dir / name).replace_extension(".dpr");
      EXPECT_FALSE(fs::exists((dir / name).replace_extension(".txt")));
      // The same bytes as a .txt give the same program.
      const fs::path text = (dir / "as_txt" / name).replace_extension(".txt");
      fs::copy_file(entry.path(), text);
      ExpectCompleteRun(RunTool({text.string()}));
      EXPECT_EQ(ReadFile(program), ReadFile(fs::path(text).replace_extension(".dpr")));
      EXPECT_EQ(ReadFile(dir / name), ReadFile(entry.path()));
    }
  }
  EXPECT_GT(forms, 0);
}

TEST_F(RunTest, CaptionOfCodesJoinedToAPlainPieceConvertsAndTranslates) {
  std::string text = FormText("\r\n");
  text.replace(text.find("'Form1'"), 7, "#1055#1088 +\r\n    ' https://example.org'");
  WriteFile("form.txt", text);
  ExpectCompleteRun(RunTool({"form.txt"}));
  EXPECT_NE(ReadFile("form.dpr").find("'MyWindowClass',#1055#1088' https://example.org',"),
            std::string::npos);
  const std::string wide_caption("Caption\x12\x16\0\0\0\x1F\x04\x40\x04 \0h\0", 20);
  EXPECT_NE(ReadFile("form.dfm").find(wide_caption), std::string::npos);
}

TEST_F(RunTest, BlankLinesDoNotChangeTheProgram) {
  std::string text = FormText("\r\n");
  // A blank line behind a list entry must not hand that entry over twice.
  std::string list =
      "  object ListBox1: TListBox\r\n    Left = 8\r\n    Top = 40\r\n"
      "    Width = 121\r\n    Height = 97\r\n    ItemHeight = 13\r\n"
      "    Items.Strings = (\r\n      'one'\r\n\r\n      'two')\r\n"
      "    \r\n    TabOrder = 1\r\n  end\r\n";
  std::string with_list = text;
  with_list.insert(with_list.rfind("end\r\n"), list);
  WriteFile("listed.txt", with_list);
  ExpectCompleteRun(RunTool({"listed.txt"}));
  std::string unblanked = with_list;
  unblanked.erase(unblanked.find("\r\n\r\n"), 2);
  unblanked.erase(unblanked.find("    \r\n"), 6);
  WriteFile("unblanked.txt", unblanked);
  ExpectCompleteRun(RunTool({"unblanked.txt"}));
  std::string expected = ReadFile("unblanked.dpr");
  expected.replace(expected.find("Program unblanked"), 17, "Program listed");
  EXPECT_EQ(ReadFile("listed.dpr"), expected);
}

TEST_F(RunTest, RealFormTextRunsToTheSummary) {
  const fs::path corpus_form = CorpusDir() / "text/DELMadang--DelphiForFUN--U_Catapult4.dfm";
  if (!fs::exists(corpus_form)) GTEST_SKIP() << "corpus not present";
  fs::copy_file(corpus_form, "catapult.txt");
  ExpectCompleteRun(RunTool({"catapult.txt"}));
  EXPECT_TRUE(fs::exists("catapult.dpr"));
}

TEST_F(RunTest, BinaryFormIsConvertedToTextBesideIt) {
  const fs::path corpus_dir = CorpusDir() / "binary";
  if (!fs::exists(corpus_dir)) GTEST_SKIP() << "corpus not present";
  fs::path binary = *fs::directory_iterator(corpus_dir);
  fs::copy_file(binary, "form.dfm");
  fs::permissions("form.dfm", fs::perms::owner_write, fs::perm_options::add);
  ExpectCompleteRun(RunTool({"form.dfm"}));
  std::string text = ReadFile("form.txt");
  EXPECT_TRUE(text.rfind("object ", 0) == 0 || text.rfind("inherited ", 0) == 0) << text;
  EXPECT_TRUE(fs::exists("form.dpr"));
}

}  // namespace
}  // namespace vornic
