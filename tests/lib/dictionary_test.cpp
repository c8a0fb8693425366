#include "lib/dictionary.h"

#include <gtest/gtest.h>

#include "lib/errors.h"

namespace vornic {
namespace {

TEST(DictionaryTest, NewDictionaryHoldsOnlyTheEmptyEntry) {
  TIDictonary dictionary;
  EXPECT_EQ(dictionary.HighIndex(), 0);
  EXPECT_EQ(dictionary.GetItem(0), "");
  EXPECT_TRUE(dictionary.Contains(""));
  EXPECT_THROW(dictionary.GetItem(1), ERangeError);
  EXPECT_THROW(dictionary.GetItem(-1), ERangeError);
}

TEST(DictionaryTest, KeepsDuplicatesUnlessUnique) {
  TIDictonary dictionary;
  dictionary.Add("A");
  dictionary.Add("B");
  dictionary.Add("A");
  EXPECT_EQ(dictionary.HighIndex(), 3);
  EXPECT_EQ(dictionary.GetItem(3), "A");

  TIDictonary unique;
  unique.Unique = true;
  unique.Add("A");
  unique.Add("A");
  unique.Add("");
  EXPECT_EQ(unique.HighIndex(), 1);
}

TEST(DictionaryTest, ContainsIsCaseSensitiveAndClearRestartsAtOne) {
  TIDictonary dictionary;
  dictionary.Add("Bold");
  EXPECT_FALSE(dictionary.Contains("bold"));
  dictionary.Clear();
  EXPECT_EQ(dictionary.HighIndex(), 0);
  EXPECT_FALSE(dictionary.Contains("Bold"));
  dictionary.Add("x");
  EXPECT_EQ(dictionary.GetItem(1), "x");
  EXPECT_TRUE(dictionary.Contains("x"));
  const TIDictonary copy = dictionary;
  EXPECT_TRUE(copy.Contains("x"));
  EXPECT_FALSE(copy.Contains("Bold"));
  try {
    dictionary.GetItem(2);
    FAIL();
  } catch (const ERangeError& e) {
    EXPECT_STREQ(e.what(), "Variant array index out of bounds");
  }
}

}  // namespace
}  // namespace vornic
