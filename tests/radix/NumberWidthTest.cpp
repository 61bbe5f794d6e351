// SPDX-License-Identifier: MIT
#include "radix/NumberWidth.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {
TEST(NumberWidthTest, WidthTable) {
  struct Row {
    int Index;
    int Bits;
    std::uint64_t Mask;
    int DecMaxLength, HexDigits, BinDigits, OctDigits;
  };
  for (const Row& r : std::vector<Row>{{0, 8, 0xFF, 3, 2, 8, 3},
                                       {1, 16, 0xFFFF, 5, 4, 16, 6},
                                       {2, 32, 0xFFFFFFFF, 10, 8, 32, 11},
                                       {-1, 32, 0xFFFFFFFF, 10, 8, 32, 11},
                                       {3, 32, 0xFFFFFFFF, 10, 8, 32, 11}}) {
    const TNumberWidth& w = NumberWidthOf(r.Index);
    EXPECT_EQ(w.Bits, r.Bits) << r.Index;
    EXPECT_EQ(w.Mask, r.Mask) << r.Index;
    EXPECT_EQ(w.DecMaxLength, r.DecMaxLength) << r.Index;
    EXPECT_EQ(w.HexDigits, r.HexDigits) << r.Index;
    EXPECT_EQ(w.BinDigits, r.BinDigits) << r.Index;
    EXPECT_EQ(w.OctDigits, r.OctDigits) << r.Index;
  }
}

TEST(NumberWidthTest, ClampKeepsValuesAtOrBelowTheMaximum) {
  struct Case {
    int Index;
    std::int64_t Value, Expected;
  };
  for (const Case& c : std::vector<Case>{{0, 300, 255},
                                         {0, 255, 255},
                                         {0, 256, 255},
                                         {0, 7, 7},
                                         {0, -1, -1},
                                         {1, 65536, 65535},
                                         {2, 0x100000000, 0xFFFFFFFF},
                                         {2, std::numeric_limits<std::int64_t>::max(), 0xFFFFFFFF},
                                         {-1, 0x100000000, 0x100000000},
                                         {3, 1000, 1000}})
    EXPECT_EQ(ClampToNumberWidth(c.Index, c.Value), c.Expected) << c.Index << " " << c.Value;
}

TEST(NumberWidthTest, InvertIsTheMaximumMinusTheValue) {
  struct Case {
    int Index;
    std::int64_t Value, Expected;
  };
  for (const Case& c : std::vector<Case>{{0, 126, 129},
                                         {1, 3966, 61569},
                                         {2, 1438715774, 2856251521},
                                         {0, 0, 255},
                                         {2, 0, 4294967295},
                                         {-1, 5, 0},
                                         {3, 5, 0}}) {
    EXPECT_EQ(InvertInNumberWidth(c.Index, c.Value), c.Expected) << c.Index << " " << c.Value;
    if (c.Index >= 0 && c.Index <= 2) {
      EXPECT_EQ(InvertInNumberWidth(c.Index, InvertInNumberWidth(c.Index, c.Value)), c.Value) << "twice";
    }
  }
}

TEST(NumberWidthTest, RangeHintShowsBothEndsInTheBase) {
  struct Case {
    TNumberStyle Style;
    int Bits;
    std::string Expected;
  };
  const std::string zeros32(32, '0'), ones32(32, '1');
  for (const Case& c : std::vector<Case>{
           {nsHexadecimal, 8, "Enter a number between 00 and FF"},
           {nsOctal, 16, "Enter a number between 000000 and 177777"},
           {nsDecimal, 32, "Enter a number between 0 and 4294967295"},
           {nsDecimal, 8, "Enter a number between 0 and 255"},
           {nsHexadecimal, 32, "Enter a number between 00000000 and FFFFFFFF"},
           {nsBinary, 32, "Enter a number between " + zeros32 + " and " + ones32},
           {nsBinary, 8, "Enter a number between 00000000 and 11111111"},
           {nsOctal, 32, "Enter a number between 00000000000 and 37777777777"},
           {nsOctal, 8, "Enter a number between 000 and 377"},
           {nsHexadecimal, 64, "Enter a number between 0000000000000000 and FFFFFFFFFFFFFFFF"},
           {nsFloat, 32, ""},
       })
    EXPECT_EQ(RangeHint(c.Style, c.Bits), c.Expected) << c.Style << " " << c.Bits;
}
}  // namespace
