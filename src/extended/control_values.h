// Form values that generators compute with instead of copying them: integers
// with the designer's defaults, and results written back as decimal text.
#pragma once

#include <cstdint>
#include <string>

namespace vornic {

/// The integer `text` stands for, `fallback` when the form leaves it out.
/// Throws EConvertError for any other text; the value checks refuse such a
/// text at its own line first.
int32_t IntegerOr(const std::string& text, int32_t fallback);

/// `value` cut to 32 bits as decimal text: a computed position wraps like
/// every sum of positions in the program, so huge values stay defined.
std::string IntegerText(int64_t value);

/// " or " + `style` when `on`, else nothing: one optional window style.
std::string StyleIf(bool on, const std::string& style);

}  // namespace vornic
