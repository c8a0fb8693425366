#include "builder/level.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "lib/errors.h"
#include "lib/text.h"

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

// The stack as a plain list searched from end to end: what TILevel must
// answer, whatever it keeps to answer faster.
class VisitedLevels {
 public:
  void Add(const TLevel& entry) { entries_.push_back(entry); }
  void Remove(const std::string& level) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->Level == level) {
        entries_.erase(it);
        return;
      }
    }
  }
  void Set(const std::string& level, const std::string& value, bool top) {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
      if (it->Level == level) {
        (top ? it->Top : it->Left) = value;
        return;
      }
    }
  }
  Position Offset(const std::string& level, const std::string& left, const std::string& top) {
    const int32_t own = TextToInt(level);
    uint32_t x = 0, y = 0;
    for (const TLevel& entry : entries_) {
      if (entry.IsRoot || UpperText(entry.ClassName) == "TFORM1") continue;
      if (TextToInt(entry.Level) >= own) continue;
      x += static_cast<uint32_t>(TextToInt(entry.Left));
      y += static_cast<uint32_t>(TextToInt(entry.Top));
    }
    const int32_t own_left = TextToInt(left);
    const int32_t own_top = TextToInt(top);
    return {std::to_string(static_cast<int32_t>(x + static_cast<uint32_t>(own_left))),
            std::to_string(static_cast<int32_t>(y + static_cast<uint32_t>(own_top)))};
  }
  const std::vector<TLevel>& entries() const { return entries_; }

 private:
  std::vector<TLevel> entries_;
};

std::string OffsetOrError(const std::function<Position()>& offset) {
  try {
    const Position position = offset();
    return position.first + "," + position.second;
  } catch (const EConvertError& e) {
    return std::string("error: ") + e.what();
  }
}

TEST(LevelTest, AnySequenceOfOperationsAnswersAsAVisitOfEveryEntry) {
  // Levels out of order, texts that differ but read as the same number, and
  // now and then a level or a position that is no number; positions that wrap.
  const std::vector<std::string> levels = {"1", "2", "3", "4", "5", "10", "02", "$3", "-1"};
  const std::vector<std::string> positions = {"0",  "5",          "-7",         "$10",
                                              "12", "2147483647", "-2147483648"};
  const std::vector<std::string> classes = {"TPANEL", "TGROUPBOX", "TFORM1", "tForm1"};
  std::mt19937 random(17);
  auto one_in = [&random](int n) { return std::uniform_int_distribution<int>(1, n)(random) == 1; };
  auto pick = [&random](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
  };
  auto level_text = [&] { return one_in(60) ? std::string("x") : pick(levels); };
  auto position = [&] { return one_in(40) ? std::string("abc") : pick(positions); };
  int answers = 0;
  int errors = 0;
  for (int round = 0; round < 100; ++round) {
    TILevel levels_under_test;
    VisitedLevels expected;
    for (int step = 0; step < 200; ++step) {
      const std::string level = level_text();
      switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 0:
        case 1: {
          const TLevel entry{level, position(), position(), pick(classes), one_in(20)};
          levels_under_test.AddLevel(entry.Level, entry.Left, entry.Top, entry.ClassName,
                                     entry.IsRoot);
          expected.Add(entry);
          break;
        }
        case 2:
          levels_under_test.RemoveLevel(level);
          expected.Remove(level);
          break;
        case 3: {
          const std::string value = position();
          const bool top = one_in(2);
          top ? levels_under_test.SetTop(level, value) : levels_under_test.SetLeft(level, value);
          expected.Set(level, value, top);
          break;
        }
        default: {
          const std::string left = pick(positions), top = pick(positions);
          const std::string answer =
              OffsetOrError([&] { return Offset(levels_under_test, level, left, top); });
          ASSERT_EQ(answer, OffsetOrError([&] { return expected.Offset(level, left, top); }))
              << "round " << round << ", step " << step;
          ++(answer.starts_with("error") ? errors : answers);
        }
      }
    }
    const std::vector<TLevel> entries = levels_under_test.entries();
    ASSERT_EQ(entries.size(), expected.entries().size());
    for (size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(entries[i].Level, expected.entries()[i].Level);
      EXPECT_EQ(entries[i].Left, expected.entries()[i].Left);
      EXPECT_EQ(entries[i].Top, expected.entries()[i].Top);
    }
  }
  // Both kinds of answer must have been compared often.
  EXPECT_GT(answers, 1000);
  EXPECT_GT(errors, 100);
}

}  // namespace
}  // namespace vornic
