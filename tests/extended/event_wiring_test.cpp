// The event table at work: for each row, a form that names a handler, and
// the lines of the whole program that call it where the event happens.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "extended/event_table.h"
#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

struct WiredEvent {
  const char* rule;
  std::string objects;             // form text inside the form, LF line ends
  std::string values;              // the form's own values
  std::vector<std::string> lines;  // in the program, lines joined by "\n" unindented
  std::string warning;             // a warning the run gives, or empty
};

std::string Box(int left, int top, int width, int height) {
  return "    Left = " + std::to_string(left) + "\n    Top = " + std::to_string(top) +
         "\n    Width = " + std::to_string(width) + "\n    Height = " + std::to_string(height) +
         "\n";
}

std::string Object(const std::string& name, const std::string& type, const std::string& body) {
  return "  object " + name + ": " + type + "\n" + body + "  end\n";
}

class EventWiringTest : public RunFixture {
 protected:
  // The program with every line's indentation removed.
  std::string Translate(const WiredEvent& test) {
    WriteFile("form.txt", "object Form1: TForm1\n  ClientHeight = 300\n  ClientWidth = 400\n" +
                              test.values + "  TextHeight = 13\n" + test.objects + "end\n");
    fs::remove("form.events.inc");
    EXPECT_EQ(RunTool({"--extended", "form.txt"}), 0) << console_;
    static const std::regex kLineStart("\r\n *");
    return std::regex_replace(ReadFile("form.dpr"), kLineStart, "\n");
  }
};

