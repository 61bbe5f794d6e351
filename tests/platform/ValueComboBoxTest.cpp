#include "platform/ValueComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString AccessibleText(QAccessibleInterface* list) {
  QAccessibleTextInterface* text = list->textInterface();
  return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

TEST(ValueComboBox, ReadsAsItsLabelWithTheChosenItemAsText) {
  QWidget page;
  auto* label = new QLabel("Mask &Bits", &page);
  auto* list = new TValueComboBox(&page);
  label->setBuddy(list);
  for (std::uint32_t bits : {22u, 23u, 24u}) list->AddItem(QString::number(bits), bits);
  list->SetItemIndex(2);

  QAccessibleInterface* read = QAccessible::queryAccessibleInterface(list);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->role(), QAccessible::ComboBox);
  EXPECT_EQ(read->text(QAccessible::Name), "Mask Bits") << "named by its label, not by its value";
  EXPECT_EQ(read->text(QAccessible::Value), "24");
  EXPECT_EQ(AccessibleText(read), "24");

  list->SetItemIndex(0);
  EXPECT_EQ(read->text(QAccessible::Name), "Mask Bits");
  EXPECT_EQ(AccessibleText(read), "22");
  list->SetItemIndex(-1);
  EXPECT_EQ(AccessibleText(read), "");

  ASSERT_EQ(read->childCount(), 1);
  EXPECT_EQ(read->child(0)->object(), list->view());
  EXPECT_EQ(read->indexOfChild(read->child(0)), 0);

  list->setAccessibleName("Prefix length");
  EXPECT_EQ(read->text(QAccessible::Name), "Prefix length");
}

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
