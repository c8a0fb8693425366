// Small text helpers shared by the parser, the builder and the generators.
// Texts are byte strings; positions count from 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vornic {

/// At most `count` characters of `text` from position `start` on; stops early
/// at the end of the text or at a NUL character.
std::string CopyText(const std::string& text, int start, int count);
/// The first position at which `sub` occurs in `text`, 0 when it does not.
int FindText(const std::string& text, const std::string& sub);
/// `text` written `count` times; empty for a count of 0 or less.
std::string RepeatText(const std::string& text, int count);
/// `count` blanks; empty for a count of 0 or less.
std::string Spaces(int count);
/// `text` without every character equal to `ch` (a one-character text).
std::string RemoveChar(const std::string& text, const std::string& ch);
/// The last character of `text`; '\0' for the empty text.
char LastChar(const std::string& text);
/// `text` without its last character; the empty text stays empty.
std::string DropLastChar(const std::string& text);
/// `text` with the letters a to z made capitals; other bytes unchanged.
std::string UpperText(const std::string& text);
/// True when `text` is empty or holds only blanks.
bool IsBlankText(std::string_view text);
/// The characters of `text` before its first full stop (all of it without one).
std::string TextBeforeFullStop(const std::string& text);

/// Converts an optional "-" followed by decimal digits, or by "$" and
/// hexadecimal digits, within the signed 32-bit range; anything else throws
/// EConvertError "'<text>' is not a valid integer value".
int32_t TextToInt(const std::string& text);
/// True when TextToInt would accept `text`.
bool IsIntegerText(const std::string& text);

}  // namespace vornic
