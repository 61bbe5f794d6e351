// SPDX-License-Identifier: MIT
#include "latency/LatencyFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// A finite, non-zero number as its exact decimal digits:
// |value| = 0.Digits x 10^IntDigits, Digits without leading or trailing zeros.
struct TDecimal {
  std::string Digits;
  int IntDigits = 0;
  bool Negative = false;

  char Digit(int index) const {
    return index >= 0 && index < static_cast<int>(Digits.size()) ? Digits[index] : '0';
  }
};

void TrimTrailingZeros(std::string& digits) {
  digits.erase(digits.find_last_not_of('0') + 1);
}

TDecimal ExactDecimal(double value) {
  // 767 decimals after the first digit hold every double exactly, so ties are real ties.
  char buffer[800];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 767).ptr;
  const std::string_view text(buffer, end - buffer);  // "d.ddd...e+XX"
  const std::size_t e = text.find('e');
  TDecimal d;
  d.Digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
  TrimTrailingZeros(d.Digits);
  int exponent = 0;
  std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
  d.IntDigits = (text[e + 1] == '-' ? -exponent : exponent) + 1;
  d.Negative = value < 0;
  return d;
}

// Rounds half away from zero to `keep` significant digits; returns false when
// the value rounds to 0 (with `keep` 0 only a carry can remain).
bool RoundTo(TDecimal& d, int keep) {
  if (keep < 0) {
    d.Digits.clear();
    return false;
  }
  if (keep >= static_cast<int>(d.Digits.size())) return true;
  const bool up = d.Digits[keep] >= '5';
  d.Digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.Digits[i] == '9') d.Digits[i--] = '0';
    if (i < 0) {
      d.Digits = "1";
      ++d.IntDigits;
    } else {
      ++d.Digits[i];
    }
  }
  TrimTrailingZeros(d.Digits);
  return !d.Digits.empty();
}

std::string IntegerPart(const TDecimal& d) {
  if (d.IntDigits <= 0) return "0";
  std::string out;
  for (int i = 0; i < d.IntDigits; ++i) out += d.Digit(i);
  return out;
}

std::string NonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatGeneral(double value, int precision, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0";
  TDecimal d = ExactDecimal(value);
  RoundTo(d, precision);
  std::string out = d.Negative ? "-" : "";
  const int size = static_cast<int>(d.Digits.size());
  if (d.IntDigits > precision || d.IntDigits < -4) {
    out += d.Digits[0];
    if (size > 1) out += std::string(decimalSeparator) + d.Digits.substr(1);
    return out + "E" + std::to_string(d.IntDigits - 1);
  }
  out += IntegerPart(d);
  if (size > d.IntDigits) {
    out += decimalSeparator;
    for (int i = d.IntDigits; i < size; ++i) out += d.Digit(i);
  }
  return out;
}

std::string FormatFixed(double value, int precision, int digits, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return NonFinite(value);
  TDecimal d;
  if (value != 0) {
    d = ExactDecimal(value);
    if (!RoundTo(d, std::min(precision, d.IntDigits + digits))) d = TDecimal{};
    if (d.IntDigits > precision) return FormatGeneral(value, precision, decimalSeparator);
  }
  std::string out = d.Negative ? "-" : "";
  out += IntegerPart(d);
  if (digits > 0) {
    out += decimalSeparator;
    for (int i = 0; i < digits; ++i) out += d.Digit(d.IntDigits + i);
  }
  return out;
}

std::string FormatDelay(float seconds, std::string_view decimalSeparator) {
  return FormatFixed(seconds, 7, 7, decimalSeparator);
}

std::string FormatPercent(float share, std::string_view decimalSeparator) {
  return FormatFixed(double(share) * 100, 7, 1, decimalSeparator) + "%";
}

std::string DescriptionLine(const TNetworkElement& element, std::string_view decimalSeparator) {
  std::string line = element.NetworkName + " (";
  if (IsHostKind(element.NetworkButtonKind)) {
    line += std::to_string(element.PacketSize) + " B pkt.";
    if (element.ProcessTime != 0) line += ", " + std::to_string(element.ProcessTime) + " ms proc. time";
  } else {
    line += FormatGeneral(element.Bandwidth, 6, decimalSeparator) + " Mbps";
    if (element.PropDelay != 0) line += ", " + std::to_string(element.PropDelay) + " ms prop. delay";
  }
  return line + ")";
}

std::optional<double> ParseDecimal(std::string_view text, std::string_view decimalSeparator) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string plain;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) plain += text[i++];
  bool digits = false;
  bool separator = false;
  while (i < text.size()) {
    if (text[i] >= '0' && text[i] <= '9') {
      plain += text[i++];
      digits = true;
    } else if (!separator && !decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
      plain += '.';
      i += decimalSeparator.size();
      separator = true;
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += text[i++];
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) plain += text[i++];
    bool exponentDigits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      plain += text[i++];
      exponentDigits = true;
    }
    if (!exponentDigits) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
  const char* first = plain.data() + (plain.front() == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(first, plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}
