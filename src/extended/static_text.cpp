// Static texts: a 'Static' window with the caption, alignment and border
// the form gives it.
#include <memory>
#include <string>

#include "controls/control_steps.h"
#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/value_styles.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

// Values the tables do not know keep the designer's default, the first row.
constexpr ValueStyle kAlignments[] = {
    {"taLeftJustify", "SS_LEFT"}, {"taCenter", "SS_CENTER"}, {"taRightJustify", "SS_RIGHT"}};
constexpr ValueStyle kBorders[] = {
    {"sbsNone", ""}, {"sbsSingle", " or WS_BORDER"}, {"sbsSunken", " or SS_SUNKEN"}};

class StaticTextWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    WriteWindow(
        writer, control,
        {.name = writer.TakeName(control),
         .banner = "Create a static text",
         .call = ":= CreateWindowExW(0, 'Static'," + QuotedOrEmpty(control.Value("Caption")) + ", ",
         .styles = std::string("WS_VISIBLE or WS_CHILD or ") +
                   StyleForValue(kAlignments, control.Value("Alignment")) +
                   StyleForValue(kBorders, control.Value("BorderStyle")),
         .box = box});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewStaticTextWriter() {
  return std::make_unique<StaticTextWriter>();
}

}  // namespace vornic
