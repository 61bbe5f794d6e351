#include "radix/LookupRows.h"

#include <algorithm>
#include <stdexcept>

#include "radix/KestBinDecHex.h"

std::vector<TLookupBand> LookupBands(std::int32_t from, std::int32_t to) {
  static constexpr TLookupBand Bands[] = {{0, 15, 1, 4, 2, true},
                                          {16, 255, 2, 8, 3, false},
                                          {256, 65535, 4, 16, 6, false},
                                          {65536, 2147483647, 8, 32, 11, false}};
  std::vector<TLookupBand> bands;
  for (TLookupBand band : Bands) {
    band.Low = std::max(band.Low, from);
    band.High = std::min(band.High, to);
    if (band.Low <= band.High) bands.push_back(band);
  }
  return bands;
}

std::int32_t LookupRowCount(std::int32_t from, std::int32_t to) {
  const std::int64_t span = std::int64_t{to} - from;
  if (span > 2147483645) throw std::overflow_error("Integer overflow");
  return static_cast<std::int32_t>(span + 2);
}

TLookupRow FormatLookupRow(std::int32_t n, const TLookupBand& band) {
  return {std::to_string(n), IntToHex(n, band.HexDigits), IntToBinStr(band.BinDigits, n),
          IntToOctStr(band.OctDigits, n)};
}
