// SPDX-License-Identifier: MIT
#include "radix/Ieee754.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <vector>

namespace {
struct Layout {
  int FractionBits;
  int ExponentBits;
  int Bias;
};

Layout LayoutOf(FloatFormat format) {
  switch (format) {
    case FloatFormat::Half: return {10, 5, 15};
    case FloatFormat::Single: return {23, 8, 127};
    default: return {52, 11, 1023};
  }
}

// The decimal expansion of significand * 2^exponent, which always ends: a
// power of two below one is a power of five moved past the point.
std::string ExactDecimal(std::uint64_t significand, int exponent) {
  std::vector<int> digits;  // least significant first
  for (; significand != 0; significand /= 10) digits.push_back(static_cast<int>(significand % 10));
  if (digits.empty()) return "0";
  auto multiply = [&digits](int factor) {
    int carry = 0;
    for (int& d : digits) {
      const int product = d * factor + carry;
      d = product % 10;
      carry = product / 10;
    }
    for (; carry != 0; carry /= 10) digits.push_back(carry % 10);
  };
  const int places = exponent < 0 ? -exponent : 0;
  for (int i = 0; i < (exponent < 0 ? -exponent : exponent); ++i) multiply(exponent < 0 ? 5 : 2);
  while (static_cast<int>(digits.size()) <= places) digits.push_back(0);
  std::string text;
  for (auto i = digits.size(); i-- > 0;) {
    text += static_cast<char>('0' + digits[i]);
    if (static_cast<int>(i) == places && places > 0) text += '.';
  }
  if (places > 0) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

// A decimal number as digits without leading or trailing zeros, worth
// 0.digits * 10^Point; zero has no digits.
struct Decimal {
  bool Negative = false;
  std::string Digits;
  long Point = 0;
};

// Reads [sign] digits [. digits] [e [sign] digits]; false for anything else.
bool ReadDecimal(std::string_view text, Decimal& out) {
  std::size_t i = 0;
  out = {};
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) out.Negative = text[i++] == '-';
  bool any = false;
  bool afterPoint = false;
  long point = 0;
  std::string digits;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !afterPoint) {
      afterPoint = true;
    } else if (c >= '0' && c <= '9') {
      any = true;
      if (digits.empty() && c == '0') {
        if (afterPoint) --point;
      } else {
        digits += c;
        if (!afterPoint) ++point;
      }
    } else {
      break;
    }
  }
  if (!any) return false;
  if (i < text.size()) {
    if (text[i] != 'e' && text[i] != 'E') return false;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    long exponent = 0;
    for (; i < text.size(); ++i) {
      if (text[i] < '0' || text[i] > '9') return false;
      // Far beyond any format's range; keeps the sum from overflowing.
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
    }
    point += negative ? -exponent : exponent;
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  out.Digits = digits;
  out.Point = digits.empty() ? 0 : point;
  return true;
}

// Magnitudes compared: negative, zero or positive.
int CompareMagnitude(const Decimal& a, const Decimal& b) {
  if (a.Digits.empty() || b.Digits.empty()) return int(!a.Digits.empty()) - int(!b.Digits.empty());
  if (a.Point != b.Point) return a.Point < b.Point ? -1 : 1;
  return a.Digits.compare(b.Digits) < 0 ? -1 : a.Digits == b.Digits ? 0 : 1;
}

// The half nearest a finite double; `tie` says which way a value exactly
// between two halves goes: 0 to the even one, +1 away from zero, -1 toward it.
// `wasTie` tells whether it was such a value.
std::uint16_t DoubleToHalf(double value, int tie, bool& wasTie) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto sign = static_cast<std::uint16_t>((bits >> 48) & 0x8000);
  const int raw = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
  wasTie = false;
  if (raw == 0 && significand == 0) return sign;
  int exponent = raw == 0 ? -1074 : raw - 1075;  // value = significand * 2^exponent
  if (raw != 0) significand |= std::uint64_t{1} << 52;
  while (significand < (std::uint64_t{1} << 52)) {
    significand <<= 1;
    --exponent;
  }
  // The half's step at this magnitude: 2^(top - 10), never finer than the subnormals' 2^-24.
  const int top = exponent + 52;
  const int step = std::max(top, -14) - 10;
  const int shift = step - exponent;  // at least 42
  if (shift >= 64) return sign;       // below a quarter of the smallest subnormal
  std::uint64_t n = significand >> shift;
  const std::uint64_t rest = significand & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t halfStep = std::uint64_t{1} << (shift - 1);
  wasTie = rest == halfStep;
  if (rest > halfStep || (wasTie && (tie > 0 || (tie == 0 && (n & 1) != 0)))) ++n;
  int field = 0;
  if (n >= (1u << 11)) {  // rounding carried into the next power of two
    n >>= 1;
    field = step + 1 + 10 + 15;
  } else if (n >= (1u << 10)) {
    field = step + 10 + 15;
  }
  if (field >= 31) return static_cast<std::uint16_t>(sign | 0x7C00);
  return static_cast<std::uint16_t>(sign | (field << 10) | (n & 0x3FF));
}

