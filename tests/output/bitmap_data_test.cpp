#include "output/bitmap_data.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vornic {
namespace {

std::string WithNul(const std::string& before, const std::string& after) {
  return before + '\0' + after;
}

// What the script is given for data lines as forms hold them, and for the
// lines no conversion writes but a form text may still hold.
TEST(BitmapDataTest, JoinedDropsTheSkipWhatANulCutsAndTheBracesOfTheLastLine) {
  const struct {
    std::vector<std::string> lines;
    int skip;
    std::string joined;
  } cases[] = {
      {{"00112233", "4455", "66}"}, 4, "2233445566"},
      {{"00112233}"}, 2, "112233"},
      {{"0011", "}"}, 0, "0011"},
      {{"0011"}, 0, "0011"},            // never closed
      {{"00}11", "22"}, 0, "00}1122"},  // a brace before the last line stays
      {{"0011", "2}2}"}, 0, "001122"},  // every brace of the last line goes
      {{"0011}}"}, 1, "011"},
      {{"00", "11}"}, 5, "11"},   // the skip ends with the first line
      {{"00", "11}"}, -1, "11"},  // a negative skip drops the first line
      {{"0011", "22}"}, 9, "22"},
      {{WithNul("00", "11"), "22}"}, 0, "0022"},  // a NUL ends the first line
      {{WithNul("00", "1}")}, 0, "00"},
      {{WithNul("0}", "1}")}, 0, "0"},  // the one line is the last as well
      {{WithNul("0011", ""), "2}}"}, 2, "112"},
  };
  std::string scratch;
  for (const auto& [lines, skip, joined] : cases) {
    BitmapData data;
    for (const std::string& line : lines) data.Add(line);
    EXPECT_EQ(data.LineCount(), static_cast<int>(lines.size()));
    EXPECT_EQ(data.FirstLine(), lines.front());
    EXPECT_EQ(data.Joined(skip, scratch), joined) << lines.front() << " skip " << skip;
  }
}

TEST(BitmapDataTest, ClearLeavesNoLineBehind) {
  BitmapData data;
  data.Add("AABB");
  data.Add("CC}");
  data.Clear();
  EXPECT_EQ(data.LineCount(), 0);
  EXPECT_EQ(data.FirstLine(), "");
  data.Add("DD}");
  std::string scratch;
  EXPECT_EQ(data.Joined(0, scratch), "DD");
}

}  // namespace
}  // namespace vornic
