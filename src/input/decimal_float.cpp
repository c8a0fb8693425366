// Decimal text is turned into an exact big integer (times a power of two),
// and every rounding step goes through one function, so extended, double,
// single and currency all round to nearest with ties to even the same way.
#include "input/decimal_float.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <string>

#include "input/big_uint.h"

namespace vornic {
namespace {

// A binary floating-point format: `precision` mantissa bits (the integer bit
// included), the exponent bias and the largest biased exponent of a finite value.
struct BinaryFormat {
  int precision;
  int exponent_bits;
  int bias;
  int max_biased;
  // The largest finite value as form text writes it (15 digits), which may
  // lie a little above that value.
  const char* written_max;
  // Exponent of the lowest mantissa bit of the smallest denormal.
  int MinExponent() const { return 1 - bias - (precision - 1); }
};

constexpr BinaryFormat kExtended = {64, 15, 16383, 32766, "1.18973149535723E4932"};
constexpr BinaryFormat kDouble = {53, 11, 1023, 2046, "1.79769313486232E308"};
constexpr BinaryFormat kSingle = {24, 8, 127, 254, "3.40282346638529E38"};

// The int64 limits as form text writes them: 9223372036854775807 rounded to
// 15 digits lies above the limit.
constexpr char kWrittenInt64Limit[] = "9.22337203685478E18";

// An infinity in the extended layout: the top biased exponent, integer bit set.
constexpr int kInfinityExponent = 32767 - 16383 - 63;

constexpr uint32_t kPowersOfTen[10] = {1,      10,      100,      1000,      10000,
                                       100000, 1000000, 10000000, 100000000, 1000000000};

// Bounds in decimal digits that settle overflow and underflow before any
// arithmetic: 10^4933 exceeds the largest extended value, and 10^-4952 lies
// below half of its smallest denormal.
constexpr int64_t kMaxDecimalMagnitude = 4933;
constexpr int64_t kMinDecimalMagnitude = -4952;
// Exponent digits beyond this change nothing but could overflow the sum.
constexpr int64_t kExponentClamp = 1000000000;

// Quotient bits kept when dividing: the 64 bits of the widest format plus a
// rounding bit and one to spare; the remainder supplies the sticky bit.
constexpr int kQuotientBits = 67;

struct DecimalText {
  bool negative = false;
  std::string digits;    // significant digits, without leading zeros
  int64_t exponent = 0;  // value = digits * 10^exponent
};

struct Rounded {
  uint64_t mantissa;  // below 2^precision
  int64_t exponent;   // of the lowest mantissa bit
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<DecimalText> ParseDecimalText(std::string_view text) {
  DecimalText result;
  size_t pos = 0;
  if (pos < text.size() && text[pos] == '-') {
    result.negative = true;
    ++pos;
  }
  int64_t fraction_digits = 0;
  int mantissa_digits = 0;
  bool seen_point = false;
  for (; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '.' && !seen_point) {
      seen_point = true;
    } else if (IsDigit(c)) {
      ++mantissa_digits;
      if (seen_point) ++fraction_digits;
      if (c != '0' || !result.digits.empty()) result.digits += c;
    } else {
      break;
    }
  }
  if (mantissa_digits == 0) return std::nullopt;
  int64_t exponent = 0;
  if (pos < text.size()) {
    if (text[pos] != 'e' && text[pos] != 'E') return std::nullopt;
    ++pos;
    bool exponent_negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      exponent_negative = text[pos] == '-';
      ++pos;
    }
    if (pos == text.size()) return std::nullopt;
    for (; pos < text.size(); ++pos) {
      if (!IsDigit(text[pos])) return std::nullopt;
      exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentClamp);
    }
    if (exponent_negative) exponent = -exponent;
  }
  // Trailing zeros only lengthen the arithmetic.
  while (!result.digits.empty() && result.digits.back() == '0') {
    result.digits.pop_back();
    ++exponent;
  }
  result.exponent = exponent - fraction_digits;
  return result;
}