TEST_F(EventWiringTest, EachEventCallsItsHandlerWhereTheProgramHearsOfIt) {
  const std::string button = Box(8, 8, 75, 25);
  const std::vector<WiredEvent> cases = {
      {"a button's click: its notification",
       Object("Button1", "TButton", button + "    OnClick = Button1Click\n"),
       "",
       {"if EventsReady and (HWND(lParam) = Button1) and (HiWord(wParam) = BN_CLICKED) then "
        "Button1Click(Button1);"},
       ""},
      {"an edit's change and a list box's selection and double click",
       Object("Edit1", "TEdit", button + "    OnChange = Edit1Change\n") +
           Object("ListBox1", "TListBox",
                  Box(8, 40, 100, 80) + "    OnClick = ListClick\n    OnDblClick = ListOpen\n"),
       "",
       {"(HWND(lParam) = Edit1) and (HiWord(wParam) = EN_CHANGE) then Edit1Change(Edit1);",
        "(HWND(lParam) = ListBox1) and (HiWord(wParam) = LBN_SELCHANGE) then ListClick(ListBox1);",
        "(HWND(lParam) = ListBox1) and (HiWord(wParam) = LBN_DBLCLK) then ListOpen(ListBox1);"},
       ""},
      {"a combo box's change: typed or chosen",
       Object("ComboBox1", "TComboBox", button + "    OnChange = ComboChange\n"),
       "",
       {"(HWND(lParam) = ComboBox1) and ((HiWord(wParam) = CBN_EDITCHANGE) or "
        "(HiWord(wParam) = CBN_SELCHANGE)) then ComboChange(ComboBox1);"},
       ""},
      {"a track bar's change: its scroll messages",
       Object("TrackBar1", "TTrackBar", Box(8, 8, 150, 30) + "    OnChange = TrackChange\n"),
       "",
       {"WM_HSCROLL, WM_VSCROLL: begin\nif EventsReady and (HWND(lParam) = TrackBar1) and "
        "(LoWord(wParam) <> SB_ENDSCROLL) then TrackChange(TrackBar1);"},
       ""},
      {"a date picker's and a page control's change: their notifications",
       Object("DateTimePicker1", "TDateTimePicker", button + "    OnChange = DateChange\n") +
           Object("PageControl1", "TPageControl",
                  Box(8, 40, 200, 150) + "    OnChange = PageChange\n" +
                      Object("TabSheet1", "TTabSheet", "    Caption = 'One'\n")),
       "",
       {"(PNMHdr(lParam)^.hwndFrom = DateTimePicker1) and (Integer(PNMHdr(lParam)^.code) = "
        "DTN_DATETIMECHANGE) then DateChange(DateTimePicker1);",
        "(PNMHdr(lParam)^.hwndFrom = PageControl1) and (Integer(PNMHdr(lParam)^.code) = "
        "TCN_SELCHANGE) then PageChange(PageControl1);"},
       ""},
      {"timers: started with their interval when enabled, each by its id",
       Object("Timer1", "TTimer", "    Interval = 250\n    OnTimer = Tick\n") +
           Object("Timer2", "TTimer", "    Enabled = False\n    OnTimer = Later\n"),
       "",
       {"Timer1: UINT = 1;", "Timer2: UINT = 2;", "SetTimer(hWindow, Timer1, 250, nil);\n",
        "WM_TIMER: begin\nif EventsReady and (UINT(wParam) = Timer1) then Tick(hWindow);\n"
        "if EventsReady and (UINT(wParam) = Timer2) then Later(hWindow);"},
       ""},
      {"a menu item's and a tool button's command",
       "  object MainMenu1: TMainMenu\n    object File1: TMenuItem\n      Caption = 'File'\n"
       "      object Open1: TMenuItem\n        Caption = 'Open'\n        OnClick = OpenClick\n"
       "      end\n    end\n  end\n" +
           Object("ToolBar1", "TToolBar",
                  Box(0, 0, 400, 29) + "    object ToolButton1: TToolButton\n      Caption = 'Go'\n"
                                       "      OnClick = GoClick\n    end\n"),
       "  Menu = MainMenu1\n",
       {"if (lParam = 0) and (wParam = 40001) then OpenClick(hWindow);",
        "if (HWND(lParam) = ToolBar1) and (LoWord(wParam) = 1) then GoClick(ToolBar1);"},
       ""},
      {"a click of a button bound to an action: the action's handler",
       Object("Button1", "TButton", button + "    Action = actSave\n") +
           Object("ActionList1", "TActionList",
                  Object("actSave", "TAction",
                         "    Caption = 'Save'\n    OnExecute = actSaveExecute\n")),
       "",
       {"(HWND(lParam) = Button1) and (HiWord(wParam) = BN_CLICKED) then "
        "actSaveExecute(Button1);"},
       ""},
      {"a label's click: the mouse in its place, while it shows",
       Object("Label1", "TLabel", Box(8, 8, 40, 13) + "    Caption = 'Hi'\n    OnClick = Hi\n"),
       "",
       {"WM_LBUTTONUP: begin\nif Input.hwnd = hWindow then begin\n"
        "Where := MouseIn(hWindow, Input);\n"
        "if InArea(Where, 8, 8, 40, 13) and IsWindowVisible(Label1) then\nHi(Label1);"},
       ""},
      {"keys: the form's first with KeyPreview, then the focused control's",
       Object("Edit1", "TEdit", button + "    OnKeyDown = EditKey\n    OnKeyPress = EditChar\n"),
       "  KeyPreview = True\n  OnKeyDown = FormKey\n",
       {"WM_KEYDOWN: begin\nKey := Word(Input.wParam);\nFormKey(hWindow, Key);\n"
        "if (Key <> 0) and InControl(Input.hwnd, Edit1) then EditKey(Edit1, Key);",
        "WM_CHAR: if (Input.wParam <> 13) and (Input.wParam <> 27) then begin\n"
        "KeyChar := Char(Input.wParam);\n"
        "if (KeyChar <> #0) and InControl(Input.hwnd, Edit1) then EditChar(Edit1, KeyChar);",
        "if not InputEvent(TheMessage) then"},
       ""},
      {"the focus: leaving one control, then coming to another",
       Object("Edit1", "TEdit", button + "    OnExit = EditLeft\n") +
           Object("Edit2", "TEdit", Box(8, 40, 75, 25) + "    OnEnter = EditCome\n"),
       "",
       {"if InControl(Lost, Edit1) and not InControl(EventFocus, Edit1) then EditLeft(Edit1);\n"
        "if InControl(EventFocus, Edit2) and not InControl(Lost, Edit2) then EditCome(Edit2);",
        "FocusEvents;\nend;\nend."},
       ""},
      {"the form: created, shown then activated, resized, closed only when it may",
       "",
       "  OnActivate = FormActivate\n  OnCloseQuery = FormCloseQuery\n  OnCreate = FormCreate\n"
       "  OnResize = FormResize\n  OnShow = FormShow\n  OnDestroy = FormDestroy\n",
       {"EventsReady := True;\nFormCreate(hWindow);",
        "FormShow(hWindow);\nif GetActiveWindow = hWindow then FormActivate(hWindow);\n"
        "UpdateWindow(hWindow);",
        "WM_CLOSE: begin\nCanCloseWindow := True;\nFormCloseQuery(hWindow, CanCloseWindow);\n"
        "if not CanCloseWindow then Exit;\nDestroyWindow(hWindow);",
        "if EventsReady then FormResize(hWindow);",
        "if EventsReady then FormDestroy(hWindow);\nEventsReady := False;"},
       ""},
      {"a handler that events with other parameters share: called for the first only",
       Object("Edit1", "TEdit", button + "    OnKeyDown = Both\n    OnChange = Both\n"),
       "",
       {"(Key <> 0) and InControl(Input.hwnd, Edit1) then Both(Edit1, Key);"},
       "OnChange of Edit1 names Both, which other events call with other parameters: the "
       "program does not call it for Edit1"},
      {"controls named as the helpers or the dispatch's variables give way to them",
       Object("ItemCount", "TEdit", button + "    OnChange = CountChange\n") +
           Object("Key", "TEdit", Box(8, 40, 75, 25) + "    OnKeyDown = KeyDown\n"),
       "",
       {"ItemCount_1: HWND;", "Key_1: HWND;", "then CountChange(ItemCount_1);",
        "if (Key <> 0) and InControl(Input.hwnd, Key_1) then KeyDown(Key_1, Key);"},
       ""},
      {"a control named as a handler gives way to it",
       Object("Button1", "TButton", button + "    OnClick = Go\n") +
           Object("Go", "TButton", Box(8, 40, 75, 25)),
       "",
       {"Go_1: HWND;", "then Go(Button1);"},
       ""},
  };
  for (const WiredEvent& test : cases) {
    SCOPED_TRACE(test.rule);
    const std::string program = Translate(test);
    for (const std::string& line : test.lines) {
      EXPECT_NE(program.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(console_.find("[Warning]") != std::string::npos, !test.warning.empty()) << console_;
    if (!test.warning.empty()) {
      EXPECT_NE(console_.find(test.warning), std::string::npos);
    }
  }
}

// The table's rows as docs/EVENTS.md lists them: every event, and every
// notification or message a row waits for.
TEST_F(EventWiringTest, EveryRowOfTheTableIsDocumented) {
  std::ifstream file(fs::path(VORNIC_SOURCE_DIR) / "docs" / "EVENTS.md");
  std::stringstream text;
  text << file.rdbuf();
  static const std::regex kConstant("[A-Z]+_[A-Z_]+");
  for (const EventRow& row : EventRows()) {
    SCOPED_TRACE(std::string(row.classes) + " " + std::string(row.event));
    EXPECT_NE(text.str().find(std::string(row.event)), std::string::npos);
    const std::string code(row.code);
    for (std::sregex_iterator word(code.begin(), code.end(), kConstant), end; word != end; ++word) {
      EXPECT_NE(text.str().find(word->str()), std::string::npos) << word->str();
    }
  }
}

}  // namespace
}  // namespace vornic
