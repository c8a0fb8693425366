// Push buttons, check boxes, group boxes and radio buttons: child windows of
// the 'Button' class that differ only in style, focus, handler and check.
#include <string>
#include <utility>

#include "builder/builder.h"
#include "controls/control_steps.h"
#include "builder/geometry.h"
#include "controls/window_control.h"

namespace vornic {

namespace {

// What sets one kind of 'Button' window apart from the others.
struct ButtonKind {
  const char* banner;
  const char* styles;
  bool takes_focus;
  bool clicks;
};

constexpr ButtonKind kPushButton{"Create a button",
                                 "WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP",
                                 true, true};
constexpr ButtonKind kCheckBox{
    "Create a checkbox", "WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP", true, true};
constexpr ButtonKind kGroupBox{"Create a groupbox", "WS_VISIBLE or WS_CHILD or BS_GROUPBOX", false,
                               false};
constexpr ButtonKind kRadioButton{
    "Create a radiobox", "WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP", true, false};

// The four records share their leading fields, so one template serves them.
template <typename Record>
bool StoreButtonProperty(Record& record, const LineWords& line) {
  if (line.Word1 != "Caption") return StoreGeometry(record, line);
  record.Caption = line.Word3;
  return true;
}

// A record without a Caption takes `unstored_caption`, which may be empty.
template <typename Record>
bool MarkComplete(Record& record, const std::string& unstored_caption) {
  if (record.Caption.empty()) record.Caption = unstored_caption;
  record.Complete = !record.Caption.empty() && HasGeometry(record);
  return record.Complete;
}

// Any value of State or Checked counts: the form text names it only when
// the box is not in its default, unchecked state.
std::string InitialCheck(const std::string& name, const std::string& value) {
  if (value.empty()) return std::string();
  return "\r\n  SendMessage(" + name + ",BM_SETCHECK,1,0);";
}

// The window of a record at `level`, `after` its creation.
template <typename Record>
WindowControl ButtonWindow(const ButtonKind& kind, const Record& record, int level,
                           std::string after = std::string()) {
  return {.level = level,
          .name = record.ControlName,
          .banner = kind.banner,
          .call = ":= CreateWindow('Button'," + record.Caption + ",",
          .styles = kind.styles,
          .box = BoxOf(record),
          .after = std::move(after),
          .takes_focus = kind.takes_focus,
          .clicks = kind.clicks,
          .reads_font = true};
}

}  // namespace

void TBuilder::BuildButton(TSDPR& dpr, const LineWords& line) {
  TRMinControl& button = Button;
  if (line.Kind == "object") {
    button = TRMinControl();
    button.ControlName = ControlNameOf(line);
  } else if (line.Kind == "set") {
    if (!StoreFontProperty(line)) StoreButtonProperty(button, line);
  } else if (line.Kind == "end" && MarkComplete(button, "")) {
    TakeControlName(button.ControlName);
    CreateWindowControl(dpr, ButtonWindow(kPushButton, button, line.Level));
    button = TRMinControl();
  }
}

void TBuilder::BuildCheckBox(TSDPR& dpr, const LineWords& line) {
  TRCheckBox& box = CheckBox;
  if (line.Kind == "object") {
    box = TRCheckBox();
    box.ControlName = ControlNameOf(line);
  } else if (line.Kind == "set") {
    if (StoreFontProperty(line) || StoreButtonProperty(box, line)) return;
    if (line.Word1 == "State") box.State = line.Word3;
  } else if (line.Kind == "end" && MarkComplete(box, "")) {
    TakeControlName(box.ControlName);
    CreateWindowControl(dpr, ButtonWindow(kCheckBox, box, line.Level,
                                                   InitialCheck(box.ControlName, box.State)));
    box = TRCheckBox();
  }
}

// A group box holding objects is written when its first object begins (the
// builder calls this with an "end" line then), so that it stands before them.
void TBuilder::BuildGroupBox(TSDPR& dpr, const LineWords& line) {
  TRGroupBox& box = GroupBox;
  if (line.Kind == "object") {
    box = TRGroupBox();
    box.ControlName = ControlNameOf(line);
    box.Emitted = false;
  } else if (line.Kind == "set") {
    if (!StoreFontProperty(line)) StoreButtonProperty(box, line);
  } else if (line.Kind == "end" && MarkComplete(box, "")) {
    TakeControlName(box.ControlName);
    CreateWindowControl(dpr, ButtonWindow(kGroupBox, box, line.Level));
    box = TRGroupBox();  // Emitted again: nothing waits
  }
}

void TBuilder::BuildRadioButton(TSDPR& dpr, const LineWords& line) {
  TRRadioBox& radio = RadioBox;
  if (line.Kind == "object") {
    radio = TRRadioBox();
    radio.ControlName = ControlNameOf(line);
  } else if (line.Kind == "set") {
    if (StoreFontProperty(line) || StoreButtonProperty(radio, line)) return;
    if (line.Word1 == "Checked") radio.Checked = line.Word3;
  } else if (line.Kind == "end" && MarkComplete(radio, "")) {
    TakeControlName(radio.ControlName);
    CreateWindowControl(dpr, ButtonWindow(kRadioButton, radio, line.Level,
                                                   InitialCheck(radio.ControlName, radio.Checked)));
    radio = TRRadioBox();
  }
}

}  // namespace vornic
