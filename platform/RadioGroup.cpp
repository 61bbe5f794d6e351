// SPDX-License-Identifier: MIT
#include "platform/RadioGroup.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

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
    button->installEventFilter(this);
    Buttons.push_back(button);
  }
  UpdateTabStop();
  // Follows the checked button however it was chosen: a click, the arrow
  // keys, code, or an assistive technology's press or toggle action.
  connect(Group, &QButtonGroup::idToggled, this, Guarded([this](int id, bool checked) {
    if (checked) SetItemIndex(id);
  }));
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= ItemCount() || index == Index) return;
  Index = index;
  UpdateTabStop();
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

void TRadioGroup::UpdateTabStop() {
  const int stop = std::max(Index, 0);
  for (int i = 0; i < ItemCount(); ++i) Item(i)->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TRadioGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  int step = 0;
  if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up) step = -1;
  if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down) step = 1;
  const auto at = std::find(Buttons.begin(), Buttons.end(), watched);
  if (step == 0 || (key->modifiers() & ~Qt::KeypadModifier) || at == Buttons.end())
    return QGroupBox::eventFilter(watched, event);
  // The next enabled button that way, wrapping round as the desktop's groups do.
  const int count = ItemCount();
  int index = static_cast<int>(at - Buttons.begin());
  for (int tried = 1; tried < count; ++tried) {
    index = (index + step + count) % count;
    if (!Item(index)->isEnabled()) continue;
    Item(index)->setFocus(Qt::OtherFocusReason);
    Item(index)->click();
    break;
  }
  return true;
}
