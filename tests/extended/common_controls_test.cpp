// The classes only the extended translation writes beyond the static text:
// radio groups, speed buttons, tool bars, labeled edits, up-downs, spin
// edits, scroll bars, splitters and hot keys, one rule per test.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/picture_files.h"
#include "support/program_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

class CommonControlsTest : public ProgramFixture {
 protected:
  // Translates `form` and keeps the program; returns the error report, or
  // the empty text when the form passes.
  std::string Translate(const std::string& form, Translation translation = Translation::kExtended) {
    return TranslateForm(form, translation, (scratch_.path() / "form").string());
  }

  // `controls` on a form with the default font.
  std::string Program(const std::string& controls) {
    const std::string report = Translate("object Form1: TForm1\n" + controls + "end\n");
    EXPECT_EQ(report, "");
    return dpr_->ComposedText;
  }

  // Every match of `pattern` in `text`, its groups joined by blanks.
  static std::vector<std::string> Matches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) {
      std::string groups;
      for (size_t i = 1; i < it->size(); ++i) groups += (i > 1 ? " " : "") + (*it)[i].str();
      found.push_back(groups);
    }
    return found;
  }

  ScratchDir scratch_{"vornic_common_controls"};
};

std::string Geometry(int left, int top, int width, int height) {
  return "    Left = " + std::to_string(left) + "\n    Top = " + std::to_string(top) +
         "\n    Width = " + std::to_string(width) + "\n    Height = " + std::to_string(height) +
         "\n";
}

TEST_F(CommonControlsTest, ExampleIsWrittenWholeOnlyByTheExtendedTranslation) {
  const std::string form =
      ReadFile(std::filesystem::path(VORNIC_SOURCE_DIR) / "examples" / "common_controls.txt");
  ASSERT_FALSE(form.empty());
  ASSERT_EQ(Translate(form, Translation::kExact), "");
  EXPECT_EQ(control_count_, 2);  // the two push buttons
  ASSERT_EQ(Translate(form), "");
  // Two buttons, a bar with five buttons, two radio groups, an up-down, two
  // labeled edits, a spin edit, a scroll bar, a splitter, a hot key and four
  // speed buttons.
  EXPECT_EQ(control_count_, 21);
  EXPECT_NE(Added("windowprocpaintmidle")
                .find("{ Paint splitter: Splitter1 }\r\n      OldBrush := SelectObject(PaintDC,"
                      "Brush1);\r\n      OldPen := SelectObject(PaintDC,Pen1);\r\n      "
                      "with LayoutRow["),
            std::string::npos);
}

// Rows of equal height fill the box below the caption, whose height comes
// from the group's font; what the rows leave over goes half above them.
TEST_F(CommonControlsTest, RadioGroupItemsFillTheBoxInColumns) {
  struct Case {
    const char* lines;  // beyond the geometry
    int width;
    int height;
    std::vector<std::string> items;  // left top width height
  };
  const Case cases[] = {
      {"    Columns = 2\n",
       185,
       105,
       {"8 14 87 29", "8 43 87 29", "8 72 87 29", "95 14 87 29", "95 43 87 29"}},
      {"", 185, 101, {"8 15 175 27", "8 42 175 27", "8 69 175 27"}},
      {"    Font.Height = 16\n", 185, 101, {"8 18 175 26", "8 44 175 26", "8 70 175 26"}},
      {"    Columns = 0\n", 100, 40, {"8 14 90 7", "8 21 90 7", "8 28 90 7"}},
      {"    Columns = 40\n", 330, 40, {"8 14 20 22", "28 14 20 22", "48 14 20 22"}},
  };
  const int counts[] = {5, 3, 3, 3, 3};
  for (size_t c = 0; c < std::size(cases); ++c) {
    std::string items = "    Items.Strings = (\n";
    for (int i = 0; i < counts[c]; ++i) {
      items += "      'Item" + std::to_string(i) + (i + 1 < counts[c] ? "'\n" : "')\n");
    }
    const std::string program = Program("  object RadioGroup1: TRadioGroup\n" +
                                        Geometry(8, 40, cases[c].width, cases[c].height) +
                                        cases[c].lines + items + "  end\n");
    EXPECT_EQ(Matches(program, "\r\n    (-?\\d+),(-?\\d+),(-?\\d+),(-?\\d+), RadioGroup1, \\d+"),
              cases[c].items)
        << cases[c].lines;
  }
}

