// Integers read from the form and written back into the program.
#include "extended/control_values.h"

#include "lib/text.h"

namespace vornic {

int32_t IntegerOr(const std::string& text, int32_t fallback) {
  return text.empty() ? fallback : TextToInt(text);
}

std::string IntegerText(int64_t value) {
  return std::to_string(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

std::string StyleIf(bool on, const std::string& style) { return on ? " or " + style : ""; }

}  // namespace vornic
