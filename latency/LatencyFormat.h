// SPDX-License-Identifier: MIT
#pragma once
// How the latency calculator writes its numbers: the delays and shares of the
// statistics and an element's description line. Each takes the user's decimal
// separator, so the results read as the user writes numbers.
#include <optional>
#include <string>
#include <string_view>

#include "latency/NetworkElement.h"

// `value` rounded half away from zero to `digits` decimal places or to
// `precision` significant digits, whichever is coarser, written with exactly
// `digits` decimals ("0.0000672", "0.0010000"). Values whose integer part has
// more than `precision` digits are written as FormatGeneral does.
std::string FormatFixed(double value, int precision, int digits, std::string_view decimalSeparator);

// The shortest form of `value` at `precision` significant digits ("10",
// "1.544", "155.52"); scientific ("1E-6", "1.5E20") below 0.00001 or when the
// integer part has more than `precision` digits.
std::string FormatGeneral(double value, int precision, std::string_view decimalSeparator);

// A delay or total in seconds, as the statistics show it: "0.0053316".
std::string FormatDelay(float seconds, std::string_view decimalSeparator);

// A share (0 to 1) in percent with one decimal and the sign: "98.1%".
std::string FormatPercent(float share, std::string_view decimalSeparator);

// An element's one-line description: "Frame Relay (1.544 Mbps, 5 ms prop. delay)"
// for a network, "Server (1024 B pkt., 1 ms proc. time)" for a host.
std::string DescriptionLine(const TNetworkElement& element, std::string_view decimalSeparator);

// A number as the user types it ("1,5" with a comma separator): an optional
// sign, digits with at most one `decimalSeparator`, an optional exponent, and
// surrounding spaces. Nothing for any other text or a value beyond a double.
std::optional<double> ParseDecimal(std::string_view text, std::string_view decimalSeparator);
