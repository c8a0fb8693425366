// The splitter, a class only the extended translation writes: no window of
// its own, but a bar painted in WM_PAINT where the form puts it, in the
// button face colour, with a shadowed edge when it is beveled.
#include <cstdint>
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "controls/control_values.h"
#include "controls/geometry.h"
#include "lib/graf_base.h"

namespace vornic {

namespace {

struct SplitterRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Beveled;
};

class SplitterGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    splitter_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(splitter_, line)) return;
    if (line.Word1 == "Beveled") splitter_.Beveled = line.Word3;
  }

  // Placed by the geometry the form stores; an aligned splitter stores
  // where its alignment put it.
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(splitter_)) return;
    std::string left = splitter_.Left;
    std::string top = splitter_.Top;
    context.PlaceInForm(line.Level, left, top);
    const int64_t right = int64_t{IntegerOr(left, 0)} + IntegerOr(splitter_.Width, 0);
    const int64_t bottom = int64_t{IntegerOr(top, 0)} + IntegerOr(splitter_.Height, 0);
    TIGrafBase& graphics = context.graphics();
    const std::string edge = splitter_.Beveled == "True" ? "clBtnShadow" : "clBtnFace";
    const std::string pen = graphics.RegisterPen("psSolid", "1", edge);
    const std::string brush = graphics.RegisterBrush("bsSolid", "clBtnFace");
    context.NeedPaint();
    context.AddText("windowprocpaintmidle",
                    "\r\n      { Paint splitter: " + splitter_.ControlName + " }" +
                        "\r\n      OldBrush := SelectObject(PaintDC," + brush + ");" +
                        "\r\n      OldPen := SelectObject(PaintDC," + pen + ");" +
                        "\r\n      Rectangle(PaintDC," + left + "," + top + "," +
                        IntegerText(right) + "," + IntegerText(bottom) + ");");
    context.CountControl();
  }

 private:
  SplitterRecord splitter_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewSplitter() { return std::make_unique<SplitterGenerator>(); }

}  // namespace vornic
