// The rows of the event table. A class's own row comes first; the rows of
// "*window" and "*area" serve every class that has none for the event.
#include "extended/event_table.h"

namespace vornic {

namespace {

// Classes named once, as the class table's rows name them.
constexpr char kButtons[] = "TBUTTON TBITBTN TSPEEDBUTTON TCHECKBOX TRADIOBUTTON";
constexpr char kEdits[] = "TEDIT TMEMO TMASKEDIT TLABELEDEDIT TSPINEDIT";
constexpr char kListBoxes[] = "TLISTBOX TCHECKLISTBOX";
constexpr char kComboBoxes[] = "TCOMBOBOX TCOLORBOX TCOMBOBOXEX";
constexpr char kTabs[] = "TPAGECONTROL TTABCONTROL";
constexpr char kViews[] = "TLISTVIEW TTREEVIEW";

// The mouse goes through a static window to the main window beneath, and a
// painted control has no window: the program finds them by their area.
constexpr char kAreas[] =
    "TLABEL TIMAGE TSTATICTEXT TGROUPBOX TSHAPE TBEVEL TPANEL TSCROLLBOX TSPLITTER";
// Objects that are neither: their writers or the form stand for them.
constexpr char kOthers[] = "TMENUITEM TTOOLBUTTON TTIMER TMAINMENU TTABSHEET TFORM1";

constexpr char kAnyWindow[] = "*window";
constexpr char kAnyArea[] = "*area";
constexpr char kForm[] = "*form";

constexpr EventRow kRows[] = {
    // What a control's window tells the main window.
    {kButtons, "OnClick", Wiring::kCommand, "BN_CLICKED"},
    {kListBoxes, "OnClick", Wiring::kCommand, "LBN_SELCHANGE"},
    {kListBoxes, "OnChange", Wiring::kCommand, "LBN_SELCHANGE"},
    {kListBoxes, "OnDblClick", Wiring::kCommand, "LBN_DBLCLK"},
    {kComboBoxes, "OnChange", Wiring::kCommand, "CBN_EDITCHANGE CBN_SELCHANGE"},
    {kComboBoxes, "OnClick", Wiring::kCommand, "CBN_SELCHANGE"},
    {kComboBoxes, "OnSelect", Wiring::kCommand, "CBN_SELCHANGE"},
    {kComboBoxes, "OnDropDown", Wiring::kCommand, "CBN_DROPDOWN"},
    {kComboBoxes, "OnCloseUp", Wiring::kCommand, "CBN_CLOSEUP"},
    {kEdits, "OnChange", Wiring::kCommand, "EN_CHANGE"},
    {"TTRACKBAR TSCROLLBAR", "OnChange", Wiring::kScroll, "<> SB_ENDSCROLL"},
    {"TUPDOWN", "OnClick", Wiring::kScroll, "= SB_THUMBPOSITION"},
    {"TUPDOWN", "OnChange", Wiring::kScroll, "= SB_THUMBPOSITION"},
    {"TDATETIMEPICKER", "OnChange", Wiring::kNotify, "DTN_DATETIMECHANGE"},
    {"TMONTHCALENDAR", "OnClick", Wiring::kNotify, "MCN_SELCHANGE"},
    {kTabs, "OnChange", Wiring::kNotify, "TCN_SELCHANGE"},
    {kViews, "OnClick", Wiring::kNotify, "NM_CLICK"},
    {kViews, "OnDblClick", Wiring::kNotify, "NM_DBLCLK"},
    {"TLISTVIEW", "OnChange", Wiring::kNotify, "LVN_ITEMCHANGED"},
    {"TTREEVIEW", "OnChange", Wiring::kNotify, "TVN_SELCHANGED"},
    // Commands of menu items and tool buttons, and timers.
    {"TMENUITEM TTOOLBUTTON", "OnClick", Wiring::kCommandId, "command id"},
    {"TTIMER", "OnTimer", Wiring::kTimer, "WM_TIMER"},
    // The mouse, the keys and the focus of any other window.
    {kAnyWindow, "OnClick", Wiring::kMouse, "WM_LBUTTONUP"},
    {kAnyWindow, "OnDblClick", Wiring::kMouse, "WM_LBUTTONDBLCLK"},
    {kAnyWindow, "OnMouseDown", Wiring::kMouse, "WM_LBUTTONDOWN WM_RBUTTONDOWN WM_MBUTTONDOWN"},
    {kAnyWindow, "OnMouseUp", Wiring::kMouse, "WM_LBUTTONUP WM_RBUTTONUP WM_MBUTTONUP"},
    {kAnyWindow, "OnMouseMove", Wiring::kMouse, "WM_MOUSEMOVE"},
    {kAnyWindow, "OnEnter", Wiring::kFocus, "focus comes"},
    {kAnyWindow, "OnExit", Wiring::kFocus, "focus goes"},
    {kAnyWindow, "OnKeyDown", Wiring::kKey, "WM_KEYDOWN"},
    {kAnyWindow, "OnKeyPress", Wiring::kKey, "WM_CHAR"},
    {kAnyWindow, "OnKeyUp", Wiring::kKey, "WM_KEYUP"},
    // The mouse on an area.
    {kAnyArea, "OnClick", Wiring::kMouse, "WM_LBUTTONUP"},
    {kAnyArea, "OnDblClick", Wiring::kMouse, "WM_LBUTTONDBLCLK"},
    {kAnyArea, "OnMouseDown", Wiring::kMouse, "WM_LBUTTONDOWN WM_RBUTTONDOWN WM_MBUTTONDOWN"},
    {kAnyArea, "OnMouseUp", Wiring::kMouse, "WM_LBUTTONUP WM_RBUTTONUP WM_MBUTTONUP"},
    {kAnyArea, "OnMouseMove", Wiring::kMouse, "WM_MOUSEMOVE"},
    // The form.
    {kForm, "OnCreate", Wiring::kForm, "created"},
    {kForm, "OnShow", Wiring::kForm, "shown"},
    {kForm, "OnActivate", Wiring::kForm, "WM_ACTIVATE"},
    {kForm, "OnDeactivate", Wiring::kForm, "WM_ACTIVATE"},
    {kForm, "OnResize", Wiring::kForm, "WM_SIZE"},
    {kForm, "OnPaint", Wiring::kForm, "WM_PAINT"},
    {kForm, "OnCloseQuery", Wiring::kForm, "WM_CLOSE"},
    {kForm, "OnClose", Wiring::kForm, "WM_CLOSE"},
    {kForm, "OnDestroy", Wiring::kForm, "WM_DESTROY"},
    {kForm, "OnClick", Wiring::kMouse, "WM_LBUTTONUP"},
    {kForm, "OnDblClick", Wiring::kMouse, "WM_LBUTTONDBLCLK"},
    {kForm, "OnMouseDown", Wiring::kMouse, "WM_LBUTTONDOWN WM_RBUTTONDOWN WM_MBUTTONDOWN"},
    {kForm, "OnMouseUp", Wiring::kMouse, "WM_LBUTTONUP WM_RBUTTONUP WM_MBUTTONUP"},
    {kForm, "OnMouseMove", Wiring::kMouse, "WM_MOUSEMOVE"},
    {kForm, "OnKeyDown", Wiring::kKey, "WM_KEYDOWN"},
    {kForm, "OnKeyPress", Wiring::kKey, "WM_CHAR"},
    {kForm, "OnKeyUp", Wiring::kKey, "WM_KEYUP"},
};

// True when `word` is one of the space-separated words of `words`.
bool HasWord(std::string_view words, std::string_view word) {
  while (!words.empty()) {
    const size_t end = words.find(' ');
    if (words.substr(0, end) == word) return true;
    if (end == std::string_view::npos) break;
    words.remove_prefix(end + 1);
  }
  return false;
}

bool RowServes(const EventRow& row, std::string_view upper_class, Target target) {
  if (row.classes == kAnyWindow) return target == Target::kWindow;
  if (row.classes == kAnyArea) return target == Target::kArea;
  if (row.classes == kForm) return target == Target::kForm;
  return target != Target::kForm && HasWord(row.classes, upper_class);
}

}  // namespace

const EventRow* FindEventRow(std::string_view upper_class, Target target, std::string_view event) {
  for (const EventRow& row : kRows) {
    if (row.event == event && RowServes(row, upper_class, target)) return &row;
  }
  return nullptr;
}

Target TargetOf(std::string_view upper_class) {
  if (HasWord(kAreas, upper_class)) return Target::kArea;
  if (HasWord(kOthers, upper_class)) return Target::kOther;
  return Target::kWindow;
}

Parameters ParametersOf(std::string_view event) {
  if (event == "OnKeyDown" || event == "OnKeyUp") return Parameters::kKey;
  if (event == "OnKeyPress") return Parameters::kKeyChar;
  if (event == "OnMouseDown" || event == "OnMouseUp") return Parameters::kMouse;
  if (event == "OnMouseMove") return Parameters::kMouseMove;
  if (event == "OnCloseQuery") return Parameters::kCloseQuery;
  return Parameters::kSender;
}

std::string ParameterList(Parameters parameters) {
  switch (parameters) {
    case Parameters::kSender:
      return "(Sender: HWND)";
    case Parameters::kKey:
      return "(Sender: HWND; var Key: Word)";
    case Parameters::kKeyChar:
      return "(Sender: HWND; var Key: Char)";
    case Parameters::kMouse:
      return "(Sender: HWND; Button, X, Y: Integer)";
    case Parameters::kMouseMove:
      return "(Sender: HWND; X, Y: Integer)";
    case Parameters::kCloseQuery:
      return "(Sender: HWND; var CanClose: Boolean)";
  }
  return "";
}

std::span<const EventRow> EventRows() { return kRows; }

}  // namespace vornic
