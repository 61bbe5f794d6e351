// SPDX-License-Identifier: MIT
#include "radix/BitWord.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace {
constexpr int Widths[] = {8, 16, 32, 64};

bool Bit(std::uint64_t bits, int i) { return ((bits >> i) & 1) != 0; }

// Builds a word bit by bit: result bit i is source(i).
std::uint64_t FromBits(int width, const std::function<bool(int)>& source) {
  std::uint64_t result = 0;
  for (int i = 0; i < width; ++i)
    if (source(i)) result |= std::uint64_t{1} << i;
  return result;
}

std::vector<std::uint64_t> Samples(int width) {
  std::vector<std::uint64_t> samples = {0, 1, 0x80, 0x7F, 0xFF, 0x55C10F7E, 0xDEADBEEFCAFEF00D, ~std::uint64_t{0},
                                        std::uint64_t{1} << (width - 1)};
  std::mt19937_64 random(width);
  for (int i = 0; i < 40; ++i) samples.push_back(random());
  for (auto& s : samples) s &= WidthMask(width);
  return samples;
}

TEST(BitWordTest, OperationsMatchTheirBitByBitDefinitionsAtEveryWidth) {
  for (int w : Widths)
    for (std::uint64_t x : Samples(w)) {
      SCOPED_TRACE(testing::Message() << w << " bits, value " << x);
      EXPECT_EQ(WordNot(x, w), FromBits(w, [&](int i) { return !Bit(x, i); }));
      EXPECT_EQ(WordNegate(x, w), (WordNot(x, w) + 1) & WidthMask(w));
      EXPECT_EQ(ByteSwap(x, w), FromBits(w, [&](int i) { return Bit(x, (w / 8 - 1 - i / 8) * 8 + i % 8); }));
      EXPECT_EQ(ReverseWordBits(x, w), FromBits(w, [&](int i) { return Bit(x, w - 1 - i); }));
      EXPECT_EQ(ReverseBitsOfEachByte(x, w), FromBits(w, [&](int i) { return Bit(x, i / 8 * 8 + 7 - i % 8); }));
      int ones = 0, leading = 0, trailing = 0;
      for (int i = 0; i < w; ++i) ones += Bit(x, i);
      while (leading < w && !Bit(x, w - 1 - leading)) ++leading;
      while (trailing < w && !Bit(x, trailing)) ++trailing;
      EXPECT_EQ(PopCount(x), ones);
      EXPECT_EQ(LeadingZeros(x, w), leading);
      EXPECT_EQ(TrailingZeros(x, w), trailing);
      for (int n = 0; n <= w + 1; ++n) {
        SCOPED_TRACE(testing::Message() << "by " << n);
        EXPECT_EQ(ShiftLeft(x, w, n), FromBits(w, [&](int i) { return i >= n && Bit(x, i - n); }));
        EXPECT_EQ(ShiftRightLogical(x, w, n), FromBits(w, [&](int i) { return i + n < w && Bit(x, i + n); }));
        EXPECT_EQ(ShiftRightArithmetic(x, w, n), FromBits(w, [&](int i) { return Bit(x, std::min(i + n, w - 1)); }));
        EXPECT_EQ(RotateLeft(x, w, n), FromBits(w, [&](int i) { return Bit(x, ((i - n) % w + w) % w); }));
        EXPECT_EQ(RotateRight(x, w, n), FromBits(w, [&](int i) { return Bit(x, (i + n) % w); }));
      }
    }
}

TEST(BitWordTest, FormatsEveryBaseAtTheWidth) {
  struct Case {
    std::uint64_t Bits;
    WordShape Shape;
    int Base;
    bool Grouped;
    HexGrouping Hex;
    std::string Expected;
  };
  const std::vector<Case> cases = {
      {0xDEADBEEF, {32, false}, 16, false, HexGrouping::Bytes, "DEADBEEF"},
      {0xDEADBEEF, {32, false}, 16, true, HexGrouping::Bytes, "DE AD BE EF"},
      {0xDEADBEEF, {32, false}, 16, true, HexGrouping::Words, "DEAD BEEF"},
      {0xF, {16, false}, 2, true, HexGrouping::Bytes, "0000 0000 0000 1111"},
      {0x7E, {8, false}, 2, false, HexGrouping::Bytes, "01111110"},
      {0xFFFF, {16, true}, 10, true, HexGrouping::Bytes, "-1"},
      {0xFFFF, {16, false}, 10, false, HexGrouping::Bytes, "65535"},
      {0x80, {8, true}, 10, false, HexGrouping::Bytes, "-128"},
      {~std::uint64_t{0}, {64, false}, 10, false, HexGrouping::Bytes, "18446744073709551615"},
      {std::uint64_t{1} << 63, {64, true}, 10, false, HexGrouping::Bytes, "-9223372036854775808"},
      {~std::uint64_t{0}, {64, false}, 8, true, HexGrouping::Bytes, "1777777777777777777777"},
      {0x1FF, {8, false}, 16, false, HexGrouping::Bytes, "FF"},  // bits above the width are dropped
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatWord(c.Bits, c.Shape, c.Base, c.Grouped, c.Hex), c.Expected) << c.Expected;
}