TEST_F(CommonControlsTest, RadioGroupChecksItsItemIndexAndGroupsItsItems) {
  Program("  object RadioGroup1: TRadioGroup\n" + Geometry(10, 20, 185, 81) +
          "    Caption = 'Size'\n    ItemIndex = 1\n"
          "    Items.Strings = (\n      'Small'\n      'Large')\n  end\n");
  const std::string body = Added("bodymidle");
  EXPECT_EQ(body.substr(body.find("\r\n  { Create a radio group")),
            "\r\n  { Create a radio group ============================================ }"
            "\r\n  RadioGroup1:= CreateWindowExW(WS_EX_CONTROLPARENT, 'Button','Size', "
            "WS_VISIBLE or WS_CHILD or BS_GROUPBOX,"
            "\r\n                10,20,185,81, hWindow, 0, Inst, nil);"
            "\r\n  CreateWindowExW(0, 'Button','Small', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON "
            "or WS_GROUP,\r\n    8,14,175,31, RadioGroup1, 1, Inst, nil);"
            "\r\n  CreateWindowExW(0, 'Button','Large', WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON "
            "or WS_TABSTOP,\r\n    8,45,175,31, RadioGroup1, 2, Inst, nil);"
            "\r\n  SendMessageW(GetDlgItem(RadioGroup1,2),BM_SETCHECK,1,0);\r\n");
  EXPECT_NE(
      Added("procedures").find("SendMessageW(GetDlgItem(RadioGroup1,2),WM_SETFONT,hFont1,0);"),
      std::string::npos);

  // A group without items is an empty box, whatever its ItemIndex says.
  Program("  object RadioGroup2: TRadioGroup\n" + Geometry(10, 20, 185, 81) +
          "    ItemIndex = 0\n    Columns = 3\n  end\n");
  EXPECT_EQ(Matches(Added("bodymidle"), "(RadioGroup2)").size(), 1u);
}

// The label keeps the size the form gives it; left and right centre it on
// the edit's height.
TEST_F(CommonControlsTest, LabeledEditLabelSitsWhereLabelPositionPutsIt) {
  struct Case {
    const char* lines;
    const char* label;  // left top width height
  };
  const Case cases[] = {
      {"", "100 84 40 13"},
      {"    LabelSpacing = 6\n", "100 81 40 13"},
      {"    LabelPosition = lpBelow\n", "100 124 40 13"},
      {"    LabelPosition = lpLeft\n", "57 104 40 13"},
      {"    LabelPosition = lpRight\n    LabelSpacing = 0\n", "180 104 40 13"},
  };
  for (const Case& c : cases) {
    const std::string program =
        Program("  object Edit1: TLabeledEdit\n" + Geometry(100, 100, 80, 21) +
                "    EditLabel.Width = 40\n    EditLabel.Height = 13\n"
                "    EditLabel.Caption = 'Name'\n" +
                c.lines + "  end\n");
    EXPECT_EQ(Matches(program,
                      "lblEdit1:= CreateWindowExW\\(0, 'Static','Name', WS_VISIBLE or "
                      "WS_CHILD or SS_LEFT,\r\n +(-?\\d+),(-?\\d+),(\\d+),(\\d+),"),
              std::vector<std::string>{c.label})
        << c.lines;
  }
}

