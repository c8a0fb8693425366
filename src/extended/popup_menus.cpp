// Popup menus and the right clicks that open them. A control passes a right
// click it does not handle itself on to its parent, the main window; one
// the main window paints is found by where the click is.
#include "extended/popup_menus.h"

#include "extended/form_writer.h"
#include "extended/menu_bar.h"
#include "form/form_object.h"

namespace vornic {

namespace {

constexpr MenuKind kPopupMenu{"Create a popup menu", "CreatePopupMenu", true};

// Opens a popup menu where the mouse was clicked, or, for the menu key,
// at the window's top left corner.
constexpr char kShowPopupProcedure[] =
    "\r\n{ Opens a popup menu where its window was right-clicked }"
    "\r\nprocedure ShowPopupMenu(Popup: HMENU; Owner: HWND; Where: LPARAM);"
    "\r\nvar"
    "\r\n  Spot: TPoint;"
    "\r\n  OwnerRect: TRect;"
    "\r\nbegin"
    "\r\n  Spot.X := SmallInt(LoWord(Where));"
    "\r\n  Spot.Y := SmallInt(HiWord(Where));"
    "\r\n  if Where = -1 then begin"
    "\r\n    GetWindowRect(Owner, OwnerRect);"
    "\r\n    Spot.X := OwnerRect.Left;"
    "\r\n    Spot.Y := OwnerRect.Top;"
    "\r\n  end;"
    "\r\n  TrackPopupMenu(Popup, TPM_LEFTALIGN or TPM_RIGHTBUTTON, Spot.X, Spot.Y, 0, hWindow, "
    "nil);"
    "\r\nend;\r\n";
// An edit opens its own menu on a right click; one with a popup menu of the
// form's passes the click on to the main window instead. The edit's own
// window procedure is kept in its user data.
constexpr char kPassContextMenuProcedure[] =
    "\r\n{ Passes a right click on an edit on to the main window, which opens its menu }"
    "\r\nfunction PassContextMenu(EditHandle: HWND; Message, wParam, lParam: Integer):"
    " Integer; stdcall;"
    "\r\nbegin"
    "\r\n  if Message = WM_CONTEXTMENU then"
    "\r\n    Result := SendMessageW(GetParent(EditHandle), WM_CONTEXTMENU, wParam, lParam)"
    "\r\n  else"
    "\r\n    Result := CallWindowProcW(WNDPROC(GetWindowLongW(EditHandle, GWL_USERDATA)),"
    "\r\n      EditHandle, Message, wParam, lParam);"
    "\r\nend;\r\n";

std::string Opens(const std::string& menu, const std::string& window) {
  return "begin ShowPopupMenu(" + menu + ", " + window + ", lParam); Exit; end;";
}

}  // namespace

std::string PopupMenus::VariableOf(FormWriter& writer, const FormObject& menu) {
  if (const auto found = menus_.find(&menu); found != menus_.end()) return found->second;
  const std::string variable = writer.TakeName(menu);
  menus_.emplace(&menu, variable);
  const MenuText text = writer.menu_bar().Build(writer, menu, variable, kPopupMenu);
  writer.AddText("var", text.declarations);
  writer.AddText("windowproccommandmidle", text.commands);
  writer.AddText("bodymidle", text.creation);
  writer.AddText("windowprocdestroymidle", "\r\n      DestroyMenu(" + variable + ");");
  return variable;
}

void PopupMenus::OpenOn(FormWriter& writer, const FormObject& object, const std::string& window,
                        bool own_menu) {
  const FormObject* menu = object.Target("PopupMenu");
  if (menu == nullptr) return;
  const std::string variable = VariableOf(writer, *menu);
  if (own_menu) {
    writer.AddTextOnce("procedures", kPassContextMenuProcedure);
    writer.AddText("bodymidle", "\r\n  SetWindowLongW(" + window +
                                    ", GWL_USERDATA, SetWindowLongW(" + window +
                                    ", GWL_WNDPROC, LongInt(@PassContextMenu)));");
  }
  const std::string line =
      "\r\n      if HWND(wParam) = " + window + " then " + Opens(variable, window);
  if (object.parent == nullptr) {
    form_line_ = line;
  } else {
    window_lines_ += line;
  }
}

void PopupMenus::OpenInside(FormWriter& writer, const FormObject& object, int left, int top,
                            int right, int bottom) {
  const FormObject* menu = object.Target("PopupMenu");
  if (menu == nullptr) return;
  const std::string variable = VariableOf(writer, *menu);
  painted_lines_.insert(0, "\r\n        if (Spot.X >= " + std::to_string(left) +
                               ") and (Spot.X < " + std::to_string(right) +
                               ") and (Spot.Y >= " + std::to_string(top) + ") and (Spot.Y < " +
                               std::to_string(bottom) + ") then " + Opens(variable, "hWindow"));
}

void PopupMenus::Finish(FormWriter& writer) {
  if (window_lines_.empty() && painted_lines_.empty() && form_line_.empty()) return;
  writer.AddTextOnce("procedures", kShowPopupProcedure);
  std::string lines = window_lines_;
  if (!painted_lines_.empty()) {
    writer.DeclareOnce("Spot: TPoint;");
    lines +=
        "\r\n      if HWND(wParam) = hWindow then begin"
        "\r\n        Spot.X := SmallInt(LoWord(lParam));"
        "\r\n        Spot.Y := SmallInt(HiWord(lParam));"
        "\r\n        ScreenToClient(hWindow, Spot);" +
        painted_lines_ + "\r\n      end;";
  }
  writer.branches().Add("WM_CONTEXTMENU", lines + form_line_,
                        "\r\n      Result := DefWindowProcW(hWindow, Message, wParam, lParam);");
}

}  // namespace vornic
