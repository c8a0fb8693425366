// Shapes and bevels: no windows, but drawing code in WM_PAINT with the pens
// and brushes of the shared registry.
#include <cstdint>
#include <string>
#include <vector>

#include "builder/builder.h"
#include "controls/control_steps.h"
#include "controls/geometry.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

template <typename Record>
bool MarkComplete(Record& record) {
  record.Complete = !record.ControlName.empty() && HasGeometry(record);
  return record.Complete;
}

// `a` + `b` as decimal text, wrapping like every position sum of the tool
// (the conversion to 32 bits is modular), so huge values stay defined.
std::string Sum(const std::string& a, const std::string& b) {
  return std::to_string(static_cast<int32_t>(int64_t{TextToInt(a)} + int64_t{TextToInt(b)}));
}

void DefaultIfEmpty(std::string& field, const char* value) {
  if (field.empty()) field = value;
}

std::string ShapeDrawing(const TRShape& shape) {
  const std::string box = shape.Left + "," + shape.Top + "," + shape.Width + "," + shape.Height;
  if (shape.Shape == "stRectangle" || shape.Shape == "stSquare") {
    return "Rectangle(PaintDC," + box + ");";
  }
  if (shape.Shape == "stEllipse" || shape.Shape == "stCircle") {
    return "Ellipse(PaintDC," + box + ");";
  }
  if (shape.Shape == "stRoundRect") return "RoundRect(PaintDC," + box + ",10,10);";
  return std::string();
}

// The eight coordinates a bevel is drawn with: its edges and the edges one
// pixel further in, where the light line runs beside the dark one.
enum Coord { kL, kT, kR, kB, kL1, kT1, kR1, kB1 };
struct Point {
  Coord x;
  Coord y;
};

struct BevelLines {
  const char* shape;
  Point dark_move;
  std::vector<Point> dark_lines;
  Point light_move;
  std::vector<Point> light_lines;
};

const std::vector<BevelLines>& BevelTable() {
  static const std::vector<BevelLines> table = {
      {"bsBox", {kL, kB}, {{kL, kT}, {kR, kT}}, {kR1, kT1}, {{kR1, kB1}, {kL1, kB1}}},
      {"bsFrame",
       {kL, kT},
       {{kR, kT}, {kR, kB}, {kL, kB}, {kL, kT}},
       {kL1, kT1},
       {{kR1, kT1}, {kR1, kB1}, {kL1, kB1}, {kL1, kT1}}},
      {"bsLeftLine", {kL, kT}, {{kL, kB}}, {kL1, kB1}, {{kL1, kT1}}},
      {"bsRightLine", {kR, kT}, {{kR, kB}}, {kR1, kB1}, {{kR1, kT1}}},
      {"bsTopLine", {kL, kT}, {{kR, kT}}, {kL1, kT1}, {{kR1, kT1}}},
      {"bsBottomLine", {kL, kB}, {{kR, kB}}, {kL1, kB1}, {{kR1, kB1}}},
  };
  return table;
}

std::string MoveTo(const std::string (&c)[8], Point p) {
  return "MoveToEx(PaintDC," + c[p.x] + "," + c[p.y] + ",OldPoint);";
}

// The lines of one cell on one output line; the frame's dark cell also
// ends in "); ", as the generated programs always had it.
std::string LinesTo(const std::string (&c)[8], const std::vector<Point>& points,
                    bool trailing_blank) {
  std::string text;
  for (size_t i = 0; i < points.size(); ++i) {
    const bool last = i + 1 == points.size();
    text += "LineTo(PaintDC," + c[points[i].x] + "," + c[points[i].y] +
            (last && !trailing_blank ? ");" : "); ");
  }
  return text;
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
  const GeneratorContext context = Context(dpr);
  context.PlaceInForm(line.Level, shape.Left, shape.Top);
  context.NeedPaint();
  // Form text leaves out the values that equal the shape's defaults.
  DefaultIfEmpty(shape.BrushColor, "clWhite");
  DefaultIfEmpty(shape.BrushStyle, "bsSolid");
  DefaultIfEmpty(shape.PenColor, "clBlack");
  DefaultIfEmpty(shape.PenStyle, "psInsideFrame");
  DefaultIfEmpty(shape.PenWidth, "1");
  DefaultIfEmpty(shape.Shape, "stRectangle");
  shape.Width = Sum(shape.Left, shape.Width);
  shape.Height = Sum(shape.Top, shape.Height);
  const std::string pen = Graphics.RegisterPen(shape.PenStyle, shape.PenWidth, shape.PenColor);
  const std::string brush = Graphics.RegisterBrush(shape.BrushStyle, shape.BrushColor);
  context.AddPaint(line.Level, shape.ControlName, "\r\n      { Create shape: " + shape.ControlName + " }" +
                                          "\r\n      OldBrush := SelectObject(PaintDC," + brush +
                                          ");" + "\r\n      OldPen := SelectObject(PaintDC," + pen +
                                          ");" + "\r\n      " + ShapeDrawing(shape));
  shape = TRShape();
  context.CountControl();
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
  const GeneratorContext context = Context(dpr);
  context.PlaceInForm(line.Level, bevel.Left, bevel.Top);
  BevelPainted = true;
  // A spacer is invisible at design time only; drawn, it is a box.
  if (bevel.Shape.empty() || bevel.Shape == "bsSpacer") bevel.Shape = "bsBox";
  bevel.Width = Sum(bevel.Left, bevel.Width);
  bevel.Height = Sum(bevel.Top, bevel.Height);
  const std::string c[8] = {
      bevel.Left,           bevel.Top,           bevel.Width,           bevel.Height,
      Sum(bevel.Left, "1"), Sum(bevel.Top, "1"), Sum(bevel.Width, "1"), Sum(bevel.Height, "1")};
  std::string dark_move, dark_lines, light_move, light_lines;
  for (const BevelLines& row : BevelTable()) {
    if (bevel.Shape != row.shape) continue;
    dark_move = MoveTo(c, row.dark_move);
    dark_lines = LinesTo(c, row.dark_lines, bevel.Shape == "bsFrame");
    light_move = MoveTo(c, row.light_move);
    light_lines = LinesTo(c, row.light_lines, false);
  }
  const std::string gray = Graphics.RegisterPen("psInsideFrame", "1", "clGray");
  const std::string white = Graphics.RegisterPen("psInsideFrame", "1", "clWhite");
  context.AddPaint(line.Level, bevel.ControlName,
              "\r\n      { Create bevel: " + bevel.ControlName + " }" +
                  "\r\n      OldPen  := SelectObject(PaintDC," + gray + ");" + "\r\n      " +
                  dark_move + "\r\n      " + dark_lines +
                  "\r\n      OldPen  := SelectObject(PaintDC," + white + ");" + "\r\n      " +
                  light_move + "\r\n      " + light_lines);
  bevel = TRBevel();
  context.CountControl();
}

}  // namespace vornic
