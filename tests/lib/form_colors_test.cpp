// Form colours as the extended program writes them and as pictures are laid
// on them: names, system colours and the numbers form text stores.
#include "lib/form_colors.h"

#include <gtest/gtest.h>

#include <string>

namespace vornic {
namespace {

TEST(FormColorsTest, NamesAndNumbersBecomeExpressionsAndDesignColours) {
  struct Case {
    const char* value;
    const char* expression;  // empty: no colour
    ColorRgb design;
  };
  const Case cases[] = {
      {"clNavy", "RGB(0,0,128)", {0, 0, 128}},
      {"clMoneyGreen", "RGB(192,220,192)", {192, 220, 192}},
      {"clBtnFace", "GetSysColor(COLOR_BTNFACE)", {240, 240, 240}},
      {"clInfoBk", "GetSysColor(COLOR_INFOBK)", {255, 255, 225}},
      {"cl3DLight", "GetSysColor(COLOR_3DLIGHT)", {227, 227, 227}},
      // Red is the low byte of a stored number.
      {"15262169", "RGB(217,225,232)", {217, 225, 232}},
      {"$00FF8000", "RGB(0,128,255)", {0, 128, 255}},
      {"$ff", "RGB(255,0,0)", {255, 0, 0}},
      // A system colour as a number: 0x80000000 (or, in old forms, 0xFF000000) and its index.
      {"-2147483633", "GetSysColor(COLOR_BTNFACE)", {240, 240, 240}},
      {"-16777201", "GetSysColor(COLOR_BTNFACE)", {240, 240, 240}},
      {"-2147483622", "GetSysColor(COLOR_HOTLIGHT)", {0, 102, 204}},
      // No colour: the control keeps its own.
      {"clNone", "", {}},
      {"clDefault", "", {}},
      {"clNoSuchColour", "", {}},
      {"$", "", {}},
      {"$123456789", "", {}},
      {"$12G", "", {}},
      {"536870912", "", {}},    // clDefault as a number
      {"-2147483623", "", {}},  // system index 25 has no colour
      {"-2147483600", "", {}},  // beyond the system colours
      {"12);Halt;(", "", {}},
      {"$-1", "", {}},
      {"", "", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorExpression(c.value), c.expression) << c.value;
    ColorRgb design{1, 2, 3};
    EXPECT_EQ(ColorAtDesign(c.value, &design), *c.expression != '\0') << c.value;
    if (*c.expression == '\0') continue;
    EXPECT_EQ(design.red, c.design.red) << c.value;
    EXPECT_EQ(design.green, c.design.green) << c.value;
    EXPECT_EQ(design.blue, c.design.blue) << c.value;
  }
}

}  // namespace
}  // namespace vornic
