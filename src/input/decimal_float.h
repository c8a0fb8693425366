// Exact conversion of decimal float text to the 10-byte extended format
// (nearest value, ties to even), and narrowing of that value to the 8-byte
// and 4-byte floats and to a 64-bit currency integer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vornic {

/// A value that the 10-byte extended format holds exactly:
/// (-1)^negative * mantissa * 2^exponent. A non-zero mantissa has bit 63 set
/// unless the value is denormal (exponent at its lowest, -16445).
struct ExtendedValue {
  bool negative = false;
  uint64_t mantissa = 0;
  int exponent = 0;
};

/// Converts "-digits.digits e-digits" (an optional "-", digits with an optional
/// "." among them, at least one digit before an optional exponent of at least
/// one digit) to the nearest extended value, and "INF" with an optional "-" to
/// an infinity. Empty when the text is malformed or the value lies beyond the
/// extended range; tiny values become 0.
std::optional<ExtendedValue> ParseExtended(std::string_view text);

/// The ten little-endian bytes: the 64-bit mantissa, then sign and exponent.
std::array<uint8_t, 10> ExtendedBytes(const ExtendedValue& value);

/// The IEEE double nearest to the value (ties to even); infinite on overflow,
/// except that the largest double as form text writes it (15 digits, rounded
/// up) gives the largest double again.
uint64_t DoubleBits(const ExtendedValue& value);

/// The IEEE single nearest to the value (ties to even); infinite on overflow,
/// with the same exception as DoubleBits.
uint32_t SingleBits(const ExtendedValue& value);

/// The value rounded to an integer (ties to even); empty outside int64,
/// except that an int64 limit as form text writes it (15 digits, rounded away
/// from zero) gives that limit again.
std::optional<int64_t> RoundToInt64(const ExtendedValue& value);

}  // namespace vornic
