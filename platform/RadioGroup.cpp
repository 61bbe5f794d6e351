// SPDX-License-Identifier: MIT
#include "platform/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Application.h"

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(2);
  Group = new QButtonGroup(this);
  for (const QString& text : items) {
    auto* button = new QRadioButton(text, this);
    Group->addButton(button, static_cast<int>(Buttons.size()));
    layout->addWidget(button);
    Buttons.push_back(button);
  }
  // Follows the checked button however it was chosen: a click, the arrow
  // keys, code, or an assistive technology's press or toggle action.
  connect(Group, &QButtonGroup::idToggled, this, Guarded([this](int id, bool checked) {
    if (checked) SetItemIndex(id);
  }));
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= ItemCount() || index == Index) return;
  Index = index;
  if (index >= 0) {
    Buttons[static_cast<std::size_t>(index)]->setChecked(true);
  } else {
    // An exclusive group cannot uncheck its last button.
    Group->setExclusive(false);
    for (QRadioButton* button : Buttons) button->setChecked(false);
    Group->setExclusive(true);
  }
  if (OnClick) OnClick(this);
}
