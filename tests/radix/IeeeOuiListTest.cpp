// SPDX-License-Identifier: MIT
#include "radix/IeeeOuiList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "radix/OUIList.h"

namespace {
// A few entries of IEEE's MA-L list in its published layout, UTF-8 with CR LF.
std::string Sample() {
  std::ifstream in(OUI_SAMPLE, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(IeeeOuiListTest, AbbreviationsOfNames) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"XEROX CORPORATION", "Xerox"},
      {"COMMISSARIAT A L`ENERGIE ATOM", "Cmmssr"},
      {"Hewlett Packard", "Hwltt"},
      {"IEEE Registration Authority", "Ieee"},
      {"Private", "Prvt"},
      {"  3Com Europe Ltd", "3com"},
      {"?ASUNG TECHNO CO.,Ltd", "Asung"},
      {"\xC9" "COLE POLYTECHNIQUE", "\xC9" "cole"},       // Latin-1 letters change case too
      {"STRA\xDF" "E", "Stra\xDF" "e"},                    // sharp s has no single-byte capital
      {"M\xDCLLER", "M\xFCller"},
      {"SECURITAS DIRECT ESPA\xD1" "A", "Scrts"},
      {"", ""},
      {"--- ???", ""},
  };
  for (const auto& [name, abbreviation] : cases) EXPECT_EQ(AbbreviateOrganization(name), abbreviation) << name;
}

TEST(IeeeOuiListTest, ConvertsTheSampleSortedInLatin1) {
  const TOUIListConversion list = ConvertIeeeOuiList(Sample());
  EXPECT_EQ(list.Text,
            "000000 Xerox  XEROX CORPORATION\r\n"
            "000055 Cmmssr COMMISSARIAT A L`ENERGIE ATOM.\r\n"
            "0000AA Xerox  XEROX CORPORATION\r\n"
            "00264F Kr\xFCger Kr\xFCger &Gothe GmbH\r\n"
            "080030 Ntwrk  NETWORK RESEARCH CORPORATION\r\n"
            "080030 Cern   CERN\r\n"
            "203233 Shnzhn SHENZHEN BILIAN ELECTRONIC CO.,LTD\r\n"
            "3C2C94 Hngzh  ??????????" "(HangZhou Delan Technology Co.,Ltd)\r\n"
            "541473 Wngtch Wingtech Group (HongKong)Limited\r\n"
            "58B568 Scrts  SECURITAS DIRECT ESPA\xD1" "A, SAU\r\n"
            "A4DA22 Prvt   Private\r\n"
            "FCFFAA Ieee   IEEE Registration Authority\r\n");
  EXPECT_EQ(list.Entries, 12u);
  EXPECT_EQ(list.Replaced, 14u) << "ten Chinese characters and four full-width marks";
}

TEST(IeeeOuiListTest, NothingInANameCanBreakALine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"AB\tC", "AB C"},
      {"A\x01" "B", "A?B"},
      {"A\xC2\x85" "B", "A?B"},        // a C1 control character
      {"A\xC0\x8A" "B", "A??B"},       // an overlong line feed
      {"A\xFF\xE2\x80" "B", "A???B"},  // not UTF-8, a sequence cut short
      {"A\xE2\x80\x94" "B\xE2\x80\x99", "A-B'"},
      {"An\xCC\x83" "adido", "A\xF1" "adido"},  // a decomposed accent joins its letter
      {"A\xE2\x80\x8B" "B\xEF\xBB\xBF", "AB"},   // zero-width characters go
  };
  for (const auto& [name, shown] : cases) {
    const std::string text = ConvertIeeeOuiList("00-00-01   (hex)\t\t" + name + "\r\n").Text;
    EXPECT_EQ(text.find_first_of("\r\n"), text.size() - 2) << name << ": one line, ending in CR LF";
    EXPECT_EQ(OUIOrganization(std::string_view(text).substr(0, text.size() - 2)), shown) << name;
  }
  EXPECT_EQ(ConvertIeeeOuiList("000001     (base 16)\t\tX\r\n0-00-01   (hex)\t\tX\r\n00-00-01 (dec) X\n").Entries,
            0u);
}

int RunTool(const std::string& arguments) {
  return std::system((std::string(MAKE_OUI_LIST) + " " + arguments + " >/dev/null 2>&1").c_str());
}

TEST(IeeeOuiListTest, ToolWritesTheListOrFailsLeavingNone) {
  const std::filesystem::path directory = std::filesystem::temp_directory_path() / "IeeeOuiListTest";
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  const std::string output = (directory / "OUI.txt").string();

  ASSERT_EQ(RunTool(std::string(OUI_SAMPLE) + " " + output), 0);
  const std::optional<TOUIList> list =
      TOUIList::LoadFromFile(output, [](std::string_view a, std::string_view b) { return a.compare(b); });
  ASSERT_TRUE(list);
  EXPECT_EQ(list->Count(), 12u);
  ASSERT_TRUE(list->Find("000055"));
  EXPECT_EQ(OUIAbbreviation(list->Line(*list->Find("000055"))), "Cmmssr");

  std::filesystem::remove(output);
  const std::string notAList = (directory / "not-a-list.txt").string();
  std::ofstream(notAList) << "nothing here\n";
  for (const std::string& arguments : {(directory / "missing.txt").string() + " " + output, notAList + " " + output,
                                       std::string(OUI_SAMPLE) + " " + (directory / "no/such/dir/OUI.txt").string()}) {
    EXPECT_NE(RunTool(arguments), 0) << arguments;
    EXPECT_FALSE(std::filesystem::exists(output)) << arguments;
  }
  EXPECT_EQ(std::filesystem::directory_iterator(directory)->path().filename(), "not-a-list.txt")
      << "no partial file left";
  std::filesystem::remove_all(directory);
}
}  // namespace
