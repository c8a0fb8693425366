// Exact decimal to extended conversion, rounding ties and the narrowing steps.
#include "input/decimal_float.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace vornic {
namespace {

// The ten extended bytes, most significant first, e.g. "3FFB CCCCCCCCCCCCCCCD".
std::string ExtendedHex(const char* text) {
  std::optional<ExtendedValue> value = ParseExtended(text);
  if (!value) return "invalid";
  std::array<uint8_t, 10> bytes = ExtendedBytes(*value);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02X%02X ", bytes[9], bytes[8]);
  std::string result = buffer;
  for (int i = 7; i >= 0; --i) {
    std::snprintf(buffer, sizeof buffer, "%02X", bytes[i]);
    result += buffer;
  }
  return result;
}

uint64_t Double(const char* text) { return DoubleBits(*ParseExtended(text)); }
uint32_t Single(const char* text) { return SingleBits(*ParseExtended(text)); }
std::optional<int64_t> Currency(const char* text) { return RoundToInt64(*ParseExtended(text)); }

TEST(DecimalFloatTest, CommonValuesGiveTheirExactExtendedBytes) {
  EXPECT_EQ(ExtendedHex("0.1"), "3FFB CCCCCCCCCCCCCCCD");
  EXPECT_EQ(ExtendedHex("1E5"), "400F C350000000000000");
  EXPECT_EQ(ExtendedHex("1"), "3FFF 8000000000000000");
  EXPECT_EQ(ExtendedHex("-2.5"), "C000 A000000000000000");
  EXPECT_EQ(ExtendedHex("0"), "0000 0000000000000000");
  EXPECT_EQ(ExtendedHex("-0"), "8000 0000000000000000");
  EXPECT_EQ(ExtendedHex("000123.4500E+2"), ExtendedHex("12345"));
  EXPECT_EQ(ExtendedHex("45733.896571354170000000"), ExtendedHex("45733.89657135417"));
}

TEST(DecimalFloatTest, AcceptsOnlyTheFloatTokenGrammar) {
  for (const char* text : {"1.", "-.5", ".5", "1e5", "1E+5", "1e-5", "-0.0e0"}) {
    EXPECT_TRUE(ParseExtended(text).has_value()) << text;
  }
  for (const char* text : {"", "-", ".", "-.", "1e", "1e+", "e5", "1.2.3", "1e5e5", "1-2", "--1",
                           "+1", "1x", "1e5."}) {
    EXPECT_FALSE(ParseExtended(text).has_value()) << text;
  }
}

TEST(DecimalFloatTest, ExtendedTiesGoToTheEvenMantissa) {
  // 2^64 + 1 and 2^64 + 3 lie exactly between two extended values.
  EXPECT_EQ(ExtendedHex("18446744073709551617"), "403F 8000000000000000");
  EXPECT_EQ(ExtendedHex("18446744073709551619"), "403F 8000000000000002");
  // A digit far behind the point decides a near tie.
  EXPECT_EQ(ExtendedHex("18446744073709551617.000000000000000000000000000001"),
            "403F 8000000000000001");
}

TEST(DecimalFloatTest, TinyValuesBecomeDenormalsOrZeroAndHugeOnesFail) {
  EXPECT_EQ(ExtendedHex("3.6451995318824746025e-4951"), "0000 0000000000000001");
  EXPECT_EQ(ExtendedHex("1.9E-4951"), "0000 0000000000000001");
  EXPECT_EQ(ExtendedHex("1.8E-4951"), "0000 0000000000000000");
  EXPECT_EQ(ExtendedHex("-1E-5000"), "8000 0000000000000000");
  EXPECT_EQ(ExtendedHex("1E-999999999999"), "0000 0000000000000000");
  EXPECT_EQ(ExtendedHex("0E999999"), "0000 0000000000000000");
  EXPECT_EQ(ExtendedHex("1.18973149535723176502E4932"), "7FFE FFFFFFFFFFFFFFFF");
  EXPECT_EQ(ExtendedHex("1.2E4932"), "invalid");
  EXPECT_EQ(ExtendedHex("1E999999999999"), "invalid");
}

TEST(DecimalFloatTest, NarrowingRoundsTheExtendedValueAgain) {
  EXPECT_EQ(Double("0.1"), 0x3FB999999999999Au);
  EXPECT_EQ(Single("0.1"), 0x3DCCCCCDu);
  // 1 + 2^-53 + 2^-65 becomes the double tie 1 + 2^-53 in extended, then 1.
  EXPECT_EQ(Double("1.00000000000000011104940751682779165321335312910377979278564453125"),
            0x3FF0000000000000u);
  // 1 + 2^-53 + 2^-62 survives in extended and rounds up.
  EXPECT_EQ(Double("1.00000000000000011123914289701275492916465736925601959228515625"),
            0x3FF0000000000001u);
  EXPECT_EQ(Single("1.000000059604644775390625"), 0x3F800000u);  // 1 + 2^-24
  EXPECT_EQ(Single("1.000000178813934326171875"), 0x3F800002u);  // 1 + 3 * 2^-24
  EXPECT_EQ(Double("-0"), 0x8000000000000000u);
}

TEST(DecimalFloatTest, NarrowingOverflowGivesInfinityAndUnderflowDenormals) {
  EXPECT_EQ(Double("1E400"), 0x7FF0000000000000u);
  EXPECT_EQ(Double("-1E400"), 0xFFF0000000000000u);
  EXPECT_EQ(Single("1E39"), 0x7F800000u);
  EXPECT_EQ(Double("4.9406564584124654E-324"), 1u);
  EXPECT_EQ(Single("1.4E-45"), 1u);
  EXPECT_EQ(Double("1E-400"), 0u);
}

TEST(DecimalFloatTest, CurrencyRoundsToEvenWithinInt64) {
  EXPECT_EQ(Currency("2.5"), 2);
  EXPECT_EQ(Currency("3.5"), 4);
  EXPECT_EQ(Currency("-2.5"), -2);
  EXPECT_EQ(Currency("0.5"), 0);
  EXPECT_EQ(Currency("0.5000000001"), 1);
  EXPECT_EQ(Currency("15000"), 15000);
  EXPECT_EQ(Currency("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(Currency("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(Currency("9223372036854775808"), std::nullopt);
  EXPECT_EQ(Currency("-9223372036854775809"), std::nullopt);
  // Exactly between 2^63 - 1 and 2^63: the even neighbour lies outside.
  EXPECT_EQ(Currency("9223372036854775807.5"), std::nullopt);
  EXPECT_EQ(Currency("1E30"), std::nullopt);
}

}  // namespace
}  // namespace vornic