// The buddy is set after the last control is created, so an associate
// written after the up-down works as well; it names the associate's
// variable, whatever the registry made of its name.
TEST_F(CommonControlsTest, UpDownTakesItsAssociateAsBuddy) {
  const std::string updown = "  object UpDown1: TUpDown\n" + Geometry(60, 8, 16, 21) +
                             "    Associate = Inst\n    Max = 9\n  end\n";
  const std::string edit = "  object Inst: TEdit\n" + Geometry(8, 8, 52, 21) + "  end\n";
  const std::string buddy = "  SendMessageW(UpDown1,UDM_SETBUDDY,Inst_1,0);\r\n";
  Program(updown + edit);
  EXPECT_EQ(Added("bodymidleend").find(buddy), 0u);
  Program(edit + updown);
  EXPECT_EQ(Added("bodymidleend").find(buddy), 0u);
  EXPECT_NE(Added("bodymidle")
                .find("SetWindowPos(UpDown1,0,0,0,16,21,SWP_NOMOVE or SWP_NOZORDER);"
                      "\r\n  InvalidateRect(UpDown1,nil,True);"
                      "\r\n  SendMessageW(UpDown1,UDM_SETRANGE32,0,9);"
                      "\r\n  SendMessageW(UpDown1,UDM_SETPOS32,0,0);"),
            std::string::npos);

  // A painted label and a panel have no window; a missing name is none.
  for (const char* associate : {"Label1", "Panel1", "Nowhere"}) {
    Program("  object Label1: TLabel\n" + Geometry(8, 40, 40, 13) +
            "    Caption = 'Hot'\n    Color = clYellow\n  end\n"
            "  object Panel1: TPanel\n" +
            Geometry(8, 60, 40, 13) + "  end\n  object UpDown1: TUpDown\n" +
            Geometry(60, 8, 16, 21) + "    Associate = " + associate + "\n  end\n");
    EXPECT_EQ(Added("bodymidleend").find("UDM_SETBUDDY"), std::string::npos) << associate;
  }

  // Twins in two frames: each up-down takes the one written last before it.
  const std::string frame = "    object Edit1: TEdit\n" + Geometry(8, 8, 52, 21) + "    end\n" +
                            "    object UpDown1: TUpDown\n" + Geometry(60, 8, 16, 21) +
                            "      Associate = Edit1\n    end\n";
  Program("  object Frame1: TPanel\n" + frame + "  end\n  object Frame2: TPanel\n" + frame +
          "  end\n");
  EXPECT_EQ(Added("bodymidleend")
                .find("  SendMessageW(UpDown1,UDM_SETBUDDY,Edit1,0);\r\n"
                      "  SendMessageW(UpDown1_1,UDM_SETBUDDY,Edit1_1,0);\r\n"),
            0u);
}

TEST_F(CommonControlsTest, SpinEditCountsInItsOwnText) {
  Program("  object SpinEdit1: TSpinEdit\n" + Geometry(8, 8, 65, 22) +
          "    MaxValue = 50\n    Value = 10\n    Increment = 5\n  end\n"
          "  object SpinEdit2: TSpinEdit\n" +
          Geometry(8, 40, 65, 22) + "    MinValue = 3\n    MaxValue = 3\n  end\n");
  const std::string body = Added("bodymidle");
  EXPECT_NE(body.find("SpinEdit1:= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit','10', WS_CHILD or "
                      "WS_VISIBLE or WS_BORDER or WS_TABSTOP or WS_CLIPCHILDREN,"),
            std::string::npos);
  EXPECT_NE(body.find("\r\n  SendMessageW(GetWindow(SpinEdit1,GW_CHILD),UDM_SETBUDDY,SpinEdit1,0);"
                      "\r\n  SendMessageW(GetWindow(SpinEdit1,GW_CHILD),UDM_SETRANGE32,0,50);"
                      "\r\n  SendMessageW(GetWindow(SpinEdit1,GW_CHILD),UDM_SETPOS32,0,10);"
                      "\r\n  UpDownAccel.nSec := 0;\r\n  UpDownAccel.nInc := 5;"),
            std::string::npos);
  // Equal bounds leave the value free.
  EXPECT_NE(body.find("UDM_SETRANGE32,-2147483647,2147483647);"), std::string::npos);
}

