// The paint code of a label drawn in colour by the main window instead of a
// static window: shared by both translations.
#pragma once

#include <string>

namespace vornic {

/// The colours and place of a painted label, as form text writes them; the
/// place in the main window's client area.
struct PaintedLabel {
  std::string name;  // the control's variable, named in the comment
  std::string left;
  std::string top;
  std::string caption;       // a string literal
  std::string color;         // Color, empty for the button face
  std::string font_color;    // Font.Color, empty for the button text
  bool wide = false;         // the caption goes to TextOutW
  bool form_colors = false;  // colours as the form gives them, not the exact table
};

/// The lines that paint `label`; without a font of its own (`font` empty)
/// the label keeps the device context's font, and the two OldFont lines go.
std::string PaintedLabelText(const PaintedLabel& label, const std::string& font);

}  // namespace vornic
