// Shapes and bevels: no windows, but drawing code in WM_PAINT with the pens
// and brushes of the shared registry.
#include <string>

#include "builder/builder.h"
#include "controls/control_steps.h"
#include "builder/geometry.h"
#include "controls/shape_paint.h"
#include "output/program_text.h"

namespace vornic {

namespace {

template <typename Record>
bool MarkComplete(Record& record) {
  record.Complete = !record.ControlName.empty() && HasGeometry(record);
  return record.Complete;
}

void DefaultIfEmpty(std::string& field, const char* value) {
  if (field.empty()) field = value;
}

}  // namespace

void TBuilder::BuildShape(TSDPR& dpr, const LineWords& line) {
  TRShape& shape = Shape;
  if (line.Kind == "object") {
    shape = TRShape();
    shape.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set") {
    StoreGeometry(shape, line);
    const std::string& name = line.Word1;
    if (name == "Brush.Color")
      shape.BrushColor = line.Word3;
    else if (name == "Brush.Style")
      shape.BrushStyle = line.Word3;
    else if (name == "Pen.Color")
      shape.PenColor = line.Word3;
    else if (name == "Pen.Style")
      shape.PenStyle = line.Word3;
    else if (name == "Pen.Width")
      shape.PenWidth = line.Word3;
    else if (name == "Shape")
      shape.Shape = line.Word3;
    return;
  }
  if (line.Kind != "end" || !MarkComplete(shape)) return;
  TakeControlName(shape.ControlName);
  PlaceInForm(line.Level, shape.Left, shape.Top);
  PaintNeeded = true;
  // Form text leaves out the values that equal the shape's defaults.
  DefaultIfEmpty(shape.BrushColor, "clWhite");
  DefaultIfEmpty(shape.BrushStyle, "bsSolid");
  DefaultIfEmpty(shape.PenColor, "clBlack");
  DefaultIfEmpty(shape.PenStyle, "psInsideFrame");
  DefaultIfEmpty(shape.PenWidth, "1");
  DefaultIfEmpty(shape.Shape, "stRectangle");
  const PaintEdges edges = EdgesOf(BoxOf(shape));
  const std::string pen = Graphics.RegisterPen(shape.PenStyle, shape.PenWidth, shape.PenColor);
  const std::string brush = Graphics.RegisterBrush(shape.BrushStyle, shape.BrushColor);
  dpr.AddText("windowprocpaintmidle",
              ShapePaintText(shape.ControlName, shape.Shape, edges, brush, pen));
  shape = TRShape();
  ++ControlCount;
}

void TBuilder::BuildBevel(TSDPR& dpr, const LineWords& line) {
  TRBevel& bevel = Bevel;
  if (line.Kind == "object") {
    bevel = TRBevel();
    bevel.ControlName = ControlNameOf(line);
    return;
  }
  if (line.Kind == "set") {
    StoreGeometry(bevel, line);
    if (line.Word1 == "Shape") bevel.Shape = line.Word3;
    return;
  }
  if (line.Kind != "end" || !MarkComplete(bevel)) return;
  TakeControlName(bevel.ControlName);
  PlaceInForm(line.Level, bevel.Left, bevel.Top);
  BevelPainted = true;
  // A spacer is invisible at design time only; drawn, it is a box.
  if (bevel.Shape.empty() || bevel.Shape == "bsSpacer") bevel.Shape = "bsBox";
  const PaintEdges edges = EdgesOf(BoxOf(bevel));
  const std::string gray = Graphics.RegisterPen("psInsideFrame", "1", "clGray");
  const std::string white = Graphics.RegisterPen("psInsideFrame", "1", "clWhite");
  dpr.AddText("windowprocpaintmidle",
              BevelPaintText(bevel.ControlName, bevel.Shape, edges, gray, white));
  bevel = TRBevel();
  ++ControlCount;
}

}  // namespace vornic
