// SPDX-License-Identifier: MIT
#include "platform/Application.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tests/support/MessageRecorder.h"

namespace {

TEST(ApplicationTest, RunGuardedShowsWhatWasThrownInOneErrorBox) {
  struct TCase {
    const char* Name;
    std::function<void()> Action;
    bool Result;
    const char* Shown;  // nullptr: no box
  };
  const TCase cases[] = {
      {"nothing thrown", [] {}, true, nullptr},
      {"standard exception", [] { throw std::overflow_error("Integer overflow"); }, false, "Integer overflow"},
      {"anything else", [] { throw 42; }, false, "An unexpected error occurred."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TMessageRecorder recorder;
    EXPECT_EQ(RunGuarded(c.Action), c.Result);
    if (!c.Shown) {
      EXPECT_TRUE(recorder.Messages.empty());
      continue;
    }
    ASSERT_EQ(recorder.Messages.size(), 1u);
    EXPECT_EQ(recorder.Messages[0].Text, c.Shown);
    EXPECT_EQ(recorder.Messages[0].Flags, MB_OK | MB_ICONHAND);
  }
}

class TThrowingObject : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("thrown by an event handler");
    return QObject::event(event);
  }
};

TEST(ApplicationTest, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
  TMessageRecorder recorder;
  QPushButton button("Go");
  button.show();
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, &button, Guarded([&] {
                     ++clicks;
                     throw std::runtime_error("thrown by a click");
                   }));
  bool checked = true;
  QObject::connect(&button, &QPushButton::clicked, &button, Guarded([&](bool state) { checked = state; }));
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(checked) << "the signal's argument reaches a handler that takes it";

  // The last resort, for an exception that no guard caught lower down.
  ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
  TThrowingObject object;
  QEvent sent(QEvent::User);
  QCoreApplication::sendEvent(&object, &sent);
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  QCoreApplication::processEvents();

  std::vector<QString> shown;
  for (const auto& message : recorder.Messages) shown.push_back(message.Text);
  EXPECT_EQ(shown, (std::vector<QString>{"thrown by a click", "thrown by a click", "thrown by an event handler",
                                         "thrown by an event handler"}));
}

}  // namespace