template <typename T>
std::string ShortestOf(T value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// The fewest significant digits that read back as the same half: for each
// count, the nearest decimal of that many digits or its neighbours, since the
// gap below a power of two is half the gap above it.
std::string ShortestHalf(std::uint16_t bits, double value) {
  for (int precision = 1; precision <= 5; ++precision) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                   precision - 1).ptr;
    const std::string text(buffer, end);
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    if (const auto dot = mantissa.find('.'); dot != std::string::npos) mantissa.erase(dot, 1);
    const long nearest = std::stol(mantissa);
    const int exponent = std::stoi(text.substr(e + 1)) - (precision - 1);
    double best = 0;
    bool found = false;
    for (long candidate : {nearest, nearest - 1, nearest + 1}) {
      const std::string decimal = (value < 0 ? "-" : "") + std::to_string(candidate) + "e" + std::to_string(exponent);
      const FloatEncoding back = EncodeFloat(decimal, FloatFormat::Half);
      double read = 0;
      std::from_chars(decimal.data(), decimal.data() + decimal.size(), read);
      if (back.Ok && back.Bits == bits && (!found || std::fabs(read - value) < std::fabs(best - value))) {
        best = read;
        found = true;
      }
    }
    if (found) return ShortestOf(best);
  }
  return ShortestOf(value);
}
}  // namespace

int FloatWidth(FloatFormat format) {
  const Layout layout = LayoutOf(format);
  return 1 + layout.ExponentBits + layout.FractionBits;
}

std::string FloatKindName(FloatKind kind) {
  switch (kind) {
    case FloatKind::Zero: return "zero";
    case FloatKind::Subnormal: return "subnormal";
    case FloatKind::Normal: return "normal";
    case FloatKind::Infinity: return "infinity";
    case FloatKind::QuietNaN: return "quiet NaN";
    default: return "signalling NaN";
  }
}

namespace {
// Everything but the shortest text, which is found by encoding candidates.
FloatFields DecodeFields(std::uint64_t bits, FloatFormat format) {
  const Layout layout = LayoutOf(format);
  const int width = FloatWidth(format);
  const unsigned maxRaw = (1u << layout.ExponentBits) - 1;
  const std::uint64_t implicit = std::uint64_t{1} << layout.FractionBits;
  FloatFields f;
  f.Negative = ((bits >> (width - 1)) & 1) != 0;
  f.ExponentRaw = static_cast<unsigned>((bits >> layout.FractionBits) & maxRaw);
  f.Fraction = bits & (implicit - 1);
  f.Exponent = static_cast<int>(f.ExponentRaw) - layout.Bias;
  const std::string sign = f.Negative ? "-" : "";
  if (f.ExponentRaw == maxRaw) {
    const std::uint64_t quiet = implicit >> 1;
    f.Kind = f.Fraction == 0 ? FloatKind::Infinity : (f.Fraction & quiet) ? FloatKind::QuietNaN : FloatKind::SignallingNaN;
    f.Payload = f.Fraction & (quiet - 1);
    const bool nan = f.Fraction != 0;
    f.Value = std::copysign(nan ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity(),
                            f.Negative ? -1.0 : 1.0);
    f.Exact = sign + (nan ? "nan" : "inf");
    return f;
  }
  std::uint64_t significand = f.Fraction;
  if (f.ExponentRaw == 0) {
    f.Kind = f.Fraction == 0 ? FloatKind::Zero : FloatKind::Subnormal;
    f.Exponent = 1 - layout.Bias;
  } else {
    f.Kind = FloatKind::Normal;
    significand |= implicit;
  }
  const int scale = f.Exponent - layout.FractionBits;
  f.Exact = sign + ExactDecimal(significand, scale);
  f.Value = format == FloatFormat::Double ? std::bit_cast<double>(bits)
                                          : std::copysign(std::ldexp(static_cast<double>(significand), scale),
                                                          f.Negative ? -1.0 : 1.0);
  return f;
}
}  // namespace

