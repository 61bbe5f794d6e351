// SPDX-License-Identifier: MIT
#pragma once
// What the command line asks for before any window exists: the options that
// print and exit, and whether the chosen display can be reached at all.
#include <string>
#include <vector>

struct TCommandLine {
  bool Help = false;
  bool Version = false;
  // The platform plugin named by -platform or QT_QPA_PLATFORM, empty for Qt's default.
  std::string Platform;
};

TCommandLine ParseCommandLine(const std::vector<std::string>& args, const char* platformVariable);

// The text of --help; `program` is the name the program was started by.
std::string HelpText(const std::string& program);
std::string VersionText();

// True when the platform needs a display server and none is named in the
// environment: the program would abort inside Qt, so it says so and stops.
bool DisplayMissing(const TCommandLine& commandLine, const char* x11Display, const char* waylandDisplay);
