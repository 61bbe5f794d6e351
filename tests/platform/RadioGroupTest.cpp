// SPDX-License-Identifier: MIT
#include "platform/RadioGroup.h"

#include <QAccessible>
#include <QApplication>
#include <QBoxLayout>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {
void DoAccessibleAction(QAbstractButton* button, const QString& action) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
  ASSERT_NE(accessible, nullptr);
  ASSERT_NE(accessible->actionInterface(), nullptr);
  accessible->actionInterface()->doAction(action);
}

// A shown group of three with item 0 chosen, counting the runs of its click handler.
struct Group {
  Group() : Radio("&Width", {"8 Bits", "16 Bits", "32 Bits"}) {
    Radio.SetItemIndex(0);
    Radio.OnClick = [this](QObject* sender) { Clicks += sender == &Radio ? 1 : 100; };
    Radio.show();
    Radio.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Radio));
  }
  TRadioGroup Radio;
  int Clicks = 0;
};

TEST(RadioGroup, EveryWayOfChoosingAnItemRunsTheHandlerOnce) {
  struct Way {
    std::string Name;
    std::function<void(TRadioGroup&)> Choose;  // chooses item 1
  };
  const Way ways[] = {
      {"mouse", [](TRadioGroup& g) { QTest::mouseClick(g.Item(1), Qt::LeftButton); }},
      {"arrow key",
       [](TRadioGroup& g) {
         g.Item(0)->setFocus();
         QTest::keyClick(g.Item(0), Qt::Key_Down);
       }},
      {"setChecked", [](TRadioGroup& g) { g.Item(1)->setChecked(true); }},
      {"click()", [](TRadioGroup& g) { g.Item(1)->click(); }},
      {"toggle action", [](TRadioGroup& g) { DoAccessibleAction(g.Item(1), QAccessibleActionInterface::toggleAction()); }},
      {"press action",
       [](TRadioGroup& g) {
         DoAccessibleAction(g.Item(1), QAccessibleActionInterface::pressAction());
         // The press is animated: the button is clicked when it comes up again.
         EXPECT_TRUE(QTest::qWaitFor([&g] { return !g.Item(1)->isDown(); }));
       }},
  };
  for (const Way& way : ways) {
    Group group;
    way.Choose(group.Radio);
    EXPECT_TRUE(group.Radio.Item(1)->isChecked()) << way.Name;
    EXPECT_EQ(group.Radio.ItemIndex(), 1) << way.Name;
    EXPECT_EQ(group.Clicks, 1) << way.Name;
    // Choosing the same item again changes nothing.
    way.Choose(group.Radio);
    EXPECT_EQ(group.Clicks, 1) << way.Name;
    // A later click on another item is no longer lost.
    QTest::mouseClick(group.Radio.Item(0), Qt::LeftButton);
    EXPECT_EQ(group.Radio.ItemIndex(), 0) << way.Name;
    EXPECT_EQ(group.Clicks, 2) << way.Name;
  }
}

TEST(RadioGroup, ADetachedHandlerMissesTheChangeButTheIndexFollows) {
  Group group;
  {
    TDetachedClick detached(&group.Radio);
    group.Radio.Item(2)->setChecked(true);
    EXPECT_EQ(group.Radio.ItemIndex(), 2);
    group.Radio.SetItemIndex(1);
    EXPECT_TRUE(group.Radio.Item(1)->isChecked());
  }
  EXPECT_EQ(group.Clicks, 0);
  group.Radio.Item(0)->click();
  EXPECT_EQ(group.Clicks, 1) << "attached again";
}
TEST(RadioGroup, TheChoiceIsTheOneTabStopAndEveryArrowMovesIt) {
  struct Step {
    Qt::Key Key;
    int Chosen;
  };
  // From item 0 of three; the choice wraps round at either end.
  const Step steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 0}, {Qt::Key_Up, 2}, {Qt::Key_Left, 1}};
  for (const QBoxLayout::Direction direction : {QBoxLayout::TopToBottom, QBoxLayout::LeftToRight}) {
    SCOPED_TRACE(direction);
    Group group;
    static_cast<QBoxLayout*>(group.Radio.layout())->setDirection(direction);
    group.Radio.Item(0)->setFocus();
    for (const Step& step : steps) {
      QTest::keyClick(QApplication::focusWidget(), step.Key);
      EXPECT_EQ(group.Radio.ItemIndex(), step.Chosen) << step.Key;
      EXPECT_EQ(QApplication::focusWidget(), group.Radio.Item(step.Chosen)) << step.Key;
      for (int i = 0; i < group.Radio.ItemCount(); ++i)
        EXPECT_EQ(bool(group.Radio.Item(i)->focusPolicy() & Qt::TabFocus), i == step.Chosen) << step.Key;
    }
    EXPECT_EQ(group.Clicks, 5);
  }
}
}  // namespace
