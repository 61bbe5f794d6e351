// SPDX-License-Identifier: MIT
// The converter of IEEE's list on any text: every entry becomes one whole
// line of the finder's format, sorted, and the finder reads them all back.
#include "fuzz/FuzzInput.h"
#include "radix/IeeeOuiList.h"
#include "radix/OUIList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  const TOUIListConversion list = ConvertIeeeOuiList(source);
  std::size_t lines = 0;
  std::string previous;
  for (std::size_t start = 0; start < list.Text.size();) {
    const std::size_t end = list.Text.find("\r\n", start);
    FUZZ_CHECK(end != std::string::npos);
    const std::string line = list.Text.substr(start, end - start);
    for (const char c : line) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 || c == '\t');
    const std::string oui(OUIOf(line));
    FUZZ_CHECK(oui.size() == 6 && oui >= previous);
    previous = oui;
    ++lines;
    start = end + 2;
  }
  FUZZ_CHECK(lines == list.Entries);
  FUZZ_CHECK(TOUIList(list.Text, [](std::string_view a, std::string_view b) { return a.compare(b); }).Count() == lines);
  AbbreviateOrganization(source);
  return 0;
}
