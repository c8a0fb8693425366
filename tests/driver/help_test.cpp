// What "--help" prints and the manual page docs/vornic.1, both made of one
// description. Set VORNIC_UPDATE_GOLDEN=1 to rewrite the page after a change
// of that description.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "driver/command_line.h"
#include "driver/console_messages.h"
#include "driver/manual_page.h"
#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// The words of `text` that begin with a hyphen: the options it names.
std::set<std::string> OptionsNamed(const std::string& text) {
  std::set<std::string> options;
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    word.erase(0, word.find_first_not_of("[(\""));
    word = word.substr(0, word.find_first_not_of("-abcdefghijklmnopqrstuvwxyz"));
    if (word.size() > 1 && word[0] == '-' && word.find_first_not_of('-') != std::string::npos) {
      options.insert(word);
    }
  }
  return options;
}

class HelpTest : public RunFixture {};

TEST_F(HelpTest, HelpFollowsTheUsageLinesWithinEightyColumns) {
  for (const char* option : {"--help", "-h"}) {
    ASSERT_EQ(RunTool({option}), 0);
    ASSERT_EQ(console_.rfind(kUsageText, 0), 0u) << console_;
    EXPECT_GT(console_.size(), std::string(kUsageText).size() + 1000);
    std::istringstream lines(console_);
    std::string line;
    while (std::getline(lines, line)) {
      EXPECT_LE(line.size(), 79u) << line;
      // A style mark or a roff escape left in the text would show as it
      // stands; "\x" is the text's own, where it shows how bytes are escaped.
      std::string text = line;
      for (size_t at; (at = text.find("\\x")) != std::string::npos;) text.erase(at, 2);
      EXPECT_EQ(text.find_first_of("*_\\"), std::string::npos) << line;
    }
  }
  EXPECT_TRUE(Files().empty());
}

TEST_F(HelpTest, HelpNamesEveryOptionOfTheDriverAndNoOther) {
  ASSERT_EQ(RunTool({"--help"}), 0);
  const std::set<std::string> named = OptionsNamed(console_.substr(std::string(kUsageText).size()));
  std::set<std::string> taken;
  for (const CommandOption& option : CommandOptions()) taken.insert(option.name);
  EXPECT_EQ(named, taken);
  // An option the driver did not take would be refused as unknown.
  for (const std::string& option : named) {
    RunTool({option});
    EXPECT_NE(console_.rfind("unknown option", 0), 0u) << option;
  }
}

TEST(ManualPageTest, DocsPageIsTheOneTheDescriptionMakes) {
  const fs::path page = fs::path(VORNIC_SOURCE_DIR) / "docs" / "vornic.1";
  if (std::getenv("VORNIC_UPDATE_GOLDEN") != nullptr) WriteFile(page, ManualPage());
  EXPECT_TRUE(ReadFile(page) == ManualPage())
      << page << " differs from the description; run with VORNIC_UPDATE_GOLDEN=1";
}

}  // namespace
}  // namespace vornic
