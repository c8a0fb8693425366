// The layout table the program carries: one row per control with what its
// run-time layout needs, and the order the rows are placed in.
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "extended/writer_fixture.h"

namespace vornic {
namespace {

class LayoutTableTest : public WriterFixture {
 protected:
  // The rows of the written table by control name: the 23 numbers as the
  // program declares them, ", "-separated.
  std::map<std::string, std::string> Rows() const {
    static const std::regex kRow(R"(\(([-0-9, ]+)\)[ ,] \{ [0-9]+: (\w+) \})");
    const std::string text = Added("procedures");
    std::map<std::string, std::string> rows;
    for (std::sregex_iterator it(text.begin(), text.end(), kRow), end; it != end; ++it) {
      rows[(*it)[2].str()] = (*it)[1].str();
    }
    return rows;
  }
  // The placing order, as the names of the rows.
  std::vector<std::string> Order() const {
    static const std::regex kName(R"(\{ [0-9]+: (\w+) \})");
    const std::string text = Added("procedures");
    std::vector<std::string> names;
    for (std::sregex_iterator it(text.begin(), text.end(), kName), end; it != end; ++it) {
      names.push_back((*it)[1].str());
    }
    std::vector<std::string> order;
    const size_t start = text.find("LayoutOrder:");
    const std::string numbers = text.substr(text.find('(', start) + 1);
    static const std::regex kNumber("[0-9]+");
    const std::string list = numbers.substr(0, numbers.find(')'));
    for (std::sregex_iterator it(list.begin(), list.end(), kNumber), end; it != end; ++it) {
      order.push_back(names.at(std::stoul(it->str())));
    }
    return order;
  }
};

std::string Object(const std::string& name, const std::string& class_name,
                   const std::string& values, const std::string& inside = "") {
  // What it holds is indented one step further, as form text writes it.
  static const std::regex kLineStart("(^|\n)(?=.)");
  return "  object " + name + ": " + class_name + "\n" + values +
         std::regex_replace(inside, kLineStart, "$1  ") + "  end\n";
}

std::string Box(int left, int top, int width, int height) {
  return "    Left = " + std::to_string(left) + "\n    Top = " + std::to_string(top) +
         "\n    Width = " + std::to_string(width) + "\n    Height = " + std::to_string(height) + "\n";
}

// Columns: container, Left, Top, Width, Height, Align, Anchors, margins (4),
// client area insets (4), padding (4), the row a splitter resizes, its least
// size, a tab window with painted pages, a scroll box whose content scrolls.
TEST_F(LayoutTableTest, EachControlGetsTheRowTheDesignerPlacesItBy) {
  struct Case {
    const char* rule;
    std::string objects;
    std::string control;
    std::string row;  // empty: the control has no row
  };
  const std::string panel_values = Box(10, 20, 200, 100);
  const Case cases[] = {
      {"a control on the form: its box, anchored left and top",
       Object("Edit1", "TEdit", Box(8, 9, 100, 21)), "Edit1",
       "-1, 8, 9, 100, 21, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"anchors as bits, none at all kept",
       Object("Edit1", "TEdit", Box(8, 9, 100, 21) + "    Anchors = [akRight, akBottom]\n"),
       "Edit1", "-1, 8, 9, 100, 21, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"no anchors", Object("Edit1", "TEdit", Box(8, 9, 100, 21) + "    Anchors = []\n"), "Edit1",
       "-1, 8, 9, 100, 21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"Align by name; margins only where aligned with margins",
       Object("List1", "TListBox",
              Box(0, 0, 400, 300) +
                  "    AlignWithMargins = True\n    Align = alClient\n    Margins.Left = 5\n"),
       "List1", "-1, 0, 0, 400, 300, 5, 3, 5, 3, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"margins without AlignWithMargins count for nothing",
       Object("List1", "TListBox", Box(0, 0, 400, 300) + "    Margins.Left = 5\n"), "List1",
       "-1, 0, 0, 400, 300, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"a status bar docks at the bottom, a tool bar at the top, unless the form says otherwise",
       Object("Bar1", "TStatusBar", Box(0, 281, 400, 19)), "Bar1",
       "-1, 0, 281, 400, 19, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"tool bar", Object("Tools1", "TToolBar", Box(0, 0, 400, 29)), "Tools1",
       "-1, 0, 0, 400, 29, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"a panel aligns inside its bevel, its border width and its padding",
       Object("Panel1", "TPanel",
              panel_values + "    BevelInner = bvLowered\n    BorderWidth = 2\n    Padding.Top = 4\n"),
       "Panel1", "-1, 10, 20, 200, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 4, 8, 4, 4, -1, 0, 0, 0"},
      {"a control in a panel keeps its box in the panel",
       Object("Panel1", "TPanel", panel_values, Object("Button1", "TButton", Box(5, 6, 75, 25))),
       "Button1", "0, 5, 6, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"a scroll box's border takes the edge of its client area; its content scrolls",
       Object("Box1", "TScrollBox", panel_values), "Box1",
       "-1, 10, 20, 200, 100, 0, 3, 0, 0, 0, 0, 2, 2, 2, 2, 0, 0, 0, 0, -1, 0, 0, 1"},
      {"unless it says AutoScroll = False",
       Object("Box1", "TScrollBox", panel_values + "    AutoScroll = False\n"), "Box1",
       "-1, 10, 20, 200, 100, 0, 3, 0, 0, 0, 0, 2, 2, 2, 2, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"a group box aligns below its caption",
       Object("Group1", "TGroupBox", panel_values), "Group1",
       "-1, 10, 20, 200, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 2, 15, 2, 2, -1, 0, 0, 0"},
      {"a page control's window has painted pages; its sheet fills the page, anchored all round",
       Object("Pages1", "TPageControl", panel_values,
              "  object Sheet1: TTabSheet\n    Caption = 'One'\n  end\n"),
       "Pages1", "-1, 10, 20, 200, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 1, 0"},
      {"sheet", Object("Pages1", "TPageControl", panel_values,
                       "  object Sheet1: TTabSheet\n    Caption = 'One'\n  end\n"),
       "Sheet1", "0, 4, 24, 192, 72, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"a sheet is as small as what is aligned to its far edges shows the designer's was",
       Object("Pages1", "TPageControl", panel_values,
              "  object Sheet1: TTabSheet\n    Caption = 'One'\n"
              "    object Bottom1: TPanel\n      Left = 0\n      Top = 40\n      Width = 186\n"
              "      Height = 20\n      Align = alBottom\n    end\n  end\n"),
       "Sheet1", "0, 4, 24, 186, 60, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"a control without its whole box has no row",
       Object("Edit1", "TEdit", "    Left = 8\n    Top = 9\n    Width = 100\n"), "Edit1", ""},
      {"a container without its whole box (its ancestor's) fills its container and passes "
       "its changes on",
       Object("Panel1", "TPanel", "    Left = 8\n",
              Object("Button1", "TButton", Box(5, 6, 75, 25))),
       "Panel1", "-1, 8, 0, 400, 300, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, -1, 0, 0, 0"},
      {"what it holds keeps its box in it",
       Object("Panel1", "TPanel", "    Left = 8\n",
              Object("Button1", "TButton", Box(5, 6, 75, 25))),
       "Button1", "0, 5, 6, 75, 25, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0"},
      {"a menu holds nothing to place",
       Object("Menu1", "TMainMenu", "    Left = 8\n",
              "  object Item1: TMenuItem\n    Caption = 'File'\n  end\n"),
       "Menu1", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    WriteForm(c.objects);
    const auto rows = Rows();
    const auto found = rows.find(c.control);
    if (c.row.empty()) {
      EXPECT_TRUE(found == rows.end());
    } else {
      ASSERT_TRUE(found != rows.end()) << Added("procedures");
      EXPECT_EQ(found->second, c.row);
    }
  }
}

// The designer aligns top, bottom, left, right, then client controls, each
// kind nearest to its edge first, and a container before what it holds; a
// splitter resizes the control aligned the same way that touches it.
TEST_F(LayoutTableTest, RowsArePlacedInTheDesignersOrderAndSplittersFindTheirControls) {
  WriteForm(Object("Client", "TMemo", Box(105, 40, 295, 230) + "    Align = alClient\n") +
            Object("Lower", "TPanel", Box(0, 270, 400, 30) + "    Align = alBottom\n") +
            Object("Upper", "TPanel", Box(0, 0, 400, 40) + "    Align = alTop\n",
                   Object("Inside", "TButton", Box(4, 4, 75, 25))) +
            Object("Split", "TSplitter", Box(100, 40, 5, 230) + "    MinSize = 50\n") +
            Object("Left2", "TListBox", Box(50, 40, 50, 230) + "    Align = alLeft\n") +
            Object("Left1", "TListBox", Box(0, 40, 50, 230) + "    Align = alLeft\n") +
            Object("Loose", "TButton", Box(300, 250, 75, 25)));
  EXPECT_EQ(Order(), (std::vector<std::string>{"Upper", "Inside", "Lower", "Left1", "Left2",
                                                "Split", "Client", "Loose"}));
  const auto rows = Rows();
  // Splitters are aligned left unless the form says otherwise; Left2 is row 5.
  EXPECT_EQ(rows.at("Split"),
            "-1, 100, 40, 5, 230, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 50, 0, 0");
  // The splitter branches of the window procedure come with it.
  EXPECT_NE(Added("windowprocmidle").find("StartSplit("), std::string::npos);
}

TEST_F(LayoutTableTest, SplitterWithoutAControlTouchingItResizesTheOneAlignedBeforeIt) {
  WriteForm(Object("Top1", "TPanel", Box(0, 0, 400, 50) + "    Align = alTop\n") +
            Object("Split", "TSplitter", Box(0, 60, 400, 4) + "    Align = alTop\n") +
            Object("Alone", "TSplitter", Box(0, 100, 4, 100) + "    Align = alRight\n"));
  const auto rows = Rows();
  EXPECT_EQ(rows.at("Split"),
            "-1, 0, 60, 400, 4, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0");
  // Nothing to resize: the splitter is only painted.
  EXPECT_EQ(rows.at("Alone"),
            "-1, 0, 100, 4, 100, 4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 30, 0, 0");
}

// A scroll box's bars are windows: they show with its page, and another tab
// chosen lays out again; a box the form hides never shows them.
TEST_F(LayoutTableTest, ScrollBoxesShowTheirBarsWithTheirPages) {
  const std::string box = Object("Box1", "TScrollBox", Box(8, 8, 150, 80),
                                 Object("Low", "TButton", Box(8, 100, 75, 25)));
  WriteForm(Object("Pages1", "TPageControl", Box(8, 8, 300, 220),
                   "  object Sheet1: TTabSheet\n    Caption = 'One'\n  end\n"
                   "  object Sheet2: TTabSheet\n    Caption = 'Two'\n" +
                       std::regex_replace(box, std::regex("(^|\n)(?=.)"), "$1  ") + "  end\n") +
            Object("Box2", "TScrollBox", Box(320, 8, 100, 80) + "    Visible = False\n"));
  const std::string procedures = Added("procedures");
  EXPECT_NE(procedures.find("\r\n  case Row of\r\n    3: Result := (TabCtrl_GetCurSel(Pages1) = 1);"
                            "\r\n    5: Result := False;\r\n  end;"),
            std::string::npos)
      << procedures;
  EXPECT_NE(Added("windowprocnotifymidle").find("LayoutWindow;"), std::string::npos);
  EXPECT_NE(Added("windowprocmidle").find("if LayoutScroll(HWND(lParam), Message = WM_VSCROLL"),
            std::string::npos);
}

// One row per rule of the window's resizing and scrolling: what the form
// holds, and a line the program must hold in a section, or must not.
TEST_F(LayoutTableTest, EachResizeRuleShowsInTheProgram) {
  struct Case {
    const char* rule;
    std::string values;
    const char* section;
    const char* text;
    bool present;
  };
  const Case cases[] = {
      {"the window is never made smaller than squeezes a stretching control away", "",
       "windowprocmidle", "LayoutLeastSize(PMinMaxInfo(lParam)^.ptMinTrackSize);", true},
      {"fonts are made again on a screen of another resolution", "", "windowprocwmsizeend",
       "LayoutDpiChanged(LoWord(wParam));\r\n      CreateFonts;", true},
      {"a form that stores no AutoScroll does not scroll", "", "procedures", "function LayoutScroll(", false},
      {"its scrolling procedures are empty", "", "procedures",
       "procedure LayoutClipWindow(Row: Integer);\r\nbegin\r\nend;", true},
      {"a form that says AutoScroll = True scrolls", "  AutoScroll = True\n", "procedures",
       "FormScrolls = True;", true},
      {"its scroll bars and the wheel move its content", "  AutoScroll = True\n", "windowprocmidle",
       "if LayoutWheel(", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    WriteForm(Object("Edit1", "TEdit", Box(8, 9, 100, 21) + "    Anchors = [akLeft, akTop, akRight]\n"),
              c.values);
    EXPECT_EQ(Added(c.section).find(c.text) != std::string::npos, c.present) << Added(c.section);
  }
}

// What the layout reads of the form: its resolution, whether it scales, its
// client size, and its Constraints on the window's frame.
TEST_F(LayoutTableTest, FormScalesFromItsResolutionAndBoundsItsFrame) {
  WriteForm(Object("Edit1", "TEdit", Box(8, 9, 100, 21)),
            "  PixelsPerInch = 120\n  Scaled = False\n  Constraints.MinWidth = 300\n"
            "  Constraints.MaxHeight = 500\n");
  const std::string procedures = Added("procedures");
  for (const char* line : {"  FormPixelsPerInch = 120;", "  FormScaled: Boolean = False;",
                           "  LayoutClientWidth: Integer = 400;", "  LayoutClientHeight: Integer = 300;"}) {
    EXPECT_NE(procedures.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(Lines("windowprocmidle"),
            "\nWM_GETMINMAXINFO: begin"
            "\nPMinMaxInfo(lParam)^.ptMinTrackSize.X := ScaleToScreen(300);"
            "\nPMinMaxInfo(lParam)^.ptMaxTrackSize.Y := ScaleToScreen(500);"
            "\nPMinMaxInfo(lParam)^.ptMaxSize.Y := ScaleToScreen(500);"
            "\nLayoutLeastSize(PMinMaxInfo(lParam)^.ptMinTrackSize);"
            "\nend;");
  // The window lays out again when its size or the screen's resolution changes.
  EXPECT_NE(Added("windowprocwmsizemidle").find("LayoutControls(LoWord(lParam), HiWord(lParam));"),
            std::string::npos);
  EXPECT_NE(Added("windowprocwmsizeend").find("WM_DPICHANGED: begin"), std::string::npos);
  EXPECT_NE(Added("bodylast").find("LayoutRow[0].Window := Edit1;\r\n  LayoutReady := True;"),
            std::string::npos);
}

}  // namespace
}  // namespace vornic
