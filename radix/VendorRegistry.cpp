// SPDX-License-Identifier: MIT
#include "radix/VendorRegistry.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <map>
#include <mutex>

#include "radix/VendorText.h"

namespace {
// A block packed in 64 bits, so that the sorted blocks are ordered by prefix
// length class (longest first) and prefix:
//   63-62 class: 0 for 36 bits, 1 for 28, 2 for 24
//   61-26 the prefix, right-aligned
//   25-23 the registry
//   22-0  the name's index
constexpr unsigned KeyShift = 26;
constexpr unsigned KindShift = 23;
constexpr std::uint64_t NameMask = (std::uint64_t{1} << KindShift) - 1;
constexpr unsigned ClassBits[] = {36, 28, 24};

unsigned LengthClass(unsigned bits) { return bits == 36 ? 0 : bits == 28 ? 1 : 2; }

std::uint64_t Key(unsigned bits, std::uint64_t prefix) {
  return (std::uint64_t{LengthClass(bits)} << 36) | prefix;
}

std::uint64_t Pack(TVendorRegistryKind kind, std::uint64_t prefix, std::uint32_t name) {
  return (Key(VendorRegistryBits(kind), prefix) << KeyShift) | (std::uint64_t{static_cast<std::uint8_t>(kind)} << KindShift) |
         name;
}

// The file: a header, the names, the blocks; numbers little-endian.
constexpr std::string_view Magic = "OVVNDRS\x1A";
// Version 1 summed its body a byte at a time; 2 sums it a word at a time, for
// a start of the command line eight times as fast. Both are read.
constexpr std::uint32_t FormatVersion = 2;
constexpr std::size_t DateLength = 10;
constexpr std::size_t HeaderSize = 8 + 4 + DateLength + 4 + 4 + 4 + 8;

void PutNumber(std::string& bytes, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetNumber(std::string_view bytes, std::size_t at, int size) {
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

// The 8 bytes at `at`, little-endian.
std::uint64_t Word(std::string_view bytes, std::size_t at) {
  if constexpr (std::endian::native == std::endian::little) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + at, 8);
    return word;
  }
  return GetNumber(bytes, at, 8);
}

// FNV-1a, over words (version 2) then the bytes left: enough to tell a damaged file from a whole one.
std::uint64_t Checksum(std::string_view bytes, std::uint32_t version) {
  constexpr std::uint64_t Prime = 0x100000001B3ULL;
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  std::size_t at = 0;
  if (version >= 2)
    for (; at + 8 <= bytes.size(); at += 8) hash = (hash ^ Word(bytes, at)) * Prime;
  for (; at < bytes.size(); ++at) hash = (hash ^ static_cast<unsigned char>(bytes[at])) * Prime;
  return hash;
}

bool IsDate(std::string_view date) {
  if (date.size() != DateLength) return false;
  for (std::size_t i = 0; i < date.size(); ++i)
    if ((i == 4 || i == 7) ? date[i] != '-' : (date[i] < '0' || date[i] > '9')) return false;
  return true;
}
}  // namespace

std::string_view VendorRegistryName(TVendorRegistryKind kind) {
  constexpr std::string_view Names[] = {"MA-L", "MA-M", "MA-S", "IAB", "CID"};
  return Names[static_cast<std::size_t>(kind)];
}

unsigned VendorRegistryBits(TVendorRegistryKind kind) {
  constexpr unsigned Bits[] = {24, 28, 36, 36, 24};
  return Bits[static_cast<std::size_t>(kind)];
}

std::string VendorBlockText(const TVendorBlock& block) {
  constexpr char Digits[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned byte = 0; byte < (block.Bits() + 7) / 8; ++byte) {
    const auto value = static_cast<unsigned>((block.First() >> (40 - 8 * byte)) & 0xFF);
    if (byte > 0) text += '-';
    text += Digits[value >> 4];
    text += Digits[value & 0xF];
  }
  return text + "/" + std::to_string(block.Bits());
}

std::string VendorBlockSizeText(const TVendorBlock& block) {
  std::string count = std::to_string(block.Size());
  for (std::size_t at = count.size(); at > 3; at -= 3) count.insert(at - 3, ",");
  return count;
}

