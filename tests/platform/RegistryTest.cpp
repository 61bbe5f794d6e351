// SPDX-License-Identifier: MIT
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <thread>

namespace {

const QString SettingsKey = QStringLiteral("Software\\Kest Group\\Plimsol Calculator\\3.01");

// Every test starts with a configuration directory of its own.
class RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ConfigHome.isValid());
    SavedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", ConfigHome.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", SavedConfigHome); }

  void WriteFile(const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(ConfigHome.path() + "/OrvaneCalculator"));
    QFile file(RegistryFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray FileContents() {
    QFile file(RegistryFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir ConfigHome;
  QByteArray SavedConfigHome;
};

TEST_F(RegistryTest, FileLivesInTheConfigurationDirectory) {
  EXPECT_EQ(RegistryFilePath(), ConfigHome.path() + "/OrvaneCalculator/registry.reg");
}

TEST_F(RegistryTest, ValuesOfEveryTypeSurviveAReopen) {
  const QString strings[] = {"", "-2146498043", "C:\\Temp \"quoted\"", QString::fromUtf8("Grüß 😀"), "two\r\nlines"};
  const int integers[] = {0, 42, -1, INT_MIN, INT_MAX};
  QByteArray everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  const QByteArray binaries[] = {QByteArray(), QByteArray(17, '\x80'), everyByte};
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(SettingsKey, true));
    for (std::size_t k = 0; k < std::size(strings); ++k) registry.WriteString(QString("S%1").arg(k), strings[k]);
    for (std::size_t k = 0; k < std::size(integers); ++k) registry.WriteInteger(QString("I%1").arg(k), integers[k]);
    for (std::size_t k = 0; k < std::size(binaries); ++k)
      registry.WriteBinaryData(QString("B%1").arg(k), binaries[k]);
  }
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly(SettingsKey));
  for (std::size_t k = 0; k < std::size(strings); ++k) {
    EXPECT_EQ(registry.GetDataType(QString("S%1").arg(k)), TRegDataType::rdString);
    EXPECT_EQ(registry.ReadString(QString("S%1").arg(k)), strings[k]);
  }
  for (std::size_t k = 0; k < std::size(integers); ++k) {
    EXPECT_EQ(registry.GetDataType(QString("I%1").arg(k)), TRegDataType::rdInteger);
    EXPECT_EQ(registry.ReadInteger(QString("I%1").arg(k)), integers[k]);
  }
  for (std::size_t k = 0; k < std::size(binaries); ++k) {
    EXPECT_EQ(registry.GetDataType(QString("B%1").arg(k)), TRegDataType::rdBinary);
    EXPECT_EQ(registry.ReadBinaryData(QString("B%1").arg(k)), binaries[k]);
  }
  const QByteArray text = FileContents();
  EXPECT_TRUE(text.startsWith("Windows Registry Editor Version 5.00\r\n")) << text.left(60).toStdString();
  EXPECT_TRUE(text.contains("[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01]\r\n"));
  EXPECT_TRUE(text.contains("\"I1\"=dword:0000002a\r\n"));
  EXPECT_TRUE(text.contains("\"S1\"=\"-2146498043\"\r\n"));
}

TEST_F(RegistryTest, ReadingAnAbsentValueOrAnotherTypeThrows) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(SettingsKey, true));
  registry.WriteString("Text", "1");
  registry.WriteInteger("Number", 1);
  registry.WriteBinaryData("Bytes", "\x01");
  EXPECT_FALSE(registry.ValueExists("Absent"));
  EXPECT_EQ(registry.GetDataType("Absent"), TRegDataType::rdUnknown);
  EXPECT_THROW(registry.ReadString("Absent"), ERegistryException);
  EXPECT_THROW(registry.ReadString("Number"), ERegistryException);
  EXPECT_THROW(registry.ReadInteger("Text"), ERegistryException);
  EXPECT_THROW(registry.ReadInteger("Bytes"), ERegistryException);
  EXPECT_THROW(registry.ReadBinaryData("Text"), ERegistryException);
  EXPECT_TRUE(registry.ValueExists("TEXT"));
  EXPECT_EQ(registry.ReadInteger("number"), 1);
}

