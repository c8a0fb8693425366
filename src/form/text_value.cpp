// Text values read piece by piece: the bytes of quoted runs that follow one
// another are decoded together, so that a character of several bytes is not
// cut where a run ends.
#include "form/text_value.h"

#include "input/code_page_decode.h"
#include "input/utf8_decode.h"
#include "lib/character_code.h"

namespace vornic {

namespace {

constexpr char kQuote = '\'';

// Calls `bytes` with the bytes of each quoted run and `code` with each
// #code, in order.
template <typename Bytes, typename Code>
void ForEachPiece(std::string_view value, Bytes bytes, Code code) {
  size_t p = 0;
  while (p < value.size()) {
    if (value[p] == '#') {
      const CharacterCode read = ReadCharacterCode(value, p);
      code(read.code);
      p = read.end;
    } else if (value[p] == kQuote) {
      std::string run;
      for (++p; p < value.size(); ++p) {
        if (value[p] != kQuote) {
          run += value[p];
        } else if (p + 1 < value.size() && value[p + 1] == kQuote) {
          run += kQuote;
          ++p;
        } else {
          ++p;
          break;
        }
      }
      bytes(run);
    } else {
      ++p;  // a blank or "+" between pieces stands for no character
    }
  }
}

bool IsAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) > 127) return false;
  }
  return true;
}

char HexDigit(unsigned value) { return "0123456789ABCDEF"[value & 15]; }

}  // namespace

bool IsTextValue(std::string_view value) {
  return !value.empty() && (value[0] == kQuote || value[0] == '#');
}

std::u16string DecodeTextValue(std::string_view value, int code_page) {
  std::u16string text;
  std::string pending;  // bytes of the runs since the last code
  const auto flush = [&] {
    if (IsAscii(pending)) {
      text.append(pending.begin(), pending.end());
    } else {
      text += DecodeCodePage(pending, code_page);
    }
    pending.clear();
  };
  ForEachPiece(
      value, [&](const std::string& run) { pending += run; },
      [&](uint32_t code) {
        flush();
        // Form text writes code units; a code past them keeps its low 16 bits,
        // as the conversion into a binary form does.
        text += static_cast<char16_t>(code & 0xFFFF);
      });
  flush();
  return text;
}

bool RunsAreUtf8(std::string_view value) {
  std::string bytes;
  ForEachPiece(
      value, [&](const std::string& run) { bytes += run; }, [&](uint32_t) { bytes += ' '; });
  return IsUtf8(bytes);
}

std::string WideLiteral(std::u16string_view text) {
  if (text.empty()) return "''";
  std::string literal;
  bool quoted = false;
  for (char16_t unit : text) {
    const bool plain = unit >= 32 && unit < 127;
    if (plain != quoted) {
      literal += kQuote;
      quoted = plain;
    }
    if (!plain) {
      literal += "#$";
      for (int shift = 12; shift >= 0; shift -= 4) literal += HexDigit(unit >> shift);
    } else {
      literal += static_cast<char>(unit);
      if (unit == kQuote) literal += kQuote;
    }
  }
  if (quoted) literal += kQuote;
  return literal;
}

}  // namespace vornic
