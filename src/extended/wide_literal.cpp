// Decoding form strings into characters and writing them as wide literals.
#include "extended/wide_literal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vornic {

namespace {

// The code point of the UTF-8 sequence at `at`, moving `at` past it; none
// for a byte that starts no well-formed sequence.
std::optional<char32_t> NextUtf8(std::string_view bytes, size_t& at) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
  const uint8_t lead = byte(at);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  size_t length = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (at + length > bytes.size()) return std::nullopt;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  // Overlong forms, surrogates and codes past the last plane are no UTF-8.
  static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
    return std::nullopt;
  }
  at += length;
  return code;
}

void AppendCode(std::u16string& text, char32_t code) {
  if (code < 0x10000) {
    text += static_cast<char16_t>(code);
    return;
  }
  code -= 0x10000;
  text += static_cast<char16_t>(0xD800 + (code >> 10));
  text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

bool IsDigit(char c, bool hex) {
  return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

// The character code after a "#" at `at`, moving `at` past its digits;
// codes beyond 16 bits are left out.
std::optional<char16_t> NextCode(std::string_view value, size_t& at) {
  const bool hex = at < value.size() && value[at] == '$';
  if (hex) ++at;
  uint32_t code = 0;
  bool any = false;
  for (; at < value.size() && IsDigit(value[at], hex); ++at) {
    const char c = value[at];
    const uint32_t digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    code = code * (hex ? 16 : 10) + digit;
    if (code > 0xFFFF) code = 0x10000;
    any = true;
  }
  if (!any || code > 0xFFFF) return std::nullopt;
  return static_cast<char16_t>(code);
}

}  // namespace

std::u16string TextChars(std::string_view bytes) {
  std::u16string text;
  size_t at = 0;
  bool utf8 = true;
  while (at < bytes.size() && utf8) {
    const std::optional<char32_t> code = NextUtf8(bytes, at);
    if (code) AppendCode(text, *code);
    utf8 = code.has_value();
  }
  if (utf8) return text;
  text.clear();
  for (const char c : bytes) text += static_cast<char16_t>(static_cast<uint8_t>(c));
  return text;
}

std::u16string FormStringChars(std::string_view value) {
  std::u16string text;
  size_t at = 0;
  while (at < value.size()) {
    if (value[at] == '#') {
      ++at;
      if (const std::optional<char16_t> code = NextCode(value, at)) text += *code;
    } else if (value[at] == '\'') {
      std::string quoted;
      for (++at; at < value.size(); ++at) {
        if (value[at] != '\'') {
          quoted += value[at];
        } else if (at + 1 < value.size() && value[at + 1] == '\'') {
          quoted += '\'';
          ++at;
        } else {
          break;
        }
      }
      ++at;
      text += TextChars(quoted);
    } else {
      ++at;
    }
  }
  return text;
}

}  // namespace vornic