TEST_F(CommonControlsTest, ToolButtonsJoinTheirBarInTheFormsOrder) {
  struct Case {
    const char* lines;
    const char* fields;  // iBitmap, fsState, fsStyle, iString
  };
  const Case cases[] = {
      {"", "I_IMAGENONE TBSTATE_ENABLED BTNS_BUTTON INT_PTR(PWideChar('B'))"},
      {"      Style = tbsSeparator\n      Width = 6\n", "6 TBSTATE_ENABLED BTNS_SEP 0"},
      {"      Style = tbsDivider\n", "0 TBSTATE_ENABLED BTNS_SEP 0"},
      {"      Style = tbsCheck\n      Down = True\n",
       "I_IMAGENONE TBSTATE_ENABLED or TBSTATE_CHECKED BTNS_CHECK INT_PTR(PWideChar('B'))"},
      {"      Style = tbsCheck\n      Grouped = True\n      Wrap = True\n",
       "I_IMAGENONE TBSTATE_ENABLED or TBSTATE_WRAP BTNS_CHECKGROUP INT_PTR(PWideChar('B'))"},
      {"      Style = tbsDropDown\n      Enabled = False\n      Visible = False\n",
       "I_IMAGENONE 0 or TBSTATE_HIDDEN BTNS_DROPDOWN INT_PTR(PWideChar('B'))"},
  };
  const std::string fields =
      "ToolBarButton.iBitmap := (.+);\r\n  ToolBarButton.idCommand := 1;\r\n  "
      "ToolBarButton.fsState := (.+);\r\n  ToolBarButton.fsStyle := (.+);\r\n  "
      "ToolBarButton.iString := (.+);\r\n  SendMessageW\\(ToolBar1,TB_ADDBUTTONSW";
  for (const Case& c : cases) {
    const std::string program =
        Program("  object ToolBar1: TToolBar\n" + Geometry(0, 0, 300, 29) +
                "    ShowCaptions = True\n    object ToolButton1: TToolButton\n"
                "      Caption = 'B'\n" +
                c.lines + "    end\n  end\n");
    EXPECT_EQ(Matches(program, fields), std::vector<std::string>{c.fields}) << c.lines;
  }

  // Without ShowCaptions the captions stay hidden; a control on the bar is
  // created after the bar, the buttons after all it holds.
  Program("  object ToolBar1: TToolBar\n" + Geometry(0, 0, 300, 29) +
          "    object ToolButton1: TToolButton\n      Caption = 'B'\n    end\n"
          "    object Edit1: TEdit\n" +
          Geometry(30, 2, 80, 21) + "    end\n  end\n  object ToolButton2: TToolButton\n  end\n");
  const std::string body = Added("bodymidle");
  EXPECT_LT(body.find("ToolBar1:= CreateWindowExW(0, 'ToolbarWindow32',"), body.find("Edit1:="));
  EXPECT_LT(body.find("Edit1:="), body.find("{ Add the buttons of ToolBar1 }"));
  EXPECT_NE(body.find("ToolBarButton.iString := 0;"), std::string::npos);
  EXPECT_EQ(body.find("idCommand := 2"), std::string::npos);  // no bar holds ToolButton2
  EXPECT_EQ(control_count_, 3);
  EXPECT_EQ(Added("windowproccommandmidle"),
            "\r\n      if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 1) then "
            "MessageBoxW(hWindow,'ToolButton1Click','Check',MB_OK);");
}

TEST_F(CommonControlsTest, SpeedButtonsOfAGroupStayDownOneAtATime) {
  Program("  object SpeedButton1: TSpeedButton\n" + Geometry(8, 8, 60, 22) +
          "    Caption = 'A'\n    Flat = True\n  end\n"
          "  object SpeedButton2: TSpeedButton\n" +
          Geometry(70, 8, 60, 22) +
          "    GroupIndex = 3\n    Down = True\n    AllowAllUp = True\n  end\n");
  const std::string body = Added("bodymidle");
  EXPECT_NE(body.find("SpeedButton1:= CreateWindowExW(0, 'Button','A', "
                      "WS_VISIBLE or WS_CHILD or BS_PUSHBUTTON or BS_FLAT,"),
            std::string::npos);
  EXPECT_NE(body.find("SpeedButton2:= CreateWindowExW(0, 'Button','', WS_VISIBLE or WS_CHILD or "
                      "BS_CHECKBOX or BS_PUSHLIKE,\r\n                 70,8,60,22, hWindow, 0, "
                      "Inst, nil);\r\n  SetProp(SpeedButton2,'SpeedGroup',3);"
                      "\r\n  SendMessageW(SpeedButton2,BM_SETCHECK,1,0);"),
            std::string::npos);
  const std::string command = Added("windowproccommandmidle");
  EXPECT_NE(command.find("SpeedDown := 1 - SendMessageW(SpeedButton2,BM_GETCHECK,0,0);"),
            std::string::npos);
  EXPECT_NE(command.find("if GetProp(SpeedSibling,'SpeedGroup') = 3 then "
                         "SendMessageW(SpeedSibling,BM_SETCHECK,0,0);"),
            std::string::npos);
  // The group comes up before the click's message box.
  EXPECT_LT(command.find("SpeedDown"), command.find("'SpeedButton2Click'"));
}

