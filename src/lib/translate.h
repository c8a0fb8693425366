// Translations of form-text identifiers (colours, pen and brush styles) into
// the expressions and constants the generated Win32 program uses.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// An RGB(...) expression; unknown names, numbers included, give RGB(0,0,0).
std::string TranslateColor(std::string_view name);
/// A PS_ constant; unknown styles give PS_SOLID.
std::string TranslatePenStyle(std::string_view name);
/// An HS_ hatch constant; anything but the six hatch styles gives HS_HORIZONTAL.
std::string TranslateBrushStyle(std::string_view name);

}  // namespace vornic