std::string VendorBlockDescription(const TVendorBlock& block) {
  return VendorBlockText(block) + ", " + std::string(VendorRegistryName(block.Kind)) + ", " +
         VendorBlockSizeText(block) + " addresses";
}

TVendorRegistry::TVendorRegistry(const std::vector<TVendorEntry>& entries, std::string date)
    : RegistryDate(std::move(date)) {
  std::vector<std::pair<std::string, std::string>> names;  // folded and as listed
  for (const TVendorEntry& entry : entries) {
    std::string name = entry.Organization;
    std::replace(name.begin(), name.end(), '\0', ' ');  // a NUL ends a stored name
    names.emplace_back(SearchFolded(name), name);
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  std::map<std::string_view, std::uint32_t> indexes;
  auto body = std::make_shared<std::string>();
  for (const auto& [folded, name] : names) {
    indexes.emplace(name, static_cast<std::uint32_t>(indexes.size()));
    *body += name;
    *body += '\0';
  }
  std::vector<std::uint64_t> blocks;
  for (const TVendorEntry& entry : entries) {
    std::string name = entry.Organization;
    std::replace(name.begin(), name.end(), '\0', ' ');
    const std::uint64_t prefix = entry.Prefix & ((std::uint64_t{1} << VendorRegistryBits(entry.Kind)) - 1);
    blocks.push_back(Pack(entry.Kind, prefix, indexes.at(name)));
  }
  std::sort(blocks.begin(), blocks.end());
  const std::size_t namesSize = body->size();
  for (const std::uint64_t packed : blocks) PutNumber(*body, packed, 8);
  Names = std::string_view(*body).substr(0, namesSize);
  PackedBlocks = std::string_view(*body).substr(namesSize);
  Storage = std::move(body);
  IndexNameOffsets();
}

std::optional<TVendorRegistry> TVendorRegistry::FromBytes(std::string_view bytes, std::string& error) {
  auto copy = std::make_shared<const std::string>(bytes);
  return FromBytes(copy, *copy, error);
}

std::optional<TVendorRegistry> TVendorRegistry::FromBytes(std::shared_ptr<const void> owner, std::string_view bytes,
                                                         std::string& error) {
  error.clear();
  if (bytes.size() < HeaderSize || bytes.substr(0, Magic.size()) != Magic) {
    error = "not a vendor registry file";
    return std::nullopt;
  }
  const auto version = static_cast<std::uint32_t>(GetNumber(bytes, 8, 4));
  if (version != 1 && version != FormatVersion) {
    error = "a vendor registry of another format version";
    return std::nullopt;
  }
  TVendorRegistry registry;
  registry.RegistryDate = std::string(bytes.substr(12, DateLength));
  const std::uint64_t nameCount = GetNumber(bytes, 22, 4);
  const std::uint64_t namesSize = GetNumber(bytes, 26, 4);
  const std::uint64_t blockCount = GetNumber(bytes, 30, 4);
  const std::string_view body = bytes.substr(HeaderSize);
  const bool whole = IsDate(registry.RegistryDate) && body.size() == namesSize + 8 * blockCount &&
                     Checksum(body, version) == GetNumber(bytes, 34, 8) &&
                     static_cast<std::uint64_t>(std::count(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(namesSize), '\0')) == nameCount &&
                     (namesSize == 0 || body[namesSize - 1] == '\0');
  if (!whole) {
    error = "the vendor registry file is damaged";
    return std::nullopt;
  }
  registry.Storage = std::move(owner);
  registry.Names = body.substr(0, namesSize);
  registry.PackedBlocks = body.substr(namesSize);
  for (std::size_t i = 0; i < blockCount; ++i) {
    const std::uint64_t packed = registry.PackedBlock(i);
    const auto kind = static_cast<std::uint8_t>((packed >> KindShift) & 7);
    const bool sound = kind < std::size(VendorRegistryKinds) && (packed & NameMask) < nameCount &&
                       packed >> (KeyShift + 36) == LengthClass(VendorRegistryBits(VendorRegistryKinds[kind])) &&
                       ((packed >> KeyShift) & ((std::uint64_t{1} << 36) - 1)) >> VendorRegistryBits(VendorRegistryKinds[kind]) == 0 &&
                       (i == 0 || registry.PackedBlock(i - 1) <= packed);
    if (!sound) {
      error = "the vendor registry file is damaged";
      return std::nullopt;
    }
  }
  registry.IndexNameOffsets();
  return registry;
}

std::string TVendorRegistry::ToBytes() const {
  const std::string body = std::string(Names) + std::string(PackedBlocks);
  std::string bytes(Magic);
  PutNumber(bytes, FormatVersion, 4);
  bytes += RegistryDate.substr(0, DateLength);
  bytes.resize(12 + DateLength, ' ');
  PutNumber(bytes, NameOffsets.size() - 1, 4);
  PutNumber(bytes, Names.size(), 4);
  PutNumber(bytes, Count(), 4);
  PutNumber(bytes, Checksum(body, FormatVersion), 8);
  return bytes + body;
}

std::uint64_t TVendorRegistry::PackedBlock(std::size_t i) const { return Word(PackedBlocks, 8 * i); }

struct TVendorRegistry::TNameIndex {
  std::string FoldedNames;  // each followed by '\n'
  std::vector<std::uint32_t> FoldedOffsets;
  std::vector<std::uint32_t> BlocksByName;      // indexes into Blocks
  std::vector<std::uint32_t> FirstBlockOfName;  // into BlocksByName, one more than names
};

void TVendorRegistry::IndexNameOffsets() {
  NameOffsets.assign(1, 0);
  for (std::size_t end = Names.find('\0'); end != std::string::npos; end = Names.find('\0', end + 1))
    NameOffsets.push_back(static_cast<std::uint32_t>(end + 1));
}

const TVendorRegistry::TNameIndex& TVendorRegistry::NameIndex() const {
  static std::mutex building;
  const std::lock_guard lock(building);
  if (SearchIndex) return *SearchIndex;
  auto index = std::make_shared<TNameIndex>();
  const std::size_t nameCount = NameOffsets.size() - 1;
  index->FoldedNames.reserve(Names.size());
  index->FoldedOffsets.assign(1, 0);
  index->FoldedOffsets.reserve(nameCount + 1);
  for (std::size_t n = 0; n < nameCount; ++n) {
    AppendSearchFolded(index->FoldedNames,
                       Names.substr(NameOffsets[n], NameOffsets[n + 1] - NameOffsets[n] - 1));
    index->FoldedNames += '\n';
    index->FoldedOffsets.push_back(static_cast<std::uint32_t>(index->FoldedNames.size()));
  }
  // The blocks of each name together, in their stored order: a counting sort.
  std::vector<std::uint32_t>& first = index->FirstBlockOfName;
  first.assign(nameCount + 1, 0);
  for (std::size_t i = 0; i < Count(); ++i) ++first[(PackedBlock(i) & NameMask) + 1];
  for (std::size_t n = 0; n < nameCount; ++n) first[n + 1] += first[n];
  std::vector<std::uint32_t> next(first.begin(), first.end() - 1);
  index->BlocksByName.resize(Count());
  for (std::size_t i = 0; i < Count(); ++i)
    index->BlocksByName[next[PackedBlock(i) & NameMask]++] = static_cast<std::uint32_t>(i);
  SearchIndex = std::move(index);
  return *SearchIndex;
}

TVendorBlock TVendorRegistry::Block(std::uint64_t packed) const {
  const auto kind = VendorRegistryKinds[(packed >> KindShift) & 7];
  const std::size_t name = packed & NameMask;
  const std::uint64_t prefix = (packed >> KeyShift) & ((std::uint64_t{1} << 36) - 1);
  return {kind, prefix, Names.substr(NameOffsets[name], NameOffsets[name + 1] - NameOffsets[name] - 1)};
}

std::size_t TVendorRegistry::Count(TVendorRegistryKind kind) const {
  std::size_t count = 0;
  for (std::size_t i = 0; i < Count(); ++i) count += ((PackedBlock(i) >> KindShift) & 7) == static_cast<std::uint8_t>(kind);
  return count;
}

std::vector<TVendorEntry> TVendorRegistry::Entries() const {
  std::vector<TVendorEntry> entries;
  entries.reserve(Count());
  for (std::size_t i = 0; i < Count(); ++i) {
    const TVendorBlock block = Block(PackedBlock(i));
    entries.push_back({block.Kind, block.Prefix, std::string(block.Organization)});
  }
  return entries;
}

std::optional<TVendorBlock> TVendorRegistry::Find(std::uint64_t mac, unsigned knownBits) const {
  for (const unsigned bits : ClassBits) {
    if (bits > knownBits) continue;
    const std::uint64_t key = Key(bits, (mac & 0xFFFFFFFFFFFFULL) >> (48 - bits));
    std::size_t low = 0;
    for (std::size_t high = Count(); low < high;) {
      const std::size_t middle = low + (high - low) / 2;
      if (PackedBlock(middle) >> KeyShift < key)
        low = middle + 1;
      else
        high = middle;
    }
    if (low < Count() && PackedBlock(low) >> KeyShift == key) return Block(PackedBlock(low));
  }
  return std::nullopt;
}

std::vector<TVendorBlock> TVendorRegistry::Search(std::string_view namePart) const {
  std::vector<TVendorBlock> blocks;
  const std::string part = SearchFolded(namePart);
  if (part.empty()) return blocks;
  const TNameIndex& index = NameIndex();
  for (std::size_t at = index.FoldedNames.find(part); at != std::string::npos; at = index.FoldedNames.find(part, at)) {
    const auto name = static_cast<std::size_t>(
        std::upper_bound(index.FoldedOffsets.begin(), index.FoldedOffsets.end(), static_cast<std::uint32_t>(at)) -
        index.FoldedOffsets.begin() - 1);
    for (std::uint32_t i = index.FirstBlockOfName[name]; i < index.FirstBlockOfName[name + 1]; ++i)
      blocks.push_back(Block(PackedBlock(index.BlocksByName[i])));
    at = index.FoldedOffsets[name + 1];
  }
  return blocks;
}

namespace {
bool IsHex(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
  });
}

