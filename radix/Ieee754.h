// SPDX-License-Identifier: MIT
#pragma once
// IEEE-754 binary floating point of 16, 32 and 64 bits: the fields of a bit
// pattern and its value, and the pattern nearest a decimal number.
#include <cstdint>
#include <string>
#include <string_view>

enum class FloatFormat { Half, Single, Double };

// 16, 32 or 64.
int FloatWidth(FloatFormat format);

enum class FloatKind { Zero, Subnormal, Normal, Infinity, QuietNaN, SignallingNaN };

// "zero", "subnormal", "normal", "infinity", "quiet NaN", "signalling NaN".
std::string FloatKindName(FloatKind kind);

struct FloatFields {
  bool Negative = false;
  unsigned ExponentRaw = 0;
  // The power of two the significand is scaled by: raw minus the bias for
  // normal numbers, 1 minus the bias for zeros and subnormals; raw minus the
  // bias also for infinities and NaNs, where it has no meaning.
  int Exponent = 0;
  std::uint64_t Fraction = 0;
  FloatKind Kind = FloatKind::Zero;
  std::uint64_t Payload = 0;  // NaNs: the fraction without the quiet bit
  double Value = 0;           // exact: every half and single is a double
  std::string Exact;          // the full decimal expansion, "-0", "inf", "nan"
  std::string Shortest;       // the fewest digits that read back as the same pattern
};

// The low FloatWidth(format) bits of `bits` read in `format`.
FloatFields DecodeFloat(std::uint64_t bits, FloatFormat format);

struct FloatEncoding {
  bool Ok = false;
  std::uint64_t Bits = 0;
  bool Inexact = false;   // the number lies between two patterns and was rounded
  bool Overflow = false;  // beyond the largest finite number: rounded to infinity
  std::string Error;      // why the text was refused
};

// The pattern nearest a decimal number ("-1.5", "1e-3", "inf", "nan"), ties
// to the even pattern. Underflow to zero or a subnormal counts as inexact.
FloatEncoding EncodeFloat(std::string_view text, FloatFormat format);
