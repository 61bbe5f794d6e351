// SPDX-License-Identifier: MIT
#pragma once
// A subcommand: its arguments as parsed, what it answers, and how a mistake
// is reported (exit status 1 for bad input, 2 for bad usage).
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Output.h"

struct Option {
  const char* Name;       // "--mask-bits"
  const char* ValueName;  // "N"; nullptr for a flag
  const char* Help;
};

// The arguments of one run of a subcommand.
class Arguments {
 public:
  std::vector<std::string> Positional;
  std::map<std::string, std::string> Options;  // a flag's value is ""

  bool Has(const std::string& name) const { return Options.count(name) > 0; }
  const std::string* Value(const std::string& name) const;
};

// Exit status 1: `argument` is what was given wrongly ("ADDRESS", "--width").
struct InputError : std::runtime_error {
  InputError(const std::string& argument, const std::string& problem) : std::runtime_error(argument + ": " + problem) {}
};
// Exit status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Command {
  const char* Name;
  const char* Synopsis;  // the arguments after the name
  const char* Summary;
  const char* Example;
  std::vector<Option> Options;
  std::size_t MinArguments;
  std::size_t MaxArguments;
  bool Tables;  // answers with a table, so --csv is its rows
  Report (*Run)(const Arguments& arguments);
};

// The subcommands of each calculator.
std::span<const Command> PrefixCommands();
std::span<const Command> SubnetCommands();
std::span<const Command> RadixCommands();
std::span<const Command> LatencyCommands();
std::span<const Command> VendorCommands();
std::span<const Command> SetCommands();

class TVendorRegistry;
// The vendor registry the window uses, found from this program's folder as the
// window finds it from its own, read on first use; nothing when none is installed.
const TVendorRegistry* InstalledVendorRegistry();

// An unsigned decimal number of at most `max`, or an InputError naming `argument`.
unsigned long long ParseCount(const std::string& argument, std::string_view text, unsigned long long max);
