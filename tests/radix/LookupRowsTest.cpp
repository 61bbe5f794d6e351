// SPDX-License-Identifier: MIT
#include "radix/LookupRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "radix/KestBinDecHex.h"

namespace {
TEST(LookupRowsTest, RowCountKeepsAMarginBelowTheThirtyTwoBitLimit) {
  EXPECT_EQ(LookupRowCount(0, 31), 33);
  EXPECT_EQ(LookupRowCount(9, 9), 2);
  EXPECT_EQ(LookupRowCount(0, 2147483645), 2147483647);
  EXPECT_EQ(LookupRowCount(1, 2147483646), 2147483647);
  EXPECT_THROW(LookupRowCount(0, 2147483646), std::overflow_error);
  EXPECT_THROW(LookupRowCount(0, 2147483647), std::overflow_error);
}

TEST(LookupRowsTest, RowTextsMatchTheConversionRoutines) {
  for (const TLookupBand& band : LookupBands(0, 2147483647)) {
    for (std::int64_t n : {std::int64_t{band.Low}, std::int64_t{band.Low} + 1, (std::int64_t{band.Low} + band.High) / 2,
                           std::int64_t{band.High} - 1, std::int64_t{band.High}, std::int64_t{0x55C10F7E}}) {
      if (n < band.Low || n > band.High) continue;
      TLookupRowText texts;
      texts.Format(static_cast<std::int32_t>(n), band);
      EXPECT_EQ(texts.Decimal(), std::to_string(n));
      EXPECT_EQ(texts.Hexadecimal(), IntToHex(n, band.HexDigits)) << n;
      EXPECT_EQ(texts.Binary(), IntToBinStr(band.BinDigits, n)) << n;
      EXPECT_EQ(texts.Octal(), IntToOctStr(band.OctDigits, n)) << n;
    }
  }
}

// Across the bands' edges: each row holds its own number, and no text is
// longer than the widest the rows name for its column.
TEST(LookupRowsTest, RowsHoldTheirNumbersAndFitTheWidest) {
  const std::int32_t ranges[][2] = {{0, 300}, {14, 17}, {65500, 65600}, {2147483000, 2147483647}};
  for (const auto& range : ranges) {
    const TLookupRows rows(range[0], range[1]);
    ASSERT_EQ(rows.LastRow(), static_cast<std::uint32_t>(range[1] - range[0]));
    std::size_t widest[TLookupRows::Columns] = {};
    for (int column = 0; column < TLookupRows::Columns; ++column)
      for (const std::string& text : rows.WidestTexts(column)) widest[column] = std::max(widest[column], text.size());
    for (std::uint32_t row = 0; row <= rows.LastRow(); ++row) {
      const std::int64_t n = range[0] + std::int64_t{row};
      const int digits = n < 16 ? 1 : n < 256 ? 2 : n < 65536 ? 4 : 8;
      const std::string expected[] = {std::to_string(n), IntToHex(n, digits), IntToBinStr(digits * 4, n),
                                      IntToOctStr(digits == 1 ? 2 : digits == 2 ? 3 : digits == 4 ? 6 : 11, n)};
      for (int column = 0; column < TLookupRows::Columns; ++column) {
        std::string text;
        rows.AppendText(row, column, text);
        ASSERT_EQ(text, expected[column]) << n;
        ASSERT_LE(text.size(), widest[column]) << n;
      }
    }
  }
}
}  // namespace