TEST(BitWordTest, CharactersShowPrintableLatin1AndDotsForTheRest) {
  EXPECT_EQ(WordCharacters(0x4869, 16), "Hi");
  EXPECT_EQ(WordCharacters(0x000A7F41, 32), "...A");
  EXPECT_EQ(WordCharacters(0xE9ADA0, 24), "\xC3\xA9.\xC2\xA0");  // é, soft hyphen, no-break space
}

TEST(BitWordTest, ParsesEveryAcceptedNotationAndExplainsRefusals) {
  struct Case {
    std::string Text;
    int Base;
    WordShape Shape;
    bool Ok;
    std::uint64_t Bits;
    std::string Error;
  };
  const std::vector<Case> cases = {
      {"DEADBEEF", 16, {32, false}, true, 0xDEADBEEF, ""},
      {"0xDEAD_BEEF", 16, {32, false}, true, 0xDEADBEEF, ""},
      {"0XdeAD beef\n", 10, {32, false}, true, 0xDEADBEEF, ""},
      {"de:ad:be:ef", 16, {32, false}, true, 0xDEADBEEF, ""},
      {"0b1010_0101", 10, {8, false}, true, 0xA5, ""},
      {"0b11", 16, {16, false}, true, 0x0B11, ""},  // b is a hex digit
      {"0b11", 2, {16, false}, true, 3, ""},
      {"0o777", 16, {16, false}, true, 0x1FF, ""},
      {"1111 0000", 2, {8, false}, true, 0xF0, ""},
      {"377", 8, {8, false}, true, 0xFF, ""},
      {"-1", 10, {16, true}, true, 0xFFFF, ""},
      {"+127", 10, {8, true}, true, 0x7F, ""},
      {"-128", 10, {8, true}, true, 0x80, ""},
      {"FF", 16, {8, true}, true, 0xFF, ""},
      {"18446744073709551615", 10, {64, false}, true, ~std::uint64_t{0}, ""},
      {"-9223372036854775808", 10, {64, true}, true, std::uint64_t{1} << 63, ""},
      {"", 10, {32, false}, false, 0, "Type a number"},
      {" _ ", 16, {32, false}, false, 0, "Type a number"},
      {"0x", 10, {32, false}, false, 0, "Digits are missing after 0x"},
      {"-", 10, {32, true}, false, 0, "Digits are missing after -"},
      {"-1", 10, {32, false}, false, 0, "Negative numbers need Signed"},
      {"-1", 16, {32, true}, false, 0, "\"-\" is not a hexadecimal digit"},
      {"12G4", 16, {32, false}, false, 0, "\"G\" is not a hexadecimal digit"},
      {"102", 2, {8, false}, false, 0, "\"2\" is not a binary digit"},
      {"1.5", 10, {8, false}, false, 0, "\".\" is not a decimal digit"},
      {"0x1é", 10, {8, false}, false, 0, "\"é\" is not a hexadecimal digit"},
      {"256", 10, {8, false}, false, 0, "Too large for 8 bits: at most 255"},
      {"1_0000", 16, {16, false}, false, 0, "Too large for 16 bits: at most FFFF"},
      {"400", 8, {8, false}, false, 0, "Too large for 8 bits: at most 377"},
      {"0x1_0000_0000", 10, {32, false}, false, 0, "Too large for 32 bits: at most FFFFFFFF"},
      {"18446744073709551616", 10, {64, false}, false, 0, "Too large for 64 bits: at most 18446744073709551615"},
      {"128", 10, {8, true}, false, 0, "Out of range for signed 8 bits: -128 to 127"},
      {"-129", 10, {8, true}, false, 0, "Out of range for signed 8 bits: -128 to 127"},
      {"99999999999999999999999", 10, {64, true}, false, 0,
       "Out of range for signed 64 bits: -9223372036854775808 to 9223372036854775807"},
  };
  for (const auto& c : cases) {
    const WordParse parse = ParseWord(c.Text, c.Base, c.Shape);
    EXPECT_EQ(parse.Ok, c.Ok) << c.Text;
    EXPECT_EQ(parse.Bits, c.Bits) << c.Text;
    EXPECT_EQ(parse.Error, c.Error) << c.Text;
  }
}

TEST(BitWordTest, EveryFormattedTextReadsBackAsTheSameWord) {
  for (int w : Widths)
    for (bool isSigned : {false, true})
      for (int base : {2, 8, 10, 16})
        for (bool grouped : {false, true})
          for (std::uint64_t x : Samples(w)) {
            const WordShape shape{w, isSigned};
            const std::string text = FormatWord(x, shape, base, grouped, HexGrouping::Words);
            const WordParse parse = ParseWord(text, base, shape);
            EXPECT_TRUE(parse.Ok && parse.Bits == x) << text << " at " << w << " bits, base " << base;
          }
}
}  // namespace
