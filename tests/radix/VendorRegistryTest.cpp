// SPDX-License-Identifier: MIT
#include "radix/VendorRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "radix/VendorRegistryFile.h"

namespace {
using K = TVendorRegistryKind;

// Blocks of every registry, with the MA-L blocks that IEEE keeps above the
// MA-M and MA-S blocks, as its lists hold them.
const char* const MaL =
    "OUI/MA-L                                                    Organization\r\n"
    "company_id                                                  Organization\r\n"
    "\r\n"
    "3C-22-FB   (hex)\t\tApple, Inc.\r\n"
    "3C22FB     (base 16)\t\tApple, Inc.\r\n"
    "\t\t\t\tCupertino  CA  95014\r\n"
    "\r\n"
    "70-B3-D5   (hex)\t\tIEEE Registration Authority\r\n"
    "70B3D5     (base 16)\t\tIEEE Registration Authority\r\n"
    "\r\n"
    "74-1A-E0   (hex)\t\tIEEE Registration Authority\r\n"
    "741AE0     (base 16)\t\tIEEE Registration Authority\r\n";
const char* const MaM =
    "Registry,Assignment,Organization Name,Organization Address\r\n"
    "MA-M,741AE09,\"Kru\xCC\x88ger &Gothe, GmbH\",\"Halle, DE\"\r\n";
const char* const MaS =
    "OUI                                                         Organization\r\n"
    "OUI-36/MA-S Range                                           Organization\r\n"
    "\r\n"
    "70-B3-D5   (hex)\t\tTELEPLATFORMS\r\n"
    "F2F000-F2FFFF     (base 16)\t\tTELEPLATFORMS\r\n";
const char* const Iab =
    "Registry,Assignment,Organization Name,Organization Address\n"
    "IAB,0050C27D5,DEUTA-WERKE GmbH,Bergisch-Gladbach\n";
const char* const Cid =
    "Registry,Assignment,Organization Name,Organization Address\n"
    "CID,2AABCD,Hewlett\xE2\x80\x8B Packard,\n";

TVendorRegistry Sample() {
  std::vector<TVendorEntry> entries;
  for (const char* list : {MaL, MaM, MaS, Iab, Cid}) {
    const TIeeeListReading reading = ReadIeeeList(list);
    EXPECT_EQ(reading.Error, "") << list;
    entries.insert(entries.end(), reading.Entries.begin(), reading.Entries.end());
  }
  return TVendorRegistry(entries, "2026-12-01");
}

TEST(VendorRegistryTest, FindsTheLongestBlockAtItsEdges) {
  const TVendorRegistry registry = Sample();
  struct Case {
    std::uint64_t Mac;
    unsigned KnownBits;
    const char* Organization;  // nullptr: none
    K Kind;
    const char* Block;
  };
  const Case cases[] = {
      {0x3C22FB000000, 48, "Apple, Inc.", K::MAL, "3C-22-FB/24"},
      {0x3C22FBFFFFFF, 48, "Apple, Inc.", K::MAL, "3C-22-FB/24"},
      {0x741AE0900000, 48, "Kr\xC3\xBCger &Gothe, GmbH", K::MAM, "74-1A-E0-90/28"},  // NFC from the list's decomposed form
      {0x741AE09FFFFF, 48, "Kr\xC3\xBCger &Gothe, GmbH", K::MAM, "74-1A-E0-90/28"},
      {0x741AE08FFFFF, 48, "IEEE Registration Authority", K::MAL, "74-1A-E0/24"},  // beside it: the MA-L holder
      {0x741AE0A00000, 48, "IEEE Registration Authority", K::MAL, "74-1A-E0/24"},
      {0x70B3D5F2F000, 48, "TELEPLATFORMS", K::MAS, "70-B3-D5-F2-F0/36"},
      {0x70B3D5F2FFFF, 48, "TELEPLATFORMS", K::MAS, "70-B3-D5-F2-F0/36"},
      {0x70B3D5F2F000, 24, "IEEE Registration Authority", K::MAL, "70-B3-D5/24"},  // an OUI alone
      {0x0050C27D5000, 48, "DEUTA-WERKE GmbH", K::IAB, "00-50-C2-7D-50/36"},
      {0x0050C27D5FFF, 48, "DEUTA-WERKE GmbH", K::IAB, "00-50-C2-7D-50/36"},
      {0x0050C27D6000, 48, nullptr, K::MAL, ""},
      {0x2AABCD000000, 48, "Hewlett Packard", K::CID, "2A-AB-CD/24"},  // zero-width space dropped
      {0x2AABCDFFFFFF, 48, "Hewlett Packard", K::CID, "2A-AB-CD/24"},
      {0x3C22FA000000, 48, nullptr, K::MAL, ""},
  };
  for (const Case& c : cases) {
    const std::optional<TVendorBlock> found = registry.Find(c.Mac, c.KnownBits);
    ASSERT_EQ(found.has_value(), c.Organization != nullptr) << std::hex << c.Mac;
    if (!found) continue;
    EXPECT_EQ(found->Organization, c.Organization) << std::hex << c.Mac;
    EXPECT_EQ(found->Kind, c.Kind) << std::hex << c.Mac;
    EXPECT_EQ(VendorBlockText(*found), c.Block) << std::hex << c.Mac;
    EXPECT_TRUE(found->First() <= c.Mac && c.Mac <= found->Last()) << std::hex << c.Mac;
  }
}

TEST(VendorRegistryTest, SearchIgnoresCaseAccentsAndPunctuation) {
  const TVendorRegistry registry = Sample();
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"kruger", {"74-1A-E0-90/28"}},
      {"KR\xC3\x9CGER & GOTHE", {"74-1A-E0-90/28"}},
      {"hewlett-packard", {"2A-AB-CD/24"}},
      {"ieee registration", {"70-B3-D5/24", "74-1A-E0/24"}},  // every block of the vendor
      {"gmbh", {"00-50-C2-7D-50/36", "74-1A-E0-90/28"}},        // by name
      {"--", {}},
      {"nokia", {}},
  };
  for (const auto& [part, blocks] : cases) {
    std::vector<std::string> found;
    for (const TVendorBlock& block : registry.Search(part)) found.push_back(VendorBlockText(block));
    EXPECT_EQ(found, blocks) << part;
  }
  EXPECT_TRUE(TVendorRegistry().Search("ieee").empty()) << "an empty registry finds nothing";
}

