// EventWiring: the one place that decides what the extended program runs for
// the form's events. With a handler file, each event that the event table
// wires calls the handler the form names (Button1Click(Button1)); without
// one, a click shows a message box naming its handler, and nothing else runs.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "extended/event_handlers.h"
#include "extended/input_dispatch.h"

namespace vornic {

class FormWriter;
struct Control;
struct FormObject;
struct FormTree;

/// Whether the program calls the handlers of a handler file, and its name.
struct EventOptions {
  bool enabled = false;
  std::string include_name;  // the file as the program's include names it (IncludableName)
};

/// Owned by the FormWriter; writers of controls call it where a control's
/// events are wired: at a window's creation, at a menu item's or tool
/// button's command, and at the end of every object's turn.
class EventWiring {
 public:
  explicit EventWiring(EventOptions options);
  EventWiring(const EventWiring&) = delete;
  EventWiring& operator=(const EventWiring&) = delete;

  bool enabled() const { return options_.enabled; }
  /// True when the program includes the handler file: the form names handlers.
  bool included() const { return included_; }

  /// Before the walk: keeps for every handler the form names an identifier
  /// that no control takes, and writes the helpers and the handler file's
  /// include.
  void Begin(FormWriter& writer, const FormTree& tree);
  /// The statement that a click of `object` (variable `variable`) runs,
  /// passing `sender`: with a handler file, a call of its OnClick's handler
  /// or else its action's OnExecute's; without one, when `boxed`, the message
  /// box "MessageBox(hWindow,'<handler>','Check',MB_OK);". Empty for none.
  std::string ClickStatement(FormWriter& writer, const FormObject& object,
                             const std::string& variable, const std::string& sender, bool boxed);
  /// Wires the events of `control`, written as the window `window`, at its
  /// creation; without a handler file only its click, when `boxed`.
  void WireWindow(FormWriter& writer, const Control& control, const std::string& window,
                  bool boxed);
  /// At the end of an object's turn: the events of the form, of a timer,
  /// and of a control that is no window but an area the program paints.
  void WireObject(FormWriter& writer, const Control& control);
  /// After the walk: the dispatch of keys, mouse and focus, closing, and the
  /// lines that start the events once every window exists.
  void Finish(FormWriter& writer);

  /// The handlers the program calls, for the handler file.
  const EventHandlers& handlers() const { return handlers_; }

 private:
  /// The handler that `object`'s `event` names (for a click it names none,
  /// its action's OnExecute's), noted as called; nullptr, with a warning
  /// when the form names one, when the program cannot call it.
  const Handler* HandlerOf(FormWriter& writer, const FormObject& object, std::string_view event);
  void WireRow(FormWriter& writer, const Control& control, std::string_view event,
               const std::string& window, bool area);
  void WireForm(FormWriter& writer, const Control& control);
  void WireFormEvent(FormWriter& writer, std::string_view event, const std::string& handler);
  void WireTimer(FormWriter& writer, const Control& control);
  void WireArea(FormWriter& writer, const Control& control);
  void WriteClose(FormWriter& writer);

  EventOptions options_;
  EventHandlers handlers_;
  InputDispatch input_;
  std::unordered_map<std::string, std::string>
      identifiers_;                              // form's name in capitals -> identifier
  std::unordered_set<const FormObject*> wired_;  // wired at their window's creation
  bool included_ = false;     // the form names handlers: the program includes the file
  bool ready_ = false;        // a handler is called: EventsReady is declared
  std::string start_lines_;   // before the handlers may run: timers start
  std::string create_lines_;  // once they may: OnCreate
  std::string shown_lines_;   // once the window shows: OnShow, OnActivate
  std::string close_query_;   // the form's OnCloseQuery handler
  std::string close_;         // the form's OnClose handler
  int timers_ = 0;
};

}  // namespace vornic
