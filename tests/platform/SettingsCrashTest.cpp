// SPDX-License-Identifier: MIT
// Saving settings from other processes: killed at any moment, the file is the
// old or the new one, whole; two saving at once lose nothing.
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "platform/RegistryFormat.h"

namespace {

const std::string Key = "HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01";

class SettingsCrashTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ConfigHome.isValid());
    Environment.insert(QStringLiteral("XDG_CONFIG_HOME"), ConfigHome.path());
  }

  QProcess* StartWriter(const QString& prefix, int first, int count, int padding) {
    auto* writer = new QProcess;
    writer->setProcessEnvironment(Environment);
    writer->start(QStringLiteral(SETTINGS_WRITER),
                  {prefix, QString::number(first), QString::number(count), QString::number(padding)});
    EXPECT_TRUE(writer->waitForStarted());
    return writer;
  }

  std::string FileText() const {
    QFile file(ConfigHome.path() + QStringLiteral("/OrvaneCalculator/registry.reg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  }

  QTemporaryDir ConfigHome;
  QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(SettingsCrashTest, KilledWhileSavingLeavesAWholeFile) {
  constexpr int Padding = 64 * 1024;
  int previous = 0;
  for (int trial = 0; trial < 100; ++trial) {
    QProcess* writer = StartWriter(QStringLiteral("Value"), previous + 1, 1000, Padding);
    // Mostly while values are saved; every tenth trial while the key is created.
    if (trial % 10 != 0) writer->waitForReadyRead(10000);
    QThread::usleep(QRandomGenerator::global()->bounded(0, 100000));
    writer->kill();
    writer->waitForFinished();
    delete writer;

    // Whole: it reads without a skipped line and writes back to the same text.
    const std::string text = FileText();
    if (text.empty()) continue;  // killed before the first save
    const TRegDocument document = ParseRegistryFile(text);
    ASSERT_EQ(WriteRegistryFile(document), text) << "trial " << trial;
    ASSERT_TRUE(document.HasKey(Key)) << "trial " << trial;
    // Killed between creating the key and the first value: the file holds the empty key.
    const TRegValue* padding = document.FindValue(Key, "Padding");
    if (!padding) {
      ASSERT_EQ(previous, 0) << "trial " << trial << " lost saved values";
      continue;
    }
    ASSERT_EQ(padding->Data.size(), std::size_t(Padding));
    // Every value saved before is still there, in order.
    int last = 0;
    while (document.FindValue(Key, "Value" + std::to_string(last + 1))) ++last;
    ASSERT_GE(last, previous) << "trial " << trial << " lost saved values";
    previous = last;
  }
  EXPECT_GT(previous, 0) << "no save completed in any trial";
}

TEST_F(SettingsCrashTest, TwoProcessesSavingAtOnceLoseNothing) {
  constexpr int Count = 40;
  QProcess* first = StartWriter(QStringLiteral("First"), 0, Count, 0);
  QProcess* second = StartWriter(QStringLiteral("Second"), 0, Count, 0);
  for (QProcess* writer : {first, second}) {
    ASSERT_TRUE(writer->waitForFinished(60000));
    EXPECT_EQ(writer->exitCode(), 0);
    delete writer;
  }
  const TRegDocument document = ParseRegistryFile(FileText());
  for (const char* prefix : {"First", "Second"})
    for (int i = 0; i < Count; ++i) EXPECT_NE(document.FindValue(Key, prefix + std::to_string(i)), nullptr) << prefix << i;
}

}  // namespace
