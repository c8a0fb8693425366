#include "builder/builder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "builder/class_table.h"
#include "lib/errors.h"
#include "output/program_text.h"
#include "support/form_lines.h"

namespace vornic {
namespace {

int CountOf(const std::string& text, const std::string& sub) {
  int count = 0;
  for (size_t at = text.find(sub); at != std::string::npos; at = text.find(sub, at + 1)) ++count;
  return count;
}

class BuilderTest : public ::testing::Test {
 protected:
  std::pair<std::string, std::string> Offset(const std::string& level, std::string left,
                                             std::string top) {
    builder_.Levels.GetOffset(level, left, top);
    return {left, top};
  }

  TSDPR dpr_{"form"};
  TBuilder builder_;
  FormLines lines_{builder_, dpr_};
};

TEST(ClassTableTest, ClassesAreMatchedInCapitals) {
  EXPECT_EQ(GeneratorFor("tlabel"), &TBuilder::BuildLabel);
  EXPECT_EQ(GeneratorFor("TLabel"), &TBuilder::BuildLabel);
  EXPECT_EQ(GeneratorFor("tForm1"), &TBuilder::BuildForm);
  EXPECT_EQ(GeneratorFor("TBitBtn"), &TBuilder::BuildBitBtn);
  EXPECT_EQ(GeneratorFor("TStatusBar"), &TBuilder::BuildStatusBar);
  EXPECT_EQ(GeneratorFor("TPanel"), nullptr);
  EXPECT_EQ(GeneratorFor("TLabel1"), nullptr);
  EXPECT_EQ(GeneratorFor(""), nullptr);
}

TEST_F(BuilderTest, ObjectLinesPushAndEndLinesPopTheirLevels) {
  lines_.Object("Form1", "TForm1").Set("Left", "200").Set("Top", "100");
  lines_.Object("Panel1", "tPanel").Set("Left", "10").Set("Top", "20");
  lines_.Object("Label1", "TLabel").Set("Left", "4").Set("Top", "5");
  const auto& entries = builder_.Levels.entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_TRUE(entries[0].IsRoot);
  EXPECT_EQ(entries[0].Left, "200");
  EXPECT_EQ(entries[1].Level, "2");
  EXPECT_EQ(entries[1].ClassName, "TPANEL");
  EXPECT_FALSE(entries[1].IsRoot);
  EXPECT_EQ(entries[2].Top, "5");

  // The unlisted panel still moves the label inside it; the form does not.
  EXPECT_EQ(Offset("3", "4", "5"), std::make_pair(std::string("14"), std::string("25")));

  lines_.End();
  ASSERT_EQ(builder_.Levels.entries().size(), 2u);
  EXPECT_EQ(builder_.Levels.entries()[1].ClassName, "TPANEL");
  lines_.EndAll();
  EXPECT_TRUE(builder_.Levels.entries().empty());
}

TEST_F(BuilderTest, AnyRootClassIsTheMainWindowAndNeverAnOffset) {
  lines_.Object("MainForm", "TMainForm").Set("Left", "200").Set("Top", "100");
  lines_.Set("Caption", "'Main'").Set("TextHeight", "13");
  lines_.Object("GroupBox1", "TGroupBox").Set("Left", "8").Set("Top", "16");
  lines_.Object("Label1", "TLabel").Set("Left", "4").Set("Top", "20");
  EXPECT_EQ(Offset("3", "4", "20"), std::make_pair(std::string("12"), std::string("36")));
  lines_.EndAll();
  EXPECT_EQ(CountOf(dpr_.Section("bodymidle"), "CreateWindowEx"), 1);
  EXPECT_NE(dpr_.Section("bodymidle").find("'MyWindowClass','Main',"), std::string::npos);
  EXPECT_EQ(builder_.ControlCount, 0);
}

TEST_F(BuilderTest, OnlyTheFirstLevelOneObjectIsTheRoot) {
  lines_.Object("Form1", "TPanel").Set("Left", "5").End();
  lines_.Object("Other", "TPanel").Set("Left", "7").Set("Top", "9");
  lines_.Object("Label1", "TLabel");
  const auto& entries = builder_.Levels.entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_FALSE(entries[0].IsRoot);
  EXPECT_EQ(Offset("2", "1", "1"), std::make_pair(std::string("8"), std::string("10")));
}

TEST_F(BuilderTest, NestingDeeperThanNineLevels) {
  lines_.Object("Form1", "TForm1").Set("Left", "300");
  for (int level = 2; level <= 11; ++level) {
    lines_.Object("Panel" + std::to_string(level), "TPanel").Set("Left", "1").Set("Top", "2");
  }
  EXPECT_EQ(Offset("11", "0", "0"), std::make_pair(std::string("9"), std::string("18")));
  lines_.End();
  lines_.End();
  EXPECT_EQ(builder_.Levels.entries().size(), 9u);
  EXPECT_EQ(builder_.Levels.entries().back().Level, "9");
}

TEST_F(BuilderTest, EveryObjectLineForgetsThePreviousFontAndList) {
  lines_.Object("Form1", "TForm1").Set("TextHeight", "13");
  lines_.Object("Label1", "TLabel").Set("Font.Height", "-11");
  // A label that was never written leaves what it collected behind.
  builder_.CurrentFont = TRFont{"DEFAULT_CHARSET", "-11", "'Arial'", "[fsBold]"};
  builder_.ListMarker = "lb_is";
  lines_.End();
  EXPECT_TRUE(builder_.HasFont()) << "an end line keeps the font for its generator";
  lines_.Object("Edit1", "TEdit");
  EXPECT_FALSE(builder_.HasFont());
  EXPECT_EQ(builder_.CurrentFont.Name, "");
  EXPECT_EQ(builder_.CurrentFont.Charset, "");
  EXPECT_EQ(builder_.CurrentFont.Style, "");
  EXPECT_EQ(builder_.ListMarker, "");
}

TEST_F(BuilderTest, ObjectsWithoutANameReachNoGenerator) {
  lines_.Object("Form1", "TForm1").Set("Caption", "'One'").Set("TextHeight", "13");
  // Nothing could declare this object; its TextHeight must not write a window.
  lines_.Object("", "TForm1").Set("Caption", "'Two'").Set("Left", "3").Set("TextHeight", "13");
  ASSERT_EQ(builder_.Levels.entries().size(), 2u);
  EXPECT_EQ(builder_.Levels.entries()[1].Left, "3");
  lines_.End();
  // The next named object is routed again.
  lines_.Object("Form2", "TForm1").Set("Caption", "'Three'").Set("TextHeight", "13");
  lines_.EndAll();
  const std::string& body = dpr_.Section("bodymidle");
  EXPECT_EQ(CountOf(body, "CreateWindowEx"), 2);
  EXPECT_EQ(body.find("'Two'"), std::string::npos);
  EXPECT_NE(body.find("'Three'"), std::string::npos);
}

TEST_F(BuilderTest, ARootWithoutANameIsStillTheMainWindow) {
  lines_.Object("", "TForm1").Set("Caption", "'Nameless'").Set("TextHeight", "13").End();
  EXPECT_NE(dpr_.Section("bodymidle").find("'MyWindowClass','Nameless',"), std::string::npos);
}

TEST_F(BuilderTest, BadPositionsFailOnlyWhenAnOffsetIsAsked) {
  lines_.Object("Form1", "TForm1");
  lines_.Object("Panel1", "TPanel").Set("Left", "1.5").Set("TextHeight", "13");
  lines_.Object("Label1", "TLabel");
  try {
    Offset("3", "0", "0");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'1.5' is not a valid integer value");
  }
}

TEST_F(BuilderTest, FinishWritesGraphicsBeforeFonts) {
  const std::string var = dpr_.Section("var");
  builder_.Graphics.RegisterPen("psSolid", "1", "clBlack");
  builder_.Fonts.RegisterFont("Edit1", TRFont{"", "-11", "", ""});
  FinishProgram(builder_, dpr_);
  EXPECT_EQ(dpr_.Section("var"),
            var +
                "\r\n    PaintStruct: TPaintStruct;\r\n    PaintDC: HDC;\r\n    OldPen: HPEN;"
                "\r\n    Pen1: HPEN;\r\n    hFont1: HFONT;");
  EXPECT_EQ(dpr_.Section("windowproccreatemidle"),
            "\r\n      { Create Pens }\r\n      Pen1 := CreatePen(PS_SOLID,1,RGB(0,0,0));");
  EXPECT_EQ(dpr_.Section("windowprocdestroymidle"),
            "\r\n      { Delete Pens and Brushes }\r\n      DeleteObject(Pen1);"
            "\r\n      { Delete Fonts }\r\n      DeleteObject(hFont1);");
  EXPECT_EQ(dpr_.Section("bodymidleend"),
            "\r\n  { Create Font Handle =================================================== }"
            "\r\n  hFont1 := CreateFont(-11,0,0,0,400,0,0,0,0,0,0,0,0,'MS Sans Serif');\r\n"
            "\r\n  { Change fonts ============================================== }"
            "\r\n  if hFont1 <> 0 then SendMessage(Edit1,WM_SETFONT,hFont1,0);\r\n");
  // No paint code was written, so there is no WM_PAINT branch.
  EXPECT_EQ(dpr_.Section("windowprocpaintbegin"), "");
}

TEST_F(BuilderTest, PaintCodeGetsTheWmPaintFrame) {
  for (const bool bevel : {false, true}) {
    TSDPR dpr("form");
    TBuilder builder;
    builder.PaintNeeded = !bevel;
    builder.BevelPainted = bevel;
    FinishProgram(builder, dpr);
    EXPECT_EQ(dpr.Section("windowprocpaintbegin"),
              "\r\n    WM_PAINT: begin\r\n      PaintDC := BeginPaint(hWindow,PaintStruct);");
    EXPECT_EQ(dpr.Section("windowprocpaintend"),
              "\r\n      EndPaint(hWindow,PaintStruct);\r\n    end;");
    EXPECT_EQ(dpr.Section("var").find("OldPoint") != std::string::npos, bevel);
  }
}

}  // namespace
}  // namespace vornic
