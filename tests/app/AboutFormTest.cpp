// SPDX-License-Identifier: MIT
#include "app/About.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "controls/KestLabel.h"

namespace {

// The main window with its About dialog opened from the Help menu.
struct TOpenedAbout {
  TOpenedAbout() {
    Main.show();
    QApplication::setActiveWindow(&Main);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Main));
    About = Open();
  }
  TAboutForm* Open() {
    Main.HelpAboutAction->trigger();
    const auto dialogs = Main.findChildren<TAboutForm*>();
    EXPECT_EQ(dialogs.size(), 1);
    return dialogs.value(0);
  }

  TMainForm Main;
  TAboutForm* About = nullptr;
};

TEST(AboutForm, ShowsTheProgramsDetails) {
  TOpenedAbout opened;
  const TAboutForm* about = opened.About;
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_TRUE(about->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(about->windowTitle(), "About the Orvane Calculator");
  EXPECT_EQ(about->font(), opened.Main.font());
  EXPECT_FALSE(about->AboutImage->pixmap().isNull());
  EXPECT_EQ(about->InfoMemo->toPlainText().split(u'\n').mid(0, 3),
            QStringList({"Orvane Calculator", "Release 3.01", ""}));
}

TEST(AboutForm, PictureAndCreditsSwapAndStaySoAcrossOpenings) {
  TOpenedAbout opened;
  TAboutForm* about = opened.About;
  const auto reopen = [&] {
    about->close();
    EXPECT_EQ(opened.Open(), about);
  };
  const struct {
    const char* Step;
    std::function<void()> Do;
    bool CreditsShown;
  } steps[] = {
      {"first opening", [] {}, false},
      {"click the picture", [&] { QTest::mouseClick(about->AboutImage, Qt::LeftButton); }, false},
      {"double-click the picture", [&] { QTest::mouseDClick(about->AboutImage, Qt::LeftButton); }, true},
      {"close and open again", reopen, true},
      {"click the credits", [&] { QTest::mouseClick(about->VantorLabel, Qt::LeftButton); }, false},
      {"close and open once more", reopen, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.Step);
    step.Do();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->VantorLabel->isVisible(), step.CreditsShown);
    EXPECT_EQ(about->AboutImage->isVisible(), !step.CreditsShown);
  }
}

TEST(AboutForm, EveryWayOfClosingHidesTheOneDialog) {
  const struct {
    const char* Name;
    std::function<void(TAboutForm&)> Close;
  } ways[] = {
      {"OK button", [](TAboutForm& f) { QTest::mouseClick(f.OKButton, Qt::LeftButton); }},
      {"Enter", [](TAboutForm&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
      {"Escape", [](TAboutForm&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
      {"window close", [](TAboutForm& f) { f.close(); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.Name);
    TOpenedAbout opened;
    QApplication::setActiveWindow(opened.About);  // as the window manager does with a new window
    ASSERT_TRUE(opened.About->isAncestorOf(QApplication::focusWidget()));
    way.Close(*opened.About);
    EXPECT_FALSE(opened.About->isVisible());
    EXPECT_EQ(opened.Open(), opened.About);
    EXPECT_TRUE(opened.About->isVisible());
  }
}

}  // namespace