// A 24-bit bitmap of `width` by 4 pixels as Glyph.Data lines: its length in
// 4 bytes, then the file.
std::string GlyphData(int width) {
  DibLayout layout;
  layout.width = width;
  layout.height = 4;
  layout.rows.assign(static_cast<size_t>(width) * 4 * 3, '\x40');
  const std::string file = BmpFile(layout);
  const std::string data = std::string{static_cast<char>(file.size()), 0, 0, 0} + file;
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string lines = "    Glyph.Data = {";
  for (size_t i = 0; i < data.size(); ++i) {
    if (i % 32 == 0) lines += "\n      ";
    lines += kDigits[static_cast<uint8_t>(data[i]) >> 4];
    lines += kDigits[static_cast<uint8_t>(data[i]) & 0xF];
  }
  return lines + "}\n";
}

// Outside a group a speed button is drawn as a bit button, the first of its
// glyphs beside its caption; a button of a group, which must stay down when
// clicked, shows a lone glyph as its bitmap and only without caption.
TEST_F(CommonControlsTest, SpeedButtonDrawsItsGlyphBesideItsCaptionUnlessItIsGrouped) {
  Program("  object SpeedButton1: TSpeedButton\n" + Geometry(8, 8, 60, 24) + GlyphData(8) +
          "    NumGlyphs = 2\n    Caption = 'Go'\n    Layout = blGlyphRight\n  end\n" +
          "  object SpeedButton2: TSpeedButton\n" + Geometry(70, 8, 24, 24) + GlyphData(4) +
          "    GroupIndex = 1\n  end\n  object SpeedButton3: TSpeedButton\n" +
          Geometry(100, 8, 24, 24) + GlyphData(4) + "    GroupIndex = 1\n    Caption = 'A'\n" +
          "  end\n");
  const std::string body = Added("bodymidle");
  EXPECT_NE(body.find("SpeedButton1:= CreateWindowExW(0, 'Button','Go', WS_VISIBLE or WS_CHILD or "
                      "BS_OWNERDRAW,"),
            std::string::npos)
      << body;
  EXPECT_NE(Added("windowprocmidle")
                .find("DrawGlyphButton(PDrawItemStruct(lParam)^, hSpeedButton1, 4, 4, 1, 4, -1);"),
            std::string::npos);
  EXPECT_NE(Added("windowproccreatemidle")
                .find("hSpeedButton1 := ImageList_Create(4,4,ILC_COLOR24 or ILC_MASK,2,0);"),
            std::string::npos);
  EXPECT_NE(body.find("BS_CHECKBOX or BS_PUSHLIKE or BS_BITMAP,\r\n                 70,8,24,24, "
                      "hWindow, 0, Inst, nil);\r\n  SetProp(SpeedButton2,'SpeedGroup',1);"
                      "\r\n  SendMessageW(SpeedButton2,"
                      "BM_SETIMAGE,IMAGE_BITMAP,LParam(hSpeedButton2));"),
            std::string::npos)
      << body;
  EXPECT_EQ(Matches(body, "(BS_BITMAP)").size(), 1u);
  EXPECT_TRUE(dpr_->HasResources);
}

