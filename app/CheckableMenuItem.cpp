// SPDX-License-Identifier: MIT
#include "app/CheckableMenuItem.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

#include "controls/KestGlobal.h"

namespace {
// A checkable item of a menu. Qt's AT-SPI bridge passes neither the checkable
// state on nor any check or radio menu item role, so an unchecked item of
// Qt's own reads as a plain item: this one reads as the check box or radio
// button it behaves as, checked or not, named and placed as the item.
class TCheckableMenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TCheckableMenuItemAccessible(QMenu* menu, QAction* action) : Menu(menu), Action(action) {}

  bool isValid() const override { return Menu && Action; }
  QObject* object() const override { return Action; }
  QWindow* window() const override { return Menu ? Menu->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Menu); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override {
    const QActionGroup* group = Action ? Action->actionGroup() : nullptr;
    return group && group->isExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
  }
  QString text(QAccessible::Text kind) const override {
    if (!isValid()) return {};
    switch (kind) {
      case QAccessible::Name:
        return StripAccelChars(Action->text());
      case QAccessible::Accelerator:
        return Action->shortcut().toString(QKeySequence::NativeText);
      case QAccessible::Description:
        return Action->statusTip();
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    return Menu->actionGeometry(Action).translated(Menu->mapToGlobal(QPoint(0, 0)));
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.invisible = !Menu->isVisible() || !Action->isVisible();
    state.focusable = true;
    state.focused = Menu->activeAction() == Action;
    state.disabled = !Action->isEnabled();
    state.checkable = true;
    state.checked = Action->isChecked();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {toggleAction()}; }
  void doAction(const QString& name) override {
    if (isValid() && Action->isEnabled() && name == toggleAction()) Action->trigger();
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    if (!isValid() || name != toggleAction() || Action->shortcut().isEmpty()) return {};
    return {Action->shortcut().toString(QKeySequence::NativeText)};
  }

 private:
  QPointer<QMenu> Menu;
  QPointer<QAction> Action;
};

// A menu asks for its items' interfaces before it makes Qt's own.
QAccessibleInterface* CheckableMenuItemFactory(const QString&, QObject* object) {
  auto* action = qobject_cast<QAction*>(object);
  if (!action || !action->isCheckable()) return nullptr;
  for (QObject* owner : action->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(owner)) return new TCheckableMenuItemAccessible(menu, action);
  return nullptr;
}
}  // namespace

void InstallCheckableMenuItemAccessibility() {
  static const bool installed = (QAccessible::installFactory(CheckableMenuItemFactory), true);
  (void)installed;
}
