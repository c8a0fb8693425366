// Binary floating-point values as read from a form file (10-byte extended,
// 4-byte single, 8-byte double, 64-bit integer) and their form text with 15
// significant digits.
#pragma once

#include <cstdint>
#include <string>

namespace vornic {

/// A decoded float: for finite values, value = ±mantissa * 2^exponent.
struct BinaryFloat {
  enum class Kind { kFinite, kInfinite, kNaN };
  Kind kind = Kind::kFinite;
  bool negative = false;
  uint64_t mantissa = 0;
  int exponent = 0;
};

/// The 10 bytes of an extended float as stored: 64-bit mantissa with its
/// explicit integer bit, then sign and 15-bit exponent, little-endian.
BinaryFloat DecodeExtended(const unsigned char* bytes);
BinaryFloat DecodeSingle(uint32_t bits);
BinaryFloat DecodeDouble(uint64_t bits);
BinaryFloat FromInteger(int64_t value);

/// The value rounded to 15 significant digits (ties away from zero) with "."
/// as separator: fixed notation for decimal exponents -3 to 15, scientific
/// otherwise; "0" for either zero, "INF", "-INF" and "NAN".
std::string FloatText(const BinaryFloat& value);

}  // namespace vornic
