// SPDX-License-Identifier: MIT
#include "prefix/HostPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

IpPrefix Parent(const char* text) { return InputPrefix(ParseAddressInput(text).Value); }

// Each row's texts joined by '|', then "free" and the free blocks.
std::vector<std::string> PlanTexts(const char* parent, const char* needs) {
  const ParsedNeeds parsed = ParseNeeds(needs);
  std::vector<std::string> texts;
  for (const LineError& e : parsed.Errors) texts.push_back(LineErrorText(e));
  const HostPlan plan = PlanHosts(Parent(parent), parsed.Needs);
  for (const PlannedNeed& row : plan.Rows) {
    std::string line;
    for (const std::string& text : PlanRowTexts(row)) line += (line.empty() ? "" : "|") + text;
    texts.push_back(line);
  }
  std::string free = "free";
  for (const IpPrefix& p : plan.FreeBlocks) free += " " + PrefixText(p);
  texts.push_back(free);
  return texts;
}

TEST(HostPlan, AllocatesLargestFirstAlignedAndSmallest) {
  struct Case {
    const char* Parent;
    const char* Needs;
    std::vector<std::string> Plan;
  };
  const Case cases[] = {
      {"192.168.0.0/22", "Sales 500\nOffice  60\nLink 2\n# spare\nLoopback 1\nPrinters 62\nlab /28",
       {"Sales|500|192.168.0.0/23|192.168.0.0|192.168.1.255|510|10",
        "Office|60|192.168.2.0/26|192.168.2.0|192.168.2.63|62|2",
        "Printers|62|192.168.2.64/26|192.168.2.64|192.168.2.127|62|0",
        "lab|/28|192.168.2.128/28|192.168.2.128|192.168.2.143|14|",
        "Link|2|192.168.2.144/31|192.168.2.144|192.168.2.145|2|0",
        "Loopback|1|192.168.2.146/32|192.168.2.146|192.168.2.146|1|0",
        "free 192.168.2.147/32 192.168.2.148/30 192.168.2.152/29 192.168.2.160/27 192.168.2.192/26 192.168.3.0/24"}},
      {"10.0.0.0/24", "A 200\nB 100\nC 30\nD 2\n3000\nE /16\nF 5000000000",
       {"A|200|10.0.0.0/24|10.0.0.0|10.0.0.255|254|54",
        "B|100|needs a /25 (128 addresses); 0 left||||",
        "C|30|needs a /27 (32 addresses); 0 left||||",
        "D|2|needs a /31 (2 addresses); 0 left||||",
        "line 5|3000|needs a /20, larger than the parent /24||||",
        "E|/16|needs a /16, larger than the parent /24||||",
        "F|5000000000|5000000000 hosts are more than IPv4 holds||||", "free"}},
      {"10.0.0.0/29", "A 3\nB 3", {"A|3|10.0.0.0/29|10.0.0.0|10.0.0.7|6|3", "B|3|needs a /29 (8 addresses); 0 left||||", "free"}},
      {"10.0.0.0/28", "A 5\nB 3", {"A|5|10.0.0.0/29|10.0.0.0|10.0.0.7|6|1", "B|3|10.0.0.8/29|10.0.0.8|10.0.0.15|6|3", "free"}},
      {"2001:db8::/116", "Core /120\nHosts 1000\nOne 1",
       {"Hosts|1000|2001:db8::/118|2001:db8::|2001:db8::3ff|1024|24",
        "Core|/120|2001:db8::400/120|2001:db8::400|2001:db8::4ff|256|",
        "One|1|2001:db8::500/128|2001:db8::500|2001:db8::500|1|0",
        "free 2001:db8::501/128 2001:db8::502/127 2001:db8::504/126 2001:db8::508/125 2001:db8::510/124 "
        "2001:db8::520/123 2001:db8::540/122 2001:db8::580/121 2001:db8::600/119 2001:db8::800/117"}},
      {"::/0", "All 340282366920938463463374607431768211455",
       {"All|340282366920938463463374607431768211455|::/0|::|ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff|"
        "340282366920938463463374607431768211456|1",
        "free"}},
      {"10.0.0.0/8", "A 0\nB x\nC /33\nD 1e3\nE 340282366920938463463374607431768211456",
       {"line 1: the count is 0", "line 2: 'x' is neither a number of hosts nor a length like /24",
        "line 4: '1e3' is neither a number of hosts nor a length like /24",
        "line 5: the count is above 2^128 - 1", "C|/33|/33 is longer than /32||||", "free 10.0.0.0/8"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Needs);
    EXPECT_EQ(PlanTexts(c.Parent, c.Needs), c.Plan);
  }
}

}  // namespace
