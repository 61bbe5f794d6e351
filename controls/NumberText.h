// SPDX-License-Identifier: MIT
#pragma once
// The text of a number field in each of its styles, the parse back, and the
// characters a style lets the user type.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Display and entry base of a number field.
enum TNumberStyle { nsBinary, nsDecimal, nsFloat, nsHexadecimal, nsOctal };

// The text of a value. Integer styles show valueInteger with at least `digits`
// digits (decimal puts the zeros before the sign); nsFloat shows valueFloat,
// with at most 15 significant digits when `digits` is negative, otherwise with
// `digits` digits (at most 18) after `decimalPoint`.
std::string FormatNumberText(TNumberStyle style, int digits, std::int64_t valueInteger, double valueFloat,
                             char decimalPoint);

// The value of a text in an integer style. Binary, octal and hexadecimal never
// fail; decimal text that is not a signed 64-bit integer throws.
std::int64_t ParseIntegerText(TNumberStyle style, const std::string& text);

// An optional sign, digits with `decimalPoint` (or '.') and an optional
// exponent. Anything else, or a value beyond the range of a double, throws.
double ParseFloatText(const std::string& text, char decimalPoint);

// The value truncated toward zero; throws std::overflow_error when it is not
// finite or lies outside the signed 64-bit range.
std::int64_t TruncateToInt64(double value);

// Whether a typed character belongs to the style. The signs of nsDecimal need
// allowNegative; nsFloat takes them always, with '.', `decimalPoint` and 'E'.
bool IsValidNumberChar(TNumberStyle style, bool allowNegative, char decimalPoint, char c);

// The text a field of `style` takes from a pasted text: without the blanks
// around it, a "0x", "0b" or "0o" prefix of the style's base, and the
// separators (':', '-', '.', spaces, '_') that the style cannot take.
// Nothing when a character the style cannot take remains.
std::optional<std::string> PastedNumberText(TNumberStyle style, bool allowNegative, char decimalPoint,
                                            std::string_view text);
