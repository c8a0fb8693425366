// The characters of a string value as form text writes it
// ('Save'#13'it'#$4E2D); form/text_value.h writes them back as a literal.
#pragma once

#include <string>
#include <string_view>

#include "form/text_value.h"

namespace vornic {

/// The characters of `bytes`: UTF-8 where the bytes are well-formed UTF-8,
/// else one character per byte (Latin-1).
std::u16string TextChars(std::string_view bytes);

/// The characters of a string value as form text writes it: quoted pieces
/// (a doubled quote stands for one), "#" and a decimal or "$" hexadecimal
/// character code, joined directly or by "+" across lines. Whatever else the
/// value holds is skipped.
std::u16string FormStringChars(std::string_view value);

}  // namespace vornic
