// SPDX-License-Identifier: MIT
#include "prefix/PrefixReport.h"

#include <gtest/gtest.h>

#include "radix/OUIList.h"

namespace {

TEST(OUIListVendorTest, TheOrganizationTrimmedInUtf8OrWhyThereIsNone) {
  const TOUIList list("001B63 Apple  \xC4pple, Inc. \xA0\r\n"
                      "0050C2 IEEE   \r\n"
                      "00A0C9 Intel  Intel Corporation\r\n",
                      [](std::string_view line, std::string_view key) { return line.compare(key); });
  const struct {
    const TOUIList* List;
    std::uint64_t Mac;
    std::string Vendor;
  } cases[] = {
      {&list, 0x001B638445E6, "\xC3\x84pple, Inc."},  // Latin-1 in the list, spaces around it
      {&list, 0x00A0C9000001, "Intel Corporation"},
      {&list, 0x0050C2123456, ""},  // an entry without a name
      {&list, 0x001B64000000, "not in the OUI list"},
      {nullptr, 0x001B638445E6, "the OUI list (OUI.txt) is not installed"},
  };
  for (const auto& c : cases) EXPECT_EQ(OUIListVendor(c.List, c.Mac), c.Vendor) << std::hex << c.Mac;
}

}  // namespace