TEST_F(CommonControlsTest, ScrollBarsShareOneHandlerAndKeepTheirSteps) {
  Program("  object ScrollBar1: TScrollBar\n" + Geometry(8, 8, 150, 17) +
          "    Min = -5\n    Max = 40\n    Position = 3\n    LargeChange = 0\n  end\n"
          "  object ScrollBar2: TScrollBar\n" +
          Geometry(8, 30, 17, 150) +
          "    Kind = sbVertical\n    PageSize = 10\n    SmallChange = 2\n  end\n");
  EXPECT_EQ(Matches(Added("windowprocmidle"), "(WM_HSCROLL, WM_VSCROLL)").size(), 1u);
  const std::string body = Added("bodymidle");
  EXPECT_NE(body.find("WS_TABSTOP or SBS_HORZ,\r\n               8,8,150,17, hWindow, 0, Inst, "
                      "nil);\r\n  ScrollInfo.cbSize := SizeOf(ScrollInfo);\r\n  ScrollInfo.fMask "
                      ":= SIF_ALL;\r\n  ScrollInfo.nMin := -5;\r\n  ScrollInfo.nMax := 40;\r\n  "
                      "ScrollInfo.nPage := 0;\r\n  ScrollInfo.nPos := 3;\r\n  SetScrollInfo("
                      "ScrollBar1,SB_CTL,ScrollInfo,True);\r\n  SetProp(ScrollBar1,'ScrollLine',1);"
                      "\r\n  SetProp(ScrollBar1,'ScrollPage',1);"),
            std::string::npos);
  EXPECT_NE(body.find("WS_TABSTOP or SBS_VERT,"), std::string::npos);
  EXPECT_NE(body.find("ScrollInfo.nMax := 100;\r\n  ScrollInfo.nPage := 10;"), std::string::npos);
  EXPECT_NE(body.find("SetProp(ScrollBar2,'ScrollLine',2);"), std::string::npos);
}

// The form stores a shortcut (Shift $2000, Ctrl $4000, Alt $8000 over the
// key); the control takes the key with its modifier flags above it.
TEST_F(CommonControlsTest, HotKeyShowsTheFormsShortcut) {
  const std::pair<const char*, const char*> cases[] = {{"", "1089"},
                                                       {"    HotKey = 16464\n", "592"},
                                                       {"    HotKey = 24659\n", "851"},
                                                       {"    HotKey = $2070\n", "368"}};
  for (const auto& [line, value] : cases) {
    Program("  object HotKey1: THotKey\n" + Geometry(8, 8, 121, 19) + line + "  end\n");
    EXPECT_NE(
        Added("bodymidle").find("SendMessageW(HotKey1,HKM_SETHOTKEY," + std::string(value) + ",0);"),
        std::string::npos)
        << line;
  }
}

// Values that reach only the extended program are checked only there.
TEST_F(CommonControlsTest, TheirValuesAreCheckedByTheExtendedTranslationOnly) {
  struct Case {
    const char* object;  // the object line's class
    const char* line;    // the bad line, line 4 of the form
  };
  const Case cases[] = {
      {"TRadioGroup", "    Columns = 2);Halt;("},
      {"TRadioGroup", "    Items.Strings = (\n      Halt)"},
      {"TSpeedButton", "    GroupIndex = x"},
      {"TSpeedButton", "    Glyph.Data = {\n      0800zz}"},
      {"TToolBar", "    Indent = Halt"},
      {"TToolButton", "    Caption = Halt"},
      {"TLabeledEdit", "    EditLabel.Caption = Halt"},
      {"TUpDown", "    Increment = 1;Halt"},
      {"TSpinEdit", "    Value = Halt"},
      {"TScrollBar", "    LargeChange = Halt"},
      {"THotKey", "    HotKey = Alt"},
  };
  for (const Case& c : cases) {
    const std::string line = c.line;
    const std::string form = std::string("object Form1: TForm1\n  object X: ") + c.object +
                             "\n    Left = 1\n" + line + "\n  end\nend\n";
    const std::string bad = line.substr(line.rfind('\n') + 1);
    const int number = line.find('\n') == std::string::npos ? 4 : 5;
    EXPECT_EQ(Translate(form), "[Error] form.txt(" + std::to_string(number) + "): " + bad) << bad;
    EXPECT_EQ(Translate(form, Translation::kExact), "") << bad;
  }
}

}  // namespace
}  // namespace vornic
