#include "lib/text_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace vornic {

namespace {

TEST(TextRowsTest, RowsAreFoundByAllTheirTextsAndNumberedInOrder) {
  TextRows rows(2);
  EXPECT_EQ(rows.Find({"a", "b"}), 0);
  EXPECT_EQ(rows.Add({"ab", "c"}), 1);
  EXPECT_EQ(rows.Add({"a", "bc"}), 2);
  EXPECT_EQ(rows.Add({"", ""}), 3);
  EXPECT_EQ(rows.Find({"ab", "c"}), 1);
  EXPECT_EQ(rows.Find({"a", "bc"}), 2);  // the same bytes, cut elsewhere
  EXPECT_EQ(rows.Find({"", ""}), 3);
  EXPECT_EQ(rows.Find({"abc", ""}), 0);
  EXPECT_EQ(rows.Find({std::string("a\0", 2), "bc"}), 0);
  // Rows added after the first search are found too; of equal rows, the first.
  EXPECT_EQ(rows.Add({"a", "bc"}), 4);
  EXPECT_EQ(rows.Add({"x", "y"}), 5);
  EXPECT_EQ(rows.Find({"a", "bc"}), 2);
  EXPECT_EQ(rows.Find({"x", "y"}), 5);
  EXPECT_EQ(rows.size(), 5);
  EXPECT_EQ(rows.At(1, 0), "ab");
  EXPECT_EQ(rows.At(1, 1), "c");
  EXPECT_EQ(rows.At(3, 1), "");
  EXPECT_EQ(rows.At(5, 0), "x");
}

// Enough rows for the index to grow many times, with a search at every size.
TEST(TextRowsTest, ManyRowsKeepTheirNumbersAsTheIndexGrows) {
  TextRows rows(3);
  constexpr int kRows = 5000;
  for (int n = 1; n <= kRows; ++n) {
    const std::string width = std::to_string(n);
    ASSERT_EQ(rows.Find({"psSolid", width, "clRed"}), 0);
    ASSERT_EQ(rows.Add({"psSolid", width, "clRed"}), n);
    ASSERT_EQ(rows.Find({"psSolid", std::to_string(n / 2 + 1), "clRed"}), n / 2 + 1);
  }
  for (int n = 1; n <= kRows; ++n) {
    EXPECT_EQ(rows.At(n, 1), std::to_string(n));
  }
}

}  // namespace
}  // namespace vornic
