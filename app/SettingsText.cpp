// SPDX-License-Identifier: MIT
#include "app/SettingsText.h"

#include <limits>
#include <stdexcept>

#include "radix/KestBinDecHex.h"

std::optional<std::int32_t> ParseSettingInteger(const std::string& text) {
  try {
    const std::int64_t value = StrToInt64(text);
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
      return std::nullopt;
    return static_cast<std::int32_t>(value);
  } catch (const std::logic_error&) {
    return std::nullopt;
  }
}

std::string FormatSettingInteger(std::int32_t value) { return std::to_string(value); }

std::string FormatSettingBoolean(bool value) { return value ? "1" : "0"; }