// Rounds (n + f) * 2^exponent, 0 <= f < 1 with `sticky` telling f > 0, to a
// mantissa of at most `precision` bits whose lowest bit is not below
// `min_exponent`; ties go to the even mantissa.
Rounded RoundToPrecision(const BigUint& n, int64_t exponent, bool sticky, int precision,
                         int64_t min_exponent) {
  int length = n.BitLength();
  if (length == 0) return {0, min_exponent};
  int64_t lowest = std::max(exponent + length - precision, min_exponent);
  int64_t drop = lowest - exponent;
  if (drop <= 0) {
    // Exact: every bit of n fits (the callers never pass a fraction here).
    assert(!sticky);
    return {n.BitsFrom(0) << -drop, lowest};
  }
  if (drop > length + 1) return {0, lowest};  // far below half a unit
  int drop_bits = static_cast<int>(drop);
  uint64_t mantissa = n.BitsFrom(drop_bits);
  bool half = n.Bit(drop_bits - 1);
  bool beyond_half = sticky || n.AnyBitBelow(drop_bits - 1);
  if (half && (beyond_half || (mantissa & 1) != 0)) {
    ++mantissa;
    uint64_t limit = precision == 64 ? 0 : uint64_t{1} << precision;
    if (mantissa == limit) {  // carried into a new top bit
      mantissa = uint64_t{1} << (precision - 1);
      ++lowest;
    }
  }
  return {mantissa, lowest};
}

Rounded RoundTo(const BinaryFormat& format, const BigUint& n, int64_t exponent, bool sticky) {
  return RoundToPrecision(n, exponent, sticky, format.precision, format.MinExponent());
}

// Biased exponent of a rounded value (0 for denormals and zero).
int64_t BiasedExponent(const BinaryFormat& format, const Rounded& r) {
  if (r.mantissa >> (format.precision - 1) == 0) return 0;
  return r.exponent + format.precision - 1 + format.bias;
}

// digits * 10^exponent (exponent < 0) as q * 2^-shift plus a sticky remainder.
Rounded DivideAndRound(BigUint numerator, int64_t exponent) {
  BigUint denominator = BigUint::PowerOfTen(static_cast<int>(-exponent));
  int shift = denominator.BitLength() - numerator.BitLength() + kQuotientBits;
  if (shift >= 0) {
    numerator.ShiftLeft(shift);
  } else {
    denominator.ShiftLeft(-shift);
  }
  // Now numerator / denominator lies in [2^(kQuotientBits-1), 2^(kQuotientBits+1)).
  BigUint quotient;
  denominator.ShiftLeft(kQuotientBits + 1);
  for (int bit = kQuotientBits + 1; bit >= 0; --bit) {
    quotient.ShiftLeft(1);
    if (Compare(numerator, denominator) >= 0) {
      numerator.Subtract(denominator);
      quotient.AddSmall(1);
    }
    denominator.ShiftRightOne();
  }
  return RoundTo(kExtended, quotient, -shift, !numerator.IsZero());
}

Rounded DecimalToExtended(const DecimalText& decimal) {
  BigUint n = BigUint::FromDecimal(decimal.digits);
  if (decimal.exponent < 0) return DivideAndRound(std::move(n), decimal.exponent);
  for (int64_t left = decimal.exponent; left > 0; left -= 9) {
    n.MultiplySmall(kPowersOfTen[std::min<int64_t>(left, 9)]);
  }
  return RoundTo(kExtended, n, 0, false);
}

// Moves the top set bit of a non-zero mantissa to bit 63.
ExtendedValue Normalized(ExtendedValue value) {
  const int shift = std::countl_zero(value.mantissa);
  value.mantissa <<= shift;
  value.exponent -= shift;
  return value;
}

// True when |a| == |b|.
bool SameMagnitude(const ExtendedValue& a, const ExtendedValue& b) {
  if (a.mantissa == 0 || b.mantissa == 0) return a.mantissa == b.mantissa;
  const ExtendedValue x = Normalized(a);
  const ExtendedValue y = Normalized(b);
  return x.exponent == y.exponent && x.mantissa == y.mantissa;
}

