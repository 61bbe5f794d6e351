// SPDX-License-Identifier: MIT
#include "platform/EditComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace {
// Qt's own interface names an editable list on Linux after its text, so a
// screen reader would say "Ethernet" where it should say "Topology". This one
// takes the list's own name (else its label's), offers the text as its value,
// and keeps the field and the popup list as its children.
class TEditComboBoxAccessible : public QAccessibleWidget {
 public:
  explicit TEditComboBoxAccessible(TEditComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? List()->currentText() : QAccessibleWidget::text(kind);
  }
  int childCount() const override { return 2; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(List()->view());
    if (index == 1) return QAccessible::queryAccessibleInterface(List()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child->object() == List()->view()) return 0;
    if (child->object() == List()->lineEdit()) return 1;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAccessibleInterface* field = child(1);
    return field && field->rect().contains(x, y) ? field : nullptr;
  }

  QStringList actionNames() const override { return {showMenuAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction()) return;
    if (List()->view()->isVisible())
      List()->hidePopup();
    else
      List()->showPopup();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  TEditComboBox* List() const { return static_cast<TEditComboBox*>(widget()); }
};

QAccessibleInterface* EditComboBoxAccessibleFactory(const QString&, QObject* object) {
  if (auto* list = qobject_cast<TEditComboBox*>(object)) return new TEditComboBoxAccessible(list);
  return nullptr;
}
}  // namespace

TEditComboBox::TEditComboBox(QWidget* parent) : QComboBox(parent) {
  static const bool accessibleFactoryInstalled = (QAccessible::installFactory(EditComboBoxAccessibleFactory), true);
  (void)accessibleFactoryInstalled;
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
}
