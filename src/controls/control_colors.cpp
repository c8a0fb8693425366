// The colour messages: a control asks its parent for its text colour,
// background colour and background brush before it paints; one branch of the
// window procedure answers for every control the form colours.
#include "controls/control_colors.h"

#include <string>
#include <string_view>

#include "extended/message_branches.h"
#include "builder/open_objects.h"
#include "controls/window_control.h"
#include "lib/form_colors.h"
#include "lib/text.h"

namespace vornic {

namespace {

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

constexpr char kBranch[] = "WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN";
constexpr char kOtherControls[] =
    "\r\n      Result := DefWindowProc(hWindow, Message, wParam, lParam);";

const ColoredClass* FindColoredClass(const std::string& class_name) {
  const std::string upper = UpperText(class_name);
  for (const ColoredClass& row : kColoredClasses) {
    if (row.class_name == upper) return &row;
  }
  return nullptr;
}

}  // namespace

void ColorWindowControl(GeneratorContext context, const WindowControl& control) {
  const DesignState& state = context.DesignStateAt(control.level);
  const ColoredClass* colored = FindColoredClass(state.class_name);
  if (colored == nullptr) return;
  const std::string own_text = ColorExpression("clWindowText");
  const std::string own_back = ColorExpression(colored->own_background);
  const std::string text = ColorExpressionOr(context.DesignFontAt(control.level).color, "clWindowText");
  const std::string back = ColorExpressionOr(DesignColor(state), colored->own_background);
  if (text == own_text && back == own_back) return;
  const std::string brush = context.BrushFor(back);
  context.branches().Add(kBranch,
                         "\r\n      if HWND(lParam) = " + control.name + " then begin" +
                             "\r\n        SetTextColor(HDC(wParam)," + text + ");" +
                             "\r\n        SetBkColor(HDC(wParam)," + back + ");" +
                             "\r\n        Result := Integer(" + brush + ");" +
                             "\r\n        Exit;\r\n      end;",
                         kOtherControls);
}

}  // namespace vornic