// The text the tool writes for the largest value of a format lies a little
// above it; read back, it must give that value again, not an overflow.
bool IsWrittenLimit(const ExtendedValue& value, const char* written_limit) {
  std::optional<ExtendedValue> limit = ParseExtended(written_limit);
  return limit && SameMagnitude(value, *limit);
}

// Narrows an extended value into a smaller IEEE format: sign, biased exponent
// and stored fraction packed into the low bits of the result.
uint64_t NarrowBits(const ExtendedValue& value, const BinaryFormat& format) {
  int fraction_bits = format.precision - 1;
  int width = 1 + format.exponent_bits + fraction_bits;
  uint64_t sign = value.negative ? uint64_t{1} << (width - 1) : 0;
  if (value.mantissa == 0) return sign;
  Rounded r = RoundTo(format, BigUint(value.mantissa), value.exponent, false);
  int64_t biased = BiasedExponent(format, r);
  if (biased > format.max_biased) {
    const uint64_t fraction_mask = (uint64_t{1} << fraction_bits) - 1;
    if (IsWrittenLimit(value, format.written_max)) {
      return sign | (uint64_t(format.max_biased) << fraction_bits) | fraction_mask;
    }
    return sign | (uint64_t(format.max_biased + 1) << fraction_bits);
  }
  uint64_t fraction = r.mantissa & ((uint64_t{1} << fraction_bits) - 1);
  return sign | (uint64_t(biased) << fraction_bits) | fraction;
}

}  // namespace

std::optional<ExtendedValue> ParseExtended(std::string_view text) {
  if (text == "INF" || text == "-INF") {
    return ExtendedValue{text[0] == '-', uint64_t{1} << 63, kInfinityExponent};
  }
  std::optional<DecimalText> decimal = ParseDecimalText(text);
  if (!decimal) return std::nullopt;
  ExtendedValue result;
  result.negative = decimal->negative;
  if (decimal->digits.empty()) return result;
  int64_t magnitude = static_cast<int64_t>(decimal->digits.size()) + decimal->exponent;
  if (magnitude - 1 > kMaxDecimalMagnitude) return std::nullopt;
  if (magnitude < kMinDecimalMagnitude) return result;
  Rounded r = DecimalToExtended(*decimal);
  if (BiasedExponent(kExtended, r) > kExtended.max_biased) return std::nullopt;
  result.mantissa = r.mantissa;
  result.exponent = static_cast<int>(r.exponent);
  return result;
}

std::array<uint8_t, 10> ExtendedBytes(const ExtendedValue& value) {
  std::array<uint8_t, 10> bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(value.mantissa >> (8 * i));
  Rounded r = {value.mantissa, value.exponent};
  auto top = static_cast<uint16_t>(value.mantissa == 0 ? 0 : BiasedExponent(kExtended, r));
  if (value.negative) top |= 0x8000;
  bytes[8] = static_cast<uint8_t>(top);
  bytes[9] = static_cast<uint8_t>(top >> 8);
  return bytes;
}

uint64_t DoubleBits(const ExtendedValue& value) { return NarrowBits(value, kDouble); }

uint32_t SingleBits(const ExtendedValue& value) {
  return static_cast<uint32_t>(NarrowBits(value, kSingle));
}

std::optional<int64_t> RoundToInt64(const ExtendedValue& value) {
  if (value.mantissa == 0) return 0;
  // Rounding with the lowest bit held at 2^0 is rounding to an integer.
  Rounded r = RoundToPrecision(BigUint(value.mantissa), value.exponent, false, 64, 0);
  int length = std::bit_width(r.mantissa);
  constexpr uint64_t kLimit = uint64_t{1} << 63;
  uint64_t magnitude = r.exponent + length > 64 ? UINT64_MAX : r.mantissa << r.exponent;
  if (magnitude > kLimit || (magnitude == kLimit && !value.negative)) {
    if (!IsWrittenLimit(value, kWrittenInt64Limit)) return std::nullopt;
    magnitude = value.negative ? kLimit : kLimit - 1;
  }
  return value.negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

}  // namespace vornic
