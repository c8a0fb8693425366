// Containers and pages in the extended translation: what the main window
// paints for panels and scroll boxes, where the controls they hold go, and
// which controls of a page control show, when the window opens and after
// another tab is chosen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <regex>
#include <string>

#include "support/program_fixture.h"

namespace vornic {
namespace {

class ContainersTest : public ProgramFixture {
 protected:
  // Translates a form holding `objects`; returns the error report, or the
  // empty text when the form passes.
  std::string Translate(const std::string& objects,
                        Translation translation = Translation::kExtended) {
    return TranslateForm("object Form1: TForm1\n  TextHeight = 13\n" + objects + "end\n",
                         translation);
  }

  // What the form added to `section` of the program's frame, its lines
  // separated by "\n" without their indentation.
  std::string Lines(const std::string& section) const {
    static const std::regex kLineStart("\r\n *");
    return std::regex_replace(Added(section), kLineStart, "\n");
  }

  // The position and size control `name` is created with, as "L,T,W,H".
  std::string PlaceOf(const std::string& name) const {
    const std::regex call(name + ":= Create[^;]*\r\n *(-?[0-9]+,-?[0-9]+,[0-9]+,[0-9]+), hWindow");
    std::smatch match;
    const std::string& body = dpr_->Section("bodymidle");
    return std::regex_search(body, match, call) ? match[1].str() : "not created";
  }

