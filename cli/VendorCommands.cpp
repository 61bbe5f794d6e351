// SPDX-License-Identifier: MIT
// mac and vendor: what a MAC address says and who it belongs to, from the vendor registry.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "cli/Command.h"
#include "radix/MacAddress.h"
#include "radix/VendorRegistryFile.h"

namespace {
// The registry the window uses, found from this program's folder as the window finds it from its own.
std::optional<TVendorRegistry> LoadRegistry() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return LoadInstalledVendorRegistry(error ? std::string(".") : self.parent_path().string());
}

std::string Eui64Text(std::uint64_t eui64) {
  char text[24];
  std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X:%02X:%02X", static_cast<unsigned>(eui64 >> 56),
                static_cast<unsigned>(eui64 >> 48 & 0xFF), static_cast<unsigned>(eui64 >> 40 & 0xFF),
                static_cast<unsigned>(eui64 >> 32 & 0xFF), static_cast<unsigned>(eui64 >> 24 & 0xFF),
                static_cast<unsigned>(eui64 >> 16 & 0xFF), static_cast<unsigned>(eui64 >> 8 & 0xFF),
                static_cast<unsigned>(eui64 & 0xFF));
  return text;
}

Report Mac(const Arguments& arguments) {
  const std::string& text = arguments.Positional[0];
  const std::optional<TMacAddress> mac = ParseMacAddress(text);
  if (!mac)
    throw InputError("ADDRESS", "'" + text + "' is no MAC address, OUI or IPv6 address (3c:22:fb:12:34:56, "
                                             "3c22.fb12.3456, 3C-22-FB)");
  const std::optional<TVendorRegistry> registry = LoadRegistry();
  const std::optional<TVendorBlock> block =
      registry ? registry->Find(MacLookupKey(*mac), MacKnownBits(*mac)) : std::nullopt;
  const std::optional<std::uint64_t> eui64 = Eui64Of(*mac);
  const char* forms[] = {"OUI", "EUI-48", "EUI-64"};
  Report report;
  report.Fields = {
      {"form", "Form", forms[static_cast<int>(mac->Form)]},
      {"notations", "Notations", MacNotations(*mac)},
      {"bit_swapped", "Bit-swapped", MacNotations(BitSwapped(*mac)).front()},
      {"group", "Individual/Group", IsGroupAddress(*mac) ? "group (multicast)" : "individual"},
      {"local", "Universal/Local", IsLocalAddress(*mac) ? "locally administered" : "universally administered"},
      {"eui64", "EUI-64", eui64 ? std::optional(Eui64Text(*eui64)) : std::nullopt},
      {"link_local", "IPv6 Link-Local Address", LinkLocalAddressOf(*mac)},
      {"vendor", "Vendor", block ? std::optional(std::string(block->Organization)) : std::nullopt},
      {"block", "Block", block ? std::optional(VendorBlockText(*block)) : std::nullopt},
      {"registry", "Registry",
       block ? std::optional(std::string(VendorRegistryName(block->Kind))) : std::nullopt},
      {"registry_date", "Registry Date",
       registry ? std::optional(registry->Date()) : std::optional<std::string>("the vendor registry is not installed")},
  };
  return report;
}

Report Vendor(const Arguments& arguments) {
  std::optional<TVendorRegistry> loaded = LoadRegistry();
  if (!loaded) throw InputError("TEXT", "the vendor registry is not installed");
  // The blocks' names live in the registry, which the rows keep.
  auto registry = std::make_shared<const TVendorRegistry>(std::move(*loaded));
  auto blocks = std::make_shared<std::vector<TVendorBlock>>(registry->Search(arguments.Positional[0]));
  std::size_t width = 0;
  for (const TVendorBlock& block : *blocks) width = std::max(width, block.Organization.size());
  Report report;
  report.Fields = {{"registry_date", "Registry Date", registry->Date()}};
  report.Rows = Table{"blocks",
                      {{"block", "Block", 21, ColumnKind::Plain},
                       {"registry", "Registry", 4, ColumnKind::Plain},
                       {"organization", "Organization", width}},
                      [registry, blocks, next = std::size_t{0}](RowCells& cells) mutable {
                        if (next == blocks->size()) return false;
                        const TVendorBlock& block = (*blocks)[next++];
                        cells.Add(VendorBlockText(block));
                        cells.Add(VendorRegistryName(block.Kind));
                        cells.Add(block.Organization);
                        return true;
                      }};
  return report;
}

const Command Commands[] = {
    {"mac", "ADDRESS",
     "A MAC address, an OUI or an IPv6 address's interface identifier: its notations, bits, EUI-64 and "
     "link-local address, and its vendor from the vendor registry.",
     "orvane mac 3c:22:fb:12:34:56", {}, 1, 1, false, Mac},
    {"vendor", "TEXT", "Every block of the vendor registry whose organization's name holds TEXT.",
     "orvane vendor 'juniper networks' --csv", {}, 1, 1, true, Vendor},
};
}  // namespace

std::span<const Command> VendorCommands() { return Commands; }
