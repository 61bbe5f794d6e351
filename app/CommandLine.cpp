// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

namespace {
bool IsEmpty(const char* text) { return text == nullptr || *text == '\0'; }
}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& args, const char* platformVariable) {
  TCommandLine result;
  if (!IsEmpty(platformVariable)) result.Platform = platformVariable;
  for (std::size_t index = 1; index < args.size(); ++index) {
    const std::string& arg = args[index];
    if (arg == "--help" || arg == "-h" || arg == "-?") result.Help = true;
    else if (arg == "--version" || arg == "-v") result.Version = true;
    else if ((arg == "-platform" || arg == "--platform") && index + 1 < args.size()) result.Platform = args[++index];
    else if (arg.rfind("--platform=", 0) == 0) result.Platform = arg.substr(11);
    else if ((arg == "-display" || arg == "--display") && index + 1 < args.size()) result.Display = args[++index];
  }
  return result;
}

std::string HelpText(const std::string& program) {
  return "Usage: " + program +
         " [options]\n"
         "A calculator for network engineers: number bases, IPv4 subnets and network latency.\n"
         "\n"
         "Options:\n"
         "  -h, --help       Show this help and exit.\n"
         "  -v, --version    Show the release and exit.\n"
         "  Qt's own options, such as -platform, -style and -reverse, are accepted as well.\n"
         "\n"
         "Settings are kept in $XDG_CONFIG_HOME/OrvaneCalculator/registry.reg.\n"
         "The OUI finder reads OUI.txt from the current directory.\n";
}

std::string VersionText() { return "Orvane Calculator 3.01\n"; }

namespace {
std::string PluginOf(const TCommandLine& commandLine) {
  return commandLine.Platform.substr(0, commandLine.Platform.find(':'));
}
}  // namespace

bool DisplayMissing(const TCommandLine& commandLine, const char* x11Display, const char* waylandDisplay) {
  const std::string plugin = PluginOf(commandLine);
  if (plugin.empty()) return IsEmpty(x11Display) && IsEmpty(waylandDisplay);
  if (plugin == "xcb") return IsEmpty(x11Display);
  if (plugin.rfind("wayland", 0) == 0) return IsEmpty(waylandDisplay);
  return false;
}

std::optional<std::string> X11DisplayToUse(const TCommandLine& commandLine, const char* x11Display,
                                           const char* waylandDisplay) {
  const std::string plugin = PluginOf(commandLine);
  const bool x11 = plugin == "xcb" || (plugin.empty() && !IsEmpty(x11Display) && IsEmpty(waylandDisplay));
  if (!x11) return std::nullopt;
  if (!commandLine.Display.empty()) return commandLine.Display;
  return IsEmpty(x11Display) ? std::string() : std::string(x11Display);
}