std::uint64_t HexValue(std::string_view text) {
  std::uint64_t value = 0;
  for (const char c : text) value = value * 16 + static_cast<std::uint64_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
  return value;
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// A name as stored: NFC, control characters as spaces, no spaces around.
std::string OrganizationName(std::string_view utf8) {
  std::string name = NormalizedUtf8(utf8);
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return std::string(Trimmed(name));
}

std::string LineError(std::size_t line, std::string_view what) { return "line " + std::to_string(line) + ": " + std::string(what); }

std::optional<TVendorRegistryKind> KindNamed(std::string_view name) {
  for (const TVendorRegistryKind kind : VendorRegistryKinds)
    if (VendorRegistryName(kind) == name) return kind;
  return std::nullopt;
}

constexpr std::string_view CsvHeader = "Registry,Assignment,Organization Name";

TIeeeListReading ReadCsv(std::string_view text) {
  TIeeeListReading reading;
  std::size_t line = 1;
  std::size_t at = 0;
  bool header = true;
  while (at < text.size()) {
    const std::size_t recordLine = line;
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (; at < text.size(); ++at) {
      const char c = text[at];
      if (quoted) {
        if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
          fields.back() += '"';
          ++at;
        } else if (c == '"') {
          quoted = false;
        } else {
          if (c == '\n') ++line;
          fields.back() += c;
        }
      } else if (c == '"') {
        quoted = true;
      } else if (c == ',') {
        fields.emplace_back();
      } else if (c == '\n') {
        ++at;
        ++line;
        break;
      } else if (c != '\r') {
        fields.back() += c;
      }
    }
    if (quoted) {
      reading.Error = LineError(recordLine, "a quoted field does not end");
      break;
    }
    if (header) {
      header = false;
      continue;
    }
    if (fields.size() == 1 && Trimmed(fields[0]).empty()) continue;
    const std::optional<TVendorRegistryKind> kind = KindNamed(fields[0]);
    if (!kind || fields.size() < 3) {
      reading.Error = LineError(recordLine, "not \"Registry,Assignment,Organization Name,...\" of a known registry");
      break;
    }
    if (!IsHex(fields[1]) || fields[1].size() * 4 != VendorRegistryBits(*kind)) {
      reading.Error = LineError(recordLine, "the assignment \"" + fields[1] + "\" is not a " +
                                                std::string(VendorRegistryName(*kind)) + " prefix");
      break;
    }
    reading.Entries.push_back({*kind, HexValue(fields[1]), OrganizationName(fields[2])});
  }
  return reading;
}

