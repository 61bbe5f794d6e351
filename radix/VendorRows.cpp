// SPDX-License-Identifier: MIT
#include "radix/VendorRows.h"

#include <algorithm>

void TVendorRows::AppendText(std::uint32_t row, int column, std::string& out) const {
  const TVendorBlock& block = Blocks[row];
  switch (column) {
    case 0: out += VendorBlockText(block); break;
    case 1: out += VendorBlockSizeText(block); break;
    case 2: out += VendorRegistryName(block.Kind); break;
    default: out += block.Organization; break;
  }
}

std::vector<std::string> TVendorRows::WidestTexts(int column) const {
  // The longest texts: in a proportional font the widest is among them.
  constexpr std::size_t Kept = 16;
  std::vector<std::string> texts;
  for (std::uint32_t row = 0; row <= LastRow(); ++row) {
    std::string text;
    AppendText(row, column, text);
    texts.push_back(std::move(text));
  }
  const auto longer = [](const std::string& a, const std::string& b) { return a.size() > b.size(); };
  std::partial_sort(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(std::min(Kept, texts.size())),
                    texts.end(), longer);
  texts.resize(std::min(Kept, texts.size()));
  return texts;
}
