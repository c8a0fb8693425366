// The colours a form names, as the extended translation's program computes them.
#include "lib/translate.h"

#include <gtest/gtest.h>

#include <string>

namespace vornic {
namespace {

TEST(TranslateTest, ColorExpressionFollowsSystemColoursAndReadsNumbers) {
  struct Case {
    const char* value;
    const char* expression;
  };
  const Case cases[] = {
      {"clBtnFace", "GetSysColor(COLOR_BTNFACE)"},  // system colours follow the system
      {"cl3DLight", "GetSysColor(COLOR_3DLIGHT)"},
      {"clRed", "RGB(255,0,0)"},
      {"clMoneyGreen", "RGB(192,220,192)"},
      {"12638714", "RGB(250,217,192)"},  // 0x00BBGGRR
      {"$00FF8000", "RGB(0,128,255)"},
      {"$ff", "RGB(255,0,0)"},
      {"-16777201", "GetSysColor(15)"},    // 0xFF00000F: a system colour by number
      {"-2147483633", "GetSysColor(15)"},  // 0x8000000F
      {"536870912", "<fallback>"},         // clDefault as a number
      {"clNone", "<fallback>"},
      {"clDefault", "<fallback>"},
      {"clNoSuchColour", "<fallback>"},
      {"$", "<fallback>"},
      {"$123456789", "<fallback>"},
      {"$12G", "<fallback>"},
      {"", "<fallback>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorExpression(c.value, "<fallback>"), c.expression) << c.value;
  }
}

}  // namespace
}  // namespace vornic
