// The brush registry of the extended program's backgrounds.
#include "extended/color_brushes.h"

#include "output/program_text.h"

namespace vornic {

std::string ColorBrushes::BrushFor(const std::string& color, TSDPR& program) {
  auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second;
  // Numbered like the other registries' variables, which no control may take.
  const std::string brush = "ColorBrush" + std::to_string(brushes_.size() + 1);
  brushes_.emplace(color, brush);
  program.AddText("var", "\r\n    " + brush + ": HBRUSH;");
  program.AddText("windowproccreatemidle",
                  "\r\n      " + brush + " := CreateSolidBrush(" + color + ");");
  program.AddText("windowprocdestroymidle", "\r\n      DeleteObject(" + brush + ");");
  return brush;
}

}  // namespace vornic
