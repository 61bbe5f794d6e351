#include "platform/Application.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>

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
    if (event->type() == QEvent::User) throw std::runtime_error("thrown by a handler");
    return QObject::event(event);
  }
};

TEST(ApplicationTest, AnExceptionFromAnEventHandlerIsShownAndTheProgramGoesOn) {
  ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
  TMessageRecorder recorder;
  TThrowingObject object;
  QEvent sent(QEvent::User);
  QCoreApplication::sendEvent(&object, &sent);
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  QCoreApplication::processEvents();

  QPushButton button("Go");
  button.show();
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    ++clicks;
    throw std::runtime_error("thrown by a click");
  });
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mouseClick(&button, Qt::LeftButton);

  ASSERT_EQ(recorder.Messages.size(), 4u);
  EXPECT_EQ(recorder.Messages[0].Text, "thrown by a handler");
  EXPECT_EQ(recorder.Messages[1].Text, "thrown by a handler");
  EXPECT_EQ(recorder.Messages[2].Text, "thrown by a click");
  EXPECT_EQ(recorder.Messages[3].Text, "thrown by a click");
  EXPECT_EQ(clicks, 2);
}

}  // namespace
