// Whole runs of the tool over forms with images and bit buttons: the program,
// the resource script beside it and the console report.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "driver/run.h"
#include "support/corpus.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

class BitmapRunTest : public ::testing::Test {
 protected:
  static size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
      ++count;
    }
    return count;
  }

  ScratchDir scratch_{"vornic_bmprun"};
  fs::path dir_ = scratch_.path();
};

const char kFormWithBitmaps[] =
    "object Form1: TForm1\r\n"
    "  Caption = 'Pictures'\r\n"
    "  object Image1: TImage\r\n"
    "    Left = 8\r\n    Top = 16\r\n    Width = 105\r\n    Height = 105\r\n"
    "    Picture.Data = {\r\n"
    "      07544269746D617036030000424D36030000000000003600000028000000\r\n"
    "      0A000000}\r\n"
    "  end\r\n"
    "  object Image2: TImage\r\n"
    "    Left = 8\r\n    Top = 130\r\n    Width = 10\r\n    Height = 10\r\n"
    "  end\r\n"
    "  object BitBtn1: TBitBtn\r\n"
    "    Left = 120\r\n    Top = 16\r\n    Width = 75\r\n    Height = 25\r\n"
    "    Glyph.Data = {\r\n"
    "      36030000424D}\r\n"
    "  end\r\n"
    "end\r\n";

TEST_F(BitmapRunTest, ScriptLiesBesideTheProgramAndIsReported) {
  fs::create_directories(dir_ / "out.v1");
  const fs::path form = dir_ / "form.txt";
  std::ofstream(form, std::ios::binary) << kFormWithBitmaps;
  // A full stop in a directory name must not cut the script's name.
  const fs::path program = dir_ / "out.v1" / "prog.dpr";
  std::ostringstream console;
  ASSERT_EQ(vornic::Run({form.string(), program.string()}, console), 0) << console.str();

  EXPECT_EQ(ReadFile(dir_ / "out.v1" / "prog.rc"),
            "BMP_Image1 BITMAP\r\nBEGIN\r\n"
            " '42 4D 36 03 00 00 00 00 00 00 36 00 00 00 28 00'\r\n"
            " '00 00 0A 00 00 00'\r\n"
            "END\r\n\r\n"
            "BMP_BitBtn1 BITMAP\r\nBEGIN\r\n"
            " '42 4D'\r\n"
            "END\r\n\r\n");
  const std::string text = ReadFile(program);
  EXPECT_EQ(Occurrences(text, "{$R *.RES}"), 1u);
  EXPECT_EQ(Occurrences(text, "LoadBitmap("), 2u);
  EXPECT_NE(text.find("    Image2: HWND;"), std::string::npos);
  EXPECT_EQ(text.find("hImage2"), std::string::npos);
  const std::string ending = "3 controls is constructed ok.\nThere is a file of resources.\n";
  const std::string report = console.str();
  ASSERT_GE(report.size(), ending.size());
  EXPECT_EQ(report.substr(report.size() - ending.size()), ending);
}

TEST_F(BitmapRunTest, RealFormWithEmptyImagesWritesNoScript) {
  const fs::path source = CorpusDir() / "text" / "DELMadang--DelphiForFUN--U_Catapult4.dfm";
  if (!fs::exists(source)) GTEST_SKIP() << "corpus not present";
  const fs::path form = dir_ / "catapult.txt";
  fs::copy_file(source, form);
  std::ostringstream console;
  ASSERT_EQ(vornic::Run({form.string()}, console), 0) << console.str();

  for (const auto& entry : fs::directory_iterator(dir_)) {
    EXPECT_NE(entry.path().extension(), ".rc") << entry.path();
  }
  const std::string text = ReadFile(dir_ / "catapult.dpr");
  EXPECT_NE(text.find("    Image1: HWND;"), std::string::npos);
  EXPECT_NE(text.find("    Image2: HWND;"), std::string::npos);
  EXPECT_EQ(text.find("{$R *.RES}"), std::string::npos);
  EXPECT_EQ(console.str().find("There is a file of resources."), std::string::npos);
  EXPECT_NE(console.str().find("controls is constructed ok."), std::string::npos);
}

}  // namespace
}  // namespace vornic