TEST_F(RegistryTest, AbsentKeysAreCreatedOnlyWhenAllowed) {
  TRegistry registry;
  EXPECT_FALSE(registry.KeyExists(SettingsKey));
  EXPECT_FALSE(registry.OpenKey(SettingsKey, false));
  EXPECT_FALSE(registry.OpenKeyReadOnly(SettingsKey));
  EXPECT_FALSE(QFile::exists(RegistryFilePath()));
  EXPECT_FALSE(registry.ValueExists("Position"));
  EXPECT_THROW(registry.WriteString("Position", "x"), ERegistryException);

  ASSERT_TRUE(registry.OpenKey(SettingsKey, true));
  EXPECT_FALSE(QFile::exists(RegistryFilePath())) << "an empty key waits for its first value";
  EXPECT_FALSE(registry.ValueExists("Position"));
  registry.WriteString("Position", "x");
  EXPECT_TRUE(registry.KeyExists(SettingsKey));
  EXPECT_TRUE(registry.KeyExists("SOFTWARE\\kest group"));
  EXPECT_TRUE(registry.KeyExists("\\Software\\Kest Group\\"));
  EXPECT_FALSE(registry.KeyExists(SettingsKey + "\\3.01\\LatencyCalc"));
  EXPECT_FALSE(TRegistry().OpenKey("Software\\\\Twice", true));
}

TEST_F(RegistryTest, ReadOnlyAndClosedKeysRefuseWrites) {
  TRegistry writer;
  ASSERT_TRUE(writer.OpenKey(SettingsKey, true));
  writer.WriteInteger("NumNetworks", 3);
  TRegistry reader;
  ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey));
  EXPECT_THROW(reader.WriteInteger("NumNetworks", 4), ERegistryException);
  writer.CloseKey();
  EXPECT_FALSE(writer.ValueExists("NumNetworks"));
  EXPECT_THROW(writer.WriteInteger("NumNetworks", 5), ERegistryException);
  TRegistry check;
  ASSERT_TRUE(check.OpenKeyReadOnly(SettingsKey));
  EXPECT_EQ(check.ReadInteger("NumNetworks"), 3);
}

TEST_F(RegistryTest, TwoInstancesKeepEachOthersValues) {
  TRegistry first;
  TRegistry second;
  ASSERT_TRUE(first.OpenKey(SettingsKey, true));
  ASSERT_TRUE(second.OpenKey(SettingsKey + "\\Orvane Calculator", true));
  first.WriteBinaryData("Position", QByteArray(17, '\0'));
  second.WriteString("IPAddress", "-1062731519");
  first.WriteString("Other", "kept");

  TRegistry reader;
  ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey));
  EXPECT_EQ(reader.ReadBinaryData("Position").size(), 17);
  EXPECT_EQ(reader.ReadString("Other"), "kept");
  ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey + "\\Orvane Calculator"));
  EXPECT_EQ(reader.ReadString("IPAddress"), "-1062731519");
}

TEST_F(RegistryTest, ConcurrentWritersLoseNothing) {
  constexpr int PerWriter = 25;
  auto writeMany = [](QString prefix) {
    TRegistry registry;
    if (!registry.OpenKey(SettingsKey, true)) return;
    for (int k = 0; k < PerWriter; ++k) registry.WriteInteger(prefix + QString::number(k), k);
  };
  std::thread a(writeMany, QStringLiteral("A"));
  std::thread b(writeMany, QStringLiteral("B"));
  a.join();
  b.join();
  TRegistry reader;
  ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey));
  for (const char* prefix : {"A", "B"})
    for (int k = 0; k < PerWriter; ++k) EXPECT_TRUE(reader.ValueExists(prefix + QString::number(k))) << prefix << k;
}

