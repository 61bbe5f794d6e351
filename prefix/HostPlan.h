// SPDX-License-Identifier: MIT
#pragma once
// A host-count plan: needs ("Sales 500", "Link /30") carved out of a parent
// prefix from the largest down, each block aligned and the smallest that holds
// its hosts, with the needs that do not fit and the free blocks left.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "prefix/Address.h"
#include "prefix/InputLines.h"

// A need: a number of hosts, or a block of a given length (Hosts 0 then).
struct HostNeed {
  std::string Name;
  U128 Hosts = 0;
  unsigned Length = 0;
  std::size_t Line = 0;
};

struct ParsedNeeds {
  std::vector<HostNeed> Needs;
  std::vector<LineError> Errors;
};

// Reads lines of a name and a count ("Sales floor 500") or a length ("Link /30");
// a line with a count or length alone is named after its line ("line 4").
// '#' comments; a line not understood is named in Errors and left out.
ParsedNeeds ParseNeeds(std::string_view text);

// The length of the smallest block of `family` holding `hosts` hosts: IPv4
// counts the network and broadcast addresses, except in a /31 for 2 hosts and
// a /32 for 1. Nothing (an error) when the family cannot hold that many.
Result<unsigned> BlockLength(AddressFamily family, U128 hosts);

struct PlannedNeed {
  HostNeed Need;
  bool Fits = false;
  IpPrefix Block;      // when it fits
  std::string Reason;  // when it does not
};

struct HostPlan {
  // In the order allocated: the largest block first, equal ones in the order of
  // their lines; last the needs that no room could meet, in the order of their lines.
  std::vector<PlannedNeed> Rows;
  std::vector<IpPrefix> FreeBlocks;
};

// Allocates `needs` in `parent`, whose host bits are ignored.
HostPlan PlanHosts(const IpPrefix& parent, const std::vector<HostNeed>& needs);

// The texts of a row for a table: name, hosts asked ("500", or "/30"),
// prefix, first, last, usable, wasted. A need that does not fit has its
// reason in place of the prefix and nothing after it.
constexpr std::size_t PlanColumnCount = 7;
std::array<std::string, PlanColumnCount> PlanRowTexts(const PlannedNeed& row);
