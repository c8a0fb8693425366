// The designer's state of a window control turned into window styles, its
// identifier, its colours and its place among pages; then the creation step.
#include "extended/window_creation.h"

#include <string>
#include <string_view>

#include "extended/control.h"
#include "extended/control_writer.h"
#include "extended/form_writer.h"
#include "extended/window_styles.h"
#include "lib/form_colors.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr char kTabStop[] = "WS_TABSTOP";

void ApplyTabStop(const DesignState& state, WindowControl& window) {
  // The designer makes a radio button a tab stop when it is checked, and the
  // form then stores TabStop = True. Memos and track bars are tab stops
  // unless the form says otherwise, though their windows are written without.
  const std::string upper = UpperText(state.class_name);
  const bool default_off = upper == "TRADIOBUTTON";
  const bool default_on = upper == "TMEMO" || upper == "TDBMEMO" || upper == "TTRACKBAR";
  if (state.tab_stop == "True" || (state.tab_stop.empty() && default_on)) {
    AddStyle(window.styles, kTabStop);
  } else if (state.tab_stop == "False" || (state.tab_stop.empty() && default_off)) {
    RemoveStyle(window.styles, kTabStop);
  }
}

// Enter and Escape press a button the user can reach: the dialog handling
// of the message loop sends IDOK or IDCANCEL with the window of that id.
void ApplyDialogKeys(const DesignState& state, WindowControl& window) {
  if (window.id != "0") return;
  if (state.default_button == "True") {
    window.id = "IDOK";
    if (UpperText(state.class_name) == "TBUTTON") AddStyle(window.styles, "BS_DEFPUSHBUTTON");
  } else if (state.cancel == "True") {
    window.id = "IDCANCEL";
  }
}

// The designer keeps a list box at its stored height unless IntegralHeight
// is True; the system would shorten it to whole items.
void ApplyIntegralHeight(const DesignState& state, WindowControl& window) {
  if (HasStyle(window.styles, "LBS_STANDARD") && state.integral_height != "True") {
    AddStyle(window.styles, "LBS_NOINTEGRALHEIGHT");
  }
}

// The classes whose windows send a colour message, with the background
// their window paints when nobody answers.
struct ColoredClass {
  std::string_view class_name;  // in capitals
  const char* own_background;
};

constexpr ColoredClass kColoredClasses[] = {
    {"TLABEL", "clBtnFace"},    {"TCHECKBOX", "clBtnFace"},   {"TRADIOBUTTON", "clBtnFace"},
    {"TGROUPBOX", "clBtnFace"}, {"TSTATICTEXT", "clBtnFace"}, {"TEDIT", "clWindow"},
    {"TMEMO", "clWindow"},
};

constexpr char kColorBranch[] = "WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN";
constexpr char kOtherControls[] =
    "\r\n      Result := DefWindowProcW(hWindow, Message, wParam, lParam);";

const ColoredClass* FindColoredClass(const std::string& class_name) {
  const std::string upper = UpperText(class_name);
  for (const ColoredClass& row : kColoredClasses) {
    if (row.class_name == upper) return &row;
  }
  return nullptr;
}

// A control asks its parent for its text colour, background colour and
// background brush before it paints; one branch of the window procedure
// answers for every control the form colours.
void ColorWindow(FormWriter& writer, const Control& control, const WindowControl& window) {
  const ColoredClass* colored = FindColoredClass(control.state.class_name);
  if (colored == nullptr) return;
  const std::string own_text = ColorExpression("clWindowText");
  const std::string own_back = ColorExpression(colored->own_background);
  const std::string text = ColorExpressionOr(control.font.color, "clWindowText");
  const std::string back = ColorExpressionOr(DesignColor(control.state), colored->own_background);
  if (text == own_text && back == own_back) return;
  const std::string brush = writer.BrushFor(back);
  writer.branches().Add(kColorBranch,
                        "\r\n      if HWND(lParam) = " + window.name + " then begin" +
                            "\r\n        SetTextColor(HDC(wParam)," + text + ");" +
                            "\r\n        SetBkColor(HDC(wParam)," + back + ");" +
                            "\r\n        Result := Integer(" + brush + ");" +
                            "\r\n        Exit;\r\n      end;",
                        kOtherControls);
}

