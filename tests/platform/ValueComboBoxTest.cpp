// SPDX-License-Identifier: MIT
#include "platform/ValueComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {
TEST(ValueComboBox, PressActionOpensAndClosesTheList) {
  TValueComboBox list;
  list.AddItem("255.255.255.0", 0xFFFFFF00u);
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(&list)->actionInterface();
  ASSERT_NE(actions, nullptr);
  EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(list.view()->isVisible());
  actions->doAction(QAccessibleActionInterface::showMenuAction());
  EXPECT_FALSE(list.view()->isVisible());
}
}  // namespace
