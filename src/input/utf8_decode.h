// Decoding of UTF-8 bytes into UTF-16 code units for the wide-string text.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// Decodes UTF-8; each maximal ill-formed subsequence (a stray byte, a
/// truncated or overlong sequence, a surrogate, a code above U+10FFFF)
/// becomes one U+FFFD, so no input is lost silently or rejected.
std::u16string Utf8ToUtf16(std::string_view bytes);

/// True when `bytes` are well-formed UTF-8 through to the end.
bool IsUtf8(std::string_view bytes);

}  // namespace vornic
