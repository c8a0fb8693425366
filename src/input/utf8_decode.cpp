// A strict UTF-8 decoder with replacement characters.
#include "input/utf8_decode.h"

#include <cstdint>

namespace vornic {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct LeadInfo {
  int trail_count;    // continuation bytes that follow; -1 for a bad lead
  uint8_t low, high;  // allowed range of the first continuation byte
  uint32_t bits;      // payload bits of the lead byte
};

LeadInfo InfoOf(uint8_t lead) {
  if (lead < 0x80) return {0, 0, 0, lead};
  if (lead >= 0xC2 && lead <= 0xDF) return {1, 0x80, 0xBF, lead & 0x1Fu};
  // The narrowed ranges exclude overlong forms, surrogates and codes past U+10FFFF.
  if (lead == 0xE0) return {2, 0xA0, 0xBF, lead & 0x0Fu};
  if (lead == 0xED) return {2, 0x80, 0x9F, lead & 0x0Fu};
  if (lead >= 0xE1 && lead <= 0xEF) return {2, 0x80, 0xBF, lead & 0x0Fu};
  if (lead == 0xF0) return {3, 0x90, 0xBF, lead & 0x07u};
  if (lead == 0xF4) return {3, 0x80, 0x8F, lead & 0x07u};
  if (lead >= 0xF1 && lead <= 0xF3) return {3, 0x80, 0xBF, lead & 0x07u};
  return {-1, 0, 0, 0};
}

void AppendCode(std::u16string& out, uint32_t code) {
  if (code < 0x10000) {
    out += static_cast<char16_t>(code);
    return;
  }
  code -= 0x10000;
  out += static_cast<char16_t>(0xD800 | code >> 10);
  out += static_cast<char16_t>(0xDC00 | (code & 0x3FF));
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    LeadInfo info = InfoOf(static_cast<uint8_t>(bytes[i++]));
    if (info.trail_count < 0) {
      out += kReplacement;
      continue;
    }
    uint32_t code = info.bits;
    int taken = 0;
    for (; taken < info.trail_count && i < bytes.size(); ++taken) {
      uint8_t byte = static_cast<uint8_t>(bytes[i]);
      uint8_t low = taken == 0 ? info.low : 0x80;
      uint8_t high = taken == 0 ? info.high : 0xBF;
      if (byte < low || byte > high) break;
      code = code << 6 | (byte & 0x3Fu);
      ++i;
    }
    // A sequence cut short ends here; the byte that cut it starts anew.
    if (taken < info.trail_count) {
      out += kReplacement;
    } else {
      AppendCode(out, code);
    }
  }
  return out;
}

bool IsUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const LeadInfo info = InfoOf(static_cast<uint8_t>(bytes[i++]));
    if (info.trail_count < 0 || bytes.size() - i < static_cast<size_t>(info.trail_count)) {
      return false;
    }
    for (int taken = 0; taken < info.trail_count; ++taken, ++i) {
      const uint8_t byte = static_cast<uint8_t>(bytes[i]);
      if (byte < (taken == 0 ? info.low : 0x80) || byte > (taken == 0 ? info.high : 0xBF)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace vornic
