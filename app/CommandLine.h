// SPDX-License-Identifier: MIT
#pragma once
// What the command line asks for before any window exists: the options that
// print and exit, and whether the chosen display can be reached at all.
#include <optional>
#include <string>
#include <vector>

struct TCommandLine {
  bool Help = false;
  bool Version = false;
  // The platform plugin named by -platform or QT_QPA_PLATFORM, empty for Qt's default.
  std::string Platform;
  // The X display named by -display, empty when none is.
  std::string Display;
};

TCommandLine ParseCommandLine(const std::vector<std::string>& args, const char* platformVariable);

// The text of --help; `program` is the name the program was started by.
std::string HelpText(const std::string& program);
std::string VersionText();

// True when the platform needs a display server and none is named in the
// environment: the program would abort inside Qt, so it says so and stops.
bool DisplayMissing(const TCommandLine& commandLine, const char* x11Display, const char* waylandDisplay);

// The X display the program will connect to ("" for the default one), or
// nothing when it will not use X: the X platform was chosen, or Qt's default
// platform will choose it since only an X display is named. Wayland and the
// display-less platforms are left to Qt.
std::optional<std::string> X11DisplayToUse(const TCommandLine& commandLine, const char* x11Display,
                                           const char* waylandDisplay);