FloatFields DecodeFloat(std::uint64_t bits, FloatFormat format) {
  FloatFields f = DecodeFields(bits, format);
  switch (format) {
    case FloatFormat::Half:
      f.Shortest = f.Kind == FloatKind::Infinity || f.Kind == FloatKind::QuietNaN || f.Kind == FloatKind::SignallingNaN
                       ? f.Exact
                       : ShortestHalf(static_cast<std::uint16_t>(bits & 0xFFFF), f.Value);
      break;
    case FloatFormat::Single: f.Shortest = ShortestOf(static_cast<float>(f.Value)); break;
    case FloatFormat::Double: f.Shortest = ShortestOf(f.Value); break;
  }
  return f;
}

FloatEncoding EncodeFloat(std::string_view text, FloatFormat format) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' || text.back() == '\r'))
    text.remove_suffix(1);
  const int width = FloatWidth(format);
  const Layout layout = LayoutOf(format);
  const std::uint64_t signBit = std::uint64_t{1} << (width - 1);
  const std::uint64_t infinity = ((std::uint64_t{1} << layout.ExponentBits) - 1) << layout.FractionBits;

  std::string_view word = text;
  const bool negative = !word.empty() && word.front() == '-';
  if (!word.empty() && (word.front() == '-' || word.front() == '+')) word.remove_prefix(1);
  std::string lower;
  for (char c : word) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  const std::uint64_t sign = negative ? signBit : 0;
  if (lower == "inf" || lower == "infinity") return {true, sign | infinity, false, false, {}};
  if (lower == "nan") return {true, sign | infinity | (std::uint64_t{1} << (layout.FractionBits - 1)), false, false, {}};

  Decimal decimal;
  if (text.empty()) return {false, 0, false, false, "Type a decimal number"};
  if (!ReadDecimal(text, decimal)) return {false, 0, false, false, "Not a decimal number: " + std::string(text)};
  const std::string digits = std::string(text.substr(text.front() == '+' ? 1 : 0));

  FloatEncoding result{true, 0, false, false, {}};
  auto readAs = [&](auto value) {
    const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
      // Beyond the range: the magnitude of the text says on which side.
      result.Overflow = decimal.Point > 0;
      value = result.Overflow ? std::numeric_limits<decltype(value)>::infinity() : decltype(value){0};
      if (negative) value = -value;
    }
    return value;
  };
  switch (format) {
    case FloatFormat::Single: result.Bits = std::bit_cast<std::uint32_t>(readAs(0.0f)); break;
    case FloatFormat::Double: result.Bits = std::bit_cast<std::uint64_t>(readAs(0.0)); break;
    case FloatFormat::Half: {
      const double value = readAs(0.0);
      bool wasTie = false;
      if (std::isfinite(value)) {
        result.Bits = DoubleToHalf(value, 0, wasTie);
        if (wasTie) {
          // The double may itself be rounded onto the midpoint: the text decides.
          Decimal exact;
          ReadDecimal(DecodeFields(std::bit_cast<std::uint64_t>(value), FloatFormat::Double).Exact, exact);
          const int side = CompareMagnitude(decimal, exact);
          if (side != 0) result.Bits = DoubleToHalf(value, side, wasTie);
        }
      } else {
        result.Bits = sign | infinity;
      }
      break;
    }
  }
  const FloatFields fields = DecodeFields(result.Bits, format);
  if (fields.Kind == FloatKind::Infinity) {
    result.Overflow = true;
    result.Inexact = true;
    return result;
  }
  Decimal exact;
  ReadDecimal(fields.Exact, exact);
  result.Inexact = CompareMagnitude(decimal, exact) != 0;
  return result;
}
