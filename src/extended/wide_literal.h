// Texts written into the program as wide literals, and the characters of a
// string value as form text writes it ('Save'#13'it'#$4E2D).
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// The characters of `bytes`: UTF-8 where the bytes are well-formed UTF-8,
/// else one character per byte (Latin-1).
std::u16string TextChars(std::string_view bytes);

/// The characters of a string value as form text writes it: quoted pieces
/// (a doubled quote stands for one), "#" and a decimal or "$" hexadecimal
/// character code, joined directly or by "+" across lines. Whatever else the
/// value holds is skipped.
std::u16string FormStringChars(std::string_view value);

/// A Pascal literal of `text` for a wide-text call: printable ASCII in
/// quotes, every other character as "#" and its decimal code (#13, #20013);
/// "''" for the empty text.
std::string WideLiteral(std::u16string_view text);

}  // namespace vornic
