// Float text of the stored float formats: exact decoding, rounding to 15
// significant digits and the choice between fixed and scientific notation.
#include "input/float_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

namespace vornic {
namespace {

std::string Extended(uint64_t mantissa, unsigned sign_exponent) {
  unsigned char bytes[10];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(mantissa >> (8 * i));
  bytes[8] = static_cast<unsigned char>(sign_exponent);
  bytes[9] = static_cast<unsigned char>(sign_exponent >> 8);
  return FloatText(DecodeExtended(bytes));
}

std::string Single(float value) { return FloatText(DecodeSingle(std::bit_cast<uint32_t>(value))); }
std::string Double(double value) { return FloatText(DecodeDouble(std::bit_cast<uint64_t>(value))); }
std::string Integer(int64_t value) { return FloatText(FromInteger(value)); }

TEST(FloatTextTest, FixedNotationBetweenExponentsMinus3And15) {
  EXPECT_EQ(Double(123.45), "123.45");
  EXPECT_EQ(Double(0.0001), "0.0001");
  EXPECT_EQ(Double(-0.5), "-0.5");
  EXPECT_EQ(Integer(15000), "15000");
  EXPECT_EQ(Integer(999999999999999), "999999999999999");
  EXPECT_EQ(Single(0.1f), "0.100000001490116");
}

TEST(FloatTextTest, ScientificNotationOutsideThatRange) {
  EXPECT_EQ(Integer(1000000000000000), "1E15");
  EXPECT_EQ(Double(1.5e-5), "1.5E-5");
  EXPECT_EQ(Double(0.00001), "1E-5");
  EXPECT_EQ(Double(-2.5e300), "-2.5E300");
  EXPECT_EQ(Integer(std::numeric_limits<int64_t>::max()), "9.22337203685478E18");
  EXPECT_EQ(Integer(std::numeric_limits<int64_t>::min()), "-9.22337203685478E18");
}

TEST(FloatTextTest, RoundsTiesAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(Single(0x1p-22f), "2.38418579101563E-7");
  EXPECT_EQ(Extended(0x8000000000000000, 0x3FFF - 22), "2.38418579101563E-7");
  EXPECT_EQ(Extended(0x8000000000000000, 0x8000 | (0x3FFF - 22)), "-2.38418579101563E-7");
  // A carry through all fifteen digits raises the exponent.
  EXPECT_EQ(Integer(9999999999999995), "1E16");
  EXPECT_EQ(Integer(9999999999999994), "9.99999999999999E15");
  // 0.3 as a double lies below 0.3 by less than half a unit of the 15th digit.
  EXPECT_EQ(Double(0.3), "0.3");
}

TEST(FloatTextTest, ZerosAndSpecialValues) {
  EXPECT_EQ(Double(0.0), "0");
  EXPECT_EQ(Double(-0.0), "0");
  EXPECT_EQ(Extended(0, 0x8000), "0");
  EXPECT_EQ(Single(std::numeric_limits<float>::infinity()), "INF");
  EXPECT_EQ(Double(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(Double(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(Single(-std::numeric_limits<float>::quiet_NaN()), "NAN");
  EXPECT_EQ(Extended(0x8000000000000000, 0x7FFF), "INF");
  EXPECT_EQ(Extended(0x8000000000000000, 0xFFFF), "-INF");
  EXPECT_EQ(Extended(0, 0x7FFF), "INF");  // pseudo-infinity
  EXPECT_EQ(Extended(0xC000000000000000, 0x7FFF), "NAN");
  EXPECT_EQ(Extended(0x4000000000000000, 0xFFFF), "NAN");  // pseudo-NaN
}

TEST(FloatTextTest, DenormalsAndExtremesUseTheirExactValue) {
  EXPECT_EQ(Single(std::numeric_limits<float>::denorm_min()), "1.40129846432482E-45");
  EXPECT_EQ(Double(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
  EXPECT_EQ(Double(std::numeric_limits<double>::max()), "1.79769313486232E308");
  EXPECT_EQ(Extended(1, 0), "3.64519953188247E-4951");
  EXPECT_EQ(Extended(0x8000000000000000, 0), "3.36210314311209E-4932");  // pseudo-denormal
  EXPECT_EQ(Extended(0xFFFFFFFFFFFFFFFF, 0x7FFE), "1.18973149535723E4932");
  EXPECT_EQ(Extended(0x4000000000000000, 0x3FFF), "0.5");  // unnormal
}

}  // namespace
}  // namespace vornic