TEST_F(RegistryTest, DamagedFileGivesWhatCanBeReadAndIsRepairedOnWrite) {
  const char damaged[] =
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01]\r\n"
      "\"Good\"=\"1\"\r\n"
      "\"Broken\"=\"no end\r\n"
      "\xFF\xFE\x00garbage\x01\r\n"
      "\"Number\"=dword:zz\r\n"
      "\"Position\"=hex:01,02,\\\r\n"
      "[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01\\3.01\\LatencyCalc]\r\n"
      "\"NumNetworks\"=dword:00000004\r\n";
  WriteFile(QByteArray(damaged, sizeof damaged - 1));
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(SettingsKey, false));
  EXPECT_EQ(registry.ReadString("Good"), "1");
  for (const char* name : {"Broken", "Number", "Position"}) EXPECT_FALSE(registry.ValueExists(name)) << name;
  registry.WriteString("New", "2");

  TRegistry reader;
  ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey));
  EXPECT_EQ(reader.ReadString("Good"), "1");
  EXPECT_EQ(reader.ReadString("New"), "2");
  ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey + "\\3.01\\LatencyCalc"));
  EXPECT_EQ(reader.ReadInteger("NumNetworks"), 4);
}

TEST_F(RegistryTest, ReadsUtf16FilesWithByteOrderMark) {
  const QString text = QStringLiteral(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01\\3.01\\LatencyCalc]\r\n"
      "\"NumNetworks\"=dword:00000006\r\n"
      "\"Name\"=\"Gr\u00FC\u00DF\"\r\n");
  QByteArray bytes("\xFF\xFE");
  bytes += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  WriteFile(bytes);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly(SettingsKey + "\\3.01\\LatencyCalc"));
  EXPECT_EQ(registry.ReadInteger("NumNetworks"), 6);
  EXPECT_EQ(registry.ReadString("Name"), QString::fromUtf8("Grüß"));
}

TEST_F(RegistryTest, AFileThatCannotBeReadIsNeitherFatalNorReplaced) {
  ASSERT_TRUE(QDir().mkpath(RegistryFilePath()));  // a directory where the file should be
  TRegistry registry;
  EXPECT_FALSE(registry.KeyExists(SettingsKey));
  EXPECT_FALSE(registry.OpenKeyReadOnly(SettingsKey));
  EXPECT_FALSE(registry.OpenKey(SettingsKey, true));
  EXPECT_TRUE(QFileInfo(RegistryFilePath()).isDir());
}

TEST_F(RegistryTest, WhatOthersSaveBetweenOurReadAndOurSaveIsKept) {
  const QByteArray others = "[HKEY_CURRENT_USER\\Software\\Other]\n \"x\" = \"y\r\n\"broken\r\n";
  const struct {
    const char* Name;
    bool Batched;
    std::function<QByteArray()> Between;  // what of other keys' text the file must keep
  } cases[] = {
      {"another program edits the file", false,
       [&] {
         WriteFile(FileContents() + others +
                   "[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01]\r\n\"Theirs\"=\"1\"\r\n");
         return others;
       }},
      {"another instance saves during a batch", true,
       [] {
         TRegistry other;
         EXPECT_TRUE(other.OpenKey(SettingsKey, true));
         other.WriteString("Theirs", "1");
         return QByteArray();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    QFile::remove(RegistryFilePath());
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(SettingsKey, true));
    if (c.Batched) registry.BeginUpdate();
    registry.WriteString("Ours", "1");
    const QByteArray kept = c.Between();
    registry.WriteInteger("Number", 2);
    if (c.Batched) registry.EndUpdate();

    TRegistry reader;
    ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey));
    for (const char* name : {"Ours", "Theirs"}) EXPECT_EQ(reader.ReadString(name), "1") << name;
    EXPECT_EQ(reader.ReadInteger("Number"), 2);
    EXPECT_TRUE(FileContents().contains(kept));
  }
}

