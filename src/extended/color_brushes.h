// ColorBrushes: the solid brushes the extended program paints backgrounds
// with, one per distinct colour, created once when the main window is
// created and deleted when it is destroyed.
#pragma once

#include <string>
#include <unordered_map>

namespace vornic {

class TSDPR;

class ColorBrushes {
 public:
  /// The variable of the brush of `color`, a Pascal colour expression. The
  /// first request of a colour declares the brush in `program` and writes its
  /// creation (WM_CREATE, before any control can ask for it) and deletion.
  std::string BrushFor(const std::string& color, TSDPR& program);

 private:
  std::unordered_map<std::string, std::string> brushes_;  // colour expression to variable
};

}  // namespace vornic