  // The styles control `name` is created with, which begin with WS_CHILD or
  // WS_VISIBLE, up to the end of the line.
  std::string StylesOf(const std::string& name) const {
    const std::string& body = dpr_->Section("bodymidle");
    const size_t call = body.find("\r\n  " + name + ":= Create");
    if (call == std::string::npos) return "not created";
    const size_t start = std::min(body.find("WS_CHILD", call), body.find("WS_VISIBLE", call));
    return body.substr(start, body.find(",\r\n", start) - start);
  }
};

// A panel at 10,20 of 100 by 50 with a button inside, and the values of
// one row.
std::string PanelForm(const std::string& values, const std::string& klass = "TPanel") {
  return "  object Panel1: " + klass +
         "\n    Left = 10\n    Top = 20\n    Width = 100\n    Height = 50\n" + values +
         "    object Button1: TButton\n"
         "      Left = 5\n      Top = 5\n      Width = 75\n      Height = 25\n"
         "      Caption = 'B'\n    end\n  end\n";
}

// One row per rule of the designer's drawing: the lines painted between
// the rectangle and the restored device context.
TEST_F(ContainersTest, PanelsArePaintedAsTheDesignerDrawsThem) {
  struct Case {
    const char* klass;
    const char* values;
    const char* painted;
  };
  const std::string fill =
      "PaintBrush := CreateSolidBrush(GetSysColor(COLOR_BTNFACE));\n"
      "FillRect(PaintDC,PaintRect,PaintBrush);\nDeleteObject(PaintBrush);\n";
  const std::string caption =
      "SelectObject(PaintDC,hFont1);\nSetBkMode(PaintDC,TRANSPARENT);\n"
      "SetTextColor(PaintDC,GetSysColor(COLOR_WINDOWTEXT));\n";
  const Case cases[] = {
      // The designer's panel: raised by one pixel, its caption centred.
      {"TPanel", "    Caption = 'Hi'\n",
       "DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or BF_ADJUST);\n"
       "<caption>DrawTextW(PaintDC,PWideChar('Hi'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or "
       "DT_CENTER);\n"},
      // Outer bevel, border width, inner bevel, each bevel two pixels deep.
      {"TPanel",
       "    BevelOuter = bvLowered\n    BevelInner = bvRaised\n    BevelWidth = 2\n"
       "    BorderWidth = 3\n",
       "for PaintStep := 1 to 2 do DrawEdge(PaintDC,PaintRect,BDR_SUNKENOUTER,BF_RECT or "
       "BF_ADJUST);\nInflateRect(PaintRect,-3,-3);\n"
       "for PaintStep := 1 to 2 do DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or "
       "BF_ADJUST);\n"},
      // A space bevel only takes room; a caption the panel does not show.
      {"TPanel",
       "    BevelOuter = bvNone\n    BevelInner = bvSpace\n    Caption = 'Hi'\n"
       "    ShowCaption = False\n",
       "InflateRect(PaintRect,-1,-1);\n"},
      // A border: sunken, or a black line without the 3D look.
      {"TPanel", "    BevelOuter = bvNone\n    BorderStyle = bsSingle\n",
       "DrawEdge(PaintDC,PaintRect,EDGE_SUNKEN,BF_RECT or BF_ADJUST);\n"},
      {"TPanel", "    BevelOuter = bvNone\n    BorderStyle = bsSingle\n    Ctl3D = False\n",
       "FrameRect(PaintDC,PaintRect,GetStockObject(BLACK_BRUSH));\n"
       "InflateRect(PaintRect,-1,-1);\n"},
      // Colours of the panel and its font, caption to the right.
      {"TPanel",
       "    BevelOuter = bvNone\n    Color = $00FF8000\n    Font.Color = clRed\n"
       "    Caption = 'Hi'\n    Alignment = taRightJustify\n",
       "<nofill>PaintBrush := CreateSolidBrush(RGB(0,128,255));\n"
       "FillRect(PaintDC,PaintRect,PaintBrush);\nDeleteObject(PaintBrush);\n"
       "SelectObject(PaintDC,hFont1);\nSetBkMode(PaintDC,TRANSPARENT);\n"
       "SetTextColor(PaintDC,RGB(255,0,0));\n"
       "DrawTextW(PaintDC,PWideChar('Hi'),-1,PaintRect,DT_SINGLELINE or DT_VCENTER or DT_RIGHT);\n"},
      // The holder's colour shows through.
      {"TPanel", "    ParentColor = True\n",
       "<nofill>DrawEdge(PaintDC,PaintRect,BDR_RAISEDINNER,BF_RECT or BF_ADJUST);\n"},
      // The scroll box's own defaults: a sunken border, no bevel, no caption.
      {"TScrollBox", "    Caption = 'Hi'\n",
       "DrawEdge(PaintDC,PaintRect,EDGE_SUNKEN,BF_RECT or BF_ADJUST);\n"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Translate(PanelForm(c.values, c.klass)), "") << c.values;
    std::string painted = c.painted;
    const bool fills = painted.rfind("<nofill>", 0) != 0;
    if (!fills) painted.erase(0, 8);
    if (const size_t at = painted.find("<caption>"); at != std::string::npos) {
      painted.replace(at, 9, caption);
    }
    const bool box = std::string(c.klass) == "TScrollBox";
    // What a scroll box holds is painted inside it only, as it scrolls.
    const std::string clip =
        box ? "\nSaveDC(PaintDC);"
              "\nwith LayoutView[0] do IntersectClipRect(PaintDC, Left, Top, Right, Bottom);"
              "\nRestoreDC(PaintDC, -1);"
            : "";
    EXPECT_EQ(Lines("windowprocpaintmidle"), "\n{ Paint " + std::string(box ? "scroll box" : "panel") +
                                                 ": Panel1 }\nSaveDC(PaintDC);\n"
                                                 "PaintRect := LayoutRow[0].Placed;\n" +
                                                 (fills ? fill : "") + painted +
                                                 "RestoreDC(PaintDC,-1);" + clip)
        << c.values;
  }
  // A hidden panel is painted once its flag is set, and the exact
  // translation paints none.
  ASSERT_EQ(Translate(PanelForm("    Visible = False\n")), "");
  EXPECT_EQ(Lines("windowprocpaintmidle").rfind("\nif Panel1Shown then begin\n{ Paint panel", 0),
            0);
  ASSERT_EQ(Translate(PanelForm("    Caption = 'Hi'\n"), Translation::kExact), "");
  EXPECT_EQ(Lines("windowprocpaintmidle"), "");
}

// What a container holds is placed from the corner of its client area: inside
// a border, inside the pages of a page control (below the tabs), or from the
// container's own corner.
// A frame placed on the form is a container of its holder's colour: its
// place is marked in the paint code, its own colour filled only when it
// stores one, and what it holds lies, shows and hides with it.
TEST_F(ContainersTest, PlacedFramesHoldTheirControlsAsPanelsDo) {
  struct Case {
    const char* values;
    const char* painted;  // between the rectangle and the restored context
  };
  const Case cases[] = {
      {"", ""},
      {"    Color = clRed\n",
       "PaintBrush := CreateSolidBrush(RGB(255,0,0));\nFillRect(PaintDC,PaintRect,PaintBrush);\n"
       "DeleteObject(PaintBrush);\n"},
      {"    Color = clRed\n    ParentColor = True\n", ""},
      // Neither bevel nor border, whatever a panel would draw.
      {"    Caption = 'Hi'\n", ""},
  };
  for (const Case& c : cases) {
    std::string form = PanelForm(c.values, "TFrame1");
    form.replace(form.find("object"), 6, "inline");
    ASSERT_EQ(Translate(form), "") << c.values;
    EXPECT_EQ(Lines("windowprocpaintmidle"),
              std::string("\n{ Paint frame: Panel1 }\nSaveDC(PaintDC);\n"
                          "PaintRect := LayoutRow[0].Placed;\n") +
                  c.painted + "RestoreDC(PaintDC,-1);")
        << c.values;
    EXPECT_EQ(PlaceOf("Button1"), "15,25,75,25") << c.values;
    EXPECT_NE(StylesOf("Button1").find("WS_VISIBLE"), std::string::npos) << StylesOf("Button1");
  }
  std::string hidden = PanelForm("    Visible = False\n", "TFrame1");
  hidden.replace(hidden.find("object"), 6, "inline");
  ASSERT_EQ(Translate(hidden), "");
  EXPECT_EQ(StylesOf("Button1").find("WS_VISIBLE"), std::string::npos) << StylesOf("Button1");
  EXPECT_EQ(Lines("windowprocpaintmidle").rfind("\nif Panel1Shown then begin\n{ Paint frame", 0),
            0);
}

TEST_F(ContainersTest, ControlsInsideContainersLieWhereTheDesignerShowsThem) {
  struct Case {
    const char* klass;
    const char* values;
    const char* place;  // of the button at 5,5 in the container at 10,20
  };
  const Case cases[] = {
      {"TPanel", "", "15,25,75,25"},
      {"TPanel", "    BorderStyle = bsSingle\n", "17,27,75,25"},
      {"TPanel", "    BorderStyle = bsSingle\n    Ctl3D = False\n", "16,26,75,25"},
      {"TPanel", "    BorderStyle = bsSingle\n    Visible = False\n", "17,27,75,25"},
      {"TScrollBox", "", "17,27,75,25"},
      {"TScrollBox", "    BorderStyle = bsNone\n", "15,25,75,25"},
      {"TTabControl", "", "15,25,75,25"},
      {"TFrame1", "", "15,25,75,25"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Translate(PanelForm(c.values, c.klass)), "") << c.klass << c.values;
    EXPECT_EQ(PlaceOf("Button1"), c.place) << c.klass << c.values;
  }
  const Case pages[] = {
      {"TPageControl", "", "19,49,75,25"},
      {"TPageControl", "    TabPosition = tpBottom\n", "19,29,75,25"},
      {"TPageControl", "    TabPosition = tpLeft\n", "39,29,75,25"},
      {"TPageControl", "    TabPosition = tpRight\n", "19,29,75,25"},
  };
  for (const Case& c : pages) {
    ASSERT_EQ(Translate("  object PageControl1: TPageControl\n"
                        "    Left = 10\n    Top = 20\n    Width = 200\n    Height = 100\n" +
                        std::string(c.values) +
                        "    object TabSheet1: TTabSheet\n"
                        "      object Button1: TButton\n"
                        "        Left = 5\n        Top = 5\n        Width = 75\n"
                        "        Height = 25\n        Caption = 'B'\n      end\n    end\n  end\n"),
              "")
        << c.values;
    EXPECT_EQ(PlaceOf("Button1"), c.place) << c.values;
  }
  // A sheet that stores its own place keeps it.
  ASSERT_EQ(Translate("  object PageControl1: TPageControl\n"
                      "    Left = 10\n    Top = 20\n    Width = 200\n    Height = 100\n"
                      "    object TabSheet1: TTabSheet\n      Left = 2\n      Top = 30\n"
                      "      object Button1: TButton\n"
                      "        Left = 5\n        Top = 5\n        Width = 75\n"
                      "        Height = 25\n        Caption = 'B'\n      end\n    end\n  end\n"),
            "");
  EXPECT_EQ(PlaceOf("Button1"), "17,55,75,25");
}

// Four sheets: the second is the active page, the third has no tab, the
// fourth holds a page control of its own whose first sheet is chosen, as
// none is named.
constexpr char kPages[] = R"(  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 300
    Height = 200
    ActivePage = Sheet2
    object Sheet1: TTabSheet
      Caption = 'One'
      object Edit1: TEdit
        Left = 8
        Top = 8
        Width = 100
        Height = 21
      end
      object Shape1: TShape
        Left = 8
        Top = 40
        Width = 20
        Height = 20
      end
    end
    object Sheet2: TTabSheet
      Caption = 'Two'
      object CheckBox1: TCheckBox
        Left = 8
        Top = 8
        Width = 100
        Height = 17
        Caption = 'Two'
      end
    end
    object Sheet3: TTabSheet
      Caption = 'Three'
      TabVisible = False
      object Button1: TButton
        Left = 8
        Top = 8
        Width = 75
        Height = 25
        Caption = 'Three'
      end
    end
    object Sheet4: TTabSheet
      Caption = 'Four'
      object PageControl2: TPageControl
        Left = 0
        Top = 0
        Width = 200
        Height = 100
        object SheetA: TTabSheet
          Caption = 'A'
          object Edit2: TEdit
            Left = 8
            Top = 8
            Width = 100
            Height = 21
          end
        end
        object SheetB: TTabSheet
          Caption = 'B'
          object Edit3: TEdit
            Left = 8
            Top = 8
            Width = 100
            Height = 21
          end
        end
      end
    end
  end
)";

TEST_F(ContainersTest, OnlyTheChosenSheetsControlsShowAndATabChangeShowsAnother) {
  ASSERT_EQ(Translate(kPages), "");
  // Created hidden unless every page around them is chosen at first.
  EXPECT_EQ(StylesOf("Edit1"), "WS_CHILD or WS_TABSTOP or ES_AUTOHSCROLL");
  EXPECT_EQ(StylesOf("CheckBox1"), "WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP");
  EXPECT_EQ(StylesOf("Button1"), "WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP");
  EXPECT_EQ(StylesOf("PageControl2"), "WS_CHILD or WS_TABSTOP");
  EXPECT_EQ(StylesOf("Edit2"), "WS_CHILD or WS_TABSTOP or ES_AUTOHSCROLL");
  // Every tab change shows what all its chosen pages hold (a page control on
  // a page is shown or hidden before what it holds); the sheet without a tab
  // never shows, and the tab after it takes its index.
  EXPECT_EQ(Lines("windowprocnotifymidle"),
            "\nif (TabCtrl_GetCurSel(PageControl1) = 0) then ShowWindow(Edit1, SW_SHOW) else "
            "ShowWindow(Edit1, SW_HIDE);"
            "\nif (TabCtrl_GetCurSel(PageControl1) = 1) then ShowWindow(CheckBox1, SW_SHOW) else "
            "ShowWindow(CheckBox1, SW_HIDE);"
            "\nif (TabCtrl_GetCurSel(PageControl1) = 2) then ShowWindow(PageControl2, SW_SHOW) "
            "else ShowWindow(PageControl2, SW_HIDE);"
            "\nif IsWindowVisible(PageControl2) and (TabCtrl_GetCurSel(PageControl2) = 0) "
            "then ShowWindow(Edit2, SW_SHOW) else ShowWindow(Edit2, SW_HIDE);"
            "\nif IsWindowVisible(PageControl2) and (TabCtrl_GetCurSel(PageControl2) = 1) "
            "then ShowWindow(Edit3, SW_SHOW) else ShowWindow(Edit3, SW_HIDE);");
  const std::string& program = dpr_->ComposedText;
  EXPECT_NE(program.find("\r\n    WM_NOTIFY: if Integer(PNMHdr(lParam)^.code) = TCN_SELCHANGE "
                         "then begin"),
            std::string::npos);
  EXPECT_NE(program.find("\r\n      InvalidateRect(hWindow, nil, True);\r\n    end;\r\n"),
            std::string::npos);
  // One tab per sheet with a tab, in order; each window chooses its tab once
  // the fonts are set, which size the tabs.
  const std::string body = Lines("bodymidle");
  EXPECT_NE(body.find("TabItem.pszText := PWideChar('Four');\nSendMessageW(PageControl1, TCM_INSERTITEMW, 2, "
                      "LParam(@TabItem));"),
            std::string::npos);
  EXPECT_EQ(body.find("PWideChar('Three')"), std::string::npos);
  const std::string last = Lines("bodylast");
  EXPECT_LT(last.find("TabCtrl_SetCurSel(PageControl2, 0);"),
            last.find("TabCtrl_SetCurSel(PageControl1, 1);"));
  EXPECT_NE(last.find("SetWindowRgn(PageControl1, PageRgn, False);"), std::string::npos);
  EXPECT_LT(program.find("SendMessageW(PageControl1,WM_SETFONT"),
            program.find("TabCtrl_SetCurSel(PageControl1"));
}

TEST_F(ContainersTest, WhatIsPaintedOnASheetShowsOnlyWhileItIsChosen) {
  ASSERT_EQ(Translate(kPages), "");
  const std::string paint = Lines("windowprocpaintmidle");
  const std::string clip =
      "\n{ Page Sheet1 of PageControl1: painted while it is chosen }\nSaveDC(PaintDC);"
      "\nif (TabCtrl_GetCurSel(PageControl1) = 0) then LayoutClip(PaintDC, 1) "
      "else IntersectClipRect(PaintDC,0,0,0,0);\n{ Create shape: Shape1 }"
      "\nPaintRect := LayoutRow[3].Placed;";
  EXPECT_EQ(paint.substr(0, clip.size()), clip);
  const size_t shape_end = paint.find("RestoreDC(PaintDC, -1);");
  EXPECT_LT(paint.find("Rectangle(PaintDC,PaintRect.Left,PaintRect.Top,PaintRect.Right,"
                       "PaintRect.Bottom);"),
            shape_end);
  // The sheet without a tab clips everything it paints away.
  EXPECT_NE(paint.find("\nif False then LayoutClip"), std::string::npos);
}

TEST_F(ContainersTest, TabControlHasItsTabsAndWhatItHoldsAlwaysShows) {
  ASSERT_EQ(Translate("  object TabControl1: TTabControl\n"
                      "    Left = 10\n    Top = 20\n    Width = 200\n    Height = 100\n"
                      "    Tabs.Strings = (\n      'Day'\n      'Week')\n    TabIndex = 1\n"
                      "    object Edit1: TEdit\n"
                      "      Left = 8\n      Top = 30\n      Width = 100\n      Height = 21\n"
                      "    end\n  end\n"),
            "");
  EXPECT_EQ(StylesOf("Edit1"), "WS_CHILD or WS_VISIBLE or WS_TABSTOP or ES_AUTOHSCROLL");
  EXPECT_EQ(PlaceOf("Edit1"), "18,50,100,21");
  const std::string body = Lines("bodymidle");
  EXPECT_NE(body.find("TabItem.mask := TCIF_TEXT;\nTabItem.pszText := PWideChar('Day');\n"
                      "SendMessageW(TabControl1, TCM_INSERTITEMW, 0, LParam(@TabItem));\n"
                      "TabItem.mask := TCIF_TEXT;\nTabItem.pszText := PWideChar('Week');\n"
                      "SendMessageW(TabControl1, TCM_INSERTITEMW, 1, LParam(@TabItem));"),
            std::string::npos);
  EXPECT_EQ(Lines("bodylast").find("\nTabCtrl_SetCurSel(TabControl1, 1);\n"), 0u);
  EXPECT_FALSE(dpr_->HasNotifyHandler);
  // A tab index past the tabs chooses none.
  ASSERT_EQ(Translate("  object TabControl1: TTabControl\n"
                      "    Left = 10\n    Top = 20\n    Width = 200\n    Height = 100\n"
                      "    TabIndex = 3\n  end\n"),
            "");
  EXPECT_EQ(Lines("bodylast").find("\nTabCtrl_SetCurSel(TabControl1, WPARAM(-1));\n"), 0u);
}

// Values that reach only the extended program are checked there, and only there.
TEST_F(ContainersTest, ContainerValuesAreCheckedBeforeTheyReachTheProgram) {
  struct Case {
    const char* objects;
    const char* report;
  };
  const Case cases[] = {
      {"  object Panel1: TPanel\n    BevelWidth = 2);Halt;(\n  end\n",
       "[Error] form.txt(4):     BevelWidth = 2);Halt;("},
      {"  object Panel1: TPanel\n    Caption = Halt\n  end\n",
       "[Error] form.txt(4):     Caption = Halt"},
      {"  object P: TPageControl\n    object S: TTabSheet\n      Caption = Halt\n"
       "    end\n  end\n",
       "[Error] form.txt(5):       Caption = Halt"},
      {"  object T: TTabControl\n    Tabs.Strings = (\n      Halt)\n  end\n",
       "[Error] form.txt(5):       Halt)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Translate(c.objects), c.report) << c.objects;
    EXPECT_EQ(Translate(c.objects, Translation::kExact), "") << c.objects;
  }
}

}  // namespace
}  // namespace vornic