TEST_F(RegistryTest, ABatchSavesTheValuesOfEveryKeyTogether) {
  const QByteArray before = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Other]\n \"x\"=\"y\r\n";
  const QByteArray after = "[HKEY_CURRENT_USER\\Software\\Zed]\r\n\"broken\r\n\"z\"=hex:01,\\\r\n";
  const QByteArray ours =
      "[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01]\r\n\"Position\"=hex:01\r\n\r\n";
  for (const bool ownKeysThere : {false, true}) {
    SCOPED_TRACE(ownKeysThere ? "keys present" : "keys absent");
    WriteFile(before + (ownKeysThere ? ours : QByteArray()) + after);
    const QByteArray original = FileContents();
    TRegistryBatch batch;
    TRegistry subnet;
    ASSERT_TRUE(subnet.OpenKey(SettingsKey + "\\Orvane Calculator", true));
    subnet.WriteString("IPAddress", "-1062731519");
    TRegistry position;
    ASSERT_TRUE(position.OpenKey(SettingsKey, true));
    position.WriteBinaryData("Position", QByteArray(17, '\x02'));
    EXPECT_EQ(FileContents(), original) << "nothing is saved before the batch";
    std::thread([] {
      TRegistry other;  // another instance, not in the batch
      ASSERT_TRUE(other.OpenKey("Software\\Another", true));
      other.WriteString("Theirs", "1");
    }).join();
    batch.Save();

    TRegistry reader;
    ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey));
    EXPECT_EQ(reader.ReadBinaryData("Position"), QByteArray(17, '\x02'));
    ASSERT_TRUE(reader.OpenKeyReadOnly(SettingsKey + "\\Orvane Calculator"));
    EXPECT_EQ(reader.ReadString("IPAddress"), "-1062731519");
    ASSERT_TRUE(reader.OpenKeyReadOnly("Software\\Another"));
    EXPECT_EQ(reader.ReadString("Theirs"), "1");
    const QByteArray saved = FileContents();
    EXPECT_TRUE(saved.startsWith(before)) << saved.toStdString();
    EXPECT_TRUE(saved.contains(after)) << saved.toStdString();
    EXPECT_EQ(saved.count("Software\\Kest Group]"), 1) << saved.toStdString();
  }
}

TEST_F(RegistryTest, AUtf16FileIsSavedAsUtf8KeepingOtherKeys) {
  const QString text = QStringLiteral(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Name\"=\"Gr\u00FC\u00DF\"\r\n");
  QByteArray bytes("\xFF\xFE");
  bytes += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  WriteFile(bytes);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(SettingsKey, true));
  registry.WriteInteger("Number", 3);
  EXPECT_TRUE(FileContents().startsWith(text.toUtf8()));
  ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\Other"));
  EXPECT_EQ(registry.ReadString("Name"), QString::fromUtf8("Grüß"));
}

TEST_F(RegistryTest, AValueAsReadIsSavedOnlyWhenTheFileChangedSince) {
  const QByteArray text =
      "[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01]\n \"Number\" = dword:1\n\n[Other]\n\"x\"=\"y";
  for (const bool otherSavesBetween : {false, true}) {
    SCOPED_TRACE(otherSavesBetween ? "another instance saves" : "nothing changes");
    WriteFile(text);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(SettingsKey, false));
    if (otherSavesBetween) {
      TRegistry other;
      ASSERT_TRUE(other.OpenKey(SettingsKey, false));
      other.WriteInteger("Number", 2);
    }
    registry.WriteInteger("Number", 1);
    ASSERT_TRUE(registry.OpenKeyReadOnly(SettingsKey));
    EXPECT_EQ(registry.ReadInteger("Number"), 1);
    EXPECT_EQ(FileContents() == text, !otherSavesBetween);
  }
}

}  // namespace
