// Bytes of a Windows code page (1250 ... 1258, 874, 932, 936, 949, 950, or
// 65001 for UTF-8) decoded into UTF-16, through the C library's iconv.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// The code page whose bytes are UTF-8.
inline constexpr int kUtf8CodePage = 65001;

/// Decodes `bytes` of `code_page`. A byte sequence the code page does not
/// define becomes one U+FFFD per byte; a code page the C library does not
/// know is read as 1252.
std::u16string DecodeCodePage(std::string_view bytes, int code_page);

/// True when the C library can decode `code_page`.
bool KnowsCodePage(int code_page);

}  // namespace vornic
