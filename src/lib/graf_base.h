// TIGrafBase: the pens and brushes of shapes and bevels, numbered once per
// distinct pen or brush, and the texts that declare, create and delete them.
#pragma once

#include <string>

#include "lib/text_rows.h"

namespace vornic {

/// Registry of the GDI pens and brushes the WM_PAINT code draws with.
class TIGrafBase {
 public:
  /// With `form_colors` every colour is shown as the form gives it (numbers,
  /// system colours; see ColorExpression), else through the exact table.
  explicit TIGrafBase(bool form_colors = false) : form_colors_(form_colors) {}

  /// Returns "Pen" + the row number of the pen (style, width, colour).
  std::string RegisterPen(const std::string& style, const std::string& width,
                          const std::string& color);
  /// Returns "Brush" + the row number of the brush (style, colour).
  std::string RegisterBrush(const std::string& style, const std::string& color);
  /// Paint variables for "var"; OldPoint is declared when `with_old_point`.
  std::string GetGraphicsDeclarations(bool with_old_point) const;
  /// CreatePen / CreateSolidBrush / CreateHatchBrush lines for WM_CREATE.
  std::string GetGraphicsCreation() const;
  /// DeleteObject lines for WM_DESTROY.
  std::string GetGraphicsDeletion() const;

 private:
  // A pen's or brush's number is its row's.
  TextRows Pens{3};     // style, width, colour
  TextRows Brushes{2};  // style, colour
  bool form_colors_;

  std::string Color(const std::string& value) const;
};

}  // namespace vornic
