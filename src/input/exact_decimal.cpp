// Exact binary-to-decimal conversion over base-10^9 limbs.
#include "input/exact_decimal.h"

#include <cassert>
#include <vector>

namespace vornic {
namespace {

constexpr uint32_t kLimbBase = 1000000000;
constexpr int kLimbDigits = 9;
// The largest powers whose product with a limb (below 10^9) and a carry
// still fits into 64 bits.
constexpr int kTwoStep = 30;
constexpr int kFiveStep = 13;

using Limbs = std::vector<uint32_t>;  // least significant limb first

Limbs FromUInt64(uint64_t value) {
  Limbs limbs;
  while (value > 0) {
    limbs.push_back(static_cast<uint32_t>(value % kLimbBase));
    value /= kLimbBase;
  }
  return limbs;
}

void MultiplySmall(Limbs& limbs, uint64_t factor) {
  uint64_t carry = 0;
  for (uint32_t& limb : limbs) {
    uint64_t product = limb * factor + carry;
    limb = static_cast<uint32_t>(product % kLimbBase);
    carry = product / kLimbBase;
  }
  while (carry > 0) {
    limbs.push_back(static_cast<uint32_t>(carry % kLimbBase));
    carry /= kLimbBase;
  }
}

uint64_t Power(uint64_t base, int exponent) {
  uint64_t result = 1;
  while (exponent-- > 0) result *= base;
  return result;
}

// Multiplies by base^count in steps small enough for MultiplySmall.
void MultiplyByPower(Limbs& limbs, uint64_t base, int count, int step) {
  const uint64_t step_factor = Power(base, step);
  for (; count >= step; count -= step) MultiplySmall(limbs, step_factor);
  if (count > 0) MultiplySmall(limbs, Power(base, count));
}

std::string DigitsOf(const Limbs& limbs) {
  std::string digits = std::to_string(limbs.back());
  for (size_t i = limbs.size() - 1; i-- > 0;) {
    std::string limb = std::to_string(limbs[i]);
    digits.append(kLimbDigits - limb.size(), '0');
    digits += limb;
  }
  return digits;
}

}  // namespace

ExactDecimal ExactDecimalOf(uint64_t mantissa, int binary_exponent) {
  assert(mantissa > 0);
  Limbs limbs = FromUInt64(mantissa);
  int shift = 0;  // value = limbs * 10^shift
  if (binary_exponent >= 0) {
    MultiplyByPower(limbs, 2, binary_exponent, kTwoStep);
  } else {
    // m / 2^n = m * 5^n / 10^n keeps the arithmetic in integers.
    MultiplyByPower(limbs, 5, -binary_exponent, kFiveStep);
    shift = binary_exponent;
  }
  ExactDecimal result;
  result.digits = DigitsOf(limbs);
  result.exponent = static_cast<int>(result.digits.size()) + shift;
  size_t last = result.digits.find_last_not_of('0');
  result.digits.resize(last + 1);
  return result;
}

}  // namespace vornic
