// SPDX-License-Identifier: MIT
#include "controls/AddressText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AddressTextTest, AnAddressWithOrWithoutItsMask) {
  struct Case {
    const char* Text;
    bool Valid;
    std::uint32_t Address;
    int MaskBits;  // -1: none came with it
  };
  const Case cases[] = {
      {"192.168.7.9", true, 0xC0A80709, -1},
      {"0.0.0.0", true, 0, -1},
      {"255.255.255.255/32", true, 0xFFFFFFFF, 32},
      {"192.168.7.9/24", true, 0xC0A80709, 24},
      {"10.1.2.3/0", true, 0x0A010203, 0},
      {"192.168.7.9 255.255.255.0", true, 0xC0A80709, 24},
      {"10.1.2.3\t \t255.255.192.0", true, 0x0A010203, 18},
      {"10.1.2.3 0.0.0.0", true, 0x0A010203, 0},
      {"10.1.2.3 255.255.255.255", true, 0x0A010203, 32},
      {"10.1.2.3 255.0.255.0", false, 0, -1},  // not a mask
      {"10.1.2.3/33", false, 0, -1},
      {"10.1.2.3/024", false, 0, -1},
      {"10.1.2.3/", false, 0, -1},
      {"10.1.2.3/24 ", false, 0, -1},
      {"10.1.2.3 ", false, 0, -1},
      {"10.1.2.3x", false, 0, -1},
      {"10.01.2.3", false, 0, -1},  // octal or decimal: not guessed
      {"1.2.3", false, 0, -1},
      {"1.2.3.256", false, 0, -1},
      {"1.2.3.4.5", false, 0, -1},
      {"1..2.3", false, 0, -1},
      {"", false, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    const std::optional<TAddressText> read = ParseAddressText(c.Text);
    ASSERT_EQ(read.has_value(), c.Valid);
    if (!read) continue;
    EXPECT_EQ(read->Address, c.Address);
    EXPECT_EQ(read->MaskBits.value_or(-1), c.MaskBits);
  }
  EXPECT_FALSE(ParseAddressText(std::string("1.2.3.4\0/8", 10)));
}

}  // namespace
