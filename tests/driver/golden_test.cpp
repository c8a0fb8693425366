// Whole runs over the bundled examples, in both translations, compared byte
// for byte with the expected files under tests/golden/ (the extended
// translation's under tests/golden/extended/). Set VORNIC_UPDATE_GOLDEN=1 to
// rewrite them after an intended change of the output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/run.h"
#include "input/binary_to_text.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = VORNIC_SOURCE_DIR;

// The first differing line of two texts, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream a(expected), b(actual);
  std::string line_a, line_b;
  for (int number = 1;; ++number) {
    const bool more_a = static_cast<bool>(std::getline(a, line_a));
    const bool more_b = static_cast<bool>(std::getline(b, line_b));
    if (!more_a && !more_b) return "texts differ only in their line ends";
    if (line_a != line_b || more_a != more_b) {
      return "line " + std::to_string(number) + ":\n  expected: " + line_a +
             "\n  actual:   " + line_b;
    }
  }
}

class GoldenTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    old_dir_ = fs::current_path();
    fs::current_path(scratch_.path());
  }
  void TearDown() override { fs::current_path(old_dir_); }

  // Compares a file of the run with its golden copy, or rewrites the copy.
  void ExpectGolden(const std::string& produced, const std::string& golden_name) {
    const fs::path golden = kSourceDir / "tests" / "golden" / golden_name;
    if (std::getenv("VORNIC_UPDATE_GOLDEN") != nullptr) {
      WriteFile(golden, produced);
      return;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden << " is missing; run with VORNIC_UPDATE_GOLDEN=1";
    const std::string expected = ReadFile(golden);
    EXPECT_TRUE(expected == produced)
        << golden_name << " differs, " << FirstDifference(expected, produced);
  }

  ScratchDir scratch_{"vornic_golden"};
  fs::path old_dir_;
};

TEST_P(GoldenTest, ExampleTranslatesToItsGoldenProgram) {
  const std::string name = GetParam();
  const std::string form = ReadFile(kSourceDir / "examples" / (name + ".txt"));
  WriteFile(name + ".txt", form);

  std::ostringstream console;
  ASSERT_EQ(vornic::Run({name + ".txt"}, console), 0) << console.str();
  ExpectGolden(console.str(), name + ".console");
  ExpectGolden(ReadFile(name + ".dpr"), name + ".dpr");
  if (fs::exists(name + ".rc")) ExpectGolden(ReadFile(name + ".rc"), name + ".rc");

  // The binary form written beside the text converts back to the same text.
  std::ifstream binary(name + ".dfm", std::ios::binary);
  std::ostringstream text;
  FormResourceToText(binary, text);
  EXPECT_TRUE(text.str() == form) << FirstDifference(form, text.str());
}

TEST_P(GoldenTest, ExampleTranslatesToItsGoldenExtendedProgram) {
  const std::string name = GetParam();
  WriteFile(name + ".txt", ReadFile(kSourceDir / "examples" / (name + ".txt")));
  std::ostringstream console;
  ASSERT_EQ(vornic::Run({"--extended", name + ".txt"}, console), 0) << console.str();
  ExpectGolden(console.str(), "extended/" + name + ".console");
  ExpectGolden(ReadFile(name + ".dpr"), "extended/" + name + ".dpr");
  if (fs::exists(name + ".rc")) ExpectGolden(ReadFile(name + ".rc"), "extended/" + name + ".rc");
  if (fs::exists(name + ".events.inc")) {
    ExpectGolden(ReadFile(name + ".events.inc"), "extended/" + name + ".events.inc");
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenTest,
                         ::testing::Values("empty", "controls", "showcase", "names", "dialog",
                                           "containers", "menus", "common_controls", "views",
                                           "workbench", "actions", "counter", "behaviour",
                                           "scripts", "resizable"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace vornic
