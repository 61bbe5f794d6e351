// SPDX-License-Identifier: MIT
#pragma once
// The bit workbench's last values, newest first, with how each was made, and
// their text in the settings: one line each, "<width> <u|s> <hex> <how>".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "radix/BitWord.h"

struct BitHistoryEntry {
  std::uint64_t Bits = 0;
  WordShape Shape;
  std::string How;  // "typed in hexadecimal", "byte swap", …
  bool operator==(const BitHistoryEntry&) const = default;
};

class BitHistory {
 public:
  static constexpr std::size_t Capacity = 50;

  // Puts the entry first, dropping the oldest beyond the capacity. The same
  // word and shape as the newest entry only updates how it was made.
  void Add(BitHistoryEntry entry);
  const std::vector<BitHistoryEntry>& Entries() const { return List; }

  std::string Save() const;
  // Lines that do not read as an entry are skipped; at most Capacity are kept.
  static BitHistory Load(std::string_view text);

 private:
  std::vector<BitHistoryEntry> List;
};
