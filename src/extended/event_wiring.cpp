// Where each wired event reaches its handler: a line of the window
// procedure for what a control's window reports, the loop's dispatch for
// keys, the mouse and the focus, and the form's own places.
#include "extended/event_wiring.h"

#include <cctype>
#include <string>
#include <vector>

#include "builder/value_checks.h"
#include "extended/actions.h"
#include "extended/class_table.h"
#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/event_helpers.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "form/form_object.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// A case label may stand only once: scroll bars use this one too.
constexpr char kScrollBranch[] = "WM_HSCROLL, WM_VSCROLL";

bool IsEventName(std::string_view name) {
  return name.size() > 2 && name.starts_with("On") &&
         std::isupper(static_cast<unsigned char>(name[2])) != 0;
}

// The events an object names, in its order; a click of a control bound to an
// action that executes a handler, too.
std::vector<std::string> EventsOf(const FormObject& object) {
  std::vector<std::string> events;
  for (const FormProperty& property : object.properties) {
    if (property.shape == FormProperty::Shape::kPlain && IsEventName(property.name)) {
      events.push_back(property.name);
    }
  }
  if (!object.Has("OnClick") && HasClick(object)) events.emplace_back("OnClick");
  return events;
}

// The class an object is written as, in capitals.
std::string ClassOf(const FormWriter& writer, const FormObject& object) {
  const WrittenClass* row = writer.classes().RowFor(object);
  return row != nullptr ? row->class_name : UpperText(object.class_name);
}

// "(HiWord(wParam) = A)", or "((HiWord(wParam) = A) or (HiWord(wParam) = B))".
std::string CodeTest(const std::string& value, std::string_view codes) {
  std::vector<std::string> tests;
  while (!codes.empty()) {
    const size_t end = codes.find(' ');
    tests.push_back("(" + value + " = " + std::string(codes.substr(0, end)) + ")");
    if (end == std::string_view::npos) break;
    codes.remove_prefix(end + 1);
  }
  if (tests.size() == 1) return tests.front();
  std::string text = "(" + tests.front();
  for (size_t i = 1; i < tests.size(); ++i) text += " or " + tests[i];
  return text + ")";
}

// What a comment may say of a name: no brace ends it early.
std::string CommentName(const std::string& name) {
  std::string text = name;
  for (char& c : text) {
    if (c == '{' || c == '}' || static_cast<unsigned char>(c) < ' ') c = '_';
  }
  return text;
}

std::string BoxStatement(const std::string& click) {
  return "MessageBoxW(hWindow,'" + click + "','Check',MB_OK);";
}

}  // namespace

EventWiring::EventWiring(EventOptions options) : options_(std::move(options)) {}

void EventWiring::Begin(FormWriter& writer, const FormTree& tree) {
  if (!enabled()) return;
  // The handlers' names are the user's: taken before any control's, so that
  // they stay the same however the form's controls change.
  if (tree.root != nullptr) {
    VisitObjects(*tree.root, [&](const FormObject& object) {
      for (const FormProperty& property : object.properties) {
        if (!IsEventName(property.name) || !IsIdentifier(property.value)) continue;
        const std::string upper = UpperText(property.value);
        if (!identifiers_.contains(upper)) {
          identifiers_[upper] = writer.TakeIdentifier(property.value);
        }
      }
    });
  }
  // A form without handlers gets no handler file.
  if (identifiers_.empty()) return;
  included_ = true;
  writer.AddText("handlers", kHandlerHelpers + HandlerInclude(options_.include_name));
}

const Handler* EventWiring::HandlerOf(FormWriter& writer, const FormObject& object,
                                      std::string_view event) {
  const FormObject* owner = &object;
  std::string owner_event(event);
  const FormObject* action = object.Target("Action");
  if (event == "OnClick" && !object.Has("OnClick") && action != nullptr &&
      action->Has("OnExecute")) {
    owner = action;
    owner_event = "OnExecute";
  }
  const FormProperty* property = owner->Find(owner_event);
  if (property == nullptr || property->value.empty()) return nullptr;
  const std::string source = CommentName(owner->name) + "." + owner_event;
  const std::string where = owner_event + " of " + owner->name + " names " + property->value;
  const auto identifier = identifiers_.find(UpperText(property->value));
  if (identifier == identifiers_.end()) {
    writer.Warn(*owner, property->line,
                where + ", which is no identifier: the program does not call it");
    return nullptr;
  }
  const Handler* handler =
      handlers_.Use(identifier->second, ParametersOf(event), source,
                    owner == &object ? "" : CommentName(object.name), event == "OnClick");
  if (handler == nullptr) {
    writer.Warn(object, property->line,
                where +
                    ", which other events call with other parameters: the program "
                    "does not call it for " +
                    object.name);
    return nullptr;
  }
  if (writer.DeclareOnce("EventsReady: Boolean = False;")) ready_ = true;
  return handler;
}

