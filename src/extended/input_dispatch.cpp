// The loop's dispatch, written as the designer runs the events: a double
// click before the press it makes, a click before the button comes up, the
// form's key handlers before a control's with KeyPreview.
#include "extended/input_dispatch.h"

#include <string_view>

namespace vornic {

namespace {

// The case labels of InputEvent's mouse messages, each with the events it
// runs in order. Left double clicks reach windows that ask for them.
struct MouseLabel {
  const char* label;
  std::string_view events[2];
};

constexpr MouseLabel kMouseLabels[] = {
    {"WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN", {"OnMouseDown"}},
    {"WM_LBUTTONDBLCLK", {"OnDblClick", "OnMouseDown"}},
    {"WM_LBUTTONUP", {"OnClick", "OnMouseUp"}},
    {"WM_RBUTTONUP, WM_MBUTTONUP", {"OnMouseUp"}},
    {"WM_MOUSEMOVE", {"OnMouseMove"}},
};

bool IsKeyEvent(std::string_view event) {
  return event == "OnKeyDown" || event == "OnKeyPress" || event == "OnKeyUp";
}

bool IsFocusEvent(std::string_view event) { return event == "OnEnter" || event == "OnExit"; }

// The arguments after Sender: none for a click, the button and the position
// for a press, the position for a move; positions from `left`,`top`.
std::string MouseArguments(std::string_view event, const std::string& left,
                           const std::string& top) {
  const std::string x = left == "0" ? "Where.X" : "Where.X - " + left;
  const std::string y = top == "0" ? "Where.Y" : "Where.Y - " + top;
  if (event == "OnMouseMove") return ", " + x + ", " + y;
  if (event == "OnMouseDown" || event == "OnMouseUp") {
    return ", MouseButton(Input.message), " + x + ", " + y;
  }
  return "";
}

bool TakesPosition(std::string_view event) {
  return event == "OnMouseDown" || event == "OnMouseUp" || event == "OnMouseMove";
}

}  // namespace

void InputDispatch::AddWindow(const std::string& event, const std::string& handler,
                              const std::string& window) {
  entries_.push_back({Kind::kWindow, event, handler, window, window, {}, ""});
}

void InputDispatch::AddArea(const std::string& event, const std::string& handler,
                            const std::string& sender, const Box& area, const std::string& shown) {
  entries_.push_back({Kind::kArea, event, handler, sender, "", area, shown});
}

void InputDispatch::AddForm(const std::string& event, const std::string& handler,
                            bool key_preview) {
  entries_.push_back({Kind::kForm, event, handler, "hWindow", "hWindow", {}, ""});
  if (IsKeyEvent(event)) key_preview_ = key_preview;
}

bool InputDispatch::Has(const std::string& event) const {
  for (const Entry& entry : entries_) {
    if (entry.event == event) return true;
  }
  return false;
}

bool InputDispatch::input() const {
  for (const Entry& entry : entries_) {
    if (!IsFocusEvent(entry.event)) return true;
  }
  return false;
}

bool InputDispatch::focus() const { return Has("OnEnter") || Has("OnExit"); }

bool InputDispatch::form_double_clicks() const {
  for (const Entry& entry : entries_) {
    if (entry.event == "OnDblClick" && entry.kind != Kind::kWindow) return true;
  }
  return false;
}

// The areas under the mouse, the last written (the topmost) first, and the
// form when none of them is: one handler runs.
std::string InputDispatch::AreaChain(const std::string& event) const {
  std::string chain;
  const Entry* form = nullptr;
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
    if (entry->event != event) continue;
    if (entry->kind == Kind::kForm) form = &*entry;
    if (entry->kind != Kind::kArea) continue;
    const Box& box = entry->area;
    const std::string shown = entry->shown.empty() ? "" : " and " + entry->shown;
    chain += std::string(chain.empty() ? "\r\n        if " : "\r\n        else if ") +
             "InArea(Where, " + box.left + ", " + box.top + ", " + box.width + ", " + box.height +
             ")" + shown + " then\r\n          " + entry->handler + "(" + entry->sender +
             MouseArguments(event, box.left, box.top) + ")";
  }
  if (form != nullptr) {
    const std::string call = form->handler + "(hWindow" + MouseArguments(event, "0", "0") + ")";
    chain += chain.empty() ? "\r\n        " + call : "\r\n        else\r\n          " + call;
  }
  if (chain.empty()) return "";
  return "\r\n      if Input.hwnd = hWindow then begin"
         "\r\n        Where := MouseIn(hWindow, Input);" +
         chain + ";\r\n      end;";
}

std::string InputDispatch::MouseText(const std::string& event) const {
  std::string text;
  for (const Entry& entry : entries_) {
    if (entry.event != event || entry.kind != Kind::kWindow) continue;
    const std::string& window = entry.window;
    if (!TakesPosition(event)) {
      text += "\r\n      if InControl(Input.hwnd, " + window + ") then " + entry.handler + "(" +
              window + ");";
      continue;
    }
    text += "\r\n      if InControl(Input.hwnd, " + window + ") then begin" +
            "\r\n        Where := MouseIn(" + window + ", Input);\r\n        " + entry.handler +
            "(" + window + MouseArguments(event, "0", "0") + ");\r\n      end;";
  }
  return text + AreaChain(event);
}