// The text form: "XX-XX-XX   (hex)  Organization", then "XXXXXX  (base 16)  Organization"
// (MA-L, CID) or a range "X00000-XFFFFF" (MA-M) or "XXX000-XXXFFF" (MA-S, IAB)
// in place of XXXXXX. The header before the first entry names the registry.
TIeeeListReading ReadText(std::string_view text) {
  TIeeeListReading reading;
  std::string header;
  bool inEntries = false;
  std::optional<std::uint64_t> oui;
  std::size_t line = 0;
  for (std::size_t start = 0; start < text.size() && reading.Error.empty();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view row = text.substr(start, end - start);
    start = end + 1;
    ++line;
    const std::size_t hex = row.find("(hex)");
    const std::size_t base16 = row.find("(base 16)");
    if (hex != std::string_view::npos) {
      const std::string_view digits = Trimmed(row.substr(0, hex));
      if (digits.size() != 8 || digits[2] != '-' || digits[5] != '-' ||
          !IsHex(std::string(digits.substr(0, 2)) + std::string(digits.substr(3, 2)) + std::string(digits.substr(6, 2)))) {
        reading.Error = LineError(line, "not \"XX-XX-XX   (hex)  Organization\"");
        break;
      }
      oui = HexValue(std::string(digits.substr(0, 2)) + std::string(digits.substr(3, 2)) + std::string(digits.substr(6, 2)));
      inEntries = true;
      continue;
    }
    if (base16 == std::string_view::npos) {
      if (!inEntries) header += row;
      continue;
    }
    const std::string_view assignment = Trimmed(row.substr(0, base16));
    const std::string name = OrganizationName(row.substr(base16 + 9));
    const bool cid = header.find("CID") != std::string::npos;
    const bool iab = header.find("IAB") != std::string::npos;
    if (assignment.size() == 6 && IsHex(assignment)) {
      reading.Entries.push_back({cid ? TVendorRegistryKind::CID : TVendorRegistryKind::MAL, HexValue(assignment), name});
      continue;
    }
    const std::string_view first = assignment.substr(0, 6);
    const std::string_view last = assignment.size() == 13 ? assignment.substr(7) : std::string_view{};
    const bool range = oui && assignment.size() == 13 && assignment[6] == '-' && IsHex(first) && IsHex(last);
    if (range && first.substr(1) == "00000" && last.substr(1) == "FFFFF" && first[0] == last[0]) {
      reading.Entries.push_back({TVendorRegistryKind::MAM, (*oui << 4) | HexValue(first.substr(0, 1)), name});
    } else if (range && first.substr(3) == "000" && last.substr(3) == "FFF" && first.substr(0, 3) == last.substr(0, 3)) {
      reading.Entries.push_back({iab ? TVendorRegistryKind::IAB : TVendorRegistryKind::MAS,
                                 (*oui << 12) | HexValue(first.substr(0, 3)), name});
    } else {
      reading.Error = LineError(line, "not \"XXXXXX  (base 16)  Organization\" nor a block range after its OUI");
    }
  }
  return reading;
}
}  // namespace

