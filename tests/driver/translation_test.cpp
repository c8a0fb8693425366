// The in-memory translation that the fuzz target drives: the same program as a
// run of the tool, and every seed and real form accepted by the value checks.
#include "driver/translation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "builder/builder.h"
#include "driver/run.h"
#include "lib/errors.h"
#include "lib/file_replacement.h"
#include "output/program_text.h"
#include "support/corpus.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

class TranslationTest : public ::testing::Test {
 protected:
  // The composed program of `form`.
  std::string Translate(const fs::path& form) {
    std::ifstream text(form, std::ios::binary);
    TSDPR dpr("form");
    TBuilder builder((dir_ / "form").string());
    TranslateFormText(text, form.filename().string(), dpr, builder);
    return dpr.ComposedText;
  }

  // Every file of `folder`, not its folders; an empty list when it does not exist.
  static std::vector<fs::path> FilesOf(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    // Subfolders (a project of several forms) are tested on their own.
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
    return files;
  }

  ScratchDir scratch_{"vornic_translation"};
  fs::path dir_ = scratch_.path();
};

// The fuzz target translates in memory: its seeds and the examples must give
// the very program that a run of the tool writes, and a run that succeeds.
TEST_F(TranslationTest, InMemoryProgramIsTheProgramARunWrites) {
  std::vector<fs::path> forms = FilesOf(fs::path(VORNIC_SOURCE_DIR) / "examples");
  // The examples are the .txt files; a handler file lives beside its form.
  std::erase_if(forms, [](const fs::path& file) { return file.extension() != ".txt"; });
  const auto seeds = FilesOf(fs::path(VORNIC_SOURCE_DIR) / "fuzz" / "seeds" / "translation");
  ASSERT_FALSE(seeds.empty());
  forms.insert(forms.end(), seeds.begin(), seeds.end());
  for (const fs::path& form : forms) {
    const fs::path copy = dir_ / ("form_" + form.filename().string());
    fs::copy_file(form, copy, fs::copy_options::overwrite_existing);
    std::ostringstream console;
    ASSERT_EQ(vornic::Run({copy.string()}, console), 0) << form << "\n" << console.str();
    fs::path program = copy;
    program.replace_extension(".dpr");
    std::ifstream text(copy, std::ios::binary);
    TSDPR dpr(copy.stem().string());
    TBuilder builder((dir_ / copy.stem()).string());
    TranslateFormText(text, copy.string(), dpr, builder);
    EXPECT_EQ(dpr.ComposedText + "\r\n", ReadFile(program)) << form;
  }
}

TEST_F(TranslationTest, RealFormsPassTheValueChecks) {
  const auto forms = FilesOf(CorpusDir() / "text");
  if (forms.empty()) GTEST_SKIP() << "no corpus at " << CorpusDir().string();
  for (const fs::path& form : forms) {
    try {
      Translate(form);
    } catch (const Error& failure) {
      ADD_FAILURE() << failure.what();
    }
  }
}

// Lines of bitmap data that lie whole in a piece of the text are stored
// without the line parser; cut into single bytes, every line goes through it.
// Either way the program, the script and the report of a bad line are the same.
TEST_F(TranslationTest, BitmapDataGivesTheSameResultWholeOrByteByByte) {
  const std::string head =
      "object Form1: TForm1\r\n  Width = 200\r\n  Height = 100\r\n"
      "  object Image1: TImage\r\n    Left = 1\r\n    Top = 2\r\n    Width = 3\r\n"
      "    Height = 4\r\n    Picture.Data = {\r\n"
      "      07544269746d617036030000424d3603000000000000360000002800\n"
      "      0000\r\n\r\n   \r\n  00000A00000001001800000000AB00030000C40E0000C40E0000AB\r\n"
      "0000FFFF12345678\r\n";
  const std::string tail =
      "      }\r\n  end\r\n  object BitBtn1: TBitBtn\r\n    Left = 1\r\n    Top = 2\r\n"
      "    Width = 3\r\n    Height = 4\r\n    Glyph.Data = {\r\n      36030000424D\r\n"
      "      AABB}\r\n  end\r\nend\r\n";
  // What the run gives: the program, the script, or the report of the failure.
  const auto translate = [this](const std::string& form, size_t piece, const std::string& name) {
    TSDPR dpr("form");
    TBuilder builder((dir_ / name).string());
    try {
      TextTranslation translation("form.txt", dpr, builder);
      for (size_t at = 0; at < form.size(); at += piece) {
        translation.Add(std::string_view(form).substr(at, piece));
      }
      translation.Finish();
    } catch (const Error& failure) {
      return std::string(failure.what());
    }
    dpr.Compose();
    FileReplacement* script = builder.BitmapStore.script();
    if (script == nullptr) return dpr.ComposedText;
    script->Finish();
    script->Commit();
    return dpr.ComposedText + ReadFile(dir_ / (name + ".rc"));
  };
  const std::string forms[] = {
      head + tail,
      head + "      00 11\r\n" + tail,  // two words: neither checked nor stored
      head + "      AB\rCD\r" + tail,   // lines ended by a lone CR
      head + "      12G4\r\n" + tail,   // not hexadecimal: line 16 fails
      head + "      0011}}\r\n" + tail,
  };
  for (const std::string& form : forms) {
    const std::string whole = translate(form, form.size(), "whole");
    EXPECT_EQ(whole, translate(form, 1, "bytes")) << form;
    EXPECT_EQ(whole, translate(form, 7, "pieces")) << form;
  }
  EXPECT_EQ(translate(forms[3], forms[3].size(), "failed"), "[Error] form.txt(16):       12G4");
  EXPECT_NE(
      translate(forms[0], forms[0].size(), "script")
          .find("BMP_Image1 BITMAP\r\nBEGIN\r\n '42 4d 36 03 00 00 00 00 00 00 36 00 00 00 28 00'"),
      std::string::npos);
}

}  // namespace
}  // namespace vornic
