// SPDX-License-Identifier: MIT
// make-oui-list [IEEE-LIST [OUTPUT]]: writes the vendor list that the OUI
// finder reads (OUI.txt) from IEEE's MA-L list, by default the one that
// Debian's ieee-data package installs.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

#include "radix/IeeeOuiList.h"

namespace {
constexpr const char* DefaultSource = "/usr/share/ieee-data/oui.txt";
constexpr const char* DefaultOutput = "OUI.txt";

constexpr const char* Usage =
    "usage: make-oui-list [IEEE-LIST [OUTPUT]]\n"
    "Writes the vendor list of the Orvane Calculator's OUI finder from IEEE's MA-L list.\n"
    "IEEE-LIST defaults to /usr/share/ieee-data/oui.txt (Debian package ieee-data),\n"
    "OUTPUT to OUI.txt; put it in the directory the calculator is started from.\n"
    "Each line: the OUI, an abbreviation (the first word of the organization's name,\n"
    "six characters at most, vowels dropped after the first letter from longer\n"
    "words) and the name, in Latin-1 with CR LF line ends, sorted by OUI.\n";

int Fail(const std::string& message) {
  std::cerr << "make-oui-list: " << message << '\n';
  return 1;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 3 || (argc > 1 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help"))) {
    std::cerr << Usage;
    return argc > 3 ? 2 : 0;
  }
  const std::string source = argc > 1 ? argv[1] : DefaultSource;
  const std::string output = argc > 2 ? argv[2] : DefaultOutput;

  std::ifstream in(source, std::ios::binary);
  std::ostringstream ieeeText;
  if (!in || !(ieeeText << in.rdbuf())) return Fail("cannot read " + source);
  const TOUIListConversion list = ConvertIeeeOuiList(ieeeText.str());
  if (list.Entries == 0) return Fail("no MA-L entries (\"XX-XX-XX   (hex)  Organization\") in " + source);

  // Written beside the output and renamed, so a failure never leaves half a list.
  const std::string temporary = output + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!(out << list.Text) || !out.flush()) {
      std::remove(temporary.c_str());
      return Fail("cannot write " + temporary);
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, output, error);
  if (error) {
    std::remove(temporary.c_str());
    return Fail("cannot write " + output + ": " + error.message());
  }
  std::cout << "Wrote " << list.Entries << " entries to " << output << '\n';
  if (list.Replaced > 0)
    std::cout << list.Replaced << " characters outside Latin-1 were written as ASCII look-alikes or \"?\"\n";
  return 0;
}
