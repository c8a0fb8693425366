// Translations of form-text identifiers (colours, pen and brush styles) into
// the expressions and constants the generated Win32 program uses.
#pragma once

#include <string>

namespace vornic {

/// An RGB(...) expression; unknown names, numbers included, give RGB(0,0,0).
std::string TranslateColor(const std::string& name);
/// The colour a form value names as the program computes it at run time:
/// system colours through GetSysColor, named colours and numbers (decimal or
/// "$" hexadecimal, 0x00BBGGRR) as RGB(...). Anything else, and clNone and
/// clDefault, gives `fallback`. Only digits and the program's own names are
/// written, so the value needs no check.
std::string ColorExpression(const std::string& value, const std::string& fallback);
/// A PS_ constant; unknown styles give PS_SOLID.
std::string TranslatePenStyle(const std::string& name);
/// An HS_ hatch constant; anything but the six hatch styles gives HS_HORIZONTAL.
std::string TranslateBrushStyle(const std::string& name);

}  // namespace vornic
