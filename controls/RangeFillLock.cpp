// SPDX-License-Identifier: MIT
#include "controls/RangeFillLock.h"

#include <QApplication>

#include "controls/KestSpinEdit.h"
#include "platform/Shell.h"

TRangeFillLock::TRangeFillLock(TBetterSpinEdit* fromEdit, TBetterSpinEdit* toEdit)
    : FromEdit(fromEdit), ToEdit(toEdit) {}

void TRangeFillLock::ProcessMessages() {
  if (!Locked) {
    Locked = true;
    QWidget* focused = QApplication::focusWidget();
    if (focused == FromEdit || focused == ToEdit) Focused = focused;
    if (FromEdit) FromEdit->setEnabled(false);
    if (ToEdit) ToEdit->setEnabled(false);
    // Where the focus went when the edit that had it was disabled.
    FocusAfterLock = QApplication::focusWidget();
  }
  ::ProcessMessages();
}

TRangeFillLock::~TRangeFillLock() {
  if (!Locked) return;
  if (FromEdit) FromEdit->setEnabled(true);
  if (ToEdit) ToEdit->setEnabled(true);
  if (Focused && Focused->isVisible() && QApplication::focusWidget() == FocusAfterLock)
    Focused->setFocus(Qt::OtherFocusReason);
}
