// Text values of form text ('Caf'#233, #$4E2D'x') as the characters they
// stand for, and those characters as a wide string literal of the program.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// True when `value` is a text: it begins with a quoted run or a #code.
bool IsTextValue(std::string_view value);

/// The UTF-16 code units `value` stands for: #codes (decimal or "#$" and
/// hexadecimal) as they are, the bytes of quoted runs decoded in
/// `code_page` (a doubled quote is one quote). Whatever stands between
/// the pieces is skipped.
std::u16string DecodeTextValue(std::string_view value, int code_page);

/// True when the bytes of the quoted runs of `value` are well-formed UTF-8
/// (as they are when they hold no byte above 127).
bool RunsAreUtf8(std::string_view value);

/// `text` as a Pascal literal holding exactly its characters: printable
/// ASCII in quoted runs, every other code unit as "#$" and four
/// hexadecimal digits (a character above U+FFFF as its surrogate pair);
/// '' for no text.
std::string WideLiteral(std::u16string_view text);

}  // namespace vornic
