// Character codes behind "#", decimal or hexadecimal.
#include "lib/character_code.h"

namespace vornic {

int HexDigitOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

CharacterCode ReadCharacterCode(std::string_view text, size_t at) {
  CharacterCode result;
  size_t p = at + 1;
  const bool hex = p < text.size() && text[p] == '$';
  if (hex) ++p;
  const uint32_t base = hex ? 16 : 10;
  const size_t digits = p;
  for (; p < text.size(); ++p) {
    const int digit =
        hex ? HexDigitOf(text[p]) : (text[p] >= '0' && text[p] <= '9' ? text[p] - '0' : -1);
    if (digit < 0) break;
    if (result.code < kCodeTooLarge) {
      result.code = result.code * base + static_cast<uint32_t>(digit);
      if (result.code > kCodeTooLarge) result.code = kCodeTooLarge;
    }
  }
  result.end = p;
  result.has_digits = p > digits;
  return result;
}

}  // namespace vornic
