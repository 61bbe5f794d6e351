// SPDX-License-Identifier: MIT
#pragma once
// The vendor registry: every block of MAC addresses that IEEE assigns, in its
// five registries, with its organization, and the lookup of the longest block
// that holds an address. It is read from IEEE's published lists (CSV or text)
// and kept in a compact binary file with the registry's date.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// MA-L, CID: 24-bit prefixes; MA-M: 28; MA-S and IAB: 36.
enum class TVendorRegistryKind : std::uint8_t { MAL, MAM, MAS, IAB, CID };
constexpr TVendorRegistryKind VendorRegistryKinds[] = {TVendorRegistryKind::MAL, TVendorRegistryKind::MAM,
                                                       TVendorRegistryKind::MAS, TVendorRegistryKind::IAB,
                                                       TVendorRegistryKind::CID};
// "MA-L", "MA-M", "MA-S", "IAB", "CID".
std::string_view VendorRegistryName(TVendorRegistryKind kind);
unsigned VendorRegistryBits(TVendorRegistryKind kind);

// One block as the lists give it: its registry, its prefix (the first
// VendorRegistryBits(Kind) bits of its addresses) and its organization.
struct TVendorEntry {
  TVendorRegistryKind Kind = TVendorRegistryKind::MAL;
  std::uint64_t Prefix = 0;
  std::string Organization;  // UTF-8
  bool operator==(const TVendorEntry&) const = default;
};

struct TVendorBlock {
  TVendorRegistryKind Kind = TVendorRegistryKind::MAL;
  std::uint64_t Prefix = 0;
  std::string_view Organization;
  unsigned Bits() const { return VendorRegistryBits(Kind); }
  // The block's first and last EUI-48 address, and how many it holds.
  std::uint64_t First() const { return Prefix << (48 - Bits()); }
  std::uint64_t Last() const { return First() | (Size() - 1); }
  std::uint64_t Size() const { return std::uint64_t{1} << (48 - Bits()); }
};

// "3C-22-FB/24", "70-B3-D5-F2-F0-00/36": the first address, as far as the
// prefix reaches in whole bytes, and the prefix length.
std::string VendorBlockText(const TVendorBlock& block);
// "16,777,216": the addresses the block holds.
std::string VendorBlockSizeText(const TVendorBlock& block);
// "3C-22-FB/24, MA-L, 16,777,216 addresses".
std::string VendorBlockDescription(const TVendorBlock& block);

class TVendorRegistry {
 public:
  TVendorRegistry() = default;
  // The entries in any order; `date` is the registry's, "YYYY-MM-DD".
  TVendorRegistry(const std::vector<TVendorEntry>& entries, std::string date);
  // The registry in the bytes of its file; nothing, with the reason in
  // `error`, when they are not a whole, undamaged file of this format.
  static std::optional<TVendorRegistry> FromBytes(std::string_view bytes, std::string& error);
  // The same over bytes that `owner` keeps, used in place rather than copied:
  // a mapped file costs no copy and no fresh memory at every start.
  static std::optional<TVendorRegistry> FromBytes(std::shared_ptr<const void> owner, std::string_view bytes,
                                                  std::string& error);
  std::string ToBytes() const;

  const std::string& Date() const { return RegistryDate; }
  std::size_t Count() const { return PackedBlocks.size() / 8; }
  std::size_t Count(TVendorRegistryKind kind) const;
  // Every entry, ordered by prefix length (longest first), then prefix.
  std::vector<TVendorEntry> Entries() const;

  // The longest block holding the EUI-48 address `mac`, of those no longer
  // than `knownBits` (24 for an OUI alone). Of equal blocks (IEEE lists a few
  // OUIs more than once), the one whose organization sorts first.
  std::optional<TVendorBlock> Find(std::uint64_t mac, unsigned knownBits = 48) const;
  // Every block of every organization whose name holds `namePart` (case,
  // accents and punctuation ignored); by name, then longest prefix first.
  // Nothing for a part that has no letter or digit.
  std::vector<TVendorBlock> Search(std::string_view namePart) const;

 private:
  struct TNameIndex;
  std::uint64_t PackedBlock(std::size_t i) const;
  TVendorBlock Block(std::uint64_t packed) const;
  // Where each stored name starts, made from the stored names.
  void IndexNameOffsets();
  // Made on the first search only: a lookup (all the command line's `mac` asks)
  // would pay for folding 30,000 names at every start.
  const TNameIndex& NameIndex() const;

  std::string RegistryDate;
  // Stored, as in the file and held by Storage: the names, sorted and each
  // ended by a NUL, and the blocks packed (see the source), 8 bytes each,
  // sorted by prefix length class and prefix.
  std::shared_ptr<const void> Storage;
  std::string_view Names;
  std::string_view PackedBlocks;
  // Made on loading.
  std::vector<std::uint32_t> NameOffsets{0};
  // Shared by copies, which hold the same names.
  mutable std::shared_ptr<const TNameIndex> SearchIndex;
};

// The entries of one of IEEE's published lists: the CSV form
// ("Registry,Assignment,Organization Name,Organization Address") of any
// registry, or the text form of MA-L, MA-M, MA-S, IAB or CID. A line that
// does not read as its form's says so with its number, and no entries are
// given then; so does a text that holds no entry.
struct TIeeeListReading {
  std::vector<TVendorEntry> Entries;
  std::string Error;  // "line 12: ...", empty when read
};
TIeeeListReading ReadIeeeList(std::string_view text);

// The entries of `current` whose registries `update` has none of, and all of
// `update`'s: a newer list replaces its registry whole.
std::vector<TVendorEntry> MergeVendorEntries(const std::vector<TVendorEntry>& current,
                                             const std::vector<TVendorEntry>& update);
