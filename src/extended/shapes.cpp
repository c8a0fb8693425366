// Shapes, bevels and splitters: no windows, but drawing code in WM_PAINT
// with the pens and brushes of the shared registry, where the form puts them.
#include <cstdint>
#include <memory>
#include <string>

#include "extended/control_values.h"
#include "controls/shape_paint.h"
#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

// Shapes and bevels are drawn within PaintRect, set where the layout puts
// them; one without a row stays where the form puts it.
struct PlacedShape {
  PaintEdges edges;
  std::string rect_line;  // sets PaintRect, after the comment that names it
};

PlacedShape PlaceShape(FormWriter& writer, const Control& control) {
  const int row = writer.layout().RowOf(control.object);
  if (row < 0) return {EdgesOf(control.FormBox()), ""};
  writer.DeclareOnce("PaintRect: TRect;");
  return {{"PaintRect.Left", "PaintRect.Top", "PaintRect.Right", "PaintRect.Bottom"},
          "\r\n      PaintRect := LayoutRow[" + std::to_string(row) + "].Placed;"};
}

std::string WithRect(const PlacedShape& placed, const std::string& paint) {
  const size_t comment_end = paint.find("\r\n", 2);
  return paint.substr(0, comment_end) + placed.rect_line + paint.substr(comment_end);
}

// `value`, or the designer's default when the form leaves it out.
std::string Or(const std::string& value, const char* fallback) {
  return value.empty() ? fallback : value;
}

class ShapeWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (!StoredBox(control).complete()) return;
    const std::string name = writer.TakeName(control);
    const PlacedShape placed = PlaceShape(writer, control);
    writer.NeedPaint();
    // Form text leaves out the values that equal the shape's defaults.
    const std::string pen = writer.graphics().RegisterPen(
        Or(control.Value("Pen.Style"), "psInsideFrame"), Or(control.Value("Pen.Width"), "1"),
        Or(control.Value("Pen.Color"), "clBlack"));
    const std::string brush = writer.graphics().RegisterBrush(
        Or(control.Value("Brush.Style"), "bsSolid"), Or(control.Value("Brush.Color"), "clWhite"));
    writer.AddPaint(control, name,
                    WithRect(placed, ShapePaintText(name, Or(control.Value("Shape"), "stRectangle"),
                                                    placed.edges, brush, pen)));
    writer.CountControl();
  }
};

class BevelWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (!StoredBox(control).complete()) return;
    const std::string name = writer.TakeName(control);
    const PlacedShape placed = PlaceShape(writer, control);
    writer.NeedBevelPens();
    // A spacer is invisible at design time only; drawn, it is a box.
    std::string shape = control.Value("Shape");
    if (shape.empty() || shape == "bsSpacer") shape = "bsBox";
    const std::string gray = writer.graphics().RegisterPen("psInsideFrame", "1", "clGray");
    const std::string white = writer.graphics().RegisterPen("psInsideFrame", "1", "clWhite");
    writer.AddPaint(control, name,
                    WithRect(placed, BevelPaintText(name, shape, placed.edges, gray, white)));
    writer.CountControl();
  }
};

// A bar in the button face colour, with a shadowed edge when it is beveled,
// where the layout puts it (dragging it resizes the control it is aligned
// against). It is painted whether the designer hides it or not.
class SplitterWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (!StoredBox(control).complete()) return;
    const Box box = control.FormBox();
    const std::string name = writer.TakeName(control);
    const int64_t right = int64_t{IntegerOr(box.left, 0)} + IntegerOr(box.width, 0);
    const int64_t bottom = int64_t{IntegerOr(box.top, 0)} + IntegerOr(box.height, 0);
    const std::string edge = control.Value("Beveled") == "True" ? "clBtnShadow" : "clBtnFace";
    const std::string pen = writer.graphics().RegisterPen("psSolid", "1", edge);
    const std::string brush = writer.graphics().RegisterBrush("bsSolid", "clBtnFace");
    writer.NeedPaint();
    // Where the layout puts it, as a drag moves it; where the form does
    // when it has no row.
    const int row = writer.layout().RowOf(control.object);
    const std::string drawing =
        row < 0 ? "Rectangle(PaintDC," + box.left + "," + box.top + "," + IntegerText(right) + "," +
                      IntegerText(bottom) + ");"
                : "with LayoutRow[" + std::to_string(row) +
                      "].Placed do Rectangle(PaintDC,Left,Top,Right,Bottom);";
    writer.AddText("windowprocpaintmidle",
                   "\r\n      { Paint splitter: " + name + " }" +
                       "\r\n      OldBrush := SelectObject(PaintDC," + brush + ");" +
                       "\r\n      OldPen := SelectObject(PaintDC," + pen + ");" + "\r\n      " +
                       drawing);
    writer.CountControl();
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewShapeWriter() { return std::make_unique<ShapeWriter>(); }
std::unique_ptr<ControlWriter> NewBevelWriter() { return std::make_unique<BevelWriter>(); }
std::unique_ptr<ControlWriter> NewSplitterWriter() { return std::make_unique<SplitterWriter>(); }

}  // namespace vornic
