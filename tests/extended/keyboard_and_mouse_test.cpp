// The keyboard and the mouse as the form says: the tab order among the main
// window's children, the tooltips of hints that show, and the cursors.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "extended/input_controls.h"
#include "extended/writer_fixture.h"

namespace vornic {
namespace {

std::string Box(int left, int top) {
  return "    Left = " + std::to_string(left) + "\n    Top = " + std::to_string(top) +
         "\n    Width = 80\n    Height = 25\n";
}

std::string Object(const std::string& name, const std::string& klass, const std::string& values,
                   const std::string& inside = "") {
  return "  object " + name + ": " + klass + "\n" + values + inside + "  end\n";
}

// A control inside another: two more blanks before each of its lines.
std::string Inside(const std::string& object) {
  return std::regex_replace(object, std::regex("(^|\n)(?=.)"), "$1  ");
}

std::string Button(const std::string& name, int tab_order, const std::string& values = "") {
  return Object(
      name, "TButton",
      Box(8, 8 + 30 * tab_order) + "    TabOrder = " + std::to_string(tab_order) + "\n" + values);
}

class KeyboardAndMouseTest : public WriterFixture {
 protected:
  // The windows the tab order chain names, in its order; empty without one.
  std::string Chain() const {
    static const std::regex kStep("SetWindowPos\\((\\w+), \\w+,");
    const std::string body = Added("bodymidle");
    std::string names;
    for (std::sregex_iterator step(body.begin(), body.end(), kStep), end; step != end; ++step) {
      names += (names.empty() ? "" : " ") + (*step)[1].str();
    }
    return names;
  }
};

TEST_F(KeyboardAndMouseTest, TabFollowsTheTabOrderWithinEachContainer) {
  const std::string group = Object("Group1", "TGroupBox", Box(100, 8) + "    TabOrder = 1\n",
                                   Inside(Button("InnerB", 1)) + Inside(Button("InnerA", 0)));
  const struct {
    const char* rule;
    std::string objects;
    const char* chain;  // empty: the file's order is the tab order
  } cases[] = {
      {"the file's order", Button("A", 0) + Button("B", 1), ""},
      {"another order", Button("B", 1) + Button("C", 2) + Button("A", 0), "A B C"},
      {"a container's controls after it, in their own order",
       group + Button("A", 0) + Button("C", 2), "A InnerA InnerB C"},
      {"a control that is no tab stop is left where it is",
       Button("B", 1) + Button("A", 0, "    TabStop = False\n") + Button("C", 2), ""},
      {"the first moves behind the windows created before the first tab stop",
       Object("Label1", "TLabel", Box(8, 200) + "    Caption = 'Name'\n") + Button("B", 1) +
           Button("A", 0),
       "A B"},
      {"pages keep the file's order, their controls follow their page",
       Object("Pages1", "TPageControl",
              Box(100, 100) + "    ActivePage = Sheet1\n    TabOrder = 0\n",
              Inside(Object("Sheet1", "TTabSheet", "    Caption = 'One'\n",
                            Inside(Button("P1B", 1) + Button("P1A", 0)))) +
                  Inside(Object("Sheet2", "TTabSheet", "    Caption = 'Two'\n",
                                Inside(Button("P2A", 0))))),
       "Pages1 P1A P1B P2A"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    WriteForm(c.objects);
    EXPECT_EQ(Chain(), c.chain);
  }
  WriteForm(Object("Label1", "TLabel", Box(8, 200) + "    Caption = 'Name'\n") + Button("B", 1) +
            Button("A", 0));
  EXPECT_NE(Added("bodymidle").find("SetWindowPos(A, Label1, 0, 0, 0, 0, SWP_NOMOVE"),
            std::string::npos);
}

TEST_F(KeyboardAndMouseTest, HintsThatShowBecomeToolsOfOneTooltip) {
  const std::string actions =
      "  object ActionList1: TActionList\n    object actSave: TAction\n"
      "      Hint = 'Save it|Saves the list'\n    end\n  end\n";
  const struct {
    const char* rule;
    std::string objects;
    std::string form_values;
    const char* tools;  // the AddHint lines; empty: no tooltip window at all
  } cases[] = {
      {"the form's ShowHint, the short part of the hint",
       Button("A", 0, "    Hint = 'Press|Presses it'\n"), "  ShowHint = True\n",
       "AddHint(HintWindow, hWindow, A, 0, 0, 0, 0, 0, 'Press');"},
      {"a control's own ShowHint", Button("A", 0, "    Hint = 'x'\n    ShowHint = True\n"), "",
       "AddHint(HintWindow, hWindow, A, 0, 0, 0, 0, 0, 'x');"},
      {"ShowHint off on the form", Button("A", 0, "    Hint = 'x'\n"), "", ""},
      {"a control that does not take its parent's",
       Button("A", 0, "    Hint = 'x'\n    ParentShowHint = False\n"), "  ShowHint = True\n", ""},
      {"a container's ShowHint passes on, its ParentShowHint = False stops the form's",
       Object("Panel1", "TPanel", Box(100, 8) + "    ShowHint = True\n",
              Inside(Button("InButton", 0, "    Hint = 'in'\n"))) +
           Object("Panel2", "TPanel", Box(200, 8) + "    ParentShowHint = False\n",
                  Inside(Button("Out", 0, "    Hint = 'out'\n"))),
       "  ShowHint = True\n", "AddHint(HintWindow, hWindow, InButton, 0, 0, 0, 0, 0, 'in');"},
      {"an action's hint", Button("A", 0, "    Action = actSave\n") + actions,
       "  ShowHint = True\n", "AddHint(HintWindow, hWindow, A, 0, 0, 0, 0, 0, 'Save it');"},
      {"any character, line breaks and quotes",
       Button("A", 0, "    Hint = 'It''s '#$4E2D#$000D#$000A'ok'\n"), "  ShowHint = True\n",
       "AddHint(HintWindow, hWindow, A, 0, 0, 0, 0, 0, 'It''s '#$4E2D#$000D#$000A'ok');"},
      {"a label, which the mouse passes through: a rectangle of the main window",
       Object("Label1", "TLabel", Box(8, 200) + "    Caption = 'Name'\n    Hint = 'Who'\n"),
       "  ShowHint = True\n", "AddHint(HintWindow, hWindow, 0, 1, 8, 200, 88, 225, 'Who');"},
      {"an empty hint", Button("A", 0, "    Hint = ''\n"), "  ShowHint = True\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    WriteForm(c.objects, c.form_values);
    const std::string body = Lines("bodymidle");
    std::string tools;
    for (size_t at = body.find("AddHint("); at != std::string::npos;
         at = body.find("AddHint(", at + 1)) {
      tools += body.substr(at, body.find('\n', at) - at);
    }
    EXPECT_EQ(tools, c.tools);
    EXPECT_EQ(Added("procedures").find("procedure AddHint(") != std::string::npos, *c.tools != 0);
    EXPECT_EQ(body.find("TTM_SETMAXTIPWIDTH") != std::string::npos,
              std::string(c.tools).find("#$000A") != std::string::npos);
  }
}

TEST_F(KeyboardAndMouseTest, ControlsAndTheFormTakeTheirCursors) {
  const struct {
    const char* rule;
    std::string objects;
    std::string form_values;
    const char* branch;  // the WM_SETCURSOR branch's lines; empty: none
  } cases[] = {
      {"a window asks its parent", Button("A", 0, "    Cursor = crHandPoint\n"), "",
       "\nWM_SETCURSOR: begin\nif LoWord(lParam) = HTCLIENT then begin"
       "\nif HWND(wParam) = A then begin SetCursor(LoadCursor(0, IDC_HAND)); Result := 1; Exit; "
       "end;\nend;\nResult := DefWindowProc(hWindow, Message, wParam, lParam);\nend;"},
      {"the default cursor and an unknown one are the class's",
       Button("A", 0, "    Cursor = crDefault\n") + Button("B", 1, "    Cursor = 42\n"), "", ""},
      {"the form's own, painted controls by where the mouse is, the innermost first",
       Object("Panel1", "TPanel", Box(100, 8) + "    Cursor = crCross\n",
              Inside(Object("Label1", "TLabel",
                            Box(4, 4) + "    Caption = 'x'\n"
                                        "    Cursor = crHelp\n"))),
       "  Cursor = crHourGlass\n",
       "\nWM_SETCURSOR: begin\nif LoWord(lParam) = HTCLIENT then begin"
       "\nif HWND(wParam) = hWindow then begin\nGetCursorPos(MousePoint);"
       "\nScreenToClient(hWindow, MousePoint);\nSetRect(MouseRect, 104, 12, 184, 37);"
       "\nif PtInRect(MouseRect, MousePoint) then begin SetCursor(LoadCursor(0, IDC_HELP)); "
       "Result := 1; Exit; end;\nSetRect(MouseRect, 100, 8, 180, 33);"
       "\nif PtInRect(MouseRect, MousePoint) then begin SetCursor(LoadCursor(0, IDC_CROSS)); "
       "Result := 1; Exit; end;"
       "\nbegin SetCursor(LoadCursor(0, IDC_WAIT)); Result := 1; Exit; end;\nend;\nend;"
       "\nResult := DefWindowProc(hWindow, Message, wParam, lParam);\nend;"},
      {"no cursor at all", Button("A", 0, "    Cursor = crNone\n"), "",
       "\nWM_SETCURSOR: begin\nif LoWord(lParam) = HTCLIENT then begin"
       "\nif HWND(wParam) = A then begin SetCursor(0); Result := 1; Exit; end;\nend;"
       "\nResult := DefWindowProc(hWindow, Message, wParam, lParam);\nend;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    WriteForm(c.objects, c.form_values);
    const std::string branches = Lines("windowprocmidle");
    const size_t start = branches.find("\nWM_SETCURSOR: begin");
    const std::string branch =
        start == std::string::npos
            ? ""
            : branches.substr(
                  start,
                  branches.find("\nend;", branches.find("DefWindowProc", start)) + 5 - start);
    EXPECT_EQ(branch, c.branch);
  }
  // Every cursor the designer offers comes as one of the system's.
  for (const char* cursor :
       {"crArrow",    "crCross",     "crIBeam",     "crSize",      "crSizeNESW", "crSizeNS",
        "crSizeNWSE", "crSizeWE",    "crUpArrow",   "crHourGlass", "crDrag",     "crNoDrop",
        "crHSplit",   "crVSplit",    "crMultiDrag", "crSQLWait",   "crNo",       "crAppStart",
        "crHelp",     "crHandPoint", "crSizeAll"}) {
    EXPECT_EQ(CursorResource(cursor).rfind("IDC_", 0), 0u) << cursor;
  }
}

}  // namespace
}  // namespace vornic
