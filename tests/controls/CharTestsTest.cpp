// SPDX-License-Identifier: MIT
#include "controls/CharTests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
TEST(CharTestsTest, EachTestAcceptsExactlyItsCharacters) {
  struct Case {
    const char* Name;
    bool (*Test)(char);
    std::string Accepted;
  };
  std::string controls;
  for (int code = 0; code <= 31; ++code) controls += static_cast<char>(code);
  const std::vector<Case> cases = {
      {"IsBinaryChar", IsBinaryChar, "01"},
      {"IsControlChar", IsControlChar, controls},
      {"IsDecimalChar", IsDecimalChar, "0123456789"},
      {"IsHexChar", IsHexChar, "0123456789ABCDEFabcdef"},
      {"IsOctalChar", IsOctalChar, "01234567"},
  };
  for (const auto& c : cases)
    for (int code = 0; code < 256; ++code) {
      const char ch = static_cast<char>(code);
      EXPECT_EQ(c.Test(ch), c.Accepted.find(ch) != std::string::npos) << c.Name << " of code " << code;
    }
}

TEST(CharTestsTest, BackspaceAndEnterAreControlCharacters) {
  EXPECT_TRUE(IsControlChar('\b'));
  EXPECT_TRUE(IsControlChar('\r'));
  EXPECT_FALSE(IsControlChar(' '));
  EXPECT_FALSE(IsControlChar(static_cast<char>(127)));
}
}  // namespace
