// SPDX-License-Identifier: MIT
// A program that saves settings, for the tests that kill it while it saves or
// run two of it at once. Usage: settings_writer PREFIX FIRST COUNT PADDING_BYTES
// Writes PREFIX+i = i for i from FIRST to FIRST+COUNT-1 under the program's key,
// after a "Padding" value that makes every save long enough to be interrupted.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/Registry.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 5) return 2;
  const QString prefix = QString::fromLocal8Bit(argv[1]);
  const int first = std::atoi(argv[2]);
  const int count = std::atoi(argv[3]);
  const int padding = std::atoi(argv[4]);
  TRegistry registry;
  if (!registry.OpenKey(QStringLiteral("Software\\Kest Group\\Plimsol Calculator\\3.01"), true)) return 3;
  if (padding > 0) registry.WriteBinaryData(QStringLiteral("Padding"), QByteArray(padding, '\x5a'));
  // Tells a waiting test that the values are being saved from now on.
  std::fputs("saving\n", stdout);
  std::fflush(stdout);
  for (int i = first; i < first + count; ++i) registry.WriteInteger(prefix + QString::number(i), i);
  return 0;
}
