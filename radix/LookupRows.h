// SPDX-License-Identifier: MIT
#pragma once
// The rows of the base lookup table: a range of numbers in decimal,
// hexadecimal, binary and octal, the digit counts growing with the numbers.
#include <cstdint>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The numbers of a range that share their digit counts.
struct TLookupBand {
  std::int32_t Low;
  std::int32_t High;
  int HexDigits;
  int BinDigits;
  int OctDigits;
};

// The bands of From..To in fill order; bands without numbers of the range are left out.
std::vector<TLookupBand> LookupBands(std::int32_t from, std::int32_t to);

// The table's row count To - From + 2 (the titles and one row a number).
// Throws std::overflow_error when To - From exceeds 2147483645.
std::int32_t LookupRowCount(std::int32_t from, std::int32_t to);

// The four texts of one row, written into buffers of its own so that a fill
// of millions of rows allocates nothing per row. Each text equals the one of
// the conversion routines with the band's digit count (IntToHex,
// IntToBinStr, IntToOctStr), as every number of a band fits its digit counts.
class TLookupRowText {
 public:
  // `n` lies within `band`.
  void Format(std::int32_t n, const TLookupBand& band);
  std::string_view Decimal() const { return {FDecimal, DecimalLength}; }
  std::string_view Hexadecimal() const { return {FHexadecimal, HexLength}; }
  std::string_view Binary() const { return {FBinary, BinLength}; }
  std::string_view Octal() const { return {FOctal, OctLength}; }

 private:
  char FDecimal[10];
  char FHexadecimal[8];
  char FBinary[32];
  char FOctal[11];
  std::size_t DecimalLength = 0;
  std::size_t HexLength = 0;
  std::size_t BinLength = 0;
  std::size_t OctLength = 0;
};

// The rows of the table for From..To, row 0 holding From, each made on demand.
class TLookupRows {
 public:
  static constexpr int Columns = 4;

  // Throws as LookupRowCount does.
  TLookupRows(std::int32_t from, std::int32_t to);

  std::uint32_t LastRow() const { return Last; }
  // Appends the text of `column` (decimal, hexadecimal, binary, octal) of
  // `row` (at most LastRow) to `out`.
  void AppendText(std::uint32_t row, int column, std::string& out) const;
  // The texts of each band's highest number: in a font whose digits are
  // equally wide, none of the column's texts is wider than all of these.
  std::vector<std::string> WidestTexts(int column) const;

 private:
  std::int32_t From;
  std::uint32_t Last;
  std::vector<TLookupBand> Bands;
};
