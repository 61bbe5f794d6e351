// SPDX-License-Identifier: MIT
#include "platform/ValueComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>

#include "platform/AccessibleText.h"
#include "platform/Application.h"

namespace {
// Qt's own combo box interface names a combo box on Linux by its current
// item, so a screen reader would say "24" where it should say "Mask Bits, 24".
// This one is named like any other control (its own accessible name, else the
// label whose buddy it is) and offers the current item as its value and text.
class TValueComboBoxAccessible : public TAccessibleTextWidget {
 public:
  explicit TValueComboBoxAccessible(TValueComboBox* list) : TAccessibleTextWidget(list, QAccessible::ComboBox) {}

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == List()->view() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    if (List()->view()->isVisible())
      List()->hidePopup();
    else
      List()->showPopup();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  TValueComboBox* List() const { return static_cast<TValueComboBox*>(widget()); }
  QString AccessibleText() const override { return List()->currentText(); }
};

QAccessibleInterface* ValueComboBoxAccessibleFactory(const QString&, QObject* object) {
  if (auto* list = qobject_cast<TValueComboBox*>(object)) return new TValueComboBoxAccessible(list);
  return nullptr;
}
}  // namespace

TValueComboBox::TValueComboBox(QWidget* parent) : QComboBox(parent) {
  static const bool accessibleFactoryInstalled = (QAccessible::installFactory(ValueComboBoxAccessibleFactory), true);
  (void)accessibleFactoryInstalled;
  setEditable(false);
  connect(this, &QComboBox::activated, this, Guarded([this] {
    if (OnClick) OnClick(this);
  }));
  // Qt reports the new value; the text changes too, for readers that follow the text.
  connect(this, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (QAccessible::isActive() && text != ShownText) {
      QAccessibleTextUpdateEvent event(this, 0, ShownText, text);
      QAccessible::updateAccessibility(&event);
    }
    ShownText = text;
  });
}

void TValueComboBox::AddItem(const QString& text, std::uint32_t value) {
  addItem(text, QVariant::fromValue<quint32>(value));
}

std::uint32_t TValueComboBox::ItemValue(int index) const { return itemData(index).value<quint32>(); }

std::int64_t TValueComboBox::SelectedValue() const {
  return currentIndex() < 0 ? -1 : static_cast<std::int64_t>(ItemValue(currentIndex()));
}

void TValueComboBox::SetItemIndex(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }
