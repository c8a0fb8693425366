// Schoolbook arithmetic on 32-bit limbs; sizes stay in the tens of thousands
// of bits, so nothing cleverer is needed.
#include "input/big_uint.h"

#include <algorithm>

namespace vornic {

BigUint::BigUint(uint64_t value) {
  while (value != 0) {
    limbs_.push_back(static_cast<uint32_t>(value));
    value >>= 32;
  }
}

BigUint BigUint::FromDecimal(std::string_view digits) {
  // Nine digits at a time keep the number of passes over the limbs low.
  BigUint result;
  size_t pos = 0;
  while (pos < digits.size()) {
    size_t count = std::min<size_t>(9, digits.size() - pos);
    uint32_t chunk = 0;
    uint32_t scale = 1;
    for (size_t i = 0; i < count; ++i) {
      chunk = chunk * 10 + static_cast<uint32_t>(digits[pos + i] - '0');
      scale *= 10;
    }
    result.MultiplySmall(scale);
    result.AddSmall(chunk);
    pos += count;
  }
  return result;
}

BigUint BigUint::PowerOfTen(int exponent) {
  BigUint result(1);
  for (; exponent >= 9; exponent -= 9) result.MultiplySmall(1000000000);
  uint32_t rest = 1;
  for (; exponent > 0; --exponent) rest *= 10;
  result.MultiplySmall(rest);
  return result;
}

int BigUint::BitLength() const {
  if (limbs_.empty()) return 0;
  uint32_t top = limbs_.back();
  int bits = 0;
  while (top != 0) {
    ++bits;
    top >>= 1;
  }
  return static_cast<int>(limbs_.size() - 1) * 32 + bits;
}

bool BigUint::Bit(int index) const {
  if (index < 0) return false;
  size_t limb = static_cast<size_t>(index) / 32;
  if (limb >= limbs_.size()) return false;
  return (limbs_[limb] >> (index % 32)) & 1;
}

bool BigUint::AnyBitBelow(int index) const {
  if (index <= 0) return false;
  size_t whole = std::min(static_cast<size_t>(index) / 32, limbs_.size());
  for (size_t i = 0; i < whole; ++i) {
    if (limbs_[i] != 0) return true;
  }
  int partial = index % 32;
  if (whole == limbs_.size() || partial == 0) return false;
  return (limbs_[whole] & ((uint32_t{1} << partial) - 1)) != 0;
}

uint64_t BigUint::BitsFrom(int index) const {
  uint64_t result = 0;
  for (int i = 0; i < 64; ++i) {
    if (Bit(index + i)) result |= uint64_t{1} << i;
  }
  return result;
}

void BigUint::MultiplySmall(uint32_t factor) {
  uint64_t carry = 0;
  for (uint32_t& limb : limbs_) {
    uint64_t product = uint64_t{limb} * factor + carry;
    limb = static_cast<uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<uint32_t>(carry));
  Trim();
}

void BigUint::AddSmall(uint32_t addend) {
  uint64_t carry = addend;
  for (size_t i = 0; carry != 0; ++i) {
    if (i == limbs_.size()) limbs_.push_back(0);
    uint64_t sum = uint64_t{limbs_[i]} + carry;
    limbs_[i] = static_cast<uint32_t>(sum);
    carry = sum >> 32;
  }
}

void BigUint::ShiftLeft(int bits) {
  if (limbs_.empty() || bits <= 0) return;
  size_t whole = static_cast<size_t>(bits) / 32;
  int partial = bits % 32;
  limbs_.insert(limbs_.begin(), whole, 0);
  if (partial == 0) return;
  uint32_t carry = 0;
  for (size_t i = whole; i < limbs_.size(); ++i) {
    uint32_t limb = limbs_[i];
    limbs_[i] = (limb << partial) | carry;
    carry = limb >> (32 - partial);
  }
  if (carry != 0) limbs_.push_back(carry);
}

void BigUint::ShiftRightOne() {
  for (size_t i = 0; i < limbs_.size(); ++i) {
    uint32_t next = i + 1 < limbs_.size() ? limbs_[i + 1] : 0;
    limbs_[i] = (limbs_[i] >> 1) | (next << 31);
  }
  Trim();
}

void BigUint::Subtract(const BigUint& other) {
  int64_t borrow = 0;
  for (size_t i = 0; i < limbs_.size(); ++i) {
    int64_t difference =
        int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? int64_t{other.limbs_[i]} : 0);
    borrow = difference < 0 ? 1 : 0;
    limbs_[i] = static_cast<uint32_t>(difference + (borrow << 32));
  }
  Trim();
}

void BigUint::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

int Compare(const BigUint& a, const BigUint& b) {
  if (a.limbs_.size() != b.limbs_.size()) {
    return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  }
  for (size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

}  // namespace vornic
