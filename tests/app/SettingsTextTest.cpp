// SPDX-License-Identifier: MIT
#include "app/SettingsText.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsText, ReadsSignedWholeNumbersOnly) {
  EXPECT_EQ(ParseSettingInteger("254"), 254);
  EXPECT_EQ(ParseSettingInteger("-2146498043"), -2146498043);
  EXPECT_EQ(ParseSettingInteger("+7"), 7);
  EXPECT_EQ(ParseSettingInteger("-2147483648"), INT32_MIN);
  for (const char* bad : {"", "abc", "1.5", "12 ", " 12", "2147483648", "+-3", "0x10", "++1"})
    EXPECT_FALSE(ParseSettingInteger(bad).has_value()) << '"' << bad << '"';
}

TEST(SettingsText, AddressesFromClassBUpAreStoredNegative) {
  const auto address = static_cast<std::int32_t>(0xC0A80101u);  // 192.168.1.1
  EXPECT_EQ(FormatSettingInteger(address), "-1062731519");
  EXPECT_EQ(static_cast<std::uint32_t>(*ParseSettingInteger(FormatSettingInteger(address))), 0xC0A80101u);
  EXPECT_EQ(FormatSettingBoolean(true), "1");
  EXPECT_EQ(FormatSettingBoolean(false), "0");
}

}  // namespace
