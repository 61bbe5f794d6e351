// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {
struct TCase {
  std::vector<std::string> Args;
  const char* PlatformVariable;
  const char* Display;
  const char* WaylandDisplay;
  bool Help, Version, DisplayMissing;
};

TEST(CommandLine, OptionsAndDisplay) {
  const TCase cases[] = {
      {{"prog"}, nullptr, ":0", nullptr, false, false, false},
      {{"prog"}, nullptr, nullptr, nullptr, false, false, true},
      {{"prog"}, "", "", "", false, false, true},
      {{"prog"}, nullptr, nullptr, "wayland-0", false, false, false},
      {{"prog", "--help"}, nullptr, nullptr, nullptr, true, false, true},
      {{"prog", "-v"}, nullptr, nullptr, nullptr, false, true, true},
      {{"prog", "--version", "-h"}, nullptr, nullptr, nullptr, true, true, true},
      // Qt's own options pass; one that names a display-less platform needs no display.
      {{"prog", "-platform", "offscreen"}, nullptr, nullptr, nullptr, false, false, false},
      {{"prog", "--platform=minimal"}, nullptr, nullptr, nullptr, false, false, false},
      {{"prog"}, "offscreen", nullptr, nullptr, false, false, false},
      {{"prog", "-platform", "xcb"}, "offscreen", nullptr, "wayland-0", false, false, true},
      {{"prog"}, "wayland-egl", ":0", nullptr, false, false, true},
      {{"prog"}, "xcb:nograb", ":1", nullptr, false, false, false},
      // A trailing -platform with no name leaves the platform as it was.
      {{"prog", "-platform"}, nullptr, nullptr, nullptr, false, false, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Args));
    const TCommandLine line = ParseCommandLine(c.Args, c.PlatformVariable);
    EXPECT_EQ(line.Help, c.Help);
    EXPECT_EQ(line.Version, c.Version);
    EXPECT_EQ(DisplayMissing(line, c.Display, c.WaylandDisplay), c.DisplayMissing);
  }
}

TEST(CommandLine, TheXDisplayToCheckBeforeStarting) {
  struct TDisplayCase {
    std::vector<std::string> Args;
    const char* PlatformVariable;
    const char* Display;
    const char* WaylandDisplay;
    std::optional<std::string> Expected;
  };
  const TDisplayCase cases[] = {
      {{"prog"}, nullptr, ":7", nullptr, ":7"},
      {{"prog", "-display", ":3"}, nullptr, ":7", nullptr, ":3"},
      {{"prog"}, "xcb", ":7", "wayland-0", ":7"},
      {{"prog"}, nullptr, ":7", "wayland-0", std::nullopt},
      {{"prog"}, "wayland", ":7", "wayland-0", std::nullopt},
      {{"prog"}, "offscreen", ":7", nullptr, std::nullopt},
  };
  for (const TDisplayCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Args));
    EXPECT_EQ(X11DisplayToUse(ParseCommandLine(c.Args, c.PlatformVariable), c.Display, c.WaylandDisplay), c.Expected);
  }
}

TEST(CommandLine, TextsNameTheReleaseAndTheOptions) {
  EXPECT_EQ(VersionText(), "Orvane Calculator 3.01\n");
  const std::string help = HelpText("orvane-calculator");
  EXPECT_EQ(help.rfind("Usage: orvane-calculator [options]\n", 0), 0u);
  EXPECT_NE(help.find("--version"), std::string::npos);
  EXPECT_NE(help.find("OUI.txt"), std::string::npos);
}
}  // namespace
