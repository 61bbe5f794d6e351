// SPDX-License-Identifier: MIT
#include "controls/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
TEST(NumberTextTest, FormatByStyle) {
  struct Case {
    TNumberStyle Style;
    int Digits;
    std::int64_t Integer;
    double Float;
    char Point;
    std::string Expected;
  };
  const std::vector<Case> cases = {
      {nsBinary, -1, 0, 0, '.', ""},
      {nsBinary, 8, 126, 126, '.', "01111110"},
      {nsDecimal, -1, 1438715774, 0, '.', "1438715774"},
      {nsDecimal, -1, -5, -5, '.', "-5"},
      {nsDecimal, 4, 42, 42, '.', "0042"},
      {nsHexadecimal, 8, 255, 255, '.', "000000FF"},
      {nsHexadecimal, -1, 0, 0, '.', "0"},
      {nsHexadecimal, 25, 1, 1, '.', std::string(24, '0') + "1"},
      {nsOctal, 11, 1438715774, 0, '.', "12560207576"},
      {nsFloat, -1, 2, 2.5, '.', "2.5"},
      {nsFloat, -1, 2, 2.5, ',', "2,5"},
      {nsFloat, -1, 0, 0, '.', "0"},
      {nsFloat, -1, 0, 0.1 + 0.2, '.', "0.3"},
      {nsFloat, -1, 0, 123456789012345.0, '.', "123456789012345"},
      {nsFloat, -1, 0, 1e20, '.', "1E20"},
      {nsFloat, -1, 0, 1.5e-7, '.', "1.5E-7"},
      {nsFloat, -1, 0, -1e100, '.', "-1E100"},
      {nsFloat, 2, 3, 3.14159, '.', "3.14"},
      {nsFloat, 0, 3, 2.5, '.', "2"},
      {nsFloat, 3, -1, -1.5, ',', "-1,500"},
      {nsFloat, 25, 1, 1, '.', "1." + std::string(18, '0')},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumberText(c.Style, c.Digits, c.Integer, c.Float, c.Point), c.Expected)
        << "style " << c.Style << " digits " << c.Digits << " value " << c.Float;

  const std::string largest = FormatNumberText(nsFloat, 18, 0, std::numeric_limits<double>::max(), '.');
  EXPECT_EQ(largest.size(), 309u + 1 + 18);
  EXPECT_EQ(largest.substr(0, 17), "17976931348623157");
}

// Whatever a float field shows reads back, and reads back to the same text.
TEST(NumberTextTest, ShownFloatsReadBack) {
  using limits = std::numeric_limits<double>;
  for (const double value : {limits::max(), -limits::max(), std::nextafter(limits::max(), 0.0), 1.797693134862315e308,
                             limits::min(), limits::denorm_min(), -limits::denorm_min(), 0.1 + 0.2, 1e300}) {
    for (const int digits : {-1, 0, 18}) {
      const std::string shown = FormatNumberText(nsFloat, digits, 0, value, ',');
      double read = 0;
      ASSERT_NO_THROW(read = ParseFloatText(shown, ',')) << shown;
      EXPECT_EQ(FormatNumberText(nsFloat, digits, 0, read, ','), shown);
    }
  }
  EXPECT_EQ(FormatNumberText(nsFloat, -1, 0, limits::max(), '.'), "1.79769313486231E308");
}

TEST(NumberTextTest, ParseIntegerStyles) {
  EXPECT_EQ(ParseIntegerText(nsBinary, "01111110"), 126);
  EXPECT_EQ(ParseIntegerText(nsDecimal, "-42"), -42);
  EXPECT_EQ(ParseIntegerText(nsHexadecimal, "55c10f7e"), 0x55C10F7E);
  EXPECT_EQ(ParseIntegerText(nsOctal, "176"), 126);
  EXPECT_THROW(ParseIntegerText(nsDecimal, "-"), std::invalid_argument);
  EXPECT_THROW(ParseIntegerText(nsDecimal, "99999999999999999999"), std::out_of_range);
  EXPECT_THROW(ParseIntegerText(nsFloat, "1"), std::invalid_argument);
}

TEST(NumberTextTest, ParseFloat) {
  struct Good {
    std::string Text;
    char Point;
    double Expected;
  };
  const std::vector<Good> good = {{"2.5", '.', 2.5},  {"+2.5", '.', 2.5}, {"-2.5", '.', -2.5}, {"2,5", ',', 2.5},
                                  {"2.5", ',', 2.5},  {"1E20", '.', 1e20}, {"1e-3", '.', 1e-3}, {".5", '.', 0.5},
                                  {"7", '.', 7}};
  for (const auto& c : good) EXPECT_EQ(ParseFloatText(c.Text, c.Point), c.Expected) << c.Text;

  for (const char* text : {"", "-", "+", "+-1", "1e", "E5", "1.2.3", "inf", "nan", "1 ", "2,5"})
    EXPECT_THROW(ParseFloatText(text, '.'), std::invalid_argument) << "'" << text << "'";
  EXPECT_THROW(ParseFloatText("1E999", '.'), std::out_of_range);
}

TEST(NumberTextTest, TruncateToInt64) {
  EXPECT_EQ(TruncateToInt64(2.9), 2);
  EXPECT_EQ(TruncateToInt64(-2.9), -2);
  EXPECT_EQ(TruncateToInt64(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(TruncateToInt64(9223372036854774784.0), 9223372036854774784);  // the largest double below 2^63
  for (double bad : {9223372036854775808.0, -9223372036854777856.0, 1e300, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()})
    EXPECT_THROW(TruncateToInt64(bad), std::overflow_error) << bad;
}

TEST(NumberTextTest, ValidCharactersByStyle) {
  struct Case {
    TNumberStyle Style;
    bool AllowNegative;
    char Point;
    std::string Accepted;
  };
  const std::vector<Case> cases = {
      {nsBinary, true, '.', "01"},
      {nsDecimal, false, '.', "0123456789"},
      {nsDecimal, true, '.', "0123456789+-"},
      {nsFloat, false, '.', "0123456789+-.Ee"},
      {nsFloat, true, ',', "0123456789+-.,Ee"},
      {nsHexadecimal, true, '.', "0123456789ABCDEFabcdef"},
      {nsOctal, false, '.', "01234567"},
  };
  for (const auto& c : cases)
    for (int code = 0; code < 256; ++code) {
      const char ch = static_cast<char>(code);
      EXPECT_EQ(IsValidNumberChar(c.Style, c.AllowNegative, c.Point, ch), c.Accepted.find(ch) != std::string::npos)
          << "style " << c.Style << " negative " << c.AllowNegative << " code " << code;
    }
}
}  // namespace

TEST(NumberTextTest, PastedTextsLoseSeparatorsAndPrefixes) {
  struct Case {
    TNumberStyle Style;
    const char* Pasted;
    std::optional<std::string> Taken;
  };
  const std::vector<Case> cases = {
      {nsHexadecimal, " 0x3c-22_fb.12:34 56\n", "3c22fb123456"},
      {nsBinary, "0B1010 1010", "10101010"},
      {nsOctal, "0o777", "777"},
      {nsDecimal, "-1 234_567", "-1234567"},  // a sign the field takes stays
      {nsFloat, "1.5e-3", "1.5e-3"},
      {nsHexadecimal, "0b11", "0b11"},  // digits of the base, not a prefix
      {nsBinary, "0x11", std::nullopt},
      {nsHexadecimal, "3C:22:zz", std::nullopt},
      {nsDecimal, "1,234", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(PastedNumberText(c.Style, true, '.', c.Pasted), c.Taken) << c.Pasted;
}
