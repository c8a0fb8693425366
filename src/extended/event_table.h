// The event table: for each class and event of a form, how the extended
// program hears of the event (a notification its window sends, a message
// its loop sees, a timer ...) and what the handler's parameters are.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vornic {

/// Where the program hears of an event.
enum class Wiring {
  kCommand,    // WM_COMMAND from the control's window; `code`: its notification codes
  kNotify,     // WM_NOTIFY from the control's window; `code`: its notification codes
  kScroll,     // WM_HSCROLL or WM_VSCROLL from the control's window; `code`: the test of
               // LoWord(wParam)
  kMouse,      // the message loop: a mouse message on the control, its window or its area
  kKey,        // the message loop: a key pressed while the control has the focus
  kFocus,      // the message loop: the focus comes to the control or leaves it
  kForm,       // the form's own: `code` names the place (creation, showing, WM_SIZE ...)
  kTimer,      // WM_TIMER of the timer's id
  kCommandId,  // a menu item's or tool button's command, which their writers wire
};

/// How the program's windows stand to the mouse: a control whose window the
/// mouse goes through (a static window) or that the program paints is an
/// area of the main window; the others are windows of their own.
enum class Target { kWindow, kArea, kForm, kOther };

/// One row of the table.
struct EventRow {
  std::string_view
      classes;  // class names in capitals, separated by spaces; or "*window", "*area", "*form"
  std::string_view event;  // "OnClick"
  Wiring wiring;
  std::string_view code;  // see Wiring; codes separated by spaces
};

/// The row for `event` of an object of `upper_class` (the class as the
/// class table writes it) that stands to the mouse as `target`; nullptr
/// when the program does not call that event's handler.
const EventRow* FindEventRow(std::string_view upper_class, Target target, std::string_view event);

/// How a class stands to the mouse once it is written (kOther for a class
/// that is neither window nor area, as a menu item or a timer).
Target TargetOf(std::string_view upper_class);

/// The handler's parameters, as its procedure declares them.
enum class Parameters { kSender, kKey, kKeyChar, kMouse, kMouseMove, kCloseQuery };

/// The parameters of a handler of `event`.
Parameters ParametersOf(std::string_view event);
/// "(Sender: HWND)", "(Sender: HWND; var Key: Word)" ...
std::string ParameterList(Parameters parameters);

/// Every row, in the order the documentation lists them.
std::span<const EventRow> EventRows();

}  // namespace vornic
