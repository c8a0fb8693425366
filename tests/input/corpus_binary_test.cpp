// Every real binary form file of the corpus converts to form text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "input/binary_to_text.h"
#include "lib/errors.h"
#include "support/corpus.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

TEST(CorpusBinaryTest, EveryBinaryFormConverts) {
  const fs::path folder = CorpusDir() / "binary";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  int converted = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream input(entry.path(), std::ios::binary);
    std::ostringstream output;
    try {
      FormResourceToText(input, output);
    } catch (const Error& error) {
      ADD_FAILURE() << entry.path().filename() << ": " << error.what();
      continue;
    }
    const std::string text = output.str();
    EXPECT_TRUE(text.starts_with("object ") || text.starts_with("inherited ") ||
                text.starts_with("inline "))
        << entry.path().filename();
    EXPECT_TRUE(text.ends_with("end\r\n")) << entry.path().filename();
    ++converted;
  }
  EXPECT_GT(converted, 0);
}

}  // namespace
}  // namespace vornic
