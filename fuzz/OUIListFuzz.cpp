// SPDX-License-Identifier: MIT
// The vendor list on any file text and any key: the indexed search finds the
// line that reading the list in order finds, under plain character codes and
// under an order that ties upper and lower case, as a collation may.
#include <cctype>

#include "fuzz/FuzzInput.h"
#include "radix/OUIList.h"

namespace {
int Plain(std::string_view a, std::string_view b) { return a.compare(b); }

int IgnoringCase(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const int x = std::toupper(static_cast<unsigned char>(a[i])), y = std::toupper(static_cast<unsigned char>(b[i]));
    if (x != y) return x - y;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

// The search as a reader going down the list would do it.
std::optional<std::size_t> Scan(const TOUIList& list, std::string_view key, const TOUICompare& compare) {
  key = OUIOf(key);
  for (std::size_t line = 0; line < list.Count(); ++line) {
    const int order = compare(OUIOf(list.Line(line)), key);
    if (order < 0) continue;
    if (order == 0) return line;
    return std::nullopt;
  }
  return std::nullopt;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  const auto keyLength = input.Take<std::uint8_t>() % 8;
  const std::string rest = input.Rest();
  const std::string key = rest.substr(0, keyLength);
  const std::string text = rest.substr(key.size());
  for (const TOUICompare& compare : {TOUICompare(Plain), TOUICompare(IgnoringCase)}) {
    const TOUIList list(text, compare);
    FUZZ_CHECK(list.Find(key) == Scan(list, key, compare));
    for (std::size_t line = 0; line < list.Count(); ++line) {
      OUIAbbreviation(list.Line(line));
      OUIOrganization(list.Line(line));
    }
  }
  return 0;
}
