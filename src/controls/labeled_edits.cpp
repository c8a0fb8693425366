// The labeled edit, a class only the extended translation writes: an edit
// and its label, a static window beside the edit where LabelPosition and
// LabelSpacing put it, with the size the form gives the label.
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "controls/control_steps.h"
#include "controls/control_values.h"
#include "controls/geometry.h"
#include "controls/window_control.h"
#include "lib/code_layout.h"

namespace vornic {

namespace {

// The label's variable is the edit's with this in front.
constexpr char kLabelPrefix[] = "lbl";

struct LabeledEditRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Text;
  std::string LabelCaption;
  std::string LabelWidth;
  std::string LabelHeight;
  std::string LabelPosition;
  std::string LabelSpacing;
  std::string Visible;
};

struct LabelPlace {
  int64_t left;
  int64_t top;
};

// Above (the default) and below start at the edit's left edge; left and
// right centre the label on the edit's height.
LabelPlace PlaceOfLabel(const LabeledEditRecord& edit) {
  const int64_t left = IntegerOr(edit.Left, 0);
  const int64_t top = IntegerOr(edit.Top, 0);
  const int64_t width = IntegerOr(edit.Width, 0);
  const int64_t height = IntegerOr(edit.Height, 0);
  const int64_t label_width = IntegerOr(edit.LabelWidth, 0);
  const int64_t label_height = IntegerOr(edit.LabelHeight, 0);
  const int64_t spacing = IntegerOr(edit.LabelSpacing, 3);
  const int64_t middle = top + (height - label_height) / 2;
  if (edit.LabelPosition == "lpBelow") return {left, top + height + spacing};
  if (edit.LabelPosition == "lpLeft") return {left - label_width - spacing, middle};
  if (edit.LabelPosition == "lpRight") return {left + width + spacing, middle};
  return {left, top - label_height - spacing};
}

class LabeledEditGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    edit_.ControlName = context.TakeName(line, kLabelPrefix);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(edit_, line)) return;
    const std::string& name = line.Word1;
    if (name == "Text") {
      edit_.Text = line.Word3;
    } else if (name == "EditLabel.Caption") {
      edit_.LabelCaption = line.Word3;
    } else if (name == "EditLabel.Width") {
      edit_.LabelWidth = line.Word3;
    } else if (name == "EditLabel.Height") {
      edit_.LabelHeight = line.Word3;
    } else if (name == "LabelPosition") {
      edit_.LabelPosition = line.Word3;
    } else if (name == "LabelSpacing") {
      edit_.LabelSpacing = line.Word3;
    } else if (name == "Visible") {
      edit_.Visible = line.Word3;
    }
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(edit_)) return;
    CreateWindowControl(context, {.level = line.Level,
                                  .name = edit_.ControlName,
                                  .banner = "Create a labeled edit",
                                  .call = ":= CreateWindowEx(WS_EX_CLIENTEDGE, 'Edit'," +
                                          QuotedOrEmpty(edit_.Text) + ", ",
                                  .styles = "WS_CHILD or WS_VISIBLE or WS_BORDER or WS_TABSTOP",
                                  .box = BoxOf(edit_),
                                  .after = LabelText(context, line.Level),
                                  .takes_focus = true,
                                  .reads_font = true});
    // The label lies in the edit's container and takes that one's font.
    context.DeclareWindow(kLabelPrefix + edit_.ControlName);
    context.TakeFont(kLabelPrefix + edit_.ControlName, line.Level - 1, false);
  }

 private:
  std::string LabelText(GeneratorContext context, int level) const {
    const std::string name = kLabelPrefix + edit_.ControlName;
    const LabelPlace place = PlaceOfLabel(edit_);
    std::string left = IntegerText(place.left);
    std::string top = IntegerText(place.top);
    context.PlaceInForm(level, left, top);
    // A hidden edit hides its label too.
    const std::string shown = edit_.Visible == "False" ? "" : "WS_VISIBLE or ";
    return "\r\n  " + name + ":= CreateWindow('Static'," + QuotedOrEmpty(edit_.LabelCaption) +
           ", " + shown + "WS_CHILD or SS_LEFT,\r\n" + ContinuationIndent(name) + left + "," + top +
           "," + IntegerText(IntegerOr(edit_.LabelWidth, 0)) + "," +
           IntegerText(IntegerOr(edit_.LabelHeight, 0)) + ", hWindow, 0, Inst, nil);";
  }

  LabeledEditRecord edit_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewLabeledEdit() {
  return std::make_unique<LabeledEditGenerator>();
}

}  // namespace vornic
