// UTF-8 is checked as RFC 3629 defines it: no overlong forms, no surrogates,
// nothing above U+10FFFF. A byte that starts no well-formed sequence is
// escaped alone and the next byte is looked at afresh.
#include "lib/printable_text.h"

#include <string>
#include <string_view>

namespace vornic {
namespace {

bool IsContinuation(unsigned char c) { return c >= 0x80 && c <= 0xBF; }

// The length of the well-formed sequence at the start of `text`, 0 when
// there is none. The second byte's range excludes what the lead byte alone
// cannot rule out: overlong forms, surrogates and codes above U+10FFFF.
size_t SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 0 || text.size() < length) return 0;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second < low || second > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 0;
  }
  return length;
}

void AppendEscaped(std::string& out, unsigned char c) {
  constexpr char kDigits[] = "0123456789abcdef";
  out += "\\x";
  out += kDigits[c >> 4];
  out += kDigits[c & 15];
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t next = 0;
  while (next < text.size()) {
    const auto c = static_cast<unsigned char>(text[next]);
    if (c < 0x80) {
      if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7F) {
        AppendEscaped(out, c);
      } else {
        out += static_cast<char>(c);
      }
      ++next;
      continue;
    }
    const size_t length = SequenceLength(text.substr(next));
    // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F.
    const bool c1_control =
        length == 2 && c == 0xC2 && static_cast<unsigned char>(text[next + 1]) < 0xA0;
    if (length == 0 || c1_control) {
      const size_t count = length == 0 ? 1 : length;
      for (size_t i = 0; i < count; ++i)
        AppendEscaped(out, static_cast<unsigned char>(text[next + i]));
      next += count;
    } else {
      out.append(text.substr(next, length));
      next += length;
    }
  }
  return out;
}

}  // namespace vornic
