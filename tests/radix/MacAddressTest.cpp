// SPDX-License-Identifier: MIT
#include "radix/MacAddress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
TEST(MacAddressTest, ReadsEveryNotation) {
  const TMacAddress mac{TMacForm::EUI48, 0x3C22FB123456};
  const TMacAddress oui{TMacForm::OUI, 0x3C22FB};
  const TMacAddress eui64{TMacForm::EUI64, 0x3C22FB0102123456};
  const std::vector<std::pair<std::string, std::optional<TMacAddress>>> cases = {
      {"3c:22:fb:12:34:56", mac},
      {"3C-22-FB-12-34-56", mac},
      {"3c22.fb12.3456", mac},
      {"3c22fb123456", mac},
      {"  0x3C22FB123456 ", mac},
      {"3c22fb-123456", mac},
      {"3c 22 fb 12 34 56", mac},
      {"3c:22:fb:12:34:6", std::optional<TMacAddress>({TMacForm::EUI48, 0x3C22FB123406})},
      {"3C22FB", oui},
      {"3c-22-fb", oui},
      {"3c:22:fb:01:02:12:34:56", eui64},
      {"3c22.fb01.0212.3456", eui64},
      {"fe80::3e22:fbff:fe12:3456", mac},              // a modified EUI-64 made from a MAC
      {"2001:db8::3e22:fb01:0212:3456%eth0", eui64},   // one that is not
      {"3c:22:fb:12:34", std::nullopt},
      {"3c:22-fb:12:34:56", std::nullopt},
      {"3g22fb123456", std::nullopt},
      {"3c22.fb12.345", std::nullopt},
      {"192.0.2.1", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseMacAddress(text), expected) << text;
}

TEST(MacAddressTest, FormsFlagsAndDerivedAddresses) {
  const TMacAddress mac{TMacForm::EUI48, 0x3C22FB123456};
  EXPECT_EQ(MacNotations(mac),
            (std::vector<std::string>{"3C:22:FB:12:34:56", "3C-22-FB-12-34-56", "3c22.fb12.3456", "3c22fb123456"}));
  EXPECT_EQ(MacNotations({TMacForm::OUI, 0x3C22FB}), (std::vector<std::string>{"3C:22:FB", "3C-22-FB", "3c22fb"}));
  EXPECT_EQ(BitSwapped(mac), (TMacAddress{TMacForm::EUI48, 0x3C44DF482C6A}));
  EXPECT_EQ(BitSwapped({TMacForm::OUI, 0x000055}), (TMacAddress{TMacForm::OUI, 0x0000AA}));
  EXPECT_EQ(Eui64Of(mac), 0x3C22FBFFFE123456u);
  EXPECT_EQ(LinkLocalAddressOf(mac), "fe80::3e22:fbff:fe12:3456");
  EXPECT_EQ(LinkLocalAddressOf({TMacForm::OUI, 0x3C22FB}), std::nullopt);
  EXPECT_EQ(MacLookupKey({TMacForm::OUI, 0x3C22FB}), 0x3C22FB000000u);
  EXPECT_EQ(MacLookupKey({TMacForm::EUI64, 0x3C22FB0102123456}), 0x3C22FB010212u);

  struct Flags {
    std::uint64_t Value;
    bool Group, Local;
  };
  for (const Flags& f : {Flags{0x3C22FB123456, false, false}, Flags{0x01005E000001, true, false},
                         Flags{0x3E22FB123456, false, true}, Flags{0xFFFFFFFFFFFF, true, true}}) {
    EXPECT_EQ(IsGroupAddress({TMacForm::EUI48, f.Value}), f.Group) << std::hex << f.Value;
    EXPECT_EQ(IsLocalAddress({TMacForm::EUI48, f.Value}), f.Local) << std::hex << f.Value;
  }
}
}  // namespace