TEST(VendorRegistryTest, FileKeepsEveryEntryAndRefusesDamage) {
  const TVendorRegistry registry = Sample();
  const std::string bytes = registry.ToBytes();
  std::string error;
  const std::optional<TVendorRegistry> read = TVendorRegistry::FromBytes(bytes, error);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(read->Entries(), registry.Entries());
  EXPECT_EQ(read->Date(), "2026-12-01");
  EXPECT_EQ(read->Count(), 7u);
  EXPECT_EQ(read->Count(K::MAL), 3u);

  // A file of the first format, whose checksum went a byte at a time, still reads.
  std::string first = bytes;
  first[8] = 1;
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  for (const char c : bytes.substr(42)) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
  for (int i = 0; i < 8; ++i) first[34 + static_cast<std::size_t>(i)] = static_cast<char>(hash >> (8 * i));
  const std::optional<TVendorRegistry> older = TVendorRegistry::FromBytes(first, error);
  ASSERT_TRUE(older) << error;
  EXPECT_EQ(older->Entries(), registry.Entries());

  std::string flipped = bytes;
  flipped[bytes.size() - 3] ^= 0x10;
  std::string future = bytes;
  future[8] = 3;
  for (const std::string& damaged : {bytes.substr(0, bytes.size() - 1), flipped, future, std::string("OUI.txt"), std::string()}) {
    EXPECT_FALSE(TVendorRegistry::FromBytes(damaged, error));
    EXPECT_NE(error, "");
  }
}

