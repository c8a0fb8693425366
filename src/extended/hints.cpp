// Hints as tooltips: one tooltip window, a tool per control. A window is a
// tool of its own; the main window gets the mouse over a painted control
// and over a window the mouse passes through, so such a control is a
// rectangle of the main window.
#include <cstdint>
#include <string>
#include <vector>

#include "extended/actions.h"
#include "extended/form_writer.h"
#include "extended/input_controls.h"
#include "form/form_object.h"
#include "form/text_value.h"
#include "input/code_page_decode.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr char kAddHint[] =
    "\r\n{ Gives a window, or a rectangle of the main window, a tooltip }"
    "\r\nprocedure AddHint(Tip, Owner, Window: HWND; Id, Left, Top, Right, Bottom: Integer;"
    "\r\n  Text: PWideChar);"
    "\r\nvar"
    "\r\n  Tool: TTTOOLINFOW;"
    "\r\nbegin"
    "\r\n  FillChar(Tool, SizeOf(Tool), 0);"
    "\r\n  { The size that every version of the common controls accepts }"
    "\r\n  Tool.cbSize := SizeOf(Tool) - SizeOf(Pointer);"
    "\r\n  Tool.uFlags := TTF_SUBCLASS;"
    "\r\n  Tool.hwnd := Owner;"
    "\r\n  Tool.uId := UINT_PTR(Id);"
    "\r\n  if Window <> 0 then begin"
    "\r\n    Tool.uFlags := TTF_SUBCLASS or TTF_IDISHWND;"
    "\r\n    Tool.uId := UINT_PTR(Window);"
    "\r\n  end;"
    "\r\n  SetRect(Tool.rect, Left, Top, Right, Bottom);"
    "\r\n  Tool.lpszText := Text;"
    "\r\n  SendMessageW(Tip, TTM_ADDTOOLW, 0, LPARAM(@Tool));"
    "\r\nend;\r\n";

// The part of a hint that a tooltip shows: up to its first "|".
std::u16string ShortHint(const FormObject& object) {
  // The form's texts are decoded already: their quoted runs are ASCII.
  std::u16string hint = DecodeTextValue(LinkedValue(object, "Hint"), kUtf8CodePage);
  if (const size_t bar = hint.find(u'|'); bar != std::u16string::npos) hint.erase(bar);
  return hint;
}

// "left, top, right, bottom" of a box of integers.
std::string Corners(const Box& box) {
  const int64_t left = TextToInt(box.left);
  const int64_t top = TextToInt(box.top);
  return box.left + ", " + box.top + ", " + std::to_string(left + TextToInt(box.width)) + ", " +
         std::to_string(top + TextToInt(box.height));
}

}  // namespace

bool ShowsHint(const FormObject& object) {
  for (const FormObject* step = &object; step != nullptr; step = step->parent) {
    if (step->Has("ShowHint")) return step->Value("ShowHint") == "True";
    if (step->Value("ParentShowHint") == "False") return false;
  }
  return false;
}

void WriteHints(FormWriter& writer, const std::vector<InputControl>& controls) {
  std::string tools;
  bool lines = false;
  int rectangles = 0;
  for (const InputControl& control : controls) {
    if (!ShowsHint(*control.object)) continue;
    const std::u16string hint = ShortHint(*control.object);
    if (hint.empty()) continue;
    lines = lines || hint.find(u'\n') != std::u16string::npos;
    const std::string text = WideLiteral(hint);
    if (control.mouse_through) {
      if (!control.placed()) continue;
      tools += "\r\n  AddHint(HintWindow, hWindow, 0, " + std::to_string(++rectangles) + ", " +
               Corners(control.box) + ", " + text + ");";
    } else {
      tools += "\r\n  AddHint(HintWindow, hWindow, " + control.window + ", 0, 0, 0, 0, 0, " + text +
               ");";
    }
  }
  if (tools.empty()) return;
  writer.InitCommonControlsOnce();
  writer.DeclareOnce("HintWindow: HWND;");
  writer.AddTextOnce("procedures", kAddHint);
  std::string text =
      "\r\n\r\n  { Tooltips of the controls whose hints show }"
      "\r\n  HintWindow := CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nil,"
      "\r\n    WS_POPUP or TTS_ALWAYSTIP or TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,"
      "\r\n    CW_USEDEFAULT, CW_USEDEFAULT, hWindow, 0, Inst, nil);";
  // A tooltip breaks its text into lines only once it has a width to keep to.
  if (lines) {
    text += "\r\n  SendMessageW(HintWindow, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));";
  }
  writer.AddText("bodymidle", text + tools);
}

}  // namespace vornic
