// SPDX-License-Identifier: MIT
#include "radix/Ieee754.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {
// The C library prints every digit of a double on request: the reference for the exact expansion.
std::string PrintedExactly(double value) {
  std::vector<char> buffer(1500);
  std::snprintf(buffer.data(), buffer.size(), "%.1100f", value);
  std::string text = buffer.data();
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "-0" : text;
}

double Float16Value(std::uint16_t bits) { return static_cast<double>(std::bit_cast<_Float16>(bits)); }

template <typename T>
FloatKind KindOf(T value, bool quiet) {
  if (std::isnan(value)) return quiet ? FloatKind::QuietNaN : FloatKind::SignallingNaN;
  if (std::isinf(value)) return FloatKind::Infinity;
  if (value == 0) return FloatKind::Zero;
  return std::fpclassify(value) == FP_SUBNORMAL ? FloatKind::Subnormal : FloatKind::Normal;
}

TEST(Ieee754Test, EveryHalfDecodesAsTheCompilerConvertsIt) {
  for (unsigned pattern = 0; pattern <= 0xFFFF; ++pattern) {
    const auto bits = static_cast<std::uint16_t>(pattern);
    const FloatFields f = DecodeFloat(bits, FloatFormat::Half);
    const double expected = Float16Value(bits);
    SCOPED_TRACE(testing::Message() << std::hex << pattern);
    ASSERT_EQ(f.Negative, std::signbit(expected));
    if (std::isnan(expected)) {
      ASSERT_TRUE(std::isnan(f.Value));
      ASSERT_EQ(f.Kind, (bits & 0x200) ? FloatKind::QuietNaN : FloatKind::SignallingNaN);
      ASSERT_EQ(f.Payload, bits & 0x1FFu);
      continue;
    }
    ASSERT_EQ(f.Value, expected);
    // Subnormal halves are normal doubles: classify by the half's own smallest normal.
    const FloatKind kind = std::fabs(expected) < 0x1p-14 && expected != 0 ? FloatKind::Subnormal
                                                                         : KindOf(expected, false);
    ASSERT_EQ(f.Kind, kind);
    if (std::isinf(expected)) continue;
    ASSERT_EQ(f.Exact, PrintedExactly(expected));
    const FloatEncoding back = EncodeFloat(f.Shortest, FloatFormat::Half);
    ASSERT_TRUE(back.Ok && back.Bits == bits) << f.Shortest;
    // The compiler reads the text back as the same half too.
    double read = 0;
    std::from_chars(f.Shortest.data(), f.Shortest.data() + f.Shortest.size(), read);
    ASSERT_EQ(Float16Value(std::bit_cast<std::uint16_t>(static_cast<_Float16>(read))), expected) << f.Shortest;
  }
}

TEST(Ieee754Test, DecimalsRoundToTheNearestHalfTiesToEven) {
  // Every midpoint between neighbouring halves, and the doubles just either side of it.
  for (unsigned pattern = 0; pattern < 0x7C00; ++pattern) {
    const double low = Float16Value(static_cast<std::uint16_t>(pattern));
    const double high = pattern + 1 == 0x7C00 ? 65536.0 : Float16Value(static_cast<std::uint16_t>(pattern + 1));
    const double middle = (low + high) / 2;
    for (double value : {middle, std::nextafter(middle, 0.0), std::nextafter(middle, 1e9), -middle}) {
      char text[1200];
      std::snprintf(text, sizeof text, "%.1100g", value);
      const FloatEncoding e = EncodeFloat(text, FloatFormat::Half);
      const auto expected = std::bit_cast<std::uint16_t>(static_cast<_Float16>(value));
      ASSERT_TRUE(e.Ok);
      ASSERT_EQ(e.Bits, expected) << text;
      ASSERT_EQ(e.Overflow, (expected & 0x7FFF) == 0x7C00) << text;
      ASSERT_TRUE(e.Inexact) << text;
    }
  }
}

TEST(Ieee754Test, SingleAndDoubleEdgeCasesMatchTheCompiler) {
  const std::vector<float> singles = {0.1f, 1.0f / 3, -0.0f, 1.0f,
                                      std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min(),
                                      std::numeric_limits<float>::max(), -std::numeric_limits<float>::infinity(),
                                      std::nextafter(std::numeric_limits<float>::min(), 0.0f), 16777217.0f};
  for (float value : singles) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const FloatFields f = DecodeFloat(bits, FloatFormat::Single);
    EXPECT_EQ(f.Value, static_cast<double>(value)) << value;
    EXPECT_EQ(f.Kind, KindOf(value, false)) << value;
    if (std::isinf(value)) continue;
    EXPECT_EQ(f.Exact, PrintedExactly(value)) << value;
    float read = 0;
    std::from_chars(f.Shortest.data(), f.Shortest.data() + f.Shortest.size(), read);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(read), bits) << f.Shortest;
    EXPECT_EQ(EncodeFloat(f.Shortest, FloatFormat::Single).Bits, bits) << f.Shortest;
  }
  const std::vector<double> doubles = {0.1, -0.0, std::numeric_limits<double>::denorm_min(),
                                       std::numeric_limits<double>::min(), std::numeric_limits<double>::max(),
                                       std::nextafter(std::numeric_limits<double>::min(), 0.0), 1e23, 5e-324};
  for (double value : doubles) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const FloatFields f = DecodeFloat(bits, FloatFormat::Double);
    EXPECT_EQ(f.Kind, KindOf(value, false)) << value;
    EXPECT_EQ(f.Exact, PrintedExactly(value)) << value;
    EXPECT_EQ(EncodeFloat(f.Shortest, FloatFormat::Double).Bits, bits) << f.Shortest;
    EXPECT_FALSE(EncodeFloat(f.Exact, FloatFormat::Double).Inexact) << f.Exact;
  }
}

