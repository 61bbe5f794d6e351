// SPDX-License-Identifier: MIT
#include "radix/MacReport.h"

#include <optional>

const std::array<MacField, MacFieldCount> MacFields = {{
    {"notations", "Notations"},
    {"vendor", "Vendor"},
    {"bit_swapped", "Bit-Swapped (Token Ring/FDDI)"},
    {"bit_swapped_vendor", "Bit-Swapped Vendor"},
    {"group", "Individual/Group Bit"},
    {"local", "Universal/Local Bit"},
    {"eui64", "EUI-64"},
    {"link_local", "IPv6 Link-Local Address"},
}};

namespace {
std::string VendorText(const TMacAddress& mac, const TVendorRegistry* registry) {
  if (!registry) return "the vendor list is not installed";
  if (const std::optional<TVendorBlock> block = MacVendor(*registry, mac))
    return std::string(block->Organization) + "\n" + VendorBlockDescription(*block);
  return IsLocalAddress(mac) ? "none: locally administered" : "not in the vendor list";
}
}  // namespace

std::array<std::string, MacFieldCount> MacTexts(const TMacAddress& mac, const TVendorRegistry* registry) {
  std::string notations;
  for (const std::string& notation : MacNotations(mac)) notations += (notations.empty() ? "" : "\n") + notation;
  const TMacAddress swapped = BitSwapped(mac);
  const std::optional<std::uint64_t> eui64 = Eui64Of(mac);
  const std::optional<std::string> linkLocal = LinkLocalAddressOf(mac);
  return {
      notations,
      VendorText(mac, registry),
      MacNotations(swapped).front(),
      VendorText(swapped, registry),
      IsGroupAddress(mac) ? "1: group (multicast)" : "0: individual (unicast)",
      IsLocalAddress(mac) ? "1: locally administered: likely a randomised private address"
                          : "0: universally administered (assigned by IEEE)",
      eui64 ? MacNotations({TMacForm::EUI64, *eui64}).front() : "none: an OUI alone",
      linkLocal ? *linkLocal : "none: an OUI alone",
  };
}