std::string EventWiring::ClickStatement(FormWriter& writer, const FormObject& object,
                                        const std::string& variable, const std::string& sender,
                                        bool boxed) {
  if (!enabled()) return boxed ? BoxStatement(ClickName(object, variable)) : "";
  const Handler* handler = HandlerOf(writer, object, "OnClick");
  return handler == nullptr ? "" : handler->name + "(" + sender + ");";
}

void EventWiring::WireWindow(FormWriter& writer, const Control& control, const std::string& window,
                             bool boxed) {
  if (!enabled()) {
    if (!boxed) return;
    writer.AddText("windowproccommandmidle", "\r\n      if HWND(lParam) = " + window + " then " +
                                                 BoxStatement(ClickName(control.object, window)));
    return;
  }
  if (!wired_.insert(&control.object).second) return;
  const bool area = TargetOf(ClassOf(writer, control.object)) == Target::kArea;
  for (const std::string& event : EventsOf(control.object)) {
    WireRow(writer, control, event, window, area);
  }
}

void EventWiring::WireRow(FormWriter& writer, const Control& control, std::string_view event,
                          const std::string& window, bool area) {
  const EventRow* row =
      FindEventRow(ClassOf(writer, control.object), area ? Target::kArea : Target::kWindow, event);
  if (row == nullptr) return;
  const Handler* handler = HandlerOf(writer, control.object, event);
  if (handler == nullptr) return;
  const std::string call = handler->name + "(" + window + ");";
  const std::string own = "EventsReady and (HWND(lParam) = " + window + ")";
  switch (row->wiring) {
    case Wiring::kCommand:
      writer.AddText("windowproccommandmidle", "\r\n      if " + own + " and " +
                                                   CodeTest("HiWord(wParam)", row->code) +
                                                   " then " + call);
      break;
    case Wiring::kNotify:
      writer.AddText("windowprocnotifyevents",
                     "\r\n      if EventsReady and (PNMHdr(lParam)^.hwndFrom = " + window +
                         ") and " + CodeTest("Integer(PNMHdr(lParam)^.code)", row->code) +
                         " then " + call);
      break;
    case Wiring::kScroll:
      writer.branches().Add(kScrollBranch, "\r\n      if " + own + " and (LoWord(wParam) " +
                                               std::string(row->code) + ") then " + call);
      break;
    case Wiring::kMouse:
      if (area) {
        input_.AddArea(std::string(event), handler->name, window, control.FormBox(),
                       "IsWindowVisible(" + window + ")");
      } else {
        input_.AddWindow(std::string(event), handler->name, window);
      }
      break;
    case Wiring::kKey:
    case Wiring::kFocus:
      input_.AddWindow(std::string(event), handler->name, window);
      break;
    default:
      break;
  }
}

void EventWiring::WireObject(FormWriter& writer, const Control& control) {
  if (!enabled() || wired_.contains(&control.object)) return;
  if (control.holder == nullptr) {
    WireForm(writer, control);
  } else if (ClassOf(writer, control.object) == "TTIMER") {
    WireTimer(writer, control);
  } else if (TargetOf(ClassOf(writer, control.object)) == Target::kArea &&
             writer.classes().RowFor(control.object) != nullptr) {
    WireArea(writer, control);
  }
}

// A painted control: the mouse in its place of the form, while it shows.
void EventWiring::WireArea(FormWriter& writer, const Control& control) {
  if (!StoredBox(control).complete() || !control.state.visible) return;
  for (const std::string& event : EventsOf(control.object)) {
    const EventRow* row = FindEventRow(ClassOf(writer, control.object), Target::kArea, event);
    if (row == nullptr || row->wiring != Wiring::kMouse) continue;
    const Handler* handler = HandlerOf(writer, control.object, event);
    if (handler == nullptr) continue;
    input_.AddArea(event, handler->name, "hWindow", control.FormBox(),
                   control.state.page.shown_when);
  }
}

void EventWiring::WireTimer(FormWriter& writer, const Control& control) {
  const Handler* handler = HandlerOf(writer, control.object, "OnTimer");
  if (handler == nullptr) return;
  const std::string name = writer.TakeName(control);
  writer.AddText("var", "\r\n    " + name + ": UINT = " + std::to_string(++timers_) + ";");
  const std::string& interval = control.Value("Interval");
  if (!interval.empty() && !IsIntegerText(interval)) {
    writer.Warn(control.object, control.object.Find("Interval")->line,
                "Interval of " + control.name() + " is no integer: it runs every 1000 ms");
  }
  const int32_t every = IsIntegerText(interval) ? IntegerOr(interval, 1000) : 1000;
  // A timer without interval never runs, as in the designer; one that is
  // disabled waits for the handlers to start it.
  if (control.Value("Enabled") != "False" && every > 0) {
    start_lines_ += "\r\n  SetTimer(hWindow, " + name + ", " + IntegerText(every) + ", nil);";
  }
  writer.branches().Add("WM_TIMER", "\r\n      if EventsReady and (UINT(wParam) = " + name +
                                        ") then " + handler->name + "(hWindow);");
}

