// The controls' cursors: a window asks its parent first (WM_SETCURSOR with
// itself in wParam), and the main window answers for what is painted on it
// by where the mouse is, the control written last (the innermost) first.
#include <string>
#include <vector>

#include "extended/form_writer.h"
#include "extended/input_controls.h"
#include "form/form_object.h"
#include "lib/text.h"

namespace vornic {

namespace {

struct CursorName {
  const char* form_name;  // as the form names it
  const char* resource;   // the system cursor the program loads
};

// The designer's own drag and split cursors come as the system's nearest.
constexpr CursorName kCursors[] = {
    {"crArrow", "IDC_ARROW"},
    {"crCross", "IDC_CROSS"},
    {"crIBeam", "IDC_IBEAM"},
    {"crSize", "IDC_SIZEALL"},
    {"crSizeNESW", "IDC_SIZENESW"},
    {"crSizeNS", "IDC_SIZENS"},
    {"crSizeNWSE", "IDC_SIZENWSE"},
    {"crSizeWE", "IDC_SIZEWE"},
    {"crUpArrow", "IDC_UPARROW"},
    {"crHourGlass", "IDC_WAIT"},
    {"crDrag", "IDC_ARROW"},
    {"crNoDrop", "IDC_NO"},
    {"crHSplit", "IDC_SIZEWE"},
    {"crVSplit", "IDC_SIZENS"},
    {"crMultiDrag", "IDC_ARROW"},
    {"crSQLWait", "IDC_WAIT"},
    {"crNo", "IDC_NO"},
    {"crAppStart", "IDC_APPSTARTING"},
    {"crHelp", "IDC_HELP"},
    {"crHandPoint", "IDC_HAND"},
    {"crSizeAll", "IDC_SIZEALL"},
};

// The statement that sets the cursor and ends the message.
std::string SetCursorText(const std::string& resource) {
  const std::string cursor = resource == "0" ? "0" : "LoadCursor(0, " + resource + ")";
  return "begin SetCursor(" + cursor + "); Result := 1; Exit; end;";
}

}  // namespace

std::string CursorResource(const std::string& cursor) {
  if (cursor == "crNone") return "0";
  for (const CursorName& name : kCursors) {
    if (UpperText(cursor) == UpperText(name.form_name)) return name.resource;
  }
  return "";
}

void WriteCursors(FormWriter& writer, const std::vector<InputControl>& controls) {
  std::string windows;
  std::string painted;
  for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
    const std::string resource = CursorResource(control->object->Value("Cursor"));
    if (resource.empty()) continue;
    if (!control->mouse_through) {
      windows +=
          "\r\n        if HWND(wParam) = " + control->window + " then " + SetCursorText(resource);
      continue;
    }
    if (!control->placed()) continue;
    const Box& box = control->box;
    const int64_t right = int64_t{TextToInt(box.left)} + TextToInt(box.width);
    const int64_t bottom = int64_t{TextToInt(box.top)} + TextToInt(box.height);
    painted += "\r\n          SetRect(MouseRect, " + box.left + ", " + box.top + ", " +
               std::to_string(right) + ", " + std::to_string(bottom) + ");" +
               "\r\n          if PtInRect(MouseRect, MousePoint) then " + SetCursorText(resource);
  }
  const std::string form = CursorResource(writer.form().Value("Cursor"));
  if (windows.empty() && painted.empty() && form.empty()) return;
  std::string text = "\r\n      if LoWord(lParam) = HTCLIENT then begin" + windows;
  if (!painted.empty() || !form.empty()) {
    text += "\r\n        if HWND(wParam) = hWindow then begin";
    if (!painted.empty()) {
      writer.DeclareOnce("MousePoint: TPoint;");
      writer.DeclareOnce("MouseRect: TRect;");
      text +=
          "\r\n          GetCursorPos(MousePoint);"
          "\r\n          ScreenToClient(hWindow, MousePoint);" +
          painted;
    }
    if (!form.empty()) text += "\r\n          " + SetCursorText(form);
    text += "\r\n        end;";
  }
  writer.branches().Add("WM_SETCURSOR", text + "\r\n      end;",
                        "\r\n      Result := DefWindowProc(hWindow, Message, wParam, lParam);");
}

}  // namespace vornic
