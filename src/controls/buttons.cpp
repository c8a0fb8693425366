// Push buttons, check boxes, group boxes and radio buttons: child windows of
// the 'Button' class that differ only in style, focus, handler and check.
#include <string>

#include "builder/builder.h"
#include "controls/geometry.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// What sets one kind of 'Button' window apart from the others.
struct ButtonKind {
  const char* banner;
  const char* style;  // follows the caption in the creation call
};

constexpr ButtonKind kPushButton{
    "Create a button", ",WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP,"};
constexpr ButtonKind kCheckBox{"Create a checkbox",
                               ",WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP,"};
constexpr ButtonKind kGroupBox{"Create a groupbox", ",WS_VISIBLE or WS_CHILD or BS_GROUPBOX,"};
constexpr ButtonKind kRadioButton{"Create a radiobox",
                                  ",WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP,"};

// The four records share their leading fields, so one template serves them.
template <typename Record>
bool StoreButtonProperty(Record& record, const LineWords& line) {
  if (line.Word1 != "Caption") return StoreGeometry(record, line);
  record.Caption = line.Word3;
  return true;
}

template <typename Record>
bool MarkComplete(Record& record) {
  record.Complete = !record.Caption.empty() && HasGeometry(record);
  return record.Complete;
}

void AddClickHandler(TSDPR& dpr, const std::string& name) {
  dpr.AddText("windowproccommandmidle", "\r\n      if HWND(lParam) = " + name +
                                            " then MessageBox(hWindow,'" + name +
                                            "Click','Check',MB_OK);");
}

// Any value of State or Checked counts: the form text names it only when
// the box is not in its default, unchecked state.
std::string InitialCheck(const std::string& name, const std::string& value) {
  if (value.empty()) return std::string();
  return "\r\n  SendMessage(" + name + ",BM_SETCHECK,1,0);";
}

// The first line of the creation call, from the window class on.
template <typename Record>
std::string FirstLine(const ButtonKind& kind, const Record& record) {
  return ":= CreateWindow('Button'," + record.Caption + kind.style;
}

}  // namespace

void TBuilder::BuildButton(TSDPR& dpr, const LineWords& line) {
  TRMinControl& button = Button;
  if (line.Kind == "object") {
    button = TRMinControl();
    button.ControlName = ControlNameOf(line);
  } else if (line.Kind == "set") {
    if (!StoreFontProperty(line)) StoreButtonProperty(button, line);
  } else if (line.Kind == "end" && MarkComplete(button)) {
    FocusControlOnce(dpr, button.ControlName);
    PlaceInForm(line.Level, button.Left, button.Top);
    DeclareWindow(dpr, button.ControlName);
    AddClickHandler(dpr, button.ControlName);
    dpr.AddText("bodymidle",
                CreationText(kPushButton.banner, button.ControlName, FirstLine(kPushButton, button),
                             button.Left, button.Top, button.Width, button.Height));
    TakeFont(button.ControlName);
    button = TRMinControl();
    ++ControlCount;
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
  } else if (line.Kind == "end" && MarkComplete(box)) {
    FocusControlOnce(dpr, box.ControlName);
    PlaceInForm(line.Level, box.Left, box.Top);
    DeclareWindow(dpr, box.ControlName);
    AddClickHandler(dpr, box.ControlName);
    dpr.AddText("bodymidle",
                CreationText(kCheckBox.banner, box.ControlName, FirstLine(kCheckBox, box), box.Left,
                             box.Top, box.Width, box.Height) +
                    InitialCheck(box.ControlName, box.State));
    TakeFont(box.ControlName);
    box = TRCheckBox();
    ++ControlCount;
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
  } else if (line.Kind == "end" && MarkComplete(box)) {
    PlaceInForm(line.Level, box.Left, box.Top);
    DeclareWindow(dpr, box.ControlName);
    dpr.AddText("bodymidle",
                CreationText(kGroupBox.banner, box.ControlName, FirstLine(kGroupBox, box), box.Left,
                             box.Top, box.Width, box.Height));
    TakeFont(box.ControlName);
    box = TRGroupBox();  // Emitted again: nothing waits
    ++ControlCount;
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
  } else if (line.Kind == "end" && MarkComplete(radio)) {
    FocusControlOnce(dpr, radio.ControlName);
    PlaceInForm(line.Level, radio.Left, radio.Top);
    DeclareWindow(dpr, radio.ControlName);
    dpr.AddText("bodymidle",
                CreationText(kRadioButton.banner, radio.ControlName, FirstLine(kRadioButton, radio),
                             radio.Left, radio.Top, radio.Width, radio.Height) +
                    InitialCheck(radio.ControlName, radio.Checked));
    TakeFont(radio.ControlName);
    radio = TRRadioBox();
    ++ControlCount;
  }
}

}  // namespace vornic
