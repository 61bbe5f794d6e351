// SPDX-License-Identifier: MIT
#include "radix/OUIList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {
int ByteOrder(std::string_view a, std::string_view b) { return a.compare(b); }

// "AA" read as one letter after "Z", as Danish collation does.
int DanishLike(std::string_view a, std::string_view b) {
  auto weight = [](std::string_view text) {
    std::string w(text);
    for (std::size_t at; (at = w.find("AA")) != std::string::npos;) w.replace(at, 2, "\x7F");
    return w;
  };
  return weight(a).compare(weight(b));
}

int IgnoringCase(std::string_view a, std::string_view b) {
  auto upper = [](std::string_view text) {
    std::string u(text);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
  };
  return upper(a).compare(upper(b));
}

std::vector<std::string> LinesOf(const TOUIList& list) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < list.Count(); ++i) lines.emplace_back(list.Line(i));
  return lines;
}

// The search as the finder describes it: through the lines in order, up to the
// first whose OUI does not sort before the key.
std::optional<std::size_t> Scan(const std::vector<std::string>& lines, std::string_view key,
                                const TOUICompare& compare) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int result = compare(OUIOf(lines[i]), key);
    if (result >= 0) return result == 0 ? std::optional(i) : std::nullopt;
  }
  return std::nullopt;
}

TEST(OUIListTest, SplitsLinesAtEveryKindOfLineEnd) {
  using Lines = std::vector<std::string>;
  const std::vector<std::pair<std::string, Lines>> cases = {
      {"", {}},
      {"000055 Cmmssr COMMISSARIAT\r\n0000AA Xerox  XEROX\r\n", {"000055 Cmmssr COMMISSARIAT", "0000AA Xerox  XEROX"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"a\n\nb\r\r\n", {"a", "", "b", ""}},
      {"\r\n", {""}},
      {"\n\r", {"", ""}},
      {std::string("x\0y\nz", 5), {std::string("x\0y", 3), "z"}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(LinesOf(TOUIList(text, ByteOrder)), expected) << text;
}

TEST(OUIListTest, FieldsOfALine) {
  struct Case {
    std::string Line, OUI, Abbreviation, Organization;
  };
  const std::vector<Case> cases = {
      {"000055 Cmmssr COMMISSARIAT A L`ENERGIE ATOM", "000055", "Cmmssr", "COMMISSARIAT A L`ENERGIE ATOM"},
      {"0000AA Xerox  XEROX CORPORATION  ", "0000AA", "Xerox", "XEROX CORPORATION  "},
      {"08005A IBM \t\x01 IBM", "08005A", "IBM", "IBM"},
      {"08005A I B M  x", "08005A", "I B M", "x"},
      {"08005A Ibm", "08005A", "Ibm", ""},
      {"08005A Ibm   ", "08005A", "Ibm", ""},
      {"08005A", "08005A", "", ""},
      {"0800", "0800", "", ""},
      {"", "", "", ""},
      {"08005A\xE9\xC9t\xE9  \xFF\xFEZ\xFC" "rich", "08005A", "\xC9t\xE9  \xFF", "Z\xFC" "rich"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OUIOf(c.Line), c.OUI) << c.Line;
    EXPECT_EQ(OUIAbbreviation(c.Line), c.Abbreviation) << c.Line;
    EXPECT_EQ(OUIOrganization(c.Line), c.Organization) << c.Line;
  }
  EXPECT_EQ(FormatOUILine("0000AA", "Xerox", "XEROX CORPORATION"), "0000AA Xerox  XEROX CORPORATION\r\n");
  EXPECT_EQ(FormatOUILine("000055", "Commissariat", ""), "000055 Commis \r\n");
}

TEST(OUIListTest, FindGivesTheResultOfTheScanForAnyFile) {
  const std::string alphabet = "0059AFaf -";
  std::mt19937 random(20240611);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  auto text = [&](int length) {
    std::string t;
    for (int i = 0; i < length; ++i) t += alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
    return t;
  };
  for (const TOUICompare& compare : {TOUICompare(ByteOrder), TOUICompare(DanishLike), TOUICompare(IgnoringCase)}) {
    for (int file = 0; file < 300; ++file) {
      std::vector<std::string> lines;
      for (int n = pick(25); n >= 0; --n) lines.push_back(text(pick(9)));
      if (file % 2 == 0)  // half of the files sorted as the order wants
        std::stable_sort(lines.begin(), lines.end(), [&](const std::string& a, const std::string& b) {
          return compare(OUIOf(a), OUIOf(b)) < 0;
        });
      std::string joined;
      for (const std::string& line : lines) joined += line + "\r\n";
      const TOUIList list(joined, compare);

      std::vector<std::string> keys = {"000000", "FFFFFF", "", "A"};
      for (const std::string& line : lines) keys.emplace_back(OUIOf(line));
      for (int k = 0; k < 10; ++k) keys.push_back(text(6));
      for (const std::string& key : keys)
        ASSERT_EQ(list.Find(key), Scan(lines, key, compare)) << "file " << file << " key '" << key << "'\n" << joined;
    }
  }
}

TEST(OUIListTest, SearchesWithTheLocaleOnlyWhereItKeepsTheListsOrder) {
  const std::string text = "000055 Cmmssr X\r\n0000AA Xerox  X\r\n0000AB Ab     X\r\n0000ac Lower  X\r\n";
  EXPECT_EQ(TOUIList(text, DanishLike).Find("0000AB"), std::nullopt) << "the Danish-like order alone misses it";
  using Found = std::vector<std::optional<std::size_t>>;  // for 000055, 0000AA, 0000AB, 0000AC
  const std::vector<std::tuple<const char*, TOUICompare, Found>> cases = {
      {"Danish-like: character codes instead", DanishLike, {0, 1, 2, std::nullopt}},
      {"ignoring case: kept, so lower case matches", IgnoringCase, {0, 1, 2, 3}},
  };
  for (const auto& [name, locale, expected] : cases) {
    const TOUIList list(text, OUIListCompare(locale));
    EXPECT_EQ((Found{list.Find("000055"), list.Find("0000AA"), list.Find("0000AB"), list.Find("0000AC")}), expected)
        << name;
  }
}

TEST(OUIListTest, LoadsOnlyAReadableRegularFile) {
  const std::filesystem::path directory = std::filesystem::temp_directory_path() / "OUIListTest";
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory / "OUI.txt");
  EXPECT_FALSE(TOUIList::LoadFromFile((directory / "missing.txt").string(), ByteOrder));
  EXPECT_FALSE(TOUIList::LoadFromFile((directory / "OUI.txt").string(), ByteOrder)) << "a directory";

  std::ofstream(directory / "list.txt", std::ios::binary) << std::string("\0\xFF\n000055 Cmmssr \0", 18);
  const std::optional<TOUIList> list = TOUIList::LoadFromFile((directory / "list.txt").string(), ByteOrder);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->Find("000055"), 1u) << "binary text with NUL bytes";
  std::filesystem::remove_all(directory);
}
}  // namespace
