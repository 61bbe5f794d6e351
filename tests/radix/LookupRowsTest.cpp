#include "radix/LookupRows.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
TEST(LookupRowsTest, RowCountKeepsAMarginBelowTheThirtyTwoBitLimit) {
  EXPECT_EQ(LookupRowCount(0, 31), 33);
  EXPECT_EQ(LookupRowCount(9, 9), 2);
  EXPECT_EQ(LookupRowCount(0, 2147483645), 2147483647);
  EXPECT_EQ(LookupRowCount(1, 2147483646), 2147483647);
  EXPECT_THROW(LookupRowCount(0, 2147483646), std::overflow_error);
  EXPECT_THROW(LookupRowCount(0, 2147483647), std::overflow_error);
}

TEST(LookupRowsTest, BandsCoverTheRangeInOrder) {
  struct Case {
    std::int32_t From;
    std::int32_t To;
    std::vector<std::pair<std::int32_t, std::int32_t>> Bands;
  };
  for (const Case& c : {Case{0, 31, {{0, 15}, {16, 31}}}, Case{250, 260, {{250, 255}, {256, 260}}},
                        Case{16, 16, {{16, 16}}}, Case{15, 65536, {{15, 15}, {16, 255}, {256, 65535}, {65536, 65536}}},
                        Case{70000, 2147483647, {{70000, 2147483647}}}}) {
    std::vector<std::pair<std::int32_t, std::int32_t>> bands;
    for (const TLookupBand& band : LookupBands(c.From, c.To)) bands.emplace_back(band.Low, band.High);
    EXPECT_EQ(bands, c.Bands) << c.From << ".." << c.To;
  }
}
}  // namespace
