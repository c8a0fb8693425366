#include "input/bitmap_data_line.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vornic {
namespace {

TEST(BitmapDataLineTest, TakesOnlyWholeLinesOfHexadecimalDigits) {
  const struct {
    std::string text;
    size_t length;  // 0: not taken
    std::string word;
  } cases[] = {
      {"      0123456789abcdefABCDEF\r\n      00", 30, "0123456789abcdefABCDEF"},
      {"00}\r\nend\r\n", 5, "00}"},
      {"}\n", 2, "}"},
      {"0A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n", 45,
       "0A0B0C0D0E0F101112131415161718191A1B1C1D1E1F"},
      {"00", 0, ""},       // the line end may still come
      {"00\r", 0, ""},     // so may the LF behind the CR
      {"00\rX", 0, ""},    // a lone CR is left to the general path
      {"   \r\n", 0, ""},  // a blank line
      {"\r\n", 0, ""},
      {"00 \r\n", 0, ""},  // a blank behind the digits
      {"00 11\r\n", 0, ""},
      {"00}}\r\n", 0, ""},
      {"0}0\r\n", 0, ""},
      {"0G\r\n", 0, ""},
      {"\t00\r\n", 0, ""},
      {"00 +\r\n", 0, ""},  // continued
      {"end\r\n", 0, ""},
  };
  for (const auto& [text, length, word] : cases) {
    std::string_view found = "untouched";
    EXPECT_EQ(BitmapDataLineAt(text, found), length) << text;
    EXPECT_EQ(found, length == 0 ? "untouched" : word) << text;
  }
}

// Digits are tested sixteen at a time and the rest one by one: every byte at
// every place of a block must be judged as IsBitmapDataWord judges it.
TEST(BitmapDataLineTest, EveryByteAnywhereIsJudgedAlike) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool hex = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'F') ||
                     (byte >= 'a' && byte <= 'f');
    for (size_t at = 0; at < 40; at += 3) {
      std::string word(40, 'e');
      word[at] = static_cast<char>(byte);
      // A brace may close the word; anywhere else it ends the word early, and
      // the line is no data line. An LF behind digits ends a shorter one; a
      // blank in front of them is indent.
      const bool data = hex || (byte == '}' && at == word.size() - 1);
      EXPECT_EQ(IsBitmapDataWord(word), data) << byte << " at " << at;
      std::string_view found;
      EXPECT_EQ(BitmapDataLineAt("  " + word + "\r\n", found) != 0,
                data || (byte == '\n' && at > 0) || (byte == ' ' && at == 0))
          << byte << " at " << at;
    }
  }
  EXPECT_TRUE(IsBitmapDataWord(""));
  EXPECT_TRUE(IsBitmapDataWord("}"));
  EXPECT_FALSE(IsBitmapDataWord("}}"));
}

}  // namespace
}  // namespace vornic
