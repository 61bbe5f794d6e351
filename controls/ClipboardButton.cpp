// SPDX-License-Identifier: MIT
#include "controls/ClipboardButton.h"

#include <QToolButton>

#include "platform/Hint.h"
#include "platform/Shell.h"

QToolButton* NewClipboardButton(QWidget* parent, const QString& objectName, const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(objectName);
  button->setAutoRaise(true);
  button->setIcon(QIcon(LoadBitmapResource("CLIPBOARD")));
  button->setFixedSize(23, 22);
  button->setAccessibleName(hint);
  SetHint(button, hint);
  return button;
}