void ApplyDesignState(FormWriter& writer, const Control& control, WindowControl& window) {
  const DesignState& state = control.state;
  const bool shown = ShownAtStart(state);
  if (!shown) RemoveStyle(window.styles, "WS_VISIBLE");
  if (!state.enabled) AddStyle(window.styles, "WS_DISABLED");
  ApplyTabStop(state, window);
  ApplyIntegralHeight(state, window);
  // The window first in the tab order takes the focus, as in the designer;
  // one on a page that is not chosen cannot take it.
  if (!HasStyle(window.styles, kTabStop) || !shown) window.takes_focus = false;
  // A button on a page that is not chosen yet still answers Enter or Escape
  // once its page is.
  if (state.visible && state.enabled) {
    ApplyDialogKeys(state, window);
  } else {
    // Neither the focus nor Enter or Escape can reach a window the user cannot.
    window.takes_focus = false;
    if (window.id == "IDOK" || window.id == "IDCANCEL") window.id = "0";
  }
  ColorWindow(writer, control, window);
}

// A control the form hides (or a sheet without a tab) stays hidden whatever
// tab is chosen; one on pages hears of every tab change.
void KeepToPages(FormWriter& writer, const Control& control, const WindowControl& window) {
  const DesignState& state = control.state;
  if (!state.visible || state.page.shown_when.empty()) return;
  writer.AddText("windowprocnotifymidle",
                 "\r\n      if " + state.page.shown_when + " then ShowWindow(" + window.name +
                     ", SW_SHOW) else ShowWindow(" + window.name + ", SW_HIDE);");
}

}  // namespace

Box StoredBox(const Control& control) {
  return Box{control.Value("Left"), control.Value("Top"), control.Value("Width"),
             control.Value("Height")};
}

void InitCommonClasses(FormWriter& writer, const std::string& classes) {
  writer.DeclareOnce("CommonClasses: TInitCommonControlsEx;");
  writer.AddTextOnce("windowproccreatemidle",
                     "\r\n      CommonClasses.dwSize := SizeOf(CommonClasses);"
                     "\r\n      CommonClasses.dwICC := " +
                         classes + ";\r\n      InitCommonControlsEx(CommonClasses);");
}

void WriteWindow(FormWriter& writer, const Control& control, WindowControl window) {
  // What a click runs, the events decide, right after the creation step.
  const bool boxed = window.clicks;
  window.clicks = false;
  ApplyDesignState(writer, control, window);
  KeepToPages(writer, control, window);
  if (window.takes_focus) writer.OfferFocus(window.name, control);
  if (!window.docked) {
    control.PlaceInForm(window.box.left, window.box.top);
    for (const Control* holder = control.holder; holder != nullptr; holder = holder->holder) {
      if (holder->writer != nullptr) holder->writer->HoldWindow(window.name, window.box);
    }
    writer.layout().SetWindow(control.object, window.name);
  }
  window.wide = true;
  WriteWindowControl(writer.program(), window);
  writer.events().WireWindow(writer, control, window.name, boxed);
  writer.RememberWindow(window.name);
  writer.input_controls().AddWindow(control, window);
  // Edits, rich edits included, open a menu of their own on a right click.
  const bool own_menu = window.call.find("'Edit'") != std::string::npos ||
                        window.call.find("RichEdit") != std::string::npos;
  writer.popup_menus().OpenOn(writer, control.object, window.name, own_menu);
  writer.TakeFont(window.name, control);
  writer.CountControl();
}

}  // namespace vornic
