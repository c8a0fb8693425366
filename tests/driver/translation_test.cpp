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
#include "output/program_text.h"
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

  // Every file of `folder`; an empty list when it does not exist.
  static std::vector<fs::path> FilesOf(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    return files;
  }

  ScratchDir scratch_{"vornic_translation"};
  fs::path dir_ = scratch_.path();
};

// The fuzz target translates in memory: its seeds and the examples must give
// the very program that a run of the tool writes, and a run that succeeds.
TEST_F(TranslationTest, InMemoryProgramIsTheProgramARunWrites) {
  std::vector<fs::path> forms = FilesOf(fs::path(VORNIC_SOURCE_DIR) / "examples");
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
  const auto forms = FilesOf(fs::path(VORNIC_CORPUS_DIR) / "text");
  if (forms.empty()) GTEST_SKIP() << "no corpus at " << VORNIC_CORPUS_DIR;
  for (const fs::path& form : forms) {
    try {
      Translate(form);
    } catch (const Error& failure) {
      ADD_FAILURE() << failure.what();
    }
  }
}

}  // namespace
}  // namespace vornic
