#include "lib/text.h"

#include <gtest/gtest.h>

#include "lib/code_layout.h"
#include "lib/errors.h"
#include "lib/translate.h"

namespace vornic {
namespace {

TEST(TextTest, CopyTextStopsAtEndAndAtNul) {
  EXPECT_EQ(CopyText("abc", 2, 5), "bc");
  EXPECT_EQ(CopyText("abc", 4, 1), "");
  EXPECT_EQ(CopyText("abc", 1, 0), "");
  EXPECT_EQ(CopyText(std::string("ab\0cd", 5), 1, 5), "ab");
}

TEST(TextTest, FindText) {
  EXPECT_EQ(FindText("[fsBold, fsItalic]", "Italic"), 12);
  EXPECT_EQ(FindText("[]", "Bold"), 0);
  EXPECT_EQ(FindText("[fsbold]", "Bold"), 0);
  EXPECT_EQ(FindText("", "x"), 0);
  EXPECT_EQ(FindText("abc", ""), 1);
}

TEST(TextTest, SmallHelpers) {
  EXPECT_EQ(Spaces(0), "");
  EXPECT_EQ(RepeatText("=", -3), "");
  EXPECT_EQ(RepeatText("ab", 2), "abab");
  EXPECT_EQ(RemoveChar("Label1:", ":"), "Label1");
  EXPECT_EQ(RemoveChar("a:b:c", ":"), "abc");
  EXPECT_EQ(RemoveChar("a:b", "::"), "a:b");
  EXPECT_EQ(DropLastChar("'Item')"), "'Item'");
  EXPECT_EQ(DropLastChar(""), "");
  EXPECT_EQ(LastChar("'x')"), ')');
  EXPECT_EQ(UpperText("tLabel_1\xe9"), "TLABEL_1\xe9");
  EXPECT_TRUE(IsBlankText(""));
  EXPECT_TRUE(IsBlankText("   "));
  EXPECT_FALSE(IsBlankText(" \t"));
  EXPECT_EQ(TextBeforeFullStop("my.out.pas"), "my");
  EXPECT_EQ(TextBeforeFullStop("noext"), "noext");
}

TEST(TextTest, TextToIntAcceptsDecimalAndHexWithin32Bits) {
  EXPECT_EQ(TextToInt("0"), 0);
  EXPECT_EQ(TextToInt("-12"), -12);
  EXPECT_EQ(TextToInt("$1F"), 31);
  EXPECT_EQ(TextToInt("-$1f"), -31);
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
  for (const char* bad :
       {"", "-", "$", "+5", "0x1F", " 1", "1 ", "2147483648", "$FFFFFFFF", "$80000000", "1.5"}) {
    EXPECT_FALSE(IsIntegerText(bad)) << bad;
  }
  try {
    TextToInt("+5");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'+5' is not a valid integer value");
  }
}

TEST(TextTest, Translations) {
  EXPECT_EQ(TranslateColor("clYellow"), "RGB(255,255,0)");
  EXPECT_EQ(TranslateColor("clred"), "RGB(0,0,0)");
  EXPECT_EQ(TranslateColor("clNone"), "RGB(255,255,255)");
  EXPECT_EQ(TranslateColor("$00FF0000"), "RGB(0,0,0)");
  EXPECT_EQ(TranslatePenStyle(""), "PS_SOLID");
  EXPECT_EQ(TranslatePenStyle("psClear"), "PS_NULL");
  EXPECT_EQ(TranslateBrushStyle("bsClear"), "HS_HORIZONTAL");
  EXPECT_EQ(TranslateBrushStyle("bsDiagCross"), "HS_DIAGCROSS");
}

TEST(TextTest, CodeLayout) {
  EXPECT_EQ(BannerComment("Create a button"), "  { Create a button " + std::string(49, '=') + " }");
  EXPECT_EQ(BannerComment("Create a label (static)").size(), 71u);
  EXPECT_EQ(BannerComment(std::string(70, 'x')), "  { " + std::string(70, 'x') + "  }");
  EXPECT_EQ(ContinuationIndent("Button1"), std::string(12, ' '));
}

}  // namespace
}  // namespace vornic
