// The static text, a class only the extended translation writes: a 'Static'
// window with the caption, alignment and border the form gives it. It owns
// what it collects, as every generator object does.
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "controls/control_steps.h"
#include "controls/geometry.h"
#include "controls/window_control.h"

namespace vornic {

namespace {

// A form value and the window style it stands for; values the table does not
// know keep the designer's default, the first row.
struct StyleOf {
  const char* value;
  const char* style;
};

constexpr StyleOf kAlignments[] = {
    {"taLeftJustify", "SS_LEFT"}, {"taCenter", "SS_CENTER"}, {"taRightJustify", "SS_RIGHT"}};
constexpr StyleOf kBorders[] = {
    {"sbsNone", ""}, {"sbsSingle", " or WS_BORDER"}, {"sbsSunken", " or SS_SUNKEN"}};

template <size_t N>
const char* StyleFor(const StyleOf (&table)[N], const std::string& value) {
  for (const StyleOf& row : table) {
    if (value == row.value) return row.style;
  }
  return table[0].style;
}

struct StaticTextRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  std::string Alignment;
  std::string BorderStyle;
};

class StaticTextGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    text_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(text_, line)) return;
    if (line.Word1 == "Caption") {
      text_.Caption = line.Word3;
    } else if (line.Word1 == "Alignment") {
      text_.Alignment = line.Word3;
    } else if (line.Word1 == "BorderStyle") {
      text_.BorderStyle = line.Word3;
    }
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(text_)) return;
    CreateWindowControl(
        context,
        {.level = line.Level,
         .name = text_.ControlName,
         .banner = "Create a static text",
         .call = ":= CreateWindow('Static'," + QuotedOrEmpty(text_.Caption) + ", ",
         .styles = std::string("WS_VISIBLE or WS_CHILD or ") +
                   StyleFor(kAlignments, text_.Alignment) + StyleFor(kBorders, text_.BorderStyle),
         .box = BoxOf(text_)});
  }

 private:
  StaticTextRecord text_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewStaticText() {
  return std::make_unique<StaticTextGenerator>();
}

}  // namespace vornic
