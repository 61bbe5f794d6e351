// SPDX-License-Identifier: MIT
#include "controls/RangeFillLock.h"

#include <QApplication>

#include "controls/KestSpinEdit.h"

TRangeFillLock::TRangeFillLock(TBetterSpinEdit* fromEdit, TBetterSpinEdit* toEdit)
    : FromEdit(fromEdit), ToEdit(toEdit) {
  QWidget* focused = QApplication::focusWidget();
  if (focused == fromEdit || focused == toEdit) Focused = focused;
  fromEdit->setEnabled(false);
  toEdit->setEnabled(false);
  // Where the focus went when the edit that had it was disabled.
  FocusAfterLock = QApplication::focusWidget();
}

TRangeFillLock::~TRangeFillLock() {
  if (FromEdit) FromEdit->setEnabled(true);
  if (ToEdit) ToEdit->setEnabled(true);
  if (Focused && Focused->isVisible() && QApplication::focusWidget() == FocusAfterLock)
    Focused->setFocus(Qt::OtherFocusReason);
}
