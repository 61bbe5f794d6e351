// SPDX-License-Identifier: MIT
// mac and vendor: what a MAC address says and who it belongs to, from the vendor registry.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "cli/Command.h"
#include "radix/MacReport.h"
#include "radix/VendorRegistryFile.h"

const TVendorRegistry* InstalledVendorRegistry() {
  static const std::optional<TVendorRegistry> registry = [] {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return LoadInstalledVendorRegistry(error ? std::string(".") : self.parent_path().string());
  }();
  return registry ? &*registry : nullptr;
}

namespace {

Report Mac(const Arguments& arguments) {
  const std::string& text = arguments.Positional[0];
  const std::optional<TMacAddress> mac = ParseMacAddress(text);
  if (!mac)
    throw InputError("ADDRESS", "'" + text + "' is no MAC address, OUI, EUI-64 or IPv6 address (3c:22:fb:12:34:56, "
                                             "3c22.fb12.3456, 3C-22-FB)");
  const TVendorRegistry* registry = InstalledVendorRegistry();
  const auto texts = MacTexts(*mac, registry);
  const char* forms[] = {"OUI", "EUI-48", "EUI-64"};
  Report report;
  report.Fields.emplace_back("form", "Form", forms[static_cast<int>(mac->Form)]);
  for (std::size_t i = 0; i < MacFieldCount; ++i)
    report.Fields.emplace_back(MacFields[i].Key, MacFields[i].Caption, texts[i]);
  report.Fields.emplace_back("registry_date", "Vendor List Date",
                             registry ? std::optional(registry->Date()) : std::nullopt);
  return report;
}

Report Vendor(const Arguments& arguments) {
  const TVendorRegistry* registry = InstalledVendorRegistry();
  if (!registry) throw InputError("TEXT", "the vendor list is not installed");
  auto blocks = std::make_shared<std::vector<TVendorBlock>>(registry->Search(arguments.Positional[0]));
  std::size_t width = 0;
  for (const TVendorBlock& block : *blocks) width = std::max(width, block.Organization.size());
  Report report;
  report.Fields = {{"registry_date", "Vendor List Date", registry->Date()}};
  report.Rows = Table{"blocks",
                      {{"block", "Block", 21, ColumnKind::Plain},
                       {"addresses", "Addresses", 8, ColumnKind::Number},
                       {"registry", "Registry", 4, ColumnKind::Plain},
                       {"organization", "Organization", width}},
                      [blocks, next = std::size_t{0}](RowCells& cells) mutable {
                        if (next == blocks->size()) return false;
                        const TVendorBlock& block = (*blocks)[next++];
                        cells.Add(VendorBlockText(block));
                        cells.Add(std::to_string(block.Size()));
                        cells.Add(VendorRegistryName(block.Kind));
                        cells.Add(block.Organization);
                        return true;
                      }};
  return report;
}

const Command Commands[] = {
    {"mac", "ADDRESS",
     "What the MAC Address page shows for a MAC address, an OUI, an EUI-64 or an IPv6 address's interface "
     "identifier: its notations, vendor, bit-swapped form, flag bits, EUI-64 and link-local address.",
     "orvane mac 3c:22:fb:12:34:56", {}, 1, 1, false, Mac},
    {"vendor", "TEXT", "Every block of the vendor registry whose organization's name holds TEXT.",
     "orvane vendor 'juniper networks' --csv", {}, 1, 1, true, Vendor},
};
}  // namespace

std::span<const Command> VendorCommands() { return Commands; }
