// Labeled edits: an edit and its label, a static window beside the edit
// where LabelPosition and LabelSpacing put it, with the size the form gives
// the label.
#include <cstdint>
#include <memory>
#include <string>

#include "controls/control_steps.h"
#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/code_layout.h"

namespace vornic {

namespace {

// The label's variable is the edit's with this in front.
constexpr char kLabelPrefix[] = "lbl";

struct LabelPlace {
  int64_t left;
  int64_t top;
};

// Above (the default) and below start at the edit's left edge; left and
// right centre the label on the edit's height. In the edit's holder.
LabelPlace PlaceOfLabel(const Control& edit) {
  const int64_t left = IntegerOr(edit.Value("Left"), 0);
  const int64_t top = IntegerOr(edit.Value("Top"), 0);
  const int64_t width = IntegerOr(edit.Value("Width"), 0);
  const int64_t height = IntegerOr(edit.Value("Height"), 0);
  const int64_t label_width = IntegerOr(edit.Value("EditLabel.Width"), 0);
  const int64_t label_height = IntegerOr(edit.Value("EditLabel.Height"), 0);
  const int64_t spacing = IntegerOr(edit.Value("LabelSpacing"), 3);
  const int64_t middle = top + (height - label_height) / 2;
  const std::string& position = edit.Value("LabelPosition");
  if (position == "lpBelow") return {left, top + height + spacing};
  if (position == "lpLeft") return {left - label_width - spacing, middle};
  if (position == "lpRight") return {left + width + spacing, middle};
  return {left, top - label_height - spacing};
}

std::string LabelText(const Control& edit, const std::string& name) {
  const LabelPlace place = PlaceOfLabel(edit);
  std::string left = IntegerText(place.left);
  std::string top = IntegerText(place.top);
  edit.PlaceInForm(left, top);
  // A hidden edit hides its label too.
  const std::string shown = edit.Value("Visible") == "False" ? "" : "WS_VISIBLE or ";
  return "\r\n  " + name + ":= CreateWindowExW(0, 'Static'," +
         QuotedOrEmpty(edit.Value("EditLabel.Caption")) + ", " + shown +
         "WS_CHILD or SS_LEFT,\r\n" + ContinuationIndent(name) + left + "," + top + "," +
         IntegerText(IntegerOr(edit.Value("EditLabel.Width"), 0)) + "," +
         IntegerText(IntegerOr(edit.Value("EditLabel.Height"), 0)) + ", hWindow, 0, Inst, nil);";
}

class LabeledEditWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control, kLabelPrefix);
    const std::string label = kLabelPrefix + name;
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a labeled edit",
                 .call = ":= CreateWindowExW(WS_EX_CLIENTEDGE, 'Edit'," +
                         QuotedOrEmpty(control.Value("Text")) + ", ",
                 .styles = "WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP",
                 .box = box,
                 .after = LabelText(control, label),
                 .takes_focus = true,
                 .reads_font = true});
    // The label lies in the edit's holder and takes that one's font.
    writer.DeclareWindow(label);
    writer.TakeFont(label, *control.holder);
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewLabeledEditWriter() {
  return std::make_unique<LabeledEditWriter>();
}

}  // namespace vornic