// The program uses the file's bytes in place: what it finds must outlive the
// registry it was loaded as, through any copy.
TEST(VendorRegistryTest, ASavedFileLoadsAndWhatIsNotOneIsRefused) {
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "vendor-registry-file";
  std::filesystem::remove_all(folder);
  const std::string path = (folder / "vendors.bin").string();
  std::string error;
  ASSERT_TRUE(SaveVendorRegistry(Sample(), path, error)) << error;
  std::optional<TVendorRegistry> copy;
  {
    const std::optional<TVendorRegistry> loaded = LoadVendorRegistry(path, error);
    ASSERT_TRUE(loaded) << error;
    copy = *loaded;
  }
  ASSERT_TRUE(SaveVendorRegistry(TVendorRegistry({}, "2026-12-02"), path, error)) << error;
  EXPECT_EQ(copy->Entries(), Sample().Entries());
  ASSERT_TRUE(copy->Find(0x741AE0912345));
  EXPECT_EQ(copy->Find(0x741AE0912345)->Organization, "Krüger &Gothe, GmbH");
  ASSERT_EQ(copy->Search("kruger").size(), 1u);

  std::ofstream(folder / "empty.bin");
  for (const std::filesystem::path& notOne : {folder / "empty.bin", folder, folder / "missing.bin"}) {
    EXPECT_FALSE(LoadVendorRegistry(notOne.string(), error)) << notOne;
    EXPECT_NE(error.find(notOne.string()), std::string::npos) << error;
  }
  std::filesystem::remove_all(folder);
}

TEST(VendorRegistryTest, DamagedListsAreRefusedWithTheLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Registry,Assignment,Organization Name\nMA-L,3C22FB,Apple\nMA-L,3C22F,Short\n", "line 3: "},
      {"Registry,Assignment,Organization Name\nMA-X,3C22FB,Apple\n", "line 2: "},
      {"Registry,Assignment,Organization Name\nMA-L,3C22FB,\"Apple\nMA-L,000000,Xerox\n", "line 2: "},
      {"Registry,Assignment,Organization Name\nMA-L,3C22FB,Apple\nMA-L,000000,Xe\xFFrox\n", "line 3: "},
      {"3C-22-FB   (hex)\t\tApple\n3C22FB     (base 16)\t\tApple\n\n3C-22-F   (hex)\t\tBroken\n", "line 4: "},
      {"OUI-28/MA-M Range\n\n74-1A-E0   (hex)\t\tX\n900000-9FFFFE     (base 16)\t\tX\n", "line 4: "},
      {"\x7F" "ELF\x02\x01\xFF", "line 1: "},
      {"Registry,Assignment,Organization Name\n", "line 1: "},
  };
  for (const auto& [text, error] : cases) {
    const TIeeeListReading reading = ReadIeeeList(text);
    EXPECT_EQ(reading.Error.substr(0, error.size()), error) << text << " gave " << reading.Error;
    EXPECT_TRUE(reading.Entries.empty()) << text;
  }
}

TEST(VendorRegistryTest, ANewerListReplacesItsRegistryWhole) {
  const std::vector<TVendorEntry> current = {{K::MAL, 0x3C22FB, "Apple"}, {K::MAL, 0x000000, "Xerox"},
                                             {K::IAB, 0x0050C27D5, "DEUTA"}};
  const std::vector<TVendorEntry> update = {{K::MAL, 0x3C22FB, "Apple, Inc."}};
  const std::vector<TVendorEntry> merged = {{K::IAB, 0x0050C27D5, "DEUTA"}, {K::MAL, 0x3C22FB, "Apple, Inc."}};
  EXPECT_EQ(MergeVendorEntries(current, update), merged);
}
}  // namespace
