// The paint code of shapes and bevels, which are no windows but lines drawn
// in WM_PAINT: shared by both translations.
#pragma once

#include <string>

#include "lib/box.h"

namespace vornic {

/// The edges of a painted shape in the main window's client area, as
/// decimal text (or, in the extended translation, fields the program sets).
struct PaintEdges {
  std::string left;
  std::string top;
  std::string right;
  std::string bottom;
};

/// The edges of `box`, whose left and top are in the main window already.
/// Right and bottom wrap like every position sum of the program, so huge
/// values stay defined. Throws EConvertError when a value is no integer.
PaintEdges EdgesOf(const Box& box);

/// The lines that paint the shape `name` of kind `shape` (stRectangle,
/// stEllipse, ...; one without a drawing call leaves its line empty) with
/// the pen and brush variables given.
std::string ShapePaintText(const std::string& name, const std::string& shape,
                           const PaintEdges& edges, const std::string& brush,
                           const std::string& pen);

/// The lines that paint the bevel `name` of kind `shape` (bsBox, bsFrame,
/// bsLeftLine, ...): its dark lines with `dark_pen`, then the light lines
/// one pixel further in with `light_pen`.
std::string BevelPaintText(const std::string& name, const std::string& shape,
                           const PaintEdges& edges, const std::string& dark_pen,
                           const std::string& light_pen);

}  // namespace vornic
