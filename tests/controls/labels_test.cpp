// Labels (window and painted) and edits.
#include <gtest/gtest.h>

#include <string>

#include "controls/control_fixture.h"

namespace vornic {
namespace {

class LabelTest : public ControlFixture {
 protected:
  void FeedLabel(const std::string& name, const std::vector<std::string>& properties) {
    Feed("  object " + name + ": TLabel");
    for (const std::string& property : properties) Feed("    " + property);
    Feed("  end");
  }
};

const std::vector<std::string> kNameLabel = {"Left = 8", "Top = 12", "Width = 31", "Height = 13",
                                             "Caption = 'Name:'"};

TEST_F(LabelTest, PlainLabelBecomesAStaticWindow) {
  FeedLabel("Label1", kNameLabel);
  EXPECT_EQ(Added("var"), "\r\n    Label1: HWND;");
  EXPECT_EQ(Added("bodymidle"), "\r\n" + Banner("Create a label (static)") +
                                    "\r\n  Label1:= Createwindow('Static','Name:', WS_VISIBLE "
                                    "or WS_CHILD or SS_LEFT,\r\n" +
                                    std::string(11, ' ') +
                                    "8,12,31,13, hWindow, 0, Inst, nil);\r\n");
  EXPECT_EQ(Added("windowprocpaintmidle"), "");
  EXPECT_EQ(builder_.ControlCount, 1);
  EXPECT_EQ(dpr_.FocusControl, "");
}

TEST_F(LabelTest, ColouredLabelIsPaintedWithItsFont) {
  std::vector<std::string> properties = kNameLabel;
  properties.push_back("Color = clYellow");
  properties.push_back("Font.Height = -11");
  FeedLabel("Label1", properties);
  EXPECT_EQ(Added("windowprocpaintmidle"),
            "\r\n      { Paint Colors text: Label1 }"
            "\r\n      OldFont := SelectObject(PaintDC,hFont1);"
            "\r\n      SetTextColor(PaintDC,GetSysColor(COLOR_BTNTEXT));"
            "\r\n      SetBkColor(PaintDC,RGB(255,255,0));"
            "\r\n      TextOut(PaintDC,8,12,Pchar('Name:'),5);"
            "\r\n      SelectObject(PaintDC,OldFont);");
  EXPECT_EQ(Added("var"), "\r\n    OldFont: HFONT;");
  EXPECT_EQ(Added("bodymidle"), "");
  EXPECT_TRUE(builder_.PaintNeeded);
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(LabelTest, FontColourAlonePaintsOnTheButtonFace) {
  FeedLabel("Label1", {"Left = 1", "Top = 2", "Width = 3", "Height = 4", "Caption = 'x'",
                       "Font.Color = clRed", "Font.Height = -11"});
  EXPECT_NE(Added("windowprocpaintmidle").find("SetBkColor(PaintDC,GetSysColor(COLOR_BTNFACE));"),
            std::string::npos);
}

TEST_F(LabelTest, OldFontIsDeclaredOnceForAllPaintedLabels) {
  FeedLabel("Label1", {"Left = 1", "Top = 2", "Width = 3", "Height = 4", "Caption = 'a'",
                       "Color = clRed", "Font.Height = -11"});
  FeedLabel("Label2", {"Left = 1", "Top = 2", "Width = 3", "Height = 4", "Caption = 'b'",
                       "Color = clRed", "Font.Height = -11"});
  EXPECT_EQ(Added("var"), "\r\n    OldFont: HFONT;");
  EXPECT_EQ(builder_.ControlCount, 2);
}

// Without a font of its own a painted label selects none: selecting an empty
// handle would not compile.
TEST_F(LabelTest, PaintedLabelWithoutFontKeepsTheCurrentFont) {
  FeedLabel("Label1", {"Left = 8", "Top = 12", "Width = 31", "Height = 13", "Caption = 'Name:'",
                       "Color = clYellow"});
  EXPECT_EQ(Added("windowprocpaintmidle"),
            "\r\n      { Paint Colors text: Label1 }"
            "\r\n      SetTextColor(PaintDC,GetSysColor(COLOR_BTNTEXT));"
            "\r\n      SetBkColor(PaintDC,RGB(255,255,0));"
            "\r\n      TextOut(PaintDC,8,12,Pchar('Name:'),5);");
  EXPECT_EQ(Added("var"), "\r\n    OldFont: HFONT;");
  EXPECT_TRUE(builder_.PaintNeeded);
}

TEST_F(LabelTest, TextOutCountsTheCharactersTheCaptionDenotes) {
  const struct {
    const char* caption;
    const char* length;
  } cases[] = {
      {"'Name:'", "5"}, {"'it''s'", "4"},   {"'a'#13#10'b'", "4"}, {"#65'bc'", "3"},
      {"''", "0"},      {"'open run", "8"}, {"'''quoted'''", "8"}, {"Caption1", "6"},
  };
  for (const auto& c : cases) {
    TBuilder builder;
    TSDPR dpr("Project1");
    const auto line = [&](const char* kind, const char* w1, const char* w3) {
      builder.BuildLabel(dpr, LineWords{"TLabel", "L1:", kind, w1, "L1:", w3, 2, 2, 3});
    };
    line("object", "object", "TLabel");
    line("set", "Left", "0");
    line("set", "Top", "0");
    line("set", "Width", "1");
    line("set", "Height", "1");
    line("set", "Color", "clRed");
    line("set", "Caption", c.caption);
    line("end", "end", "");
    const std::string expected =
        std::string("TextOut(PaintDC,0,0,Pchar(") + c.caption + ")," + c.length + ");";
    EXPECT_NE(dpr.Section("windowprocpaintmidle").find(expected), std::string::npos)
        << c.caption << " in " << dpr.Section("windowprocpaintmidle");
  }
}

TEST_F(LabelTest, LabelWithoutCaptionIsSkippedAndLeavesNothingBehind) {
  FeedLabel("Label1", {"Left = 1", "Top = 2", "Width = 3", "Height = 4", "Color = clRed",
                       "Font.Height = -20"});
  EXPECT_EQ(builder_.ControlCount, 0);
  // The next label sets no colour and no font: it is a plain window.
  FeedLabel("Label2", kNameLabel);
  EXPECT_EQ(Added("windowprocpaintmidle"), "");
  EXPECT_EQ(Added("var"), "\r\n    Label2: HWND;");
  EXPECT_FALSE(builder_.HasFont());
  EXPECT_EQ(builder_.ControlCount, 1);
}

TEST_F(LabelTest, LabelInsideAContainerIsShiftedInBothForms) {
  Feed({"  object Panel1: TPanel", "    Left = 10", "    Top = 20", "    object Label1: TLabel",
        "      Left = 1", "      Top = 2", "      Width = 3", "      Height = 4",
        "      Caption = 'a'", "    end", "    object Label2: TLabel", "      Left = 5",
        "      Top = 6", "      Width = 3", "      Height = 4", "      Caption = 'b'",
        "      Color = clRed", "    end", "  end"});
  EXPECT_NE(Added("bodymidle").find("11,22,3,4, hWindow"), std::string::npos);
  EXPECT_NE(Added("windowprocpaintmidle").find("TextOut(PaintDC,15,26,Pchar('b'),1);"),
            std::string::npos);
}

using EditTest = LabelTest;

TEST_F(EditTest, EditBecomesASunkenWindowAndTakesTheFocusOnce) {
  Feed({"  object Edit1: TEdit", "    Left = 8", "    Top = 40", "    Width = 121",
        "    Height = 21", "    Text = 'hello world'", "  end", "  object Edit2: TEdit",
        "    Left = 8", "    Top = 70", "    Width = 121", "    Height = 21", "  end"});
  EXPECT_EQ(Added("var"), "\r\n    Edit1: HWND;\r\n    Edit2: HWND;");
  const std::string second_line = "\r\n" + std::string(10, ' ');
  EXPECT_EQ(Added("bodymidle"),
            "\r\n" + Banner("Create an edit field") +
                "\r\n  Edit1:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','hello world', WS_CHILD or "
                "WS_VISIBLE or WS_BORDER or WS_TABSTOP," +
                second_line + "8,40,121,21, hWindow, 0, Inst, nil);\r\n" + "\r\n" +
                Banner("Create an edit field") +
                "\r\n  Edit2:= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit','', WS_CHILD or "
                "WS_VISIBLE or WS_BORDER or WS_TABSTOP," +
                second_line + "8,70,121,21, hWindow, 0, Inst, nil);\r\n");
  EXPECT_EQ(dpr_.FocusControl, "Edit1");
  EXPECT_EQ(builder_.ControlCount, 2);
}

TEST_F(EditTest, SkippedEditLendsNoTextToTheNext) {
  Feed({"  object Edit1: TEdit", "    Left = 8", "    Text = 'stale'", "  end",
        "  object Edit2: TEdit", "    Top = 1", "    Width = 2", "    Height = 3", "  end"});
  EXPECT_EQ(Added("bodymidle"), "");
  EXPECT_EQ(builder_.ControlCount, 0);
  EXPECT_EQ(dpr_.FocusControl, "");
}

}  // namespace
}  // namespace vornic