void EventWiring::WireForm(FormWriter& writer, const Control& control) {
  const bool key_preview = control.Value("KeyPreview") == "True";
  for (const std::string& event : EventsOf(control.object)) {
    const EventRow* row = FindEventRow("", Target::kForm, event);
    if (row == nullptr) continue;
    const Handler* handler = HandlerOf(writer, control.object, event);
    if (handler == nullptr) continue;
    if (row->wiring == Wiring::kForm) {
      WireFormEvent(writer, event, handler->name);
    } else {
      input_.AddForm(event, handler->name, key_preview);
    }
  }
}

void EventWiring::WireFormEvent(FormWriter& writer, std::string_view event,
                                const std::string& handler) {
  const std::string call = handler + "(hWindow);";
  if (event == "OnCreate") {
    create_lines_ += "\r\n  " + call;
  } else if (event == "OnShow") {
    // The form shows before it is activated, whatever order it names them in.
    shown_lines_.insert(0, "\r\n  " + call);
  } else if (event == "OnActivate" || event == "OnDeactivate") {
    const bool activate = event == "OnActivate";
    // The window was activated as it was created, before the handlers could run.
    if (activate) shown_lines_ += "\r\n  if GetActiveWindow = hWindow then " + call;
    writer.branches().Add("WM_ACTIVATE",
                          "\r\n      if EventsReady and (LoWord(wParam) " +
                              std::string(activate ? "<>" : "=") + " WA_INACTIVE) then " + call,
                          "\r\n      Result := DefWindowProc(hWindow, Message, wParam, lParam);");
  } else if (event == "OnResize") {
    // After the bars have followed the new size.
    writer.AddText("windowprocwmsizemidle", "\r\n      if EventsReady then " + call);
    writer.program().HasSizeHandler = true;
  } else if (event == "OnPaint") {
    writer.AddText("windowprocpaintmidle", "\r\n      if EventsReady then " + call);
    writer.NeedPaint();
  } else if (event == "OnCloseQuery") {
    close_query_ = handler;
  } else if (event == "OnClose") {
    close_ = handler;
  } else if (event == "OnDestroy") {
    writer.program().DestroyBegin += "\r\n      if EventsReady then " + call;
  }
}

// The window closes only when OnCloseQuery lets it; OnClose runs as it does.
void EventWiring::WriteClose(FormWriter& writer) {
  if (close_query_.empty() && close_.empty()) return;
  std::string lines;
  if (!close_query_.empty()) {
    writer.DeclareOnce("CanCloseWindow: Boolean;");
    lines += "\r\n      CanCloseWindow := True;\r\n      " + close_query_ +
             "(hWindow, CanCloseWindow);\r\n      if not CanCloseWindow then Exit;";
  }
  if (!close_.empty()) lines += "\r\n      " + close_ + "(hWindow);";
  writer.branches().Add("WM_CLOSE", lines + "\r\n      DestroyWindow(hWindow);");
}

void EventWiring::Finish(FormWriter& writer) {
  if (!enabled()) return;
  const bool input = input_.input();
  const bool focus = input_.focus();
  if (input || focus) writer.AddText("handlers", kDispatchHelpers);
  if (input) writer.AddText("handlers", input_.InputEventText());
  if (focus) {
    writer.DeclareOnce("EventFocus: HWND = 0;");
    writer.AddText("handlers", input_.FocusEventsText());
  }
  WriteClose(writer);
  if (ready_) {
    std::string lines = "\r\n  { From here on the handlers of the form's events run }";
    // The form and what it paints hear of double clicks only when its
    // window's class asks for them.
    if (input_.form_double_clicks()) {
      lines +=
          "\r\n  SetClassLong(hWindow, GCL_STYLE, GetClassLong(hWindow, GCL_STYLE) or "
          "CS_DBLCLKS);";
    }
    writer.AddText("bodylast", lines + start_lines_ + "\r\n  EventsReady := True;" + create_lines_);
    writer.program().DestroyBegin += "\r\n      EventsReady := False;";
  }
  if (!shown_lines_.empty() || input || focus) {
    writer.program().MessageLoop = MessageLoopText(shown_lines_, input, focus);
  }
}

}  // namespace vornic
