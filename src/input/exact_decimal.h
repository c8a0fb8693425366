// The exact decimal digits of a binary floating-point value m * 2^k, computed
// with a small big-number in base 10^9 so no digit depends on the platform.
#pragma once

#include <cstdint>
#include <string>

namespace vornic {

/// Exact decimal form of a positive value: value = 0.digits * 10^exponent.
struct ExactDecimal {
  std::string digits;  // no leading or trailing zeros
  int exponent = 0;
};

/// REQUIRES: mantissa > 0. Handles every exponent of the 10-byte extended
/// format (about -16500 to 16400); the cost grows with |binary_exponent|.
ExactDecimal ExactDecimalOf(uint64_t mantissa, int binary_exponent);

}  // namespace vornic
