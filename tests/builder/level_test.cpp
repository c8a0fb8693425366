#include "builder/level.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "lib/errors.h"

namespace vornic {
namespace {

std::pair<std::string, std::string> Offset(const TILevel& levels, const std::string& level,
                                           std::string left, std::string top) {
  levels.GetOffset(level, left, top);
  return {left, top};
}

using Position = std::pair<std::string, std::string>;

TEST(LevelTest, EnclosingContainersAddUpButTheFormDoesNot) {
  TILevel levels;
  levels.AddLevel("1", "0", "0", "TFORM1");
  levels.SetLeft("1", "200");
  levels.SetTop("1", "100");
  levels.AddLevel("2", "0", "0", "TGROUPBOX");
  levels.SetLeft("2", "8");
  levels.SetTop("2", "16");
  levels.AddLevel("3", "0", "0", "TLABEL");
  levels.SetLeft("3", "4");
  levels.SetTop("3", "20");
  EXPECT_EQ(Offset(levels, "3", "4", "20"), Position("12", "36"));

  // After the label's end, a group box in the group box with no Left line.
  levels.RemoveLevel("3");
  levels.AddLevel("3", "0", "0", "TGROUPBOX");
  levels.SetTop("3", "5");
  levels.AddLevel("4", "0", "0", "TBUTTON");
  EXPECT_EQ(Offset(levels, "4", "1", "2"), Position("9", "23"));
}

TEST(LevelTest, TheRootIsSkippedWhateverItsClassAndTForm1Always) {
  TILevel levels;
  levels.AddLevel("1", "200", "100", "TMAINFORM", true);
  levels.AddLevel("2", "300", "400", "TFORM1");
  levels.AddLevel("2", "8", "16", "TPANEL");
  EXPECT_EQ(Offset(levels, "3", "4", "20"), Position("12", "36"));

  // Without the root mark a form of another class is an ordinary container.
  TILevel unmarked;
  unmarked.AddLevel("1", "200", "100", "TMAINFORM");
  EXPECT_EQ(Offset(unmarked, "3", "4", "20"), Position("204", "120"));
}

TEST(LevelTest, RemoveTakesTheOldestEntryOfTheLevelAndSetTheNewest) {
  TILevel levels;
  levels.AddLevel("2", "1", "1", "TPANEL");
  levels.AddLevel("3", "0", "0", "TLABEL");
  levels.AddLevel("2", "0", "0", "TBEVEL");
  levels.SetLeft("2", "7");
  levels.SetTop("2", "9");
  levels.SetLeft("5", "99");  // no such level: nothing happens
  ASSERT_EQ(levels.entries().size(), 3u);
  EXPECT_EQ(levels.entries()[0].Left, "1");
  EXPECT_EQ(levels.entries()[2].Left, "7");
  EXPECT_EQ(levels.entries()[2].Top, "9");

  levels.RemoveLevel("2");
  ASSERT_EQ(levels.entries().size(), 2u);
  EXPECT_EQ(levels.entries()[0].ClassName, "TLABEL");
  EXPECT_EQ(levels.entries()[1].ClassName, "TBEVEL");
  levels.RemoveLevel("4");
  EXPECT_EQ(levels.entries().size(), 2u);
}

TEST(LevelTest, LevelsFromTenUpAreComparedAsNumbers) {
  TILevel levels;
  levels.AddLevel("1", "500", "500", "TFORM1");
  for (int level = 2; level <= 11; ++level) {
    levels.AddLevel(std::to_string(level), std::to_string(level), "1", "TPANEL");
  }
  // Levels 2 to 9 enclose level 10; level 10 and 11 do not.
  EXPECT_EQ(Offset(levels, "10", "0", "0"), Position("44", "8"));
  EXPECT_EQ(Offset(levels, "12", "0", "0"), Position("65", "10"));
  EXPECT_EQ(Offset(levels, "2", "3", "4"), Position("3", "4"));
}

TEST(LevelTest, HexadecimalAndNegativePositionsAndWrappingSums) {
  TILevel levels;
  levels.AddLevel("2", "$10", "-5", "TPANEL");
  EXPECT_EQ(Offset(levels, "3", "-20", "$A"), Position("-4", "5"));

  TILevel huge;
  huge.AddLevel("2", "2147483647", "-2147483648", "TPANEL");
  EXPECT_EQ(Offset(huge, "3", "1", "-1"), Position("-2147483648", "2147483647"));
}

TEST(LevelTest, Errors) {
  TILevel levels;
  levels.AddLevel("2", "8", "abc", "TPANEL");
  {
    std::string left = "1", top = "2";
    try {
      levels.GetOffset("3", left, top);
      FAIL() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(left, "1");
    EXPECT_EQ(top, "2");
  }
  {
    // The bad container does not enclose level 2, so only the own values count.
    std::string left = "1", top = "+5";
    try {
      levels.GetOffset("2", left, top);
      FAIL() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), "'+5' is not a valid integer value");
    }
    EXPECT_EQ(left, "1") << "left must stay as given when top fails";
  }
  {
    std::string left = "", top = "0";
    EXPECT_THROW(levels.GetOffset("2", left, top), EConvertError);
  }
}

}  // namespace
}  // namespace vornic
