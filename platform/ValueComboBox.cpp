#include "platform/ValueComboBox.h"

TValueComboBox::TValueComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  connect(this, &QComboBox::activated, this, [this] {
    if (OnClick) OnClick(this);
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
