// SPDX-License-Identifier: MIT
#include "radix/LookupRows.h"

#include <gtest/gtest.h>

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
}  // namespace
