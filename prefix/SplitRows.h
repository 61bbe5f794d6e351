// SPDX-License-Identifier: MIT
#pragma once
// A prefix's split as the rows of a table, each a function of its number: the
// row's number as the user counts (from 1), the subnet, its first and last
// address and, for IPv4, its broadcast address and the range its hosts may use.
#include <string>
#include <vector>

#include "prefix/PrefixFacts.h"

class SplitRows {
 public:
  explicit SplitRows(const PrefixSplit& split) : split_(split) {}

  // The headings of the columns a split of `family` has.
  static std::vector<std::string> Headings(AddressFamily family);

  U128 LastRow() const;
  void AppendText(U128 row, int col, std::string& out) const;
  // The first and last rows' texts: no row's text of a column has more
  // characters than the last row's, whose subnet bits are all set.
  std::vector<std::string> WidestTexts(int col) const;

 private:
  PrefixSplit split_;
};
