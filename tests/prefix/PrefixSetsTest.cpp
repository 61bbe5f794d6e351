// SPDX-License-Identifier: MIT
#include "prefix/PrefixSets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The entries of a list, one text each, and its errors.
std::vector<std::string> EntryTexts(const ParsedSet& set) {
  std::vector<std::string> texts;
  for (const SetEntry& e : set.Entries) texts.push_back(std::to_string(e.Line) + " " + EntryText(e));
  for (const LineError& e : set.Errors) texts.push_back(LineErrorText(e));
  return texts;
}

std::vector<AddressRange> Ranges(const char* list) {
  const ParsedSet set = ParseSet(list);
  EXPECT_TRUE(set.Errors.empty()) << list;
  std::vector<AddressRange> ranges;
  for (const SetEntry& e : set.Entries) ranges.push_back(e.Range);
  return ranges;
}

std::string Joined(const std::vector<IpPrefix>& prefixes) {
  std::string text;
  for (const IpPrefix& p : prefixes) text += (text.empty() ? "" : " ") + PrefixText(p);
  return text;
}

TEST(PrefixSets, ReadsListsAsPastedNamingTheLinesNotUnderstood) {
  struct Case {
    const char* List;
    std::vector<std::string> Read;
  };
  const Case cases[] = {
      {"10.0.0.0/8, 192.0.2.1 # a host\n\n  2001:db8::/32\r\n# only a comment",
       {"1 10.0.0.0/8", "1 192.0.2.1/32", "3 2001:db8::/32"}},
      {"10.1.2.3/16", {"1 10.1.0.0/16"}},
      {"10.0.0.0 255.255.0.0\n10.0.0.0 0.0.0.255\n10.0.0.1 10.0.0.2",
       {"1 10.0.0.0/16", "2 10.0.0.0/24", "3 10.0.0.1/32", "3 10.0.0.2/32"}},
      {"192.0.2.5 - 192.0.2.20\n192.0.2.5-192.0.2.6, 2001:db8:: -2001:db8::ff\n192.0.2.1 -192.0.2.2",
       {"1 192.0.2.5 - 192.0.2.20", "2 192.0.2.5 - 192.0.2.6", "2 2001:db8:: - 2001:db8::ff",
        "3 192.0.2.1 - 192.0.2.2"}},
      {"ip route 10.0.0.0 255.0.0.0 192.0.2.1\n10.0.0.0/33\n192.0.2.9 - 192.0.2.1\n10.0.0.1 - ::1\n"
       "10.0.0.0/8 - 10.0.0.9\n192.0.2.1 -\n172.16.0.0/12",
       {"7 172.16.0.0/12", "line 1: 'ip' is not an address", "line 2: '10.0.0.0/33': prefix length 33 is above 32",
        "line 3: '192.0.2.9-192.0.2.1': the range ends before it starts",
        "line 4: '10.0.0.1-::1': a range's ends are of one family",
        "line 5: '10.0.0.0/8-10.0.0.9': a range's ends are addresses, not prefixes",
        "line 6: '192.0.2.1-': no address after '-'"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.List);
    EXPECT_EQ(EntryTexts(ParseSet(c.List)), c.Read);
  }
}

TEST(PrefixSets, MergeCoverSubtractAndRanges) {
  struct Case {
    const char* List;
    const char* Merged;
    const char* Covering;  // each family's prefix and the addresses it adds
    const char* Subtracted;
    const char* Minus;
  };
  const Case cases[] = {
      {"10.0.0.0/24 10.0.1.0/24 10.0.0.128/25", "10.0.0.0/23", "10.0.0.0/23 +0", "10.0.0.0/24 10.0.1.128/25",
       "10.0.1.0/25"},
      {"10.0.0.0/24 10.0.2.0/24", "10.0.0.0/24 10.0.2.0/24", "10.0.0.0/22 +512", "10.0.2.0/24", "10.0.0.0/24"},
      {"2001:db8::/33 10.0.0.1 2001:db8:8000::/33 10.0.0.0", "10.0.0.0/31 2001:db8::/32",
       "10.0.0.0/31 +0 2001:db8::/32 +0", "10.0.0.0/31 2001:db8::/33", "2001:db8:8000::/33"},
      {"192.0.2.5 - 192.0.2.20", "192.0.2.5/32 192.0.2.6/31 192.0.2.8/29 192.0.2.16/30 192.0.2.20/32",
       "192.0.2.0/27 +16", "192.0.2.5/32 192.0.2.6/31 192.0.2.8/29", "192.0.2.16/29"},
      {"0.0.0.0 - 255.255.255.255", "0.0.0.0/0", "0.0.0.0/0 +0", "0.0.0.0/1 128.0.0.0/2 192.0.0.0/3 240.0.0.0/5 248.0.0.0/6 252.0.0.0/7 254.0.0.0/8",
       "255.0.0.0/8 224.0.0.0/4"},
      {":: - ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "::/0", "::/0 +0", "", "::/0"},
      {"::1 ffff::", "::1/128 ffff::/128", "::/0 +340282366920938463463374607431768211454", "::1/128", "ffff::"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.List);
    const std::vector<AddressRange> ranges = Ranges(c.List);
    EXPECT_EQ(Joined(MergedPrefixes(ranges)), c.Merged);
    std::string covering;
    for (const CoveringPrefix& cover : CoveringPrefixes(ranges))
      covering += (covering.empty() ? "" : " ") + PrefixText(cover.Prefix) + " +" + DecimalText(cover.Added);
    EXPECT_EQ(covering, c.Covering);
    EXPECT_EQ(Joined(SubtractedPrefixes(ranges, Ranges(c.Minus))), c.Subtracted);
  }
}

TEST(PrefixSets, NamesEachDuplicateAndOverlapOnceByLine) {
  const ParsedSet set = ParseSet(
      "10.1.0.0/16\n10.0.0.0/8\n10.1.0.0/16\n192.0.2.0 - 192.0.2.100\n192.0.2.64/26\n2001:db8::/32\n10.1.0.0/16\n"
      "2001:db8::/48\n172.16.0.0/12");
  std::vector<std::string> texts;
  for (const SetOverlap& overlap : FindOverlaps(set.Entries)) texts.push_back(OverlapText(set.Entries, overlap));
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "line 1: 10.1.0.0/16 is inside 10.0.0.0/8 (line 2)",
                       "line 3: 10.1.0.0/16 repeats line 1",
                       "line 5: 192.0.2.64/26 overlaps 192.0.2.0 - 192.0.2.100 (line 4)",
                       "line 7: 10.1.0.0/16 repeats line 1",
                       "line 8: 2001:db8::/48 is inside 2001:db8::/32 (line 6)",
                   }));
}

}  // namespace
