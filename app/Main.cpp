// SPDX-License-Identifier: MIT
// The program's entry: the options that need no window, the display check,
// the application object, its title and the main window.
#include <QIcon>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainForm.h"
#include "platform/Application.h"
#include "platform/DisplayConnection.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  const TCommandLine commandLine = ParseCommandLine(args, std::getenv("QT_QPA_PLATFORM"));
  const std::string program = args.empty() ? "orvane-calculator" : args.front();
  if (commandLine.Help) {
    std::fputs(HelpText(program).c_str(), stdout);
    return 0;
  }
  if (commandLine.Version) {
    std::fputs(VersionText().c_str(), stdout);
    return 0;
  }
  if (DisplayMissing(commandLine, std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"))) {
    std::fprintf(stderr, "%s: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                 program.c_str());
    return 1;
  }
  const auto x11Display = X11DisplayToUse(commandLine, std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
  if (x11Display && !X11DisplayAnswers(*x11Display)) {
    std::fprintf(stderr, "%s: cannot reach the X display \"%s\"\n", program.c_str(), x11Display->c_str());
    return 1;
  }

  TApplication app(argc, argv);
  TApplication::setApplicationDisplayName(TMainForm::ApplicationTitle);
  TApplication::setApplicationName("OrvaneCalculator");
  TApplication::setApplicationVersion("3.01");
  TApplication::setDesktopFileName("example.kestgroup.OrvaneCalculator");
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/resources/icons/orvane-calculator-%1.png").arg(size), QSize(size, size));
  TApplication::setWindowIcon(icon);
  TMainForm mainForm;
  // A session that ends or a signal closes the window as the user would, so the settings are kept.
  OnTerminationSignal([&mainForm] {
    mainForm.close();
    TApplication::quit();
  });
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm,
                   Guarded([&mainForm] { mainForm.SaveSettings(); }));
  RunGuarded([&] { mainForm.FormCreate(); });
  mainForm.show();
  return app.exec();
}
