// SPDX-License-Identifier: MIT
#pragma once
// The rows of the vendor search's table: one block a row, its prefix, size,
// registry and organization.
#include <cstdint>
#include <string>
#include <vector>

#include "radix/VendorRegistry.h"

class TVendorRows {
 public:
  static constexpr int Columns = 4;
  static constexpr const char* Titles[Columns] = {"Block", "Addresses", "Registry", "Organization"};

  // At least one block; they stay valid while the registry they come from does.
  explicit TVendorRows(std::vector<TVendorBlock> blocks) : Blocks(std::move(blocks)) {}
  std::uint32_t LastRow() const { return static_cast<std::uint32_t>(Blocks.size() - 1); }
  void AppendText(std::uint32_t row, int column, std::string& out) const;
  std::vector<std::string> WidestTexts(int column) const;

 private:
  std::vector<TVendorBlock> Blocks;
};
