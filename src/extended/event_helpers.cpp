// Fixed texts of the program's event handling. Every identifier they use is
// kept from the form's names (EventIdentifiers).
#include "extended/event_helpers.h"

#include <string_view>

#include "extended/event_table.h"

namespace vornic {

namespace {

// What the texts below and the event wiring write, but for the table's
// notification codes. A control of one of these names would hide it, or
// take a handler's parameter from the handler's own code.
constexpr std::string_view kEventWords[] = {
    "mbLeft", "mbRight", "mbMiddle", "IntToStr", "StrToIntDef", "ControlText", "SetControlText",
    "IsChecked", "SetChecked", "SetEnabled", "SendItems", "AddItem", "ClearItems", "ItemCount",
    "ItemIndex", "SetItemIndex", "ItemText", "InControl", "MouseIn", "InArea", "MouseButton",
    "InputEvent", "FocusEvents", "EventsReady", "EventFocus", "CanCloseWindow", "Input", "Key",
    "KeyChar", "Where", "Lost", "Sender", "Button", "X", "Y", "CanClose", "GetWindowTextLength",
    "GetWindowText", "SetWindowText", "BM_GETCHECK", "BST_CHECKED", "BM_SETCHECK",
    "EnableWindow", "GetClassName", "lstrcmpi", "SendMessage", "Str", "Val", "Ord", "Char",
    "PChar", "LB_ADDSTRING", "CB_ADDSTRING", "LB_RESETCONTENT", "CB_RESETCONTENT", "LB_GETCOUNT",
    "CB_GETCOUNT", "LB_GETCURSEL", "CB_GETCURSEL", "LB_SETCURSEL", "CB_SETCURSEL",
    "LB_GETTEXTLEN", "CB_GETLBTEXTLEN", "LB_GETTEXT", "CB_GETLBTEXT", "IsChild", "ScreenToClient",
    "TPoint", "TMsg", "GetFocus", "SetClassLong", "GetClassLong", "GCL_STYLE", "CS_DBLCLKS",
    "GetActiveWindow", "WA_INACTIVE", "SetTimer", "LoWord", "HiWord", "PNMHdr", "VK_RETURN",
    "VK_ESCAPE", "IsWindowVisible", "IsDialogMessage", "TranslateMessage", "DispatchMessage",
    "GetMessage", "UpdateWindow", "DestroyWindow", "Word", "Boolean", "Integer", "WPARAM",
    "LPARAM", "LRESULT", "SizeOf", "Inc", "Dec", "Exit", "WM_SIZE", "WM_PAINT", "WM_DESTROY",
    "WM_COMMAND", "WM_NOTIFY", "WM_HSCROLL", "WM_VSCROLL", "MB_OK",
};

}  // namespace

std::vector<std::string> EventIdentifiers() {
  std::vector<std::string> words(std::begin(kEventWords), std::end(kEventWords));
  // The table's codes: notifications, messages and scroll codes.
  for (const EventRow& row : EventRows()) {
    std::string_view codes = row.code;
    while (!codes.empty()) {
      const size_t end = codes.find(' ');
      const std::string_view code = codes.substr(0, end);
      if (code.find('_') != std::string_view::npos) words.emplace_back(code);
      if (end == std::string_view::npos) break;
      codes.remove_prefix(end + 1);
    }
  }
  return words;
}

const char kHandlerHelpers[] =
    "\r\n{ What the handlers may use besides the Windows API: the mouse buttons,"
    "\r\n  numbers as text, and the text, check mark, state and items of a control }"
    "\r\nconst\r\n  mbLeft = 0;\r\n  mbRight = 1;\r\n  mbMiddle = 2;\r\n"
    "\r\nfunction IntToStr(Value: Integer): string;\r\nbegin\r\n  Str(Value, Result);\r\nend;\r\n"
    "\r\nfunction StrToIntDef(const Text: string; Default: Integer): Integer;"
    "\r\nvar\r\n  Code: Integer;\r\nbegin\r\n  Val(Text, Result, Code);"
    "\r\n  if Code <> 0 then Result := Default;\r\nend;\r\n"
    "\r\nfunction ControlText(Control: HWND): string;\r\nbegin"
    "\r\n  SetLength(Result, GetWindowTextLength(Control));"
    "\r\n  if Length(Result) > 0 then"
    "\r\n    SetLength(Result, GetWindowText(Control, PChar(Result), Length(Result) + 1));"
    "\r\nend;\r\n"
    "\r\nprocedure SetControlText(Control: HWND; const Text: string);\r\nbegin"
    "\r\n  SetWindowText(Control, PChar(Text));\r\nend;\r\n"
    "\r\nfunction IsChecked(Control: HWND): Boolean;\r\nbegin"
    "\r\n  Result := SendMessage(Control, BM_GETCHECK, 0, 0) = BST_CHECKED;\r\nend;\r\n"
    "\r\nprocedure SetChecked(Control: HWND; Checked: Boolean);\r\nbegin"
    "\r\n  SendMessage(Control, BM_SETCHECK, Ord(Checked), 0);\r\nend;\r\n"
    "\r\nprocedure SetEnabled(Control: HWND; Enabled: Boolean);\r\nbegin"
    "\r\n  EnableWindow(Control, Enabled);\r\nend;\r\n"
    "\r\n{ Sends a list box ListMessage, a combo box ComboMessage }"
    "\r\nfunction SendItems(Control: HWND; ListMessage, ComboMessage: UINT; W: WPARAM;"
    " L: LPARAM): LRESULT;"
    "\r\nvar\r\n  Kind: array[0..15] of Char;\r\nbegin"
    "\r\n  GetClassName(Control, Kind, SizeOf(Kind));"
    "\r\n  if lstrcmpi(Kind, 'ComboBox') = 0 then"
    "\r\n    Result := SendMessage(Control, ComboMessage, W, L)"
    "\r\n  else"
    "\r\n    Result := SendMessage(Control, ListMessage, W, L);\r\nend;\r\n"
    "\r\nprocedure AddItem(Control: HWND; const Text: string);\r\nbegin"
    "\r\n  SendItems(Control, LB_ADDSTRING, CB_ADDSTRING, 0, LPARAM(PChar(Text)));\r\nend;\r\n"
    "\r\nprocedure ClearItems(Control: HWND);\r\nbegin"
    "\r\n  SendItems(Control, LB_RESETCONTENT, CB_RESETCONTENT, 0, 0);\r\nend;\r\n"
    "\r\nfunction ItemCount(Control: HWND): Integer;\r\nbegin"
    "\r\n  Result := SendItems(Control, LB_GETCOUNT, CB_GETCOUNT, 0, 0);\r\nend;\r\n"
    "\r\nfunction ItemIndex(Control: HWND): Integer;\r\nbegin"
    "\r\n  Result := SendItems(Control, LB_GETCURSEL, CB_GETCURSEL, 0, 0);\r\nend;\r\n"
    "\r\nprocedure SetItemIndex(Control: HWND; Index: Integer);\r\nbegin"
    "\r\n  SendItems(Control, LB_SETCURSEL, CB_SETCURSEL, WPARAM(Index), 0);\r\nend;\r\n"
    "\r\nfunction ItemText(Control: HWND; Index: Integer): string;\r\nbegin"
    "\r\n  SetLength(Result, SendItems(Control, LB_GETTEXTLEN, CB_GETLBTEXTLEN, WPARAM(Index), 0));"
    "\r\n  if Length(Result) > 0 then"
    "\r\n    SendItems(Control, LB_GETTEXT, CB_GETLBTEXT, WPARAM(Index), LPARAM(PChar(Result)));"
    "\r\nend;\r\n";

bool IncludableName(const std::string& include_name) {
  if (include_name.empty()) return false;
  for (const char c : include_name) {
    if (c < ' ' || c > '~' || c == '\'' || c == '{' || c == '}') return false;
  }
  return true;
}

std::string HandlerInclude(const std::string& include_name) {
  const bool quoted = include_name.find(' ') != std::string::npos;
  const std::string name = quoted ? "'" + include_name + "'" : include_name;
  return "\r\n{ The handlers of the form's events: that file is yours, and vornic"
         "\r\n  only ever appends the stubs of new handlers to it }"
         "\r\n{$I " +
         name + "}\r\n";
}

const char kDispatchHelpers[] =
    "\r\n{ True when the window Target is Window or holds it }"
    "\r\nfunction InControl(Window, Target: HWND): Boolean;\r\nbegin"
    "\r\n  Result := (Window = Target) or IsChild(Target, Window);\r\nend;\r\n"
    "\r\n{ Where the mouse was for Input, in the client area of Target }"
    "\r\nfunction MouseIn(Target: HWND; const Input: TMsg): TPoint;\r\nbegin"
    "\r\n  Result := Input.pt;\r\n  ScreenToClient(Target, Result);\r\nend;\r\n"
    "\r\nfunction InArea(const Where: TPoint; X, Y, Width, Height: Integer): Boolean;\r\nbegin"
    "\r\n  Result := (Where.X >= X) and (Where.Y >= Y) and (Where.X < X + Width) and"
    " (Where.Y < Y + Height);\r\nend;\r\n"
    "\r\nfunction MouseButton(Message: UINT): Integer;\r\nbegin"
    "\r\n  case Message of"
    "\r\n    WM_RBUTTONDOWN, WM_RBUTTONUP: Result := mbRight;"
    "\r\n    WM_MBUTTONDOWN, WM_MBUTTONUP: Result := mbMiddle;"
    "\r\n  else"
    "\r\n    Result := mbLeft;"
    "\r\n  end;\r\nend;\r\n";

std::string MessageLoopText(const std::string& start, bool input, bool focus) {
  std::string loop = start + "\r\n  UpdateWindow(hWindow);\r\n\r\n";
  if (!input && !focus) {
    return loop +
           "  {the standard message loop}\r\n"
           "  while GetMessage(TheMessage,0,0,0) do begin\r\n"
           "    if not IsDialogMessage(hWindow,TheMessage) then begin\r\n"
           "      TranslateMessage(TheMessage);\r\n      DispatchMessage(TheMessage);\r\n"
           "    end;\r\n  end;\r\nend.\r\n";
  }
  loop +=
      "  {the message loop: the handlers of keys and the mouse come first}\r\n"
      "  while GetMessage(TheMessage,0,0,0) do begin\r\n";
  const std::string indent = input ? "  " : "";
  if (input) loop += "    if not InputEvent(TheMessage) then\r\n";
  loop += indent + "    if not IsDialogMessage(hWindow,TheMessage) then begin\r\n" + indent +
          "      TranslateMessage(TheMessage);\r\n" + indent +
          "      DispatchMessage(TheMessage);\r\n" + indent + "    end;\r\n";
  if (focus) loop += "    FocusEvents;\r\n";
  return loop + "  end;\r\nend.\r\n";
}

}  // namespace vornic
