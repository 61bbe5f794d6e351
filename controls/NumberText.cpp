// SPDX-License-Identifier: MIT
#include "controls/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "controls/CharTests.h"
#include "radix/KestBinDecHex.h"

namespace {
// "1e+20" becomes "1E20" and "1.5e-05" becomes "1.5E-5".
std::string TidyExponent(std::string text) {
  const auto e = text.find('e');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  std::string sign;
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
    if (exponent[0] == '-') sign = "-";
    exponent.erase(0, 1);
  }
  exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
  return text.substr(0, e) + "E" + sign + exponent;
}

constexpr double LargestShownFloat = 1.79769313486231e308;

std::string FormatFloat(int digits, double value, char decimalPoint) {
  // Fixed notation shows at most 18 decimals; the largest double then needs 329 characters.
  std::array<char, 400> buffer{};
  const auto [end, error] =
      digits < 0 ? std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::general, 15)
                 : std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::fixed,
                                 std::min(digits, 18));
  if (error != std::errc()) throw std::length_error("the number is too long to show");
  // Fifteen digits round the largest doubles up past the largest double, text
  // that would not read back: they show the largest fifteen-digit value below it.
  double shown = 0;
  if (std::from_chars(buffer.begin(), end, shown).ec == std::errc::result_out_of_range)
    return FormatFloat(digits, std::copysign(LargestShownFloat, value), decimalPoint);
  std::string text = TidyExponent(std::string(buffer.begin(), end));
  for (char& c : text)
    if (c == '.') c = decimalPoint;
  return text;
}
}  // namespace

std::string FormatNumberText(TNumberStyle style, int digits, std::int64_t valueInteger, double valueFloat,
                             char decimalPoint) {
  switch (style) {
    case nsBinary:
      return IntToBinStr(digits, valueInteger);
    case nsDecimal:
      return IntToDecStr(digits, valueInteger);
    case nsFloat:
      return FormatFloat(digits, valueFloat, decimalPoint);
    case nsHexadecimal:
      return IntToHex(valueInteger, digits);
    case nsOctal:
      return IntToOctStr(digits, valueInteger);
  }
  throw std::invalid_argument("unknown number style");
}

std::int64_t ParseIntegerText(TNumberStyle style, const std::string& text) {
  switch (style) {
    case nsBinary:
      return BinStrToInt(text);
    case nsDecimal:
      return StrToInt64(text);
    case nsHexadecimal:
      return HexStrToInt(text);
    case nsOctal:
      return OctStrToInt(text);
    case nsFloat:
      break;
  }
  throw std::invalid_argument("not an integer number style");
}

double ParseFloatText(const std::string& text, char decimalPoint) {
  std::string plain = text;
  for (char& c : plain)
    if (c == decimalPoint) c = '.';
  const char* first = plain.data();
  const char* last = first + plain.size();
  // from_chars takes '-' but not '+'; a '+' must not open a second sign.
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') first = last;
  }
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range)
    throw std::out_of_range("'" + text + "' is not within the range of a floating-point number");
  // from_chars also reads "inf" and "nan", which are no numbers to show.
  if (error != std::errc() || end != last || !std::isfinite(value))
    throw std::invalid_argument("'" + text + "' is not a valid floating point value");
  return value;
}

std::int64_t TruncateToInt64(double value) {
  // 2^63 is exact in a double; every double below it truncates into range.
  constexpr double Limit = 9223372036854775808.0;
  if (!std::isfinite(value) || value >= Limit || value < -Limit)
    throw std::overflow_error("Invalid floating point operation");
  return static_cast<std::int64_t>(value);
}

bool IsValidNumberChar(TNumberStyle style, bool allowNegative, char decimalPoint, char c) {
  switch (style) {
    case nsBinary:
      return IsBinaryChar(c);
    case nsDecimal:
      return IsDecimalChar(c) || ((c == '+' || c == '-') && allowNegative);
    case nsFloat:
      return IsDecimalChar(c) || c == '+' || c == '-' || c == '.' || c == decimalPoint || c == 'E' || c == 'e';
    case nsHexadecimal:
      return IsHexChar(c);
    case nsOctal:
      return IsOctalChar(c);
  }
  return false;
}

std::optional<std::string> PastedNumberText(TNumberStyle style, bool allowNegative, char decimalPoint,
                                            std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  const char prefix = style == nsHexadecimal ? 'x' : style == nsBinary ? 'b' : style == nsOctal ? 'o' : '\0';
  if (prefix && text.size() > 2 && text[0] == '0' && (text[1] | 0x20) == prefix) text.remove_prefix(2);
  std::string taken;
  for (const char c : text) {
    if (IsValidNumberChar(style, allowNegative, decimalPoint, c))
      taken += c;
    else if (c != ':' && c != '-' && c != '.' && c != ' ' && c != '_')
      return std::nullopt;
  }
  return taken;
}