TIeeeListReading ReadIeeeList(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::size_t line = 1;
  for (std::size_t start = 0; start < text.size(); ++line) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    if (const std::string_view row = text.substr(start, end - start); !IsUtf8(row) || row.find('\0') != std::string_view::npos)
      return {{}, LineError(line, "not text (a byte that is not UTF-8, or a NUL)")};
    start = end + 1;
  }
  TIeeeListReading reading = text.substr(0, CsvHeader.size()) == CsvHeader ? ReadCsv(text) : ReadText(text);
  if (reading.Error.empty() && reading.Entries.empty()) reading.Error = LineError(1, "no registry entries in this file");
  if (!reading.Error.empty()) reading.Entries.clear();
  return reading;
}

std::vector<TVendorEntry> MergeVendorEntries(const std::vector<TVendorEntry>& current,
                                             const std::vector<TVendorEntry>& update) {
  std::array<bool, std::size(VendorRegistryKinds)> updated{};
  for (const TVendorEntry& entry : update) updated[static_cast<std::size_t>(entry.Kind)] = true;
  std::vector<TVendorEntry> merged;
  for (const TVendorEntry& entry : current)
    if (!updated[static_cast<std::size_t>(entry.Kind)]) merged.push_back(entry);
  merged.insert(merged.end(), update.begin(), update.end());
  return merged;
}
