// Form colours (a name such as clNavy or clBtnFace, or a number as form text
// writes it) as the extended program shows them: fixed colours as RGB
// values, system colours as the running system has them.
#pragma once

#include <cstdint>
#include <string>

namespace vornic {

/// A fixed colour at translation time, as red, green and blue.
struct ColorRgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

/// The Pascal expression of `value`: "RGB(r,g,b)" for a fixed colour,
/// "GetSysColor(COLOR_...)" for a system colour; empty for clNone, clDefault
/// and anything else that is no colour, which then keeps the control's own.
/// Nothing of `value` is copied: the expression is built from a table or
/// from the number's bytes.
std::string ColorExpression(const std::string& value);

/// The expression of `value`, or of `fallback` (a colour name) when `value`
/// is no colour.
std::string ColorExpressionOr(const std::string& value, const std::string& fallback);

/// `value` at translation time, a system colour as the system's default
/// scheme has it; false when it is no colour.
bool ColorAtDesign(const std::string& value, ColorRgb* out);

}  // namespace vornic
