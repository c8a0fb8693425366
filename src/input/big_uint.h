// A small unsigned big integer, just enough for exact decimal to binary float
// conversion: build from decimal digits, scale by powers of ten and two,
// compare, subtract and read single bits.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vornic {

/// Non-negative integer of any size, stored as little-endian 32-bit limbs.
/// Invariant: limbs_ has no zero limb at its end, so zero is an empty vector.
class BigUint {
 public:
  BigUint() = default;
  explicit BigUint(uint64_t value);

  /// The value of a run of decimal digits ('0' to '9' only).
  static BigUint FromDecimal(std::string_view digits);
  /// 10 to the power exponent (exponent >= 0).
  static BigUint PowerOfTen(int exponent);

  bool IsZero() const { return limbs_.empty(); }
  /// Number of significant bits; 0 for zero.
  int BitLength() const;
  /// Bit `index` (0 = least significant).
  bool Bit(int index) const;
  /// True when any bit below `index` is set.
  bool AnyBitBelow(int index) const;
  /// The bits from `index` upwards, at most 64 of them.
  uint64_t BitsFrom(int index) const;

  void MultiplySmall(uint32_t factor);
  void AddSmall(uint32_t addend);
  void ShiftLeft(int bits);
  void ShiftRightOne();
  /// REQUIRES: *this >= other.
  void Subtract(const BigUint& other);

  friend int Compare(const BigUint& a, const BigUint& b);

 private:
  void Trim();

  std::vector<uint32_t> limbs_;
};

/// Negative, zero or positive as a is less than, equal to or greater than b.
int Compare(const BigUint& a, const BigUint& b);

}  // namespace vornic
