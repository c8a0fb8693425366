// Leading decimal digits through one exact scaling by a power of ten:
// D = floor(m * 2^k / 10^q) with q chosen so that D has 16 to 19 digits.
#include "input/decimal_digits.h"

#include <bit>
#include <cassert>
#include <cmath>
#include <vector>

namespace vornic {
namespace {

using Words = std::vector<uint32_t>;  // unsigned big number, low word first

constexpr double kLog10Of2 = 0.30102999566398119521;
// 10^16 <= D < 2 * 10^18 when the magnitude estimate is right; one off
// either way still gives 16 digits and fits into 64 bits.
constexpr int kQuotientDigits = 16;

void Trim(Words& words) {
  while (!words.empty() && words.back() == 0) words.pop_back();
}

Words FromUInt64(uint64_t value) {
  Words words{static_cast<uint32_t>(value), static_cast<uint32_t>(value >> 32)};
  Trim(words);
  return words;
}

uint64_t ToUInt64(const Words& words) {
  assert(words.size() <= 2);
  uint64_t value = 0;
  for (size_t i = words.size(); i-- > 0;) value = value << 32 | words[i];
  return value;
}

int BitLength(const Words& words) {
  if (words.empty()) return 0;
  return static_cast<int>(32 * (words.size() - 1)) + std::bit_width(words.back());
}

void MultiplySmall(Words& words, uint32_t factor) {
  uint64_t carry = 0;
  for (uint32_t& word : words) {
    uint64_t product = static_cast<uint64_t>(word) * factor + carry;
    word = static_cast<uint32_t>(product);
    carry = product >> 32;
  }
  if (carry > 0) words.push_back(static_cast<uint32_t>(carry));
}

void MultiplyByPowerOf5(Words& words, int count) {
  constexpr int kStep = 13;  // 5^13 is the largest power of 5 below 2^32
  constexpr uint32_t kStepFactor = 1220703125;
  for (; count >= kStep; count -= kStep) MultiplySmall(words, kStepFactor);
  uint32_t rest = 1;
  while (count-- > 0) rest *= 5;
  MultiplySmall(words, rest);
}

void ShiftLeft(Words& words, int bits) {
  if (words.empty() || bits == 0) return;
  const int word_shift = bits / 32;
  const int bit_shift = bits % 32;
  words.push_back(0);
  if (bit_shift > 0) {
    for (size_t i = words.size() - 1; i > 0; --i) {
      words[i] = words[i] << bit_shift | words[i - 1] >> (32 - bit_shift);
    }
    words[0] <<= bit_shift;
  }
  words.insert(words.begin(), static_cast<size_t>(word_shift), 0);
  Trim(words);
}

void ShiftRight(Words& words, int bits) {
  const size_t word_shift = static_cast<size_t>(bits / 32);
  const int bit_shift = bits % 32;
  if (word_shift >= words.size()) {
    words.clear();
    return;
  }
  words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(word_shift));
  if (bit_shift > 0) {
    for (size_t i = 0; i + 1 < words.size(); ++i) {
      words[i] = words[i] >> bit_shift | words[i + 1] << (32 - bit_shift);
    }
    words.back() >>= bit_shift;
  }
  Trim(words);
}

// Both trimmed.
bool LessThan(const Words& a, const Words& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  for (size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i];
  }
  return false;
}

// REQUIRES: a >= b.
void Subtract(Words& a, const Words& b) {
  int64_t borrow = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    int64_t difference = static_cast<int64_t>(a[i]) - borrow - (i < b.size() ? b[i] : 0);
    borrow = difference < 0 ? 1 : 0;
    a[i] = static_cast<uint32_t>(difference + (borrow << 32));
  }
  Trim(a);
}

// Shift-and-subtract division; the quotient is known to fit into 64 bits.
uint64_t Divide(Words numerator, const Words& divisor) {
  int shift = BitLength(numerator) - BitLength(divisor);
  if (shift < 0) return 0;
  assert(shift < 64);
  Words shifted = divisor;
  ShiftLeft(shifted, shift);
  uint64_t quotient = 0;
  for (; shift >= 0; --shift) {
    quotient <<= 1;
    if (!LessThan(numerator, shifted)) {
      Subtract(numerator, shifted);
      quotient |= 1;
    }
    ShiftRight(shifted, 1);
  }
  return quotient;
}

// floor(m * 2^k / 10^q), exactly.
uint64_t ScaledQuotient(uint64_t mantissa, int binary_exponent, int q) {
  Words value = FromUInt64(mantissa);
  if (q <= 0) {
    // m * 2^k * 10^p = m * 5^p * 2^(k + p)
    const int p = -q;
    MultiplyByPowerOf5(value, p);
    if (binary_exponent + p >= 0) {
      ShiftLeft(value, binary_exponent + p);
    } else {
      ShiftRight(value, -(binary_exponent + p));
    }
    return ToUInt64(value);
  }
  // m * 2^k / (5^q * 2^q): the powers of two go to whichever side keeps integers.
  Words divisor{1};
  MultiplyByPowerOf5(divisor, q);
  const int two_shift = binary_exponent - q;
  if (two_shift >= 0) {
    ShiftLeft(value, two_shift);
  } else {
    ShiftLeft(divisor, -two_shift);
  }
  return Divide(std::move(value), divisor);
}

}  // namespace

DecimalDigits LeadingDecimalDigits(uint64_t mantissa, int binary_exponent) {
  assert(mantissa > 0);
  // 2^(b-1) <= value < 2^b, so the value has about (b-1)*log10(2) + 1 integer digits.
  const int b = std::bit_width(mantissa) + binary_exponent;
  const int magnitude = static_cast<int>(std::floor((b - 1) * kLog10Of2));
  const int q = magnitude - kQuotientDigits;
  DecimalDigits result;
  result.digits = std::to_string(ScaledQuotient(mantissa, binary_exponent, q));
  result.exponent = static_cast<int>(result.digits.size()) + q;
  return result;
}

}  // namespace vornic