// The handlers of a key event, the form's first with KeyPreview; each runs
// only while the key (`key`, a variable) is not taken away.
std::string InputDispatch::KeyText(const std::string& event, const std::string& key,
                                   const std::string& indent) const {
  const std::string none = key == "Key" ? "0" : "#0";
  std::string form_text;
  std::string controls;
  for (const Entry& entry : entries_) {
    if (entry.event != event) continue;
    const std::string call = entry.handler + "(" + entry.sender + ", " + key + ");";
    if (entry.kind == Kind::kForm) {
      form_text = key_preview_ ? indent + call : indent + "if Input.hwnd = hWindow then " + call;
    } else if (entry.kind == Kind::kWindow) {
      controls += indent + "if (" + key + " <> " + none + ") and InControl(Input.hwnd, " +
                  entry.window + ") then " + call;
    }
  }
  return key_preview_ ? form_text + controls : controls + form_text;
}

std::string InputDispatch::InputEventText() const {
  std::string cases;
  bool uses_where = false;
  for (const MouseLabel& label : kMouseLabels) {
    std::string body;
    for (std::string_view event : label.events) {
      if (!event.empty()) body += MouseText(std::string(event));
    }
    if (body.empty()) continue;
    uses_where = uses_where || body.find("Where") != std::string::npos;
    cases += "\r\n    " + std::string(label.label) + ": begin" + body + "\r\n    end;";
  }
  const bool presses = Has("OnKeyPress");
  const std::string press_on_down =
      presses ? "\r\n      { Enter and Escape act on the dialog before they become characters }"
                "\r\n      if (Key = VK_RETURN) or (Key = VK_ESCAPE) then begin"
                "\r\n        KeyChar := Char(Key);" +
                    KeyText("OnKeyPress", "KeyChar", "\r\n        ") +
                    "\r\n        if KeyChar = #0 then Key := 0;\r\n      end;"
              : "";
  for (const char* up : {"WM_KEYDOWN", "WM_KEYUP"}) {
    const bool down = std::string_view(up) == "WM_KEYDOWN";
    const std::string handlers = KeyText(down ? "OnKeyDown" : "OnKeyUp", "Key", "\r\n      ");
    if (handlers.empty() && !(down && presses)) continue;
    cases += "\r\n    " + std::string(up) + ": begin\r\n      Key := Word(Input.wParam);" +
             handlers + (down ? press_on_down : "") +
             "\r\n      Input.wParam := Key;\r\n      Result := Key = 0;\r\n    end;";
  }
  if (presses) {
    cases +=
        "\r\n    WM_CHAR: if (Input.wParam <> 13) and (Input.wParam <> 27) then begin"
        "\r\n      KeyChar := Char(Input.wParam);" +
        KeyText("OnKeyPress", "KeyChar", "\r\n      ") +
        "\r\n      Input.wParam := Ord(KeyChar);\r\n      Result := KeyChar = #0;\r\n    end;";
  }
  const bool keys = cases.find("Key :=") != std::string::npos;
  std::string locals;
  if (keys) locals += "\r\n  Key: Word;";
  if (presses) locals += "\r\n  KeyChar: Char;";
  if (uses_where) locals += "\r\n  Where: TPoint;";
  return "\r\n{ Runs the handlers of Input's keys and mouse before its window gets it;"
         "\r\n  True when a handler took a key away }"
         "\r\nfunction InputEvent(var Input: TMsg): Boolean;" +
         (locals.empty() ? "" : "\r\nvar" + locals) +
         "\r\nbegin\r\n  Result := False;\r\n  if not EventsReady then Exit;"
         "\r\n  case Input.message of" +
         cases + "\r\n  end;\r\nend;\r\n";
}

std::string InputDispatch::FocusEventsText() const {
  std::string exits;
  std::string enters;
  for (const Entry& entry : entries_) {
    const std::string& window = entry.window;
    if (entry.event == "OnExit") {
      exits += "\r\n  if InControl(Lost, " + window + ") and not InControl(EventFocus, " + window +
               ") then " + entry.handler + "(" + window + ");";
    } else if (entry.event == "OnEnter") {
      enters += "\r\n  if InControl(EventFocus, " + window + ") and not InControl(Lost, " + window +
                ") then " + entry.handler + "(" + window + ");";
    }
  }
  return "\r\n{ The focus moved: the control it left hears of it, then the one it came to }"
         "\r\nprocedure FocusEvents;\r\nvar\r\n  Lost: HWND;\r\nbegin"
         "\r\n  if not EventsReady or (GetFocus = EventFocus) then Exit;"
         "\r\n  Lost := EventFocus;\r\n  EventFocus := GetFocus;" +
         exits + enters + "\r\nend;\r\n";
}

}  // namespace vornic