TEST(Ieee754Test, FieldsOfSpecialPatterns) {
  struct Case {
    std::uint64_t Bits;
    FloatFormat Format;
    FloatKind Kind;
    unsigned Raw;
    int Exponent;
    std::uint64_t Payload;
    std::string Exact;
    std::string Shortest;
  };
  const std::vector<Case> cases = {
      {0x0001, FloatFormat::Half, FloatKind::Subnormal, 0, -14, 0, "0.000000059604644775390625", "6e-08"},
      {0x7BFF, FloatFormat::Half, FloatKind::Normal, 30, 15, 0, "65504", "65500"},
      {0x3555, FloatFormat::Half, FloatKind::Normal, 13, -2, 0, "0.333251953125", "0.3333"},
      {0x8000, FloatFormat::Half, FloatKind::Zero, 0, -14, 0, "-0", "-0"},
      {0xFC00, FloatFormat::Half, FloatKind::Infinity, 31, 16, 0, "-inf", "-inf"},
      {0x7E01, FloatFormat::Half, FloatKind::QuietNaN, 31, 16, 1, "nan", "nan"},
      {0x7C01, FloatFormat::Half, FloatKind::SignallingNaN, 31, 16, 1, "nan", "nan"},
      {0x7F7FFFFF, FloatFormat::Single, FloatKind::Normal, 254, 127, 0, "340282346638528859811704183484516925440",
       "3.4028235e+38"},
      {0xFFA00005, FloatFormat::Single, FloatKind::SignallingNaN, 255, 128, 0x200005, "-nan", "-nan"},
      {0x7FF8000000000123, FloatFormat::Double, FloatKind::QuietNaN, 2047, 1024, 0x123, "nan", "nan"},
      {0x3FF0000000000000, FloatFormat::Double, FloatKind::Normal, 1023, 0, 0, "1", "1"},
  };
  for (const auto& c : cases) {
    const FloatFields f = DecodeFloat(c.Bits, c.Format);
    EXPECT_EQ(f.Kind, c.Kind) << c.Exact;
    EXPECT_EQ(f.ExponentRaw, c.Raw) << c.Exact;
    EXPECT_EQ(f.Exponent, c.Exponent) << c.Exact;
    EXPECT_EQ(f.Payload, c.Payload) << c.Exact;
    EXPECT_EQ(f.Exact, c.Exact);
    EXPECT_EQ(f.Shortest, c.Shortest);
  }
}

TEST(Ieee754Test, EncodingSaysWhenRoundedOrOutOfRangeAndRefusesTheRest) {
  struct Case {
    std::string Text;
    FloatFormat Format;
    bool Ok;
    std::uint64_t Bits;
    bool Inexact;
    bool Overflow;
  };
  const std::vector<Case> cases = {
      {"1.5", FloatFormat::Half, true, 0x3E00, false, false},
      {" +0.1 ", FloatFormat::Single, true, 0x3DCCCCCD, true, false},
      {"0.1", FloatFormat::Double, true, 0x3FB999999999999A, true, false},
      {"-0", FloatFormat::Single, true, 0x80000000, false, false},
      {"65519.99", FloatFormat::Half, true, 0x7BFF, true, false},
      {"65520", FloatFormat::Half, true, 0x7C00, true, true},
      {"1e39", FloatFormat::Single, true, 0x7F800000, true, true},
      {"-1e400", FloatFormat::Double, true, 0xFFF0000000000000, true, true},
      {"1e-50", FloatFormat::Single, true, 0, true, false},
      {"1e-400", FloatFormat::Double, true, 0, true, false},
      {"2.98023223876953125e-8", FloatFormat::Half, true, 0x0000, true, false},   // a tie: to the even zero
      {"2.98023223876953126e-8", FloatFormat::Half, true, 0x0001, true, false},   // just above it
      {"1.00048828125", FloatFormat::Half, true, 0x3C00, true, false},            // a tie: to even
      {"1.000488281250000000000001", FloatFormat::Half, true, 0x3C01, true, false},  // reads as the tie in a double
      {"-Infinity", FloatFormat::Double, true, 0xFFF0000000000000, false, false},
      {"nan", FloatFormat::Half, true, 0x7E00, false, false},
      {"1e5x", FloatFormat::Double, false, 0, false, false},
      {"0x10", FloatFormat::Double, false, 0, false, false},
      {"", FloatFormat::Single, false, 0, false, false},
      {"1,5", FloatFormat::Single, false, 0, false, false},
  };
  for (const auto& c : cases) {
    const FloatEncoding e = EncodeFloat(c.Text, c.Format);
    EXPECT_EQ(e.Ok, c.Ok) << c.Text;
    EXPECT_EQ(e.Bits, c.Bits) << c.Text;
    EXPECT_EQ(e.Inexact, c.Inexact) << c.Text;
    EXPECT_EQ(e.Overflow, c.Overflow) << c.Text;
    EXPECT_EQ(e.Error.empty(), c.Ok) << c.Text;
  }
}
}  // namespace
