// The exact leading decimal digits of a binary floating-point value m * 2^k,
// computed with a small big-number so no digit depends on the platform.
#pragma once

#include <cstdint>
#include <string>

namespace vornic {

/// The leading digits of a positive value, cut off (not rounded):
/// value = 0.digits... * 10^exponent. There are 16 to 19 digits, enough to
/// round to 15 with a tie rule that looks only at the 16th.
struct DecimalDigits {
  std::string digits;  // no leading zero
  int exponent = 0;
};

/// REQUIRES: mantissa > 0. Every exponent of the 10-byte extended format
/// (about -16500 to 16400) takes well under a millisecond.
DecimalDigits LeadingDecimalDigits(uint64_t mantissa, int binary_exponent);

}  // namespace vornic
