// Translations of form-text identifiers (colours, pen and brush styles) into
// the expressions and constants the generated Win32 program uses.
#pragma once

#include <string>

namespace vornic {

/// An RGB(...) expression; unknown names, numbers included, give RGB(0,0,0).
std::string TranslateColor(const std::string& name);
/// A PS_ constant; unknown styles give PS_SOLID.
std::string TranslatePenStyle(const std::string& name);
/// An HS_ hatch constant; anything but the six hatch styles gives HS_HORIZONTAL.
std::string TranslateBrushStyle(const std::string& name);

}  // namespace vornic
