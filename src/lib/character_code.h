// A character code of form text and Pascal: "#" and decimal digits, or "#$"
// and hexadecimal digits, as in 'a'#13#10 or #$4E2D.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vornic {

/// What stands behind one "#".
struct CharacterCode {
  size_t end = 0;     // the index behind its last digit
  uint32_t code = 0;  // the value, held at kCodeTooLarge once it exceeds that
  bool has_digits = false;
};

/// Larger than any code a character can have; a larger value stays at it.
inline constexpr uint32_t kCodeTooLarge = 0x110000;

/// Reads the code whose "#" stands at `at` (text[at] == '#').
CharacterCode ReadCharacterCode(std::string_view text, size_t at);

/// The value of a hexadecimal digit, -1 for another character.
int HexDigitOf(char c);

}  // namespace vornic
