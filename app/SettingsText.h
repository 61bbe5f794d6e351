// SPDX-License-Identifier: MIT
#pragma once
// Numbers and booleans of the settings, kept as text: a whole number as its
// signed decimal text, a boolean as "1" or "0".
#include <cstdint>
#include <optional>
#include <string>

// The number a stored text holds, or nothing when it is no 32-bit whole number.
std::optional<std::int32_t> ParseSettingInteger(const std::string& text);
std::string FormatSettingInteger(std::int32_t value);
std::string FormatSettingBoolean(bool value);
