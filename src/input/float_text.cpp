// Decoding of the stored float formats and the float text of form text.
#include "input/float_text.h"

#include "input/decimal_digits.h"

namespace vornic {
namespace {

constexpr size_t kSignificantDigits = 15;
// Decimal exponents (value = 0.ddd * 10^E) written in fixed notation.
constexpr int kFixedLowest = -3;
constexpr int kFixedHighest = 15;

BinaryFloat Special(bool negative, bool is_nan) {
  BinaryFloat value;
  value.kind = is_nan ? BinaryFloat::Kind::kNaN : BinaryFloat::Kind::kInfinite;
  value.negative = negative;
  return value;
}

BinaryFloat Finite(bool negative, uint64_t mantissa, int exponent) {
  BinaryFloat value;
  value.negative = negative;
  value.mantissa = mantissa;
  value.exponent = exponent;
  return value;
}

// Keeps 15 digits; a tie goes away from zero, so the 16th digit alone
// decides and the digits behind it need not be known.
void RoundToSignificant(DecimalDigits& decimal) {
  std::string& digits = decimal.digits;
  if (digits.size() <= kSignificantDigits) return;
  bool round_up = digits[kSignificantDigits] >= '5';
  digits.resize(kSignificantDigits);
  if (!round_up) return;
  size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
  if (i == 0) {
    digits.insert(digits.begin(), '1');
    ++decimal.exponent;
  } else {
    ++digits[i - 1];
  }
}

std::string FixedText(const DecimalDigits& decimal) {
  const std::string& digits = decimal.digits;
  std::string text;
  if (decimal.exponent <= 0) {
    text.append("0.").append(static_cast<size_t>(-decimal.exponent), '0').append(digits);
    return text;
  }
  size_t integer_digits = static_cast<size_t>(decimal.exponent);
  if (digits.size() <= integer_digits) {
    text.append(digits).append(integer_digits - digits.size(), '0');
    return text;
  }
  text.append(digits, 0, integer_digits).append(".").append(digits, integer_digits);
  return text;
}

std::string ScientificText(const DecimalDigits& decimal) {
  std::string text(1, decimal.digits[0]);
  if (decimal.digits.size() > 1) text.append(".").append(decimal.digits, 1);
  text.append("E").append(std::to_string(decimal.exponent - 1));
  return text;
}

}  // namespace

BinaryFloat DecodeExtended(const unsigned char* bytes) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = mantissa << 8 | bytes[i];
  unsigned sign_exponent = bytes[8] | bytes[9] << 8;
  bool negative = (sign_exponent & 0x8000) != 0;
  int exponent = static_cast<int>(sign_exponent & 0x7FFF);
  if (exponent == 0x7FFF) {
    // The integer bit is ignored, so a pseudo-infinity is infinite too.
    return Special(negative, (mantissa & 0x7FFFFFFFFFFFFFFFull) != 0);
  }
  // Denormals, pseudo-denormals and unnormals all take m * 2^(e - 16446).
  if (exponent == 0) exponent = 1;
  return Finite(negative, mantissa, exponent - 16446);
}

BinaryFloat DecodeSingle(uint32_t bits) {
  bool negative = (bits >> 31) != 0;
  int exponent = static_cast<int>(bits >> 23 & 0xFF);
  uint64_t fraction = bits & 0x7FFFFF;
  if (exponent == 0xFF) return Special(negative, fraction != 0);
  if (exponent == 0) return Finite(negative, fraction, -149);
  return Finite(negative, fraction | 0x800000, exponent - 150);
}

BinaryFloat DecodeDouble(uint64_t bits) {
  bool negative = (bits >> 63) != 0;
  int exponent = static_cast<int>(bits >> 52 & 0x7FF);
  uint64_t fraction = bits & 0xFFFFFFFFFFFFFull;
  if (exponent == 0x7FF) return Special(negative, fraction != 0);
  if (exponent == 0) return Finite(negative, fraction, -1074);
  return Finite(negative, fraction | 1ull << 52, exponent - 1075);
}

BinaryFloat FromInteger(int64_t value) {
  uint64_t magnitude = static_cast<uint64_t>(value);
  if (value < 0) magnitude = 0 - magnitude;
  return Finite(value < 0, magnitude, 0);
}

std::string FloatText(const BinaryFloat& value) {
  if (value.kind == BinaryFloat::Kind::kNaN) return "NAN";
  if (value.kind == BinaryFloat::Kind::kInfinite) {
    return value.negative ? "-INF" : "INF";
  }
  if (value.mantissa == 0) return "0";
  DecimalDigits decimal = LeadingDecimalDigits(value.mantissa, value.exponent);
  RoundToSignificant(decimal);
  decimal.digits.resize(decimal.digits.find_last_not_of('0') + 1);
  std::string text = value.negative ? "-" : "";
  if (decimal.exponent >= kFixedLowest && decimal.exponent <= kFixedHighest) {
    text.append(FixedText(decimal));
  } else {
    text.append(ScientificText(decimal));
  }
  return text;
}

}  // namespace vornic
