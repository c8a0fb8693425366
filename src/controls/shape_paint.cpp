// Drawing calls of shapes and the line tables of bevels.
#include "controls/shape_paint.h"

#include <cstdint>
#include <vector>

#include "lib/text.h"

namespace vornic {

namespace {

// `a` + `b` as decimal text, wrapping like every position sum of the tool
// (the conversion to 32 bits is modular), so huge values stay defined; an
// edge the program computes (a variable's field) gets the sum written out.
std::string Sum(const std::string& a, const std::string& b) {
  if (a.find_first_not_of("-0123456789") != std::string::npos) return a + "+" + b;
  return std::to_string(static_cast<int32_t>(int64_t{TextToInt(a)} + int64_t{TextToInt(b)}));
}

std::string ShapeDrawing(const std::string& shape, const PaintEdges& edges) {
  const std::string box = edges.left + "," + edges.top + "," + edges.right + "," + edges.bottom;
  if (shape == "stRectangle" || shape == "stSquare") return "Rectangle(PaintDC," + box + ");";
  if (shape == "stEllipse" || shape == "stCircle") return "Ellipse(PaintDC," + box + ");";
  if (shape == "stRoundRect") return "RoundRect(PaintDC," + box + ",10,10);";
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

PaintEdges EdgesOf(const Box& box) {
  return PaintEdges{box.left, box.top, Sum(box.left, box.width), Sum(box.top, box.height)};
}

std::string ShapePaintText(const std::string& name, const std::string& shape,
                           const PaintEdges& edges, const std::string& brush,
                           const std::string& pen) {
  return "\r\n      { Create shape: " + name + " }" +
         "\r\n      OldBrush := SelectObject(PaintDC," + brush + ");" +
         "\r\n      OldPen := SelectObject(PaintDC," + pen + ");" + "\r\n      " +
         ShapeDrawing(shape, edges);
}

std::string BevelPaintText(const std::string& name, const std::string& shape,
                           const PaintEdges& edges, const std::string& dark_pen,
                           const std::string& light_pen) {
  const std::string c[8] = {
      edges.left,           edges.top,           edges.right,           edges.bottom,
      Sum(edges.left, "1"), Sum(edges.top, "1"), Sum(edges.right, "1"), Sum(edges.bottom, "1")};
  std::string dark_move, dark_lines, light_move, light_lines;
  for (const BevelLines& row : BevelTable()) {
    if (shape != row.shape) continue;
    dark_move = MoveTo(c, row.dark_move);
    dark_lines = LinesTo(c, row.dark_lines, shape == "bsFrame");
    light_move = MoveTo(c, row.light_move);
    light_lines = LinesTo(c, row.light_lines, false);
  }
  return "\r\n      { Create bevel: " + name + " }" + "\r\n      OldPen  := SelectObject(PaintDC," +
         dark_pen + ");" + "\r\n      " + dark_move + "\r\n      " + dark_lines +
         "\r\n      OldPen  := SelectObject(PaintDC," + light_pen + ");" + "\r\n      " +
         light_move + "\r\n      " + light_lines;
}

}  // namespace vornic
