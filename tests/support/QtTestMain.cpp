// SPDX-License-Identifier: MIT
// Entry of every widget test: a real application object on the offscreen
// platform, with settings and user data kept in directories of their own.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "tests/support/MessageRecorder.h"

int main(int argc, char** argv) {
  QTemporaryDir configHome;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  QTemporaryDir dataHome;  // where an imported vendor registry goes
  qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication app(argc, argv);
  InstallUnexpectedMessageBoxCheck();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
