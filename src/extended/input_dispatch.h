// InputDispatch: the handlers of keys, the mouse and the focus, which the
// message loop runs before a message reaches its window (a static window
// lets the mouse through, and a painted control has no window), and the two
// procedures that run them.
#pragma once

#include <string>
#include <vector>

#include "lib/box.h"

namespace vornic {

/// Gathers the handlers while the form is written; writes InputEvent and
/// FocusEvents once it is.
class InputDispatch {
 public:
  /// `handler` hears of `event` ("OnClick", "OnKeyDown", "OnEnter" ...) of
  /// the window control `window` and of the windows it holds.
  void AddWindow(const std::string& event, const std::string& handler, const std::string& window);
  /// `handler` hears of mouse event `event` in `area` of the main window's
  /// client area, while `shown` (a condition, empty for always) holds; it is
  /// passed `sender` and positions in the area.
  void AddArea(const std::string& event, const std::string& handler, const std::string& sender,
               const Box& area, const std::string& shown);
  /// `handler` hears of the form's `event`: of the mouse on the form, and of
  /// keys while the form has the focus, or, with `key_preview`, before any
  /// control that has it.
  void AddForm(const std::string& event, const std::string& handler, bool key_preview);

  /// True when a handler of keys or the mouse is there: InputEvent is needed.
  bool input() const;
  /// True when a handler of the focus is there: FocusEvents is needed.
  bool focus() const;
  /// True when the form or an area hears of double clicks, which the main
  /// window then must be told to send.
  bool form_double_clicks() const;

  /// The function InputEvent(var Input: TMsg): Boolean, which runs the
  /// handlers of Input and says whether a handler took a key away.
  std::string InputEventText() const;
  /// The procedure FocusEvents, which runs the handlers of focus changes.
  std::string FocusEventsText() const;

 private:
  enum class Kind { kWindow, kArea, kForm };
  struct Entry {
    Kind kind;
    std::string event;
    std::string handler;
    std::string sender;  // what the handler is passed as Sender
    std::string window;  // the window of kWindow
    Box area;            // of kArea
    std::string shown;   // of kArea
  };

  std::string MouseText(const std::string& event) const;
  std::string AreaChain(const std::string& event) const;
  std::string KeyText(const std::string& event, const std::string& key,
                      const std::string& indent) const;
  bool Has(const std::string& event) const;

  std::vector<Entry> entries_;  // in the order they were added
  bool key_preview_ = false;
};

}  // namespace vornic
