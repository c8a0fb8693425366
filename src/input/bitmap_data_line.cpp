// Hexadecimal digits are recognised sixteen at a time where the processor has
// the instructions for it, as a table lookup per byte elsewhere: a 4.5 MB
// form with bitmaps holds more than 130,000 such lines.
#include "input/bitmap_data_line.h"

#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vornic {
namespace {

constexpr std::array<bool, 256> HexDigitTable() {
  std::array<bool, 256> table{};
  for (int c = '0'; c <= '9'; ++c) table[static_cast<size_t>(c)] = true;
  for (int c = 'A'; c <= 'F'; ++c)
    table[static_cast<size_t>(c)] = table[static_cast<size_t>(c + 32)] = true;
  return table;
}

constexpr std::array<bool, 256> kHexDigit = HexDigitTable();

bool IsHexDigit(char c) { return kHexDigit[static_cast<unsigned char>(c)]; }

// The number of hexadecimal digits at the front of [p, end).
size_t HexDigitsAt(const char* p, const char* end) {
  const char* const begin = p;
#if defined(__SSE2__)
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    // An unsigned byte x is within [low, low + span] when x - low is at most
    // span, that is when the minimum of the two is x - low.
    const __m128i digit = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const __m128i is_digit = _mm_cmpeq_epi8(_mm_min_epu8(digit, _mm_set1_epi8(9)), digit);
    const __m128i letter =
        _mm_sub_epi8(_mm_or_si128(bytes, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
    const __m128i is_letter = _mm_cmpeq_epi8(_mm_min_epu8(letter, _mm_set1_epi8(5)), letter);
    const auto others =
        static_cast<uint32_t>(~_mm_movemask_epi8(_mm_or_si128(is_digit, is_letter))) & 0xFFFF;
    if (others != 0)
      return static_cast<size_t>(p - begin) + static_cast<size_t>(__builtin_ctz(others));
  }
#endif
  while (p < end && IsHexDigit(*p)) ++p;
  return static_cast<size_t>(p - begin);
}

}  // namespace

bool IsBitmapDataWord(std::string_view word) {
  const size_t digits = !word.empty() && word.back() == '}' ? word.size() - 1 : word.size();
  return HexDigitsAt(word.data(), word.data() + digits) == digits;
}

size_t BitmapDataLineAt(std::string_view text, std::string_view& word) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  while (p < end && *p == ' ') ++p;
  const char* const word_start = p;
  p += HexDigitsAt(p, end);
  if (p < end && *p == '}') ++p;
  const char* const word_end = p;
  if (word_end == word_start) return 0;
  if (p < end && *p == '\r') ++p;
  if (p == end || *p != '\n') return 0;
  word = std::string_view(word_start, static_cast<size_t>(word_end - word_start));
  return static_cast<size_t>(p + 1 - begin);
}

}  // namespace vornic
