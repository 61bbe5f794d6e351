// SPDX-License-Identifier: MIT
#include "app/FormPosition.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "app/WindowPlacement.h"
#include "platform/Registry.h"

namespace {

const QString SettingsKey = QStringLiteral("Software\\Kest Group\\Plimsol Calculator\\3.01");

class FormPositionTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ConfigHome.isValid());
    SavedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", ConfigHome.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", SavedConfigHome); }

  static void Store(const TWindowPlacement& placement) {
    const auto record = EncodeWindowPlacement(placement);
    StoreBytes(QByteArray(reinterpret_cast<const char*>(record.data()), record.size()));
  }
  static void StoreBytes(const QByteArray& bytes) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(SettingsKey, true));
    registry.WriteBinaryData("Position", bytes);
  }
  static QSize Screen() { return QGuiApplication::primaryScreen()->size(); }

  QTemporaryDir ConfigHome;
  QByteArray SavedConfigHome;
};

TEST_F(FormPositionTest, ASavedPositionIsRestoredInANewWindow) {
  for (bool shown : {false, true}) {
    SCOPED_TRACE(shown);
    QWidget saved;
    saved.move(30, 40);
    saved.resize(297, 455);
    if (shown) saved.show();
    SaveFormPosition(&saved, SettingsKey, "Position");

    QWidget restored;
    ASSERT_TRUE(LoadFormPosition(&restored, SettingsKey, "Position"));
    EXPECT_EQ(restored.pos(), QPoint(30, 40));
    EXPECT_EQ(restored.size(), QSize(297, 455));
    EXPECT_EQ(restored.windowState(), Qt::WindowNoState);
  }
}

TEST_F(FormPositionTest, ValueIsNamedAfterTheFormWhenNoNameIsGiven) {
  struct TCase {
    QString ObjectName;
    QString ValueName;
    QString Stored;
  };
  const TCase cases[] = {
      {"MainForm", "Position", "Position"},
      {"MainForm", "", "MainForm"},
      {"", "", "CustomFormPosition"},
  };
  for (const auto& c : cases) {
    QWidget form;
    form.setObjectName(c.ObjectName);
    form.move(5, 6);
    SaveFormPosition(&form, SettingsKey, c.ValueName);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKeyReadOnly(SettingsKey));
    EXPECT_EQ(registry.ReadBinaryData(c.Stored).size(), 17) << c.Stored.toStdString();

    QWidget other;
    other.setObjectName(c.ObjectName);
    EXPECT_TRUE(LoadFormPosition(&other, SettingsKey, c.ValueName));
    EXPECT_EQ(other.pos(), QPoint(5, 6));
  }
}

TEST_F(FormPositionTest, PositionsOutsideTheScreenAreBroughtBack) {
  const int w = Screen().width();
  const int h = Screen().height();
  struct TCase {
    const char* Name;
    TWindowRect Stored;
    QRect Expected;
  };
  const TCase cases[] = {
      {"off the left and top", {-50, -20, 247, 435}, {0, 0, 297, 455}},
      {"wider than the screen", {10, 10, 10 + w + 100, 465}, {0, 10, w, 455}},
      {"beyond the bottom right", {w - 100, h - 100, w + 197, h + 355}, {w - 297, h - 455, 297, 455}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Store({c.Stored, TWindowState::wsNormal});
    QWidget form;
    ASSERT_TRUE(LoadFormPosition(&form, SettingsKey, "Position"));
    EXPECT_EQ(QRect(form.pos(), form.size()), c.Expected);
  }
}

TEST_F(FormPositionTest, StateIsRestoredAndMaximisedIgnoresTheEdges) {
  Store({{300, 200, 400, 300}, TWindowState::wsMaximized});
  QWidget maximised;
  ASSERT_TRUE(LoadFormPosition(&maximised, SettingsKey, "Position"));
  EXPECT_TRUE(maximised.windowState() & Qt::WindowMaximized);
  EXPECT_NE(maximised.pos(), QPoint(300, 200));
  EXPECT_NE(maximised.size(), QSize(100, 100));

  Store({{-40, 20, 260, 475}, TWindowState::wsMinimized});
  QWidget minimised;
  ASSERT_TRUE(LoadFormPosition(&minimised, SettingsKey, "Position"));
  EXPECT_TRUE(minimised.windowState() & Qt::WindowMinimized);
  EXPECT_EQ(QRect(minimised.pos(), minimised.size()), QRect(0, 20, 300, 455));

  QWidget saved;
  saved.setWindowState(Qt::WindowMinimized);
  SaveFormPosition(&saved, SettingsKey, "Position");
  QWidget restored;
  ASSERT_TRUE(LoadFormPosition(&restored, SettingsKey, "Position"));
  EXPECT_TRUE(restored.windowState() & Qt::WindowMinimized);
}

TEST_F(FormPositionTest, UnusableValuesLeaveTheFormAlone) {
  const auto record = EncodeWindowPlacement({{10, 10, 307, 465}, TWindowState::wsNormal});
  const QByteArray valid(reinterpret_cast<const char*>(record.data()), record.size());
  struct TCase {
    const char* Name;
    std::function<void(TRegistry&)> Write;
  };
  const TCase cases[] = {
      {"absent value", [](TRegistry&) {}},
      {"a string", [&](TRegistry& r) { r.WriteString("Position", "10,10,307,465"); }},
      {"an integer", [](TRegistry& r) { r.WriteInteger("Position", 17); }},
      {"16 bytes", [&](TRegistry& r) { r.WriteBinaryData("Position", valid.left(16)); }},
      {"18 bytes", [&](TRegistry& r) { r.WriteBinaryData("Position", valid + '\0'); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(SettingsKey, true));
    c.Write(registry);
    QWidget form;
    form.move(1, 2);
    form.resize(297, 455);
    EXPECT_FALSE(LoadFormPosition(&form, SettingsKey, "Position"));
    EXPECT_EQ(QRect(form.pos(), form.size()), QRect(1, 2, 297, 455));
    EXPECT_EQ(form.windowState(), Qt::WindowNoState);
  }
  qputenv("XDG_CONFIG_HOME", ConfigHome.path().toLocal8Bit());
  QWidget form;
  EXPECT_FALSE(LoadFormPosition(&form, SettingsKey, "Position")) << "absent key";
}

TEST_F(FormPositionTest, NothingIsSavedWhereNoKeyCanBeMade) {
  QWidget form;
  SaveFormPosition(&form, "Software\\\\Kest Group", "Position");
  EXPECT_FALSE(TRegistry().KeyExists("Software"));
}

}  // namespace
