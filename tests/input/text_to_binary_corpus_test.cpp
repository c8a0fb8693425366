// Real form texts from the shared corpus (their .dfm extension notwithstanding):
// each must convert to a binary form file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "input/text_to_binary.h"
#include "lib/errors.h"
#include "support/corpus.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

TEST(TextToBinaryCorpusTest, EveryRealFormTextConverts) {
  fs::path folder = CorpusDir() / "text";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  int converted = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    std::ifstream input(entry.path(), std::ios::binary);
    std::ostringstream output;
    try {
      FormTextToResource(input, output);
      ++converted;
    } catch (const Error& failure) {
      ADD_FAILURE() << entry.path().filename() << ": " << failure.what();
    }
  }
  EXPECT_GT(converted, 0);
}

}  // namespace
}  // namespace vornic
