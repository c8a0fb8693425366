#include "lib/font_base.h"

#include <gtest/gtest.h>

namespace vornic {
namespace {

TRFont Font(const std::string& charset, const std::string& height, const std::string& name,
            const std::string& style) {
  return TRFont{charset, height, name, style};
}

const TRFont kBoldArial = Font("DEFAULT_CHARSET", "-11", "'Arial'", "[fsBold]");

TEST(FontBaseTest, EditAndButtonShareOneBoldArial) {
  TIFontBase fonts;
  EXPECT_EQ(fonts.RegisterFont("Edit1", kBoldArial), "hFont1");
  EXPECT_EQ(fonts.RegisterFont("Button1", kBoldArial), "hFont1");

  EXPECT_EQ(fonts.GetFontDeclarations(), "\r\n    hFont1: HFONT;");
  EXPECT_EQ(fonts.GetFontCreation(),
            "\r\n  { Create Font Handle =================================================== }"
            "\r\n  hFont1 := CreateFont(-11,0,0,0,700,0,0,0,DEFAULT_CHARSET,0,0,0,0,'Arial');");
  EXPECT_EQ(fonts.GetFontAssignments(),
            "\r\n  { Change fonts ============================================== }"
            "\r\n  if hFont1 <> 0 then SendMessage(Edit1,WM_SETFONT,hFont1,0);"
            "\r\n  if hFont1 <> 0 then SendMessage(Button1,WM_SETFONT,hFont1,0);");
  EXPECT_EQ(fonts.GetFontDeletion(), "\r\n      { Delete Fonts }\r\n      DeleteObject(hFont1);");
}

TEST(FontBaseTest, NoFontsGiveOnlyTheFixedParts) {
  const TIFontBase fonts;
  EXPECT_EQ(fonts.GetFontDeclarations(), "");
  EXPECT_EQ(fonts.GetFontCreation(), "\r\n");
  EXPECT_EQ(fonts.GetFontAssignments(), "");
  EXPECT_EQ(fonts.GetFontDeletion(), "\r\n      { Delete Fonts }");
}

TEST(FontBaseTest, EveryFieldTellsFontsApartCaseSensitively) {
  TIFontBase fonts;
  EXPECT_EQ(fonts.RegisterFont("A", kBoldArial), "hFont1");
  EXPECT_EQ(fonts.RegisterFont("B", Font("DEFAULT_CHARSET", "-11", "'arial'", "[fsBold]")),
            "hFont2");
  EXPECT_EQ(fonts.RegisterFont("C", Font("0", "-11", "'Arial'", "[fsBold]")), "hFont3");
  EXPECT_EQ(fonts.RegisterFont("D", Font("DEFAULT_CHARSET", "-12", "'Arial'", "[fsBold]")),
            "hFont4");
  EXPECT_EQ(fonts.RegisterFont("E", Font("DEFAULT_CHARSET", "-11", "'Arial'", "[]")), "hFont5");
  // A later control matching an earlier row takes that row, not the newest.
  EXPECT_EQ(fonts.RegisterFont("F", Font("DEFAULT_CHARSET", "-11", "'arial'", "[fsBold]")),
            "hFont2");
  // Fields that read the same run together are still different fonts.
  EXPECT_EQ(fonts.RegisterFont("G", Font("0", "-1", "1'Arial'", "")), "hFont6");
  EXPECT_EQ(fonts.RegisterFont("H", Font("0", "-11", "'Arial'", "")), "hFont7");
  EXPECT_EQ(fonts.RegisterFont("I", Font("0", "-1", "1'Arial'", "")), "hFont6");
  EXPECT_EQ(fonts.GetFontDeclarations(),
            "\r\n    hFont1: HFONT;\r\n    hFont2: HFONT;\r\n    hFont3: HFONT;"
            "\r\n    hFont4: HFONT;\r\n    hFont5: HFONT;\r\n    hFont6: HFONT;"
            "\r\n    hFont7: HFONT;");
  EXPECT_NE(fonts.GetFontAssignments().find("SendMessage(F,WM_SETFONT,hFont2,0);"),
            std::string::npos);
}

TEST(FontBaseTest, StyleCharsetAndFaceDefaults) {
  TIFontBase fonts;
  fonts.RegisterFont("A", Font("", "-13", "'Arial'", "[fsBold, fsItalic, fsUnderline]"));
  fonts.RegisterFont("B", Font("", "-8", "", "[fsItalic]"));
  // An empty face is written as a quoted literal so the call compiles.
  EXPECT_EQ(fonts.GetFontCreation(),
            "\r\n  { Create Font Handle =================================================== }"
            "\r\n  hFont1 := CreateFont(-13,0,0,0,700,1,0,0,0,0,0,0,0,'Arial');"
            "\r\n  hFont2 := CreateFont(-8,0,0,0,400,1,0,0,0,0,0,0,0,'MS Sans Serif');");
}

TEST(FontBaseTest, UnderlineAndStrikeOutOnlyWhenAsked) {
  TIFontBase fonts;
  fonts.RegisterFont("A", Font("", "-11", "'Arial'", "[fsUnderline, fsStrikeOut]"));
  fonts.RegisterFont("B", Font("", "-11", "'Arial'", "[fsStrikeOut]"));
  const std::string creation = fonts.GetFontCreation(true);
  EXPECT_NE(creation.find("hFont1 := CreateFont(-11,0,0,0,400,0,1,1,0,"), std::string::npos);
  EXPECT_NE(creation.find("hFont2 := CreateFont(-11,0,0,0,400,0,0,1,0,"), std::string::npos);
  // The documented translation never draws the lines.
  EXPECT_NE(fonts.GetFontCreation().find("hFont1 := CreateFont(-11,0,0,0,400,0,0,0,0,"),
            std::string::npos);
}

TEST(FontBaseTest, PaintedLabelFontIsCreatedButNotSent) {
  TIFontBase fonts;
  EXPECT_EQ(fonts.RegisterFont("<-CT->", kBoldArial), "hFont1");
  EXPECT_EQ(fonts.GetFontDeclarations(), "\r\n    hFont1: HFONT;");
  EXPECT_NE(fonts.GetFontCreation().find("hFont1 := CreateFont("), std::string::npos);
  EXPECT_EQ(fonts.GetFontAssignments(), "");
  EXPECT_EQ(fonts.GetFontDeletion(), "\r\n      { Delete Fonts }\r\n      DeleteObject(hFont1);");

  fonts.RegisterFont("Label2", Font("", "-20", "", ""));
  EXPECT_EQ(fonts.GetFontAssignments(),
            "\r\n  { Change fonts ============================================== }"
            "\r\n  if hFont2 <> 0 then SendMessage(Label2,WM_SETFONT,hFont2,0);");
}

TEST(FontBaseTest, RegisteringAControlTwiceSendsTwice) {
  TIFontBase fonts;
  fonts.RegisterFont("Edit1", kBoldArial);
  fonts.RegisterFont("Edit1", kBoldArial);
  EXPECT_EQ(fonts.GetFontAssignments(),
            "\r\n  { Change fonts ============================================== }"
            "\r\n  if hFont1 <> 0 then SendMessage(Edit1,WM_SETFONT,hFont1,0);"
            "\r\n  if hFont1 <> 0 then SendMessage(Edit1,WM_SETFONT,hFont1,0);");
}

}  // namespace
}  // namespace vornic
