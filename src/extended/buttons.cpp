// Push buttons, check boxes, group boxes and radio buttons: child windows of
// the 'Button' class that differ only in style, focus, handler and check. A
// form leaves out a Caption that is empty, and the control still shows.
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

// What sets one kind of 'Button' window apart from the others.
struct ButtonKind {
  const char* banner;
  const char* styles;
  bool takes_focus;
  bool clicks;
  const char* checked_by;  // the property that checks it, nullptr for none
  bool holds = false;      // a container: written before what it holds
};

constexpr ButtonKind kPushButton{"Create a button",
                                 "WS_VISIBLE or WS_CHILD or BS_PUSHLIKE or BS_TEXT or WS_TABSTOP",
                                 true, true, nullptr};
constexpr ButtonKind kCheckBox{"Create a checkbox",
                               "WS_VISIBLE or WS_CHILD or BS_AUTOCHECKBOX or WS_TABSTOP", true,
                               true, "State"};
constexpr ButtonKind kGroupBox{
    "Create a groupbox", "WS_VISIBLE or WS_CHILD or BS_GROUPBOX", false, false, nullptr, true};
constexpr ButtonKind kRadioButton{"Create a radiobox",
                                  "WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON or WS_TABSTOP",
                                  true, false, "Checked"};

void WriteButton(FormWriter& writer, const Control& control, const ButtonKind& kind) {
  const Box box = StoredBox(control);
  if (!box.complete()) return;
  const std::string name = writer.TakeName(control);
  const std::string& caption = control.Value("Caption");
  // Any value of State or Checked counts: the form text names it only when
  // the box is not in its default, unchecked state.
  std::string after;
  if (kind.checked_by != nullptr && !control.Value(kind.checked_by).empty()) {
    after = "\r\n  SendMessage(" + name + ",BM_SETCHECK,1,0);";
  }
  WriteWindow(writer, control,
              {.name = name,
               .banner = kind.banner,
               .call = ":= CreateWindow('Button'," + (caption.empty() ? "''" : caption) + ",",
               .styles = kind.styles,
               .box = box,
               .after = after,
               .takes_focus = kind.takes_focus,
               .clicks = kind.clicks,
               .reads_font = true});
}

// A button is written after what it may hold; a group box before, as it
// stands behind the controls it holds.
class ButtonWriter final : public ControlWriter {
 public:
  explicit ButtonWriter(const ButtonKind& kind) : kind_(kind) {}

  void Open(FormWriter& writer, Control& control) override {
    if (kind_.holds) WriteButton(writer, control, kind_);
  }

  void Close(FormWriter& writer, Control& control) override {
    if (!kind_.holds) WriteButton(writer, control, kind_);
  }

 private:
  const ButtonKind& kind_;
};

}  // namespace

std::unique_ptr<ControlWriter> NewButtonWriter() {
  return std::make_unique<ButtonWriter>(kPushButton);
}
std::unique_ptr<ControlWriter> NewCheckBoxWriter() {
  return std::make_unique<ButtonWriter>(kCheckBox);
}
std::unique_ptr<ControlWriter> NewGroupBoxWriter() {
  return std::make_unique<ButtonWriter>(kGroupBox);
}
std::unique_ptr<ControlWriter> NewRadioButtonWriter() {
  return std::make_unique<ButtonWriter>(kRadioButton);
}

}  // namespace vornic
