// SPDX-License-Identifier: MIT
// orvane: the calculators' answers on the command line, as text, JSON or CSV.
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Command.h"

namespace {
const Option CommonOptions[] = {
    {"--json", nullptr, "print one JSON object"},
    {"--csv", nullptr, "print the table as CSV"},
    {"--help", nullptr, "show this help"},
};

std::vector<const Command*> AllCommands() {
  std::vector<const Command*> commands;
  for (auto group : {PrefixCommands(), SetCommands(), SubnetCommands(), RadixCommands(), VendorCommands(), LatencyCommands()})
    for (const Command& command : group) commands.push_back(&command);
  return commands;
}

std::string Usage(const std::vector<const Command*>& commands) {
  std::string text = "Usage: orvane COMMAND [ARGUMENTS] [--json | --csv]\n\nCommands:\n";
  for (const Command* command : commands) {
    std::string line = std::string("  ") + command->Name + " " + command->Synopsis;
    text += line + "\n      " + command->Summary + "\n";
  }
  return text + "\nEach command takes --help; orvane --version tells the version. Exit status: 0 answered, 1 bad "
                "input, 2 bad usage.\n";
}

std::string CommandHelp(const Command& command) {
  std::string text = std::string("Usage: orvane ") + command.Name + " " + command.Synopsis + "\n" + command.Summary +
                     "\n\nOptions:\n";
  auto addOption = [&text](const Option& option) {
    std::string name = option.Name;
    if (option.ValueName) name += std::string(" ") + option.ValueName;
    text += "  " + name + std::string(name.size() < 20 ? 20 - name.size() : 1, ' ') + option.Help + "\n";
  };
  for (const Option& option : command.Options) addOption(option);
  for (const Option& option : CommonOptions)
    if (command.Tables || std::string(option.Name) != "--csv") addOption(option);
  return text + "\nExample:\n  " + command.Example + "\n";
}

const Option* FindOption(const Command& command, const std::string& name) {
  for (const Option& option : command.Options)
    if (name == option.Name) return &option;
  for (const Option& option : CommonOptions)
    if (name == option.Name) return &option;
  return nullptr;
}

// A word that starts with "-" and is not a negative number is an option.
bool IsOption(const std::string& word) {
  return word.size() > 1 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9') && word[1] != '.';
}

Arguments Parse(const Command& command, int argc, char** argv) {
  Arguments arguments;
  bool optionsEnded = false;
  for (int i = 2; i < argc; ++i) {
    std::string word = argv[i];
    if (optionsEnded || !IsOption(word)) {
      arguments.Positional.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    std::string value;
    const std::size_t equals = word.find('=');
    const bool inlineValue = equals != std::string::npos;
    if (inlineValue) {
      value = word.substr(equals + 1);
      word.resize(equals);
    }
    const Option* option = FindOption(command, word);
    if (!option) throw UsageError("unknown option " + word);
    if (option->ValueName && !inlineValue) {
      if (i + 1 >= argc) throw UsageError(word + " needs a value (" + option->ValueName + ")");
      value = argv[++i];
    } else if (!option->ValueName && inlineValue) {
      throw UsageError(word + " takes no value");
    }
    arguments.Options[word] = value;
  }
  return arguments;
}
}  // namespace

const std::string* Arguments::Value(const std::string& name) const {
  const auto found = Options.find(name);
  return found == Options.end() ? nullptr : &found->second;
}

unsigned long long ParseCount(const std::string& argument, std::string_view text, unsigned long long max) {
  unsigned long long value = 0;
  if (text.empty()) throw InputError(argument, "is empty");
  for (const char c : text) {
    if (c < '0' || c > '9') throw InputError(argument, "'" + std::string(text) + "' is not a whole number");
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (value > (max - digit) / 10) throw InputError(argument, "must be at most " + std::to_string(max));
    value = value * 10 + digit;
  }
  return value;
}

int main(int argc, char** argv) {
  // A closed pipe is seen as a failed write, which ends the program quietly.
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<const Command*> commands = AllCommands();
  if (argc < 2) {
    std::fputs(Usage(commands).c_str(), stderr);
    return 2;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    OutputStream::Standard().Write(Usage(commands));
    OutputStream::Standard().Flush();
    return 0;
  }
  if (name == "--version") {
    OutputStream::Standard().Write("orvane " ORVANE_VERSION "\n");
    OutputStream::Standard().Flush();
    return 0;
  }
  const Command* command = nullptr;
  for (const Command* candidate : commands)
    if (name == candidate->Name) command = candidate;
  if (!command) {
    std::fprintf(stderr, "orvane: unknown command '%s' (orvane --help lists them)\n", name.c_str());
    return 2;
  }
  try {
    const Arguments arguments = Parse(*command, argc, argv);
    if (arguments.Has("--help")) {
      OutputStream::Standard().Write(CommandHelp(*command));
      OutputStream::Standard().Flush();
      return 0;
    }
    if (arguments.Has("--json") && arguments.Has("--csv")) throw UsageError("--json and --csv exclude each other");
    if (arguments.Has("--csv") && !command->Tables) throw UsageError("--csv is for commands that answer with a table");
    if (arguments.Positional.size() < command->MinArguments || arguments.Positional.size() > command->MaxArguments)
      throw UsageError(std::string("expected ") + command->Synopsis);
    Report report = command->Run(arguments);
    PrintReport(report, arguments.Has("--json") ? OutputFormat::Json
                        : arguments.Has("--csv") ? OutputFormat::Csv
                                                 : OutputFormat::Text);
    return 0;
  } catch (const UsageError& error) {
    std::fprintf(stderr, "orvane %s: %s\n", command->Name, error.what());
    return 2;
  } catch (const InputError& error) {
    std::fprintf(stderr, "orvane %s: %s\n", command->Name, error.what());
    return 1;
  }
}
