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
  // The composed program of `form`, with any resource script beside `base`.
  std::string Translate(const fs::path& form, const std::string& base = "form") {
    std::ifstream text(form, std::ios::binary);
    TSDPR dpr(base);
    TBuilder builder((dir_ / base).string());
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

TEST_F(TranslationTest, InMemoryProgramIsTheProgramARunWrites) {
  for (const fs::path& example : FilesOf(fs::path(VORNIC_SOURCE_DIR) / "examples")) {
    const fs::path copy = dir_ / example.filename();
    fs::copy_file(example, copy, fs::copy_options::overwrite_existing);
    std::ostringstream console;
    ASSERT_EQ(vornic::Run({copy.string()}, console), 0) << console.str();
    fs::path program = copy;
    program.replace_extension(".dpr");
    const std::string base = (dir_ / copy.stem()).string();
    std::ifstream text(copy, std::ios::binary);
    TSDPR dpr(copy.stem().string());
    TBuilder builder(base);
    TranslateFormText(text, copy.string(), dpr, builder);
    EXPECT_EQ(dpr.ComposedText + "\r\n", ReadFile(program)) << example;
  }
}

TEST_F(TranslationTest, EveryFuzzSeedTranslates) {
  const auto seeds = FilesOf(fs::path(VORNIC_SOURCE_DIR) / "fuzz" / "seeds" / "translation");
  ASSERT_FALSE(seeds.empty());
  for (const fs::path& seed : seeds) {
    EXPECT_EQ(Translate(seed).rfind("Program form ;\r\n", 0), 0u) << seed;
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
