#pragma once
// The rows of the base lookup table: a range of numbers in decimal,
// hexadecimal, binary and octal, the digit counts growing with the numbers.
#include <cstdint>
#include <string>
#include <vector>

// The numbers of a range that share their digit counts.
struct TLookupBand {
  std::int32_t Low;
  std::int32_t High;
  int HexDigits;
  int BinDigits;
  int OctDigits;
  // The band of the smallest numbers (up to 15), during whose fill no events are processed.
  bool First;
};

// The bands of From..To in fill order; bands without numbers of the range are left out.
std::vector<TLookupBand> LookupBands(std::int32_t from, std::int32_t to);

// The table's row count To - From + 2 (the titles and one row a number).
// Throws std::overflow_error when To - From exceeds 2147483645.
std::int32_t LookupRowCount(std::int32_t from, std::int32_t to);

// The four texts of one row.
struct TLookupRow {
  std::string Decimal;
  std::string Hexadecimal;
  std::string Binary;
  std::string Octal;
};
TLookupRow FormatLookupRow(std::int32_t n, const TLookupBand& band);
