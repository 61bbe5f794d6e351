// SPDX-License-Identifier: MIT
#include "prefix/PrefixReport.h"

#include <gtest/gtest.h>

#include "radix/VendorRegistry.h"

namespace {

TEST(RegistryVendorTest, TheLongestBlocksOrganizationOrWhyThereIsNone) {
  const TVendorRegistry registry({{TVendorRegistryKind::MAL, 0x001B63, "Apple, Inc."},
                                  {TVendorRegistryKind::MAS, 0x001B63845, "Kr\xC3\xBCger & Gothe"}},
                                 "2026-12-01");
  const struct {
    const TVendorRegistry* Registry;
    std::uint64_t Mac;
    std::string Vendor;
  } cases[] = {
      {&registry, 0x001B63123456, "Apple, Inc."},
      {&registry, 0x001B638455E6, "Kr\xC3\xBCger & Gothe"},  // the MA-S block inside the MA-L one
      {&registry, 0x001B64000000, "not in the vendor list"},
      {nullptr, 0x001B638445E6, "the vendor list is not installed"},
  };
  for (const auto& c : cases) EXPECT_EQ(RegistryVendor(c.Registry, c.Mac), c.Vendor) << std::hex << c.Mac;
}

}  // namespace
